// A text engine record with real fonts drawing into an offscreen world, in the classic or the Unicode text
// mode, for the tests of line layout, hit testing and drawing.
#pragma once

#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <gtest/gtest.h>

#include <string>

inline constexpr SInt16 kViewWidth = 300;
inline constexpr SInt16 kViewHeight = 400;

// The parameter is the classic text switch.
class LayoutTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        savedClassicText = GetPref(gThePreferences, kPrefClassicText);
        SetPref(gThePreferences, kPrefClassicText, GetParam() ? 1 : 0);
        GetGWorld(&savedPort, &savedDevice);
        const Rect bounds{0, 0, kViewHeight, kViewWidth};
        ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), 0);
        SetGWorld(world, nullptr);
        TextFont(kFontHelvetica);
        TextFace(0);
        TextSize(20);
        LongRect dest{0, 0, 0, kViewWidth};
        LongRect view{0, 0, kViewHeight, kViewWidth};
        ASSERT_EQ(WENew(&dest, &view, 0, &we), noErr);
    }
    void TearDown() override {
        WEDispose(we);
        SetGWorld(savedPort, savedDevice);
        DisposeGWorld(world);
        SetPref(gThePreferences, kPrefClassicText, savedClassicText);
    }

    WERec& Rec() { return RecordOf(we); }
    const WELineRec& Line(SInt32 i) { return LinesOf(Rec())[i]; }
    SInt32 LineEnd(SInt32 i) { return Line(i + 1).start; }

    void SetText(const std::string& text) {
        ASSERT_EQ(_WEInsertText(0, text.data(), SInt32(text.size()), we), noErr);
        ASSERT_EQ(WECalText(we), noErr);
    }
    // The first style's metrics: every test text is in one style unless it sets more.
    SInt32 StyleAscent() { return StylesOf(Rec())[0].record.ascent; }
    SInt32 StyleDescent() { return StylesOf(Rec())[0].record.height - StylesOf(Rec())[0].record.ascent; }
    UInt32 PixelAt(SInt32 h, SInt32 v) {
        return GetPixBaseAddr(world)[v * (GetPixRowBytes(world) / 4) + h] & 0xFFFFFF;
    }

    WEReference we = nullptr;
    GWorldPtr world = nullptr;
    CGrafPtr savedPort = nullptr;
    GDHandle savedDevice = nullptr;
    SInt32 savedClassicText = 0;
};

inline std::string ModeName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Classic" : "Unicode";
}
