// The full redraw of the prompter: it composes the same frame the scroll tick draws in every output, and
// it erases what nothing covers.
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/scroll_step_drawing.h"
#include "shell/mode_switching.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class PrompterRedraw : public PrompterFixture {
  protected:
    void TearDown() override {
        StopScroll();
        PrompterFixture::TearDown();
    }
    void OpenWithScript() {
        SetPref(gThePreferences, kPrefFullScreen, 0);
        OpenAt(Rect{100, 100, 460, 740});
        std::string script;
        while (script.size() < 3000)
            script += "Good evening, here is the news.\r";
        SetScript(script);
    }
    // The window's pixels inside r, row by row.
    static std::vector<UInt32> Pixels(const Rect& r) {
        CGrafPtr port = GetWindowPort(myScrollWindow);
        const UInt32* base = GetPixBaseAddr(port);
        const SInt32 stride = GetPixRowBytes(port) / 4;
        std::vector<UInt32> out;
        for (SInt16 v = r.top; v < r.bottom; ++v)
            out.insert(out.end(), base + v * stride + r.left, base + v * stride + r.right);
        return out;
    }
    static UInt32 PixelAt(SInt16 h, SInt16 v) { return Pixels(Rect{v, h, SInt16(v + 1), SInt16(h + 1)})[0]; }
};

TEST_F(PrompterRedraw, TheFullRedrawComposesWhatTheTickDraws) {
    struct Case {
        const char* name;
        SInt16 mirror, flip, rotation;
    };
    const Case cases[] = {
        {"mirrored", 1, 0, 0}, {"flipped", 0, 1, 0}, {"turned", 0, 0, 1}, {"turned back", 0, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPref(gThePreferences, kPrefMirror, c.mirror);
        SetPref(gThePreferences, kPrefFlip, c.flip);
        SetPref(gThePreferences, kPrefRotation, c.rotation);
        OpenWithScript();
        StartScroll(1);
        ASSERT_NE(gOffscreenExtraWindow, nullptr);
        UpdateScrollWindow();
        const std::vector<UInt32> redrawn = Pixels(gScrollTextRect);
        DrawScrollStep(0);
        EXPECT_EQ(Pixels(gScrollTextRect), redrawn);
        StopScroll();
        CloseScrollWindow();
    }
}

TEST_F(PrompterRedraw, WhatNothingCoversIsErasedToTheBackColour) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.backColor = RGBColor{0, 0, 0x8000};
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    SetPref(gThePreferences, kPrefCueMarkerShown, 0);
    OpenWithScript();
    SetPort(GetWindowPort(myScrollWindow));
    const RGBColor red{0xFFFF, 0, 0};
    RGBForeColor(&red);
    const Rect content = GetScrollWindowContent();
    PaintRect(&content);
    UpdateScrollWindow();
    const UInt32 back = 0xFF000080;
    EXPECT_EQ(PixelAt(SInt16(content.right - 2), SInt16(content.bottom / 2)), back)
        << "the scroll bar column";
    EXPECT_EQ(PixelAt(SInt16(gScrollTextRect.left - 1), SInt16(gScrollTextRect.top + 5)), back)
        << "the cue column when no cue shows";
    bool text = false;
    for (UInt32 pixel : Pixels(gScrollTextRect)) {
        EXPECT_NE(pixel, 0xFFFF0000u);
        text = text || pixel != back;
    }
    EXPECT_TRUE(text) << "the script is drawn";
}

} // namespace
