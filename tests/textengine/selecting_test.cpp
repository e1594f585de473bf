// Selecting and moving with the arrow keys: by character, word, line and text end, extending with shift,
// the anchor of a backward selection, ranges added to a plain selection, the caret's blink, scrolling
// into view through the scroll hook, and the accessors' pinning of out-of-range arguments.
#include "engine_fixture.h"

#include "foundation/error_dialog.h"
#include "platform/clock.h"
#include "platform/events.h"

namespace {

SInt32 FixedAdvanceCharToPixel(const UInt8*, SInt32, Fixed, SInt32 offset, SInt16, SInt16, WEReference) {
    return offset * kTestAdvance;
}

// Lines of the fixture's 20-character width: "one two, three four " | "five.\r" | "six seven 42 eight\r" |
// "nine".
class SelectingTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        auto hook = &FixedAdvanceCharToPixel;
        ASSERT_EQ(WESetInfo(FourCC("c2p "), &hook, we), noErr);
        Insert(0, "one two, three four five.\rsix seven 42 eight\rnine");
        ASSERT_EQ(WECalText(we), noErr);
    }
    SInt32 Caret() {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        return start;
    }
    std::pair<SInt32, SInt32> Selection() {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        return {start, end};
    }
};

TEST_F(SelectingTest, ArrowKeysMoveByCharacterWordLineAndText) {
    ASSERT_EQ(WECountLines(we), 4); // "one two, three four " "five.\r" "six seven 42 eight\r" "nine"
    struct Move {
        SInt32 from;
        SInt16 key;
        UInt16 modifiers;
        SInt32 to;
    };
    const Move moves[] = {
        {0, kLeftArrowCharCode, 0, 0},
        {0, kRightArrowCharCode, 0, 1},
        {49, kRightArrowCharCode, 0, 49},
        {9, kRightArrowCharCode, optionKey, 14}, // to the end of "three"
        {8, kRightArrowCharCode, optionKey, 14}, // over ", " to the end of "three"
        {7, kRightArrowCharCode, optionKey, 14}, // the comma is skipped, not a word of its own
        {14, kLeftArrowCharCode, optionKey, 9},  // to the start of "three"
        {9, kLeftArrowCharCode, optionKey, 4},   // over ", " to "two"
        {36, kLeftArrowCharCode, optionKey, 30}, // over the blank to "seven"
        {38, kLeftArrowCharCode, optionKey, 36}, // digits are a word, not skipped
        {12, kLeftArrowCharCode, cmdKey, 0},     // line start
        {22, kRightArrowCharCode, cmdKey, 25},   // before the line's return
        {30, kRightArrowCharCode, cmdKey, 44},
        {47, kRightArrowCharCode, cmdKey, 49}, // the last line keeps its end
        {30, kUpArrowCharCode, cmdKey, 0},
        {3, kDownArrowCharCode, cmdKey, 49},
        {3, kDownArrowCharCode, 0, 23}, // same column on the next line
        {23, kUpArrowCharCode, 0, 3},
        {33, kUpArrowCharCode, 0, 25},   // past the short line's end: before its return
        {47, kDownArrowCharCode, 0, 49}, // below the last line: the text's end
        {5, kUpArrowCharCode, 0, 0},     // above the first line: the text's start
        {5, kRightArrowCharCode, optionKey | cmdKey, 5},
    };
    for (const Move& m : moves) {
        WESetSelection(m.from, m.from, 0, we);
        WEKey(m.key, m.modifiers, we);
        EXPECT_EQ(Selection(), std::make_pair(m.to, m.to))
            << "from " << m.from << " key " << m.key << " mods " << m.modifiers;
    }
}

TEST_F(SelectingTest, ShiftExtendsFromTheAnchorAndPlainArrowsCollapse) {
    WESetSelection(10, 10, 0, we);
    WEKey(kRightArrowCharCode, shiftKey, we);
    WEKey(kRightArrowCharCode, shiftKey, we);
    EXPECT_EQ(Selection(), std::make_pair(10, 12));
    WEKey(kLeftArrowCharCode, shiftKey | optionKey, we); // back over the anchor
    WEKey(kLeftArrowCharCode, shiftKey | optionKey, we);
    EXPECT_EQ(Selection(), std::make_pair(4, 10));
    EXPECT_TRUE(Rec().stateBits & kWEStateAnchorIsEnd);
    WEKey(kRightArrowCharCode, shiftKey, we); // the moving end is the start now
    EXPECT_EQ(Selection(), std::make_pair(5, 10));
    WEKey(kUpArrowCharCode, 0, we);
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
    WESetSelection(5, 10, 0, we);
    WEKey(kRightArrowCharCode, optionKey, we);
    EXPECT_EQ(Selection(), std::make_pair(10, 10));
}

