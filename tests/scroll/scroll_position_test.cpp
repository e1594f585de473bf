// The prompter text moved by the scroll step in an open prompter: exact whole-pixel moves, the ends of the
// text, the composite world kept by strips, the position read back, saved and restored, looping lines and
// characters brought to the top.
#include "scroll/scroll_position.h"

#include "foundation/error_dialog.h"
#include "foundation/program_strings.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/script_measures.h"
#include "scroll/text_layer_copy.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/engine_internal.h"
#include "textengine/text_engine.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<UInt32> Pixels(CGrafPtr port) {
    Rect bounds{};
    GetPortBounds(port, &bounds);
    std::vector<UInt32> out;
    const UInt8* base = reinterpret_cast<const UInt8*>(GetPixBaseAddr(port));
    const SInt32 rowBytes = GetPixRowBytes(port);
    for (int v = 0; v < RectHeight(bounds); ++v) {
        const UInt32* row = reinterpret_cast<const UInt32*>(base + v * rowBytes);
        out.insert(out.end(), row, row + RectWidth(bounds));
    }
    return out;
}

SInt32 FirstLineTop() {
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(0, 0, &point, &height, ScrollWEHandle);
    return point.v;
}

class ScrollPosition : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        gMyBitWidth = 32;
        UsePlainOutput();
        SetPref(gThePreferences, kPrefTextColorStyle, 1);
        OpenAt(Rect{100, 100, 500, 700});
        std::string script;
        for (int i = 0; i < 200; ++i)
            script += "Line " + std::to_string(i) + " of the script, read aloud\r";
        SetScript(script);
        ASSERT_GT(gScrollExtraHeight, 1000);
    }
    void TearDown() override {
        gScrollOn = 0;
        DestroyOffscreenWindows();
        PrompterFixture::TearDown();
        gScrollCurrentPos = 0;
        gSaveScrollPositionCount = 0;
    }
};

TEST_F(ScrollPosition, EveryWholePixelStepMovesExactlyThatManyPixels) {
    CGrafPtr port = GetWindowPort(myScrollWindow);
    const Rect text = gScrollTextRect;
    Rect bounds{};
    GetPortBounds(port, &bounds);
    const int width = RectWidth(bounds);
    for (SInt32 step : {1, 3, 7}) {
        ScrollScrollToBeginning(0);
        std::vector<SInt32> moved;
        for (int tick = 0; tick < 40; ++tick) {
            const std::vector<UInt32> before = Pixels(port);
            const SInt32 top = FirstLineTop();
            moved.push_back(ScrollScrollThisMuch(-step, 0));
            EXPECT_EQ(FirstLineTop(), top - step);
            // The text rectangle's rows stand step rows higher than before.
            const std::vector<UInt32> after = Pixels(port);
            for (int v = text.top; v < text.bottom - step; ++v)
                ASSERT_EQ(std::memcmp(&after[size_t(v * width + text.left)],
                                      &before[size_t((v + step) * width + text.left)],
                                      size_t(RectWidth(text)) * 4),
                          0)
                    << "step " << step << " tick " << tick << " row " << v;
        }
        EXPECT_EQ(moved, std::vector<SInt32>(40, -step));
        EXPECT_EQ(gScrollCurrentPos, -40.0 * step);
    }
}

TEST_F(ScrollPosition, TheTextStopsAtItsEndAndComesBackToItsStart) {
    const SInt32 extra = gScrollExtraHeight;
    EXPECT_EQ(ScrollScrollThisMuch(10, 0), 0) << "nothing lies before the start";
    EXPECT_EQ(ScrollScrollToEnd(0), -extra);
    EXPECT_EQ(gScrollCurrentPos, -extra);
    EXPECT_EQ(ScrollScrollThisMuch(-50, 0), 0);
    EXPECT_EQ(ScrollScrollThisMuch(-50, 2), 0);
    EXPECT_EQ(gVScrollScroll.value, gVScrollScroll.maximum) << "the bar stands at its end";
    GetCurrentScrollPos();
    EXPECT_EQ(gScrollCurrentPos, -extra) << "the text engine agrees with the kept position";

    EXPECT_EQ(ScrollScrollThisMuch(30, 2), 30) << "mode 2 only answers";
    EXPECT_EQ(gScrollCurrentPos, -extra);
    EXPECT_EQ(ScrollScrollToBeginning(0), extra);
    EXPECT_EQ(gScrollCurrentPos, 0);
    EXPECT_EQ(FirstLineTop(), GetScrollLeadingEdge());
    EXPECT_EQ(gVScrollScroll.value, 0);
}

TEST_F(ScrollPosition, JumpScrollMovesTheWholeDistanceInOneCall) {
    JumpScroll(-250);
    EXPECT_EQ(gScrollCurrentPos, -250);
    EXPECT_EQ(FirstLineTop(), GetScrollLeadingEdge() - 250);
}

