// The frame the scroll tick draws: however few pixels a tick copies, after any run of moves in any output
// the window shows exactly what a full redraw of the prompter shows.
#include "foundation/word_line_arrays.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/prompter_drawing.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"
#include "shell/mode_switching.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class ScrollStepDrawing : public ScrollingPrompterFixture {
  protected:
    void SetUp() override {
        SetUpScrolling(RGBColor{0xFFFF, 0xFFFF, 0}, RGBColor{0, 0, 0x6000}, 18, RGBColor{0xFFFF, 0, 0});
    }
    // Lines of different lengths, so that a row or column put in the wrong place shows.
    static std::string Script() {
        std::string script;
        for (int line = 0; line < 120; ++line)
            script += "Line " + std::to_string(line) + std::string(size_t(line * 7 % 23), 'w') + " ends.\r";
        return script;
    }
};

TEST_F(ScrollStepDrawing, AfterAnyRunOfTicksTheWindowShowsWhatAFullRedrawShows) {
    struct Case {
        const char* name;
        SInt16 mirror, flip, rotation;
        SInt16 backStyle, colorStyle; // the text layer's styles over the plain background
        SInt16 highlight;
    };
    const Case cases[] = {
        {"mirrored", 1, 0, 0, 0, 1, kHighlightNone},
        {"flipped", 0, 1, 0, 0, 1, kHighlightNone},
        {"mirrored and flipped", 1, 1, 0, 0, 1, kHighlightNone},
        {"turned clockwise", 0, 0, 1, 0, 1, kHighlightNone},
        {"turned counter-clockwise", 0, 0, -1, 0, 1, kHighlightNone},
        {"turned clockwise and flipped", 0, 1, 1, 0, 1, kHighlightNone},
        {"turned counter-clockwise, mirrored and flipped", 1, 1, -1, 0, 1, kHighlightNone},
        {"mirrored with the word highlight", 1, 0, 0, 0, 1, kHighlightWord},
        {"turned with the word highlight", 1, 0, 1, 0, 1, kHighlightWord},
        {"turned back with the word highlight", 0, 1, -1, 0, 1, kHighlightWord},
        {"mirrored, text keyed over the background", 1, 0, 0, 2, 1, kHighlightNone},
        {"turned, text blended into the background", 0, 0, 1, 6, 6, kHighlightNone},
    };
    // Forwards and back by odd amounts, a page and more at once, and moves of nothing.
    const SInt32 moves[][4] = {
        {-1, -2, -3, -2}, {-7, 0, -1, -11}, {5, 3, -1, -4}, {-400, -2, 0, -3}, {-61, 61, -2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPref(gThePreferences, kPrefMirror, c.mirror);
        SetPref(gThePreferences, kPrefFlip, c.flip);
        SetPref(gThePreferences, kPrefRotation, c.rotation);
        SetPref(gThePreferences, kPrefTextRectBackStyle, c.backStyle);
        SetPref(gThePreferences, kPrefTextColorStyle, c.colorStyle);
        SetPref(gThePreferences, kPrefHighlightKind, c.highlight);
        OpenAt(Rect{100, 100, 420, 580});
        SetScript(Script());
        MeasureScriptText();
        StartScroll(1);
        ASSERT_NE(gOffscreenExtraWindow, nullptr);
        UpdateScrollWindow();
        int run = 0;
        for (const auto& group : moves) {
            for (SInt32 pixels : group) {
                if (c.highlight == kHighlightWord) HighlightWordAtCue(2, 0);
                ScrollScrollThisMuch(pixels, 0);
            }
            const std::vector<UInt32> ticked = WindowPixels();
            UpdateScrollWindow();
            EXPECT_EQ(ticked, WindowPixels()) << "after run " << run;
            ++run;
        }
        EXPECT_LT(gScrollCurrentPos, -400) << "the text moved";
        StopScroll();
        CloseScrollWindow();
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