// Home and End go to the ends of the line on screen, with command to those of the text; the page keys
// go a view further (this view shows the whole text). Shift extends from the anchor; without shift the
// selection collapses where the key leads from its moving end.
TEST_F(SelectingTest, HomeEndAndPageKeysMoveAndExtendTheSelection) {
    struct Case {
        SInt32 selectedFrom, selectedTo; // the second is the moving end
        SInt16 key;
        UInt16 modifiers;
        SInt32 start, end;
        bool anchorIsEnd;
    };
    const Case cases[] = {
        {12, 12, kHomeCharCode, 0, 0, 0, false},
        {30, 30, kHomeCharCode, 0, 26, 26, false},
        {12, 12, kEndCharCode, 0, 19, 19, false}, // a wrapped line: before its last blank
        {22, 22, kEndCharCode, 0, 25, 25, false}, // before the line's return
        {47, 47, kEndCharCode, 0, 49, 49, false},
        {30, 30, kHomeCharCode, cmdKey, 0, 0, false},
        {3, 3, kEndCharCode, cmdKey, 49, 49, false},
        {3, 3, kPageDownCharCode, 0, 49, 49, false},
        {47, 47, kPageUpCharCode, 0, 0, 0, false},
        // Everything selected: the keys leave a caret, at the text's end for command-End.
        {0, 49, kEndCharCode, cmdKey, 49, 49, false},
        {0, 49, kHomeCharCode, cmdKey, 0, 0, false},
        {0, 49, kHomeCharCode, 0, 45, 45, false},
        {0, 49, kEndCharCode, 0, 49, 49, false},
        {0, 49, kPageUpCharCode, 0, 0, 0, false},
        {3, 30, kHomeCharCode, 0, 26, 26, false},
        {30, 3, kEndCharCode, 0, 19, 19, false},
        // Shift extends from the anchor, across it too.
        {30, 30, kEndCharCode, shiftKey, 30, 44, false},
        {30, 30, kHomeCharCode, shiftKey, 26, 30, true},
        {30, 30, kEndCharCode, shiftKey | cmdKey, 30, 49, false},
        {30, 30, kHomeCharCode, shiftKey | cmdKey, 0, 30, true},
        {3, 30, kHomeCharCode, shiftKey, 3, 26, false},
        {3, 30, kHomeCharCode, shiftKey | cmdKey, 0, 3, true},
        {30, 3, kEndCharCode, shiftKey, 19, 30, true},
        {30, 3, kEndCharCode, shiftKey | cmdKey, 30, 49, false},
        {3, 3, kPageDownCharCode, shiftKey, 3, 49, false},
        {0, 49, kPageUpCharCode, shiftKey, 0, 0, false},
    };
    for (const Case& c : cases) {
        WESetSelection(c.selectedFrom, c.selectedTo, 0, we);
        EXPECT_EQ(WEKey(c.key, c.modifiers, we), noErr);
        EXPECT_EQ(Selection(), std::make_pair(c.start, c.end))
            << c.selectedFrom << ".." << c.selectedTo << " key " << c.key << " mods " << c.modifiers;
        EXPECT_EQ(bool(Rec().stateBits & kWEStateAnchorIsEnd), c.anchorIsEnd)
            << c.selectedFrom << ".." << c.selectedTo << " key " << c.key << " mods " << c.modifiers;
    }
    EXPECT_EQ(WEGetTextLength(we), 49) << "no key is typed into the text";
    EXPECT_TRUE(RecordIsConsistent(we));
}