TEST_F(ScrollPosition, TheBarFollowsThePositionThroughItsDivisor) {
    ASSERT_GT(gScrollExtraHeight, 32767);
    ASSERT_LE(gScrollExtraHeight, 2 * 32767);
    EXPECT_EQ(gVScrollScroll.minimum, 0);
    EXPECT_EQ(gVScrollScroll.maximum, gScrollExtraHeight / 2);
    EXPECT_DOUBLE_EQ(gVScrollScrollDivisor, double(gScrollExtraHeight) / (gScrollExtraHeight / 2));
    EXPECT_EQ(gScrollPageScrollSize, RectHeight(gScrollTextRect) - gScrollPixelSpace);
    EXPECT_EQ(gVScrollScroll.reference, SInt32(gScrollPageScrollSize / gVScrollScrollDivisor));
    VScrollScrollGlue(60, 0);
    EXPECT_EQ(gScrollCurrentPos, -60 * gVScrollScrollDivisor);
    EXPECT_EQ(FirstLineTop(), GetScrollLeadingEdge() + SInt32(-60 * gVScrollScrollDivisor));
    ScrollScrollThisMuch(-1000, 0);
    EXPECT_EQ(gVScrollScroll.value, SInt16(-gScrollCurrentPos / gVScrollScrollDivisor));
}

TEST_F(ScrollPosition, ALongScriptLaidOutInIdlePiecesEndsMeasuredAsIfLaidOutWhole) {
    std::string script;
    for (int i = 0; i < 300; ++i)
        script += "Paragraph " + std::to_string(i) + std::string(size_t(i % 9) * 12, 'w') + " ends here.\r";
    gLazyLayoutLength = 0;
    SetScript(script);
    MeasureScriptText();
    const SInt32 wholeHeight = gScrollTextHeight, wholeExtra = gScrollExtraHeight, wholeLines = gTotalLines;
    const SInt32 wholeLastWordLine = WordLinesOf(myWordLineArray)[gTotalWords - 1].line;

    gLazyLayoutLength = 1;
    SetScript(script);
    MeasureScriptText();
    EXPECT_TRUE(WEHasProvisionalLines(ScrollWEHandle));
    for (SInt16 scrolling : {kScrollOn, kScrollOff}) {
        gScrollOn = scrolling; // smaller pieces while scrolling
        for (int piece = 0; piece < 1000 && WEHasProvisionalLines(ScrollWEHandle); ++piece)
            ContinueScrollTextLayout();
    }
    gLazyLayoutLength = kLazyLayoutLength;
    EXPECT_FALSE(WEHasProvisionalLines(ScrollWEHandle));
    EXPECT_EQ(gScrollTextHeight, wholeHeight);
    EXPECT_EQ(gScrollExtraHeight, wholeExtra);
    EXPECT_EQ(gTotalLines, wholeLines);
    EXPECT_EQ(WordLinesOf(myWordLineArray)[gTotalWords - 1].line, wholeLastWordLine);
}

TEST_F(ScrollPosition, TextShorterThanTheRectangleNeverMoves) {
    SetScript("Just one line\r");
    ASSERT_LT(gScrollExtraHeight, 0);
    EXPECT_EQ(ScrollScrollThisMuch(-20, 0), 0);
    EXPECT_EQ(ScrollScrollThisMuch(-20, 2), 0);
    EXPECT_EQ(gVScrollScroll.maximum, 0);
    EXPECT_EQ(gVScrollScroll.value, 0);
}

TEST_F(ScrollPosition, ASecondSaveKeepsTheFirstPositionAndRestoreReturnsThere) {
    ScrollScrollThisMuch(-123, 0);
    SaveScrollPositionandReset();
    EXPECT_EQ(gScrollCurrentPos, 0);
    EXPECT_EQ(FirstLineTop(), GetScrollLeadingEdge());
    ScrollScrollThisMuch(-40, 0);
    SaveScrollPositionandReset();
    EXPECT_EQ(gScrollOffset, -123);
    RestoreScrollPosition();
    EXPECT_EQ(gScrollCurrentPos, -123);
    EXPECT_EQ(FirstLineTop(), GetScrollLeadingEdge() - 123);
    EXPECT_EQ(gSaveScrollPositionCount, 0);
    RestoreScrollPosition();
    EXPECT_EQ(gScrollCurrentPos, -123) << "a restore without a save changes nothing";
}

TEST_F(ScrollPosition, ACharacterIsBroughtToTheTopAndFoundThere) {
    const SInt32 line = 50;
    const SInt32 offset = WELineToOffset(line, ScrollWEHandle);
    EXPECT_EQ(GetScrollDistanceToCharacter(-1), 0x7FFFFFFF);
    const SInt32 distance = GetScrollDistanceToCharacter(offset);
    EXPECT_LT(distance, 0);
    ScrollScrollToCharacter(offset, 0);
    EXPECT_EQ(gScrollCurrentPos, distance);
    EXPECT_EQ(GetScrollDistanceToCharacter(offset), 0);
    EXPECT_EQ(GetScrollZeroPositionCharacter(), offset);
    EXPECT_NEAR(GetScrollZeroPositionInLine(offset), 0.1 / gScrollPixelSpace, 1e-9);
    ScrollScrollToCharacter(-5, 0);
    EXPECT_EQ(gScrollCurrentPos, distance) << "a negative offset is ignored";
}