// A text taller than its view: a page key moves the caret by the whole lines the view holds less one and,
// when the text scrolls itself, scrolls as far, so the caret stays where it was in the view.
TEST_F(SelectingTest, PageKeysGoAViewFurtherAndScrollAsFar) {
    std::string lines;
    for (int i = 0; i < 40; i++)
        lines += "\rline " + std::to_string(10 + i);
    Insert(WEGetTextLength(we), lines);
    ASSERT_EQ(WECalText(we), noErr);
    WEFeatureFlag(weFAutoScroll, 1, we);
    const auto top = [this] {
        LongRect dest;
        WEGetDestRect(&dest, we);
        return dest.top;
    };
    const auto lineOf = [this](SInt32 offset) { return WEOffsetToLine(offset, we); };
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(0, 1, &point, &height, we);
    ASSERT_GT(height, 0);
    const SInt32 page = (100 - height) / height * height;
    WESetSelection(50, 50, 0, we);
    const SInt32 startLine = lineOf(50);
    WEKey(kPageDownCharCode, 0, we);
    EXPECT_EQ(top(), -page);
    EXPECT_EQ(lineOf(Caret()), startLine + page / height);
    const SInt32 anchor = Caret();
    WEKey(kPageDownCharCode, shiftKey, we);
    EXPECT_EQ(top(), -2 * page);
    EXPECT_EQ(Selection().first, anchor) << "shift keeps the anchor";
    EXPECT_EQ(lineOf(Selection().second), startLine + 2 * page / height);
    WEKey(kPageUpCharCode, 0, we);
    WEKey(kPageUpCharCode, 0, we);
    EXPECT_EQ(top(), 0);
    EXPECT_EQ(lineOf(Caret()), startLine);
}

TEST_F(SelectingTest, SelectionModesAndTheAnchor) {
    WESetSelection(12, 4, 0, we);
    EXPECT_EQ(Selection(), std::make_pair(4, 12));
    EXPECT_TRUE(Rec().stateBits & kWEStateAnchorIsEnd);
    // Adding an overlapping range widens the plain selection.
    WESetSelection(10, 20, 1, we);
    EXPECT_EQ(WEGetNumberSelections(we), 0);
    EXPECT_EQ(Selection(), std::make_pair(4, 20));
    // A range apart from it makes a list.
    WESetSelection(30, 33, 1, we);
    EXPECT_EQ(WEGetNumberSelections(we), 2);
    EXPECT_TRUE(RecordIsConsistent(we));
    WEFastSetSelection(1, 2, 0, we);
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    SetErrorMessageRecording(true);
    ClearRecordedErrorMessages();
    WEFastSetSelection(5, 6, 2, we);
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    SetErrorMessageRecording(false);

    const WESelectionField start{4, nullptr}, end{12, nullptr};
    struct Check {
        SInt16 mode;
        SInt32 start, end;
        bool changes;
    };
    const Check checks[] = {
        {0, 4, 12, false}, {0, 4, 11, true}, {1, 5, 8, false},   {1, 8, 8, false},  {1, 2, 8, true},
        {2, 6, 6, false},  {2, 6, 7, true},  {3, 12, 14, false}, {3, 11, 14, true}, {9, 0, 1, false},
    };
    for (const Check& c : checks)
        EXPECT_EQ(CheckChangeSelection(0, start, end, c.start, c.end, c.mode), c.changes)
            << "mode " << c.mode << " " << c.start << ".." << c.end;
}

TEST_F(SelectingTest, CaretBlinksOnlyWhileActiveAtItsInterval) {
    UseFakeClock(1000, 0);
    WESetSelection(3, 3, 0, we);
    UInt32 sleep = 0;
    WEIdle(&sleep, we);
    EXPECT_EQ(sleep, 0x7FFFFFFFu); // inactive
    WEActivate(we);
    EXPECT_TRUE(WEIsActive(we));
    WEIdle(&sleep, we);
    EXPECT_TRUE(Rec().stateBits & kWEStateCaretShown);
    EXPECT_EQ(sleep, GetCaretTime());
    AdvanceFakeClock(GetCaretTime() / 2);
    WEIdle(&sleep, we);
    EXPECT_TRUE(Rec().stateBits & kWEStateCaretShown);
    EXPECT_EQ(sleep, GetCaretTime() - GetCaretTime() / 2);
    AdvanceFakeClock(GetCaretTime());
    WEIdle(&sleep, we);
    EXPECT_FALSE(Rec().stateBits & kWEStateCaretShown);
    WEDeactivate(we);
    EXPECT_FALSE(WEIsActive(we));
}

int gScrollHookCalls = 0;
void CountScroll(WEReference) {
    gScrollHookCalls++;
}