TEST_F(ScrollPosition, LoopingLinesComeAndGoLeavingTheTextAsItWas) {
    const std::string before = BoxText();
    const SInt32 height = gScrollTextHeight;
    ASSERT_EQ(AddScrollLoopingText(), 1);
    const SInt32 n = gScrollTextRectHeight / gScrollPixelSpace + 1;
    EXPECT_EQ(gNumBlankLinesNeeded, n);
    EXPECT_EQ(BoxText(), std::string(size_t(n), '\r') + before + std::string(size_t(n), '\r'));
    EXPECT_GT(gScrollTextHeight, height);
    ASSERT_EQ(RemoveScrollLoopingText(), 1);
    EXPECT_EQ(BoxText(), before);
    EXPECT_EQ(gNumBlankLinesNeeded, 0);
    EXPECT_EQ(gScrollTextHeight, height);

    gScrollPixelSpace = 0;
    ASSERT_EQ(AddScrollLoopingText(), 1) << "a first line of no height still gives a count";
    EXPECT_EQ(gNumBlankLinesNeeded, gScrollTextRectHeight + 1);
    RemoveScrollLoopingText();
    EXPECT_EQ(BoxText(), before);
}

// The composite world kept up to date by strips holds what a copy of the whole text layer gives, in every
// output transform; turned output copies the whole layer.
TEST_F(ScrollPosition, StripsComposeWhatAWholeCopyComposes) {
    struct Output {
        const char* what;
        SInt16 mirror, flip, rotation;
    };
    const Output outputs[] = {
        {"upright", 0, 0, 0}, {"mirrored", 1, 0, 0},     {"flipped", 0, 1, 0},
        {"turned", 0, 0, 1},  {"turned back", 1, 0, -1},
    };
    for (const Output& o : outputs) {
        SetPref(gThePreferences, kPrefMirror, o.mirror);
        SetPref(gThePreferences, kPrefFlip, o.flip);
        SetPref(gThePreferences, kPrefRotation, o.rotation);
        gScrollOn = 1;
        DestroyOffscreenWindows();
        MoveScrollTextBox();
        CreateOffscreenWindows();
        ASSERT_NE(gOffscreenExtraWindow, nullptr) << o.what;
        if (gAnotherOffscreen) DisposeGWorld(gAnotherOffscreen), gAnotherOffscreen = nullptr;
        ScrollScrollToBeginning(0);
        SetPort(myScrollWindowAlias);
        WEUpdate(nullptr, ScrollWEHandle);
        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        const Rect text = gScrollTextRect;
        const Rect source = RotateRect(&frame, text, SInt16(-o.rotation), 1);
        DoScrollToExtraCopy(&source, &text);
        const std::vector<UInt32> start = Pixels(gOffscreenExtraWindow);

        // Nothing is allocated on the way: every allocation would fail.
        SetAllocationFailureCountdown(0);
        for (int tick = 0; tick < 30; ++tick)
            ScrollScrollThisMuch(-3, 0);
        for (int tick = 0; tick < 5; ++tick)
            ScrollScrollThisMuch(2, 0);
        SetAllocationFailureCountdown(-1);
        EXPECT_EQ(gScrollCurrentPos, -80) << o.what;

        const std::vector<UInt32> stepped = Pixels(gOffscreenExtraWindow);
        EXPECT_NE(stepped, start) << o.what;
        DoScrollToExtraCopy(&source, &text);
        EXPECT_EQ(stepped, Pixels(gOffscreenExtraWindow)) << o.what;
    }
}

TEST_F(ScrollPosition, TextAtACharacterStopsAtTheEndOfTheScript) {
    SetScript(std::string("ab\rcd") + std::string(400, 'x'));
    Str255 none;
    GetOrvalisString(129, 12, none);
    const std::string label(PStringView(none));
    const SInt32 length = 405;
    struct Case {
        SInt32 offset;
        SInt16 count;
        std::string text;
    };
    const Case cases[] = {
        {0, 4, "ab.c"}, {length - 3, 20, "xxx"}, {0, 300, "ab.cd" + std::string(250, 'x')},
        {2, 0, ""},     {length, 5, label},      {-1, 5, label},
    };
    for (const Case& c : cases) {
        const StringPtr s = GetScrollTextAtCharacter(c.offset, c.count);
        EXPECT_EQ(std::string(PStringView(s)), c.text) << c.offset << " " << c.count;
    }
}

} // namespace