TEST_F(SelectingTest, ScrollingIntoViewMovesTheDestRectAndCallsTheScrollHook) {
    for (int i = 0; i < 20; i++)
        Insert(Rec().textLength, "\rmore lines of text");
    ASSERT_EQ(WECalText(we), noErr);
    auto hook = &CountScroll;
    ASSERT_EQ(WESetInfo(FourCC("scrl"), &hook, we), noErr);
    WEFeatureFlag(weFAutoScroll, 1, we);
    gScrollHookCalls = 0;
    WESetSelection(Rec().textLength, Rec().textLength, 0, we);
    LongRect dest;
    WEGetDestRect(&dest, we);
    EXPECT_EQ(gScrollHookCalls, 1);
    // The last line's bottom sits at the view's bottom.
    EXPECT_EQ(dest.bottom, Rec().viewRect.bottom);
    WESetSelection(0, 0, 0, we);
    WEGetDestRect(&dest, we);
    EXPECT_EQ(dest.top, Rec().viewRect.top);
    EXPECT_EQ(gScrollHookCalls, 2);
    // WEPinScroll keeps the text's top from leaving the view's top.
    ASSERT_EQ(WEPinScroll(0, 50, we), noErr);
    WEGetDestRect(&dest, we);
    EXPECT_EQ(dest.top, Rec().viewRect.top);
}

TEST_F(SelectingTest, AccessorsPinTheirArguments) {
    EXPECT_EQ(WELineToOffset(-1, we), 0);
    EXPECT_EQ(WELineToOffset(WECountLines(we), we), Rec().textLength);
    EXPECT_EQ(WELineToOffset(1000, we), Rec().textLength);
    EXPECT_EQ(WEGetHeight(5, 2, we), WEGetHeight(2, 5, we));
    EXPECT_EQ(WEGetHeight(0, WECountLines(we), we), LinesOf(Rec())[Rec().lineCount].origin);
    EXPECT_EQ(WEGetChar(-1, we), 0);
    EXPECT_EQ(WEGetChar(Rec().textLength, we), 0);

    WESetSelection(0, 2, 0, we);
    WESetSelection(5, 7, 1, we);
    WESetSelection(10, 12, 1, we);
    SInt32 start, end;
    EXPECT_FALSE(WEGetSelection(&start, &end, 7, we));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(10, 12));

    const LongRect tall{-5, -100000, 100000, 40000};
    Rect narrow;
    WELongRectToRect(&tall, &narrow);
    EXPECT_EQ(narrow.bottom, 32767);
    EXPECT_EQ(narrow.left, -32767);
    EXPECT_EQ(narrow.right, 32767);
    EXPECT_EQ(narrow.top, -5);
    LongPoint far{70000, -3};
    Point p;
    WELongPointToPoint(&far, &p);
    EXPECT_EQ(p.v, 32767);
    EXPECT_EQ(p.h, -3);

    // A view turned inside out gives a dest rect of no width (its height is the text's again) and says so.
    SetErrorMessageRecording(true);
    ClearRecordedErrorMessages();
    const LongRect inverted{10, 50, 5, 20};
    WEMoveViewDestRects(&inverted, we);
    LongRect dest;
    WEGetDestRect(&dest, we);
    EXPECT_EQ(dest.right - dest.left, 0);
    EXPECT_EQ(dest.left, Rec().viewRect.left);
    EXPECT_EQ(RecordedErrorMessages().size(), 2u);
    SetErrorMessageRecording(false);

    WEHookProc none = nullptr;
    ASSERT_EQ(WESetInfo(FourCC("lbrk"), &none, we), noErr);
    EXPECT_NE(Rec().hooks[kWEHookLineBreak], nullptr);
    EXPECT_EQ(WEGetInfo(FourCC("nope"), &none, we), paramErr);
}

TEST_F(SelectingTest, ContinuousStyleReportsWhatIsTheSameThroughout) {
    SetStyle(0, 4, MakeStyle(kWEBold | kWEItalic, 12));
    SetStyle(4, 8, MakeStyle(kWEBold, 14));
    WESetSelection(0, 8, 0, we);
    UInt16 mode = weDoFont | weDoFace | weDoSize;
    WETextStyle style;
    EXPECT_FALSE(WEContinuousStyle(&mode, &style, we));
    EXPECT_EQ(mode, weDoFont | weDoFace);
    EXPECT_EQ(style.face, kWEBold);
    WESetSelection(1, 3, 0, we);
    mode = weDoFont | weDoFace | weDoSize;
    EXPECT_TRUE(WEContinuousStyle(&mode, &style, we));
}

} // namespace
