// Line layout in both text modes: the line array's heights, breaks, slack and justification, wide
// characters, unwrapped text, and incremental breaking agreeing with a fresh layout.
#include "layout_fixture.h"

#include "textengine/paragraph_layouts.h"

#include <utility>
#include <vector>

namespace {

const std::string kParagraphs = "The quick brown fox jumps over the lazy dog and keeps on running far away.\r"
                                "Short line.\r"
                                "Another paragraph that is long enough to wrap over at least two lines here.";

TEST_P(LayoutTest, LineArrayHoldsHeightsAscentsAndTotal) {
    SetText(kParagraphs);
    ASSERT_GE(Rec().lineCount, 5);
    EXPECT_EQ(Line(Rec().lineCount).start, Rec().textLength);
    for (SInt32 i = 0; i < Rec().lineCount; i++) {
        SCOPED_TRACE(i);
        EXPECT_LT(Line(i).start, LineEnd(i));
        EXPECT_EQ(Line(i).ascent, StyleAscent());
        EXPECT_EQ(Line(i + 1).origin - Line(i).origin, StyleAscent() + StyleDescent());
        EXPECT_GE(Line(i).slack, 0);
        // Lines break after blanks or returns, never inside these words.
        const UInt8 last = TextOf(Rec())[LineEnd(i) - 1];
        if (i + 1 < Rec().lineCount) {
            EXPECT_TRUE(last == ' ' || last == 13) << int(last);
        }
    }
    EXPECT_EQ(Rec().destRect.bottom - Rec().destRect.top, Line(Rec().lineCount).origin);
}

TEST_P(LayoutTest, LineSpacingScalesEveryLine) {
    SetText(kParagraphs);
    for (SInt32 spacing : {100, 150, 200, 75}) {
        SCOPED_TRACE(spacing);
        Rec().lineSpacing = spacing;
        ASSERT_EQ(WECalText(we), noErr);
        for (SInt32 i = 0; i < Rec().lineCount; i++)
            EXPECT_EQ(Line(i + 1).origin - Line(i).origin, (StyleAscent() + StyleDescent()) * spacing / 100);
        EXPECT_EQ(Rec().destRect.bottom,
                  Rec().lineCount * ((StyleAscent() + StyleDescent()) * spacing / 100));
    }
}

TEST_P(LayoutTest, FinalReturnAddsAnEmptyLineAsHighAsTheOneAbove) {
    SetText("one\rtwo\r");
    ASSERT_EQ(Rec().lineCount, 2);
    const SInt32 lineHeight = StyleAscent() + StyleDescent();
    EXPECT_EQ(Line(2).origin, 2 * lineHeight);
    EXPECT_EQ(Rec().destRect.bottom, 3 * lineHeight);
}

TEST_P(LayoutTest, JustificationStepsSkipParagraphEnds) {
    WESetAlignment(2, we);
    SetText(kParagraphs);
    bool someJustified = false;
    for (SInt32 i = 0; i < Rec().lineCount; i++) {
        SCOPED_TRACE(i);
        const bool endsParagraph = LineEnd(i) == Rec().textLength || TextOf(Rec())[LineEnd(i) - 1] == 13;
        if (endsParagraph) {
            EXPECT_EQ(Line(i).justStep, 0);
        }
        if (!endsParagraph && Line(i).slack > 0) {
            EXPECT_GT(Line(i).justStep, 0);
            someJustified = true;
        }
    }
    EXPECT_TRUE(someJustified);
}

TEST_P(LayoutTest, CharacterWiderThanTheViewFormsItsOwnLine) {
    LongRect narrow{0, 0, 0, 8};
    WESetDestRect(&narrow, we);
    SetText("WWW");
    ASSERT_EQ(Rec().lineCount, 3);
    for (SInt32 i = 0; i < 3; i++) {
        EXPECT_EQ(Line(i).start, i);
        EXPECT_EQ(Line(i).slack, 0);
    }
}

TEST_P(LayoutTest, UnwrappedTextBreaksOnlyAtReturns) {
    auto noWrap = &_WENoWrapLineBreak;
    ASSERT_EQ(WESetInfo(FourCC("lbrk"), &noWrap, we), noErr);
    SetText(kParagraphs);
    ASSERT_EQ(Rec().lineCount, 3);
    EXPECT_EQ(Line(1).start, 75);
    EXPECT_EQ(Line(2).start, 87);
    EXPECT_EQ(Line(0).slack, 0); // wider than the view
}

TEST_P(LayoutTest, EditsBreakLikeAFreshLayout) {
    SetText(kParagraphs);
    struct Edit {
        SInt32 at;
        std::string insert; // empty: delete `remove` characters
        SInt32 remove;
    };
    const Edit edits[] = {
        {4, "very very ", 0},           {0, "", 30},  {10, "\r", 0},  {20, "", 1}, {50, "x", 0}, {50, "", 1},
        {3, "WWWWWWWWWWWWWWWWWWWW", 0}, {60, "", 25}, {0, "\r\r", 0}, {1, "", 1},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.at);
        // As the editing commands do: the primitive edit, then the lines of the changed range.
        if (e.insert.empty())
            ASSERT_EQ(_WEDeleteRange(e.at, e.at + e.remove, we), noErr);
        else
            ASSERT_EQ(_WEInsertText(e.at, e.insert.data(), SInt32(e.insert.size()), we), noErr);
        ASSERT_EQ(_WERedraw(e.at, e.at + SInt32(e.insert.size()), we), noErr);

        WEReference fresh = nullptr;
        LongRect dest = Rec().destRect, view = Rec().viewRect;
        ASSERT_EQ(WENew(&dest, &view, 0, &fresh), noErr);
        ASSERT_EQ(_WEInsertText(0, TextOf(Rec()), Rec().textLength, fresh), noErr);
        ASSERT_EQ(WECalText(fresh), noErr);
        std::vector<std::pair<SInt32, SInt32>> got, want;
        for (SInt32 i = 0; i <= Rec().lineCount; i++)
            got.emplace_back(Line(i).start, Line(i).origin);
        for (SInt32 i = 0; i <= RecordOf(fresh).lineCount; i++)
            want.emplace_back(LinesOf(RecordOf(fresh))[i].start, LinesOf(RecordOf(fresh))[i].origin);
        EXPECT_EQ(got, want);
        EXPECT_EQ(Rec().destRect.bottom, RecordOf(fresh).destRect.bottom);
        WEDispose(fresh);
    }
}

TEST_P(LayoutTest, AlignmentIndentsByTheSlack) {
    SetText("Hi");
    const SInt32 slack = Line(0).slack;
    ASSERT_GT(slack, 0);
    const std::pair<SInt8, SInt32> cases[] = {{-2, 0}, {-1, slack}, {1, slack / 2}, {0, 0}, {2, 0}};
    for (auto [alignment, indent] : cases) {
        WESetAlignment(alignment, we);
        LongPoint point;
        WEGetPoint(0, 0, &point, nullptr, we);
        EXPECT_EQ(point.h, indent) << int(alignment);
    }
}

TEST_P(LayoutTest, EmptyTextLineIsAsHighAsTheTypingStyle) {
    SetText("abc");
    ASSERT_EQ(_WEDeleteRange(0, 3, we), noErr); // the typing style becomes the run's style
    WEStyleRecord big = Rec().typingStyle;
    big.style.size = 40;
    _WEFillFontInfo(Rec().port, &big);
    ASSERT_GT(big.height, StyleAscent() + StyleDescent());
    struct Case {
        const char* name;
        bool typingStyleTaken;
        SInt32 ascent, height;
    };
    const Case cases[] = {
        {"typing style taken", true, big.ascent, big.height},
        {"no typing style yet: the run's style", false, StyleAscent(), StyleAscent() + StyleDescent()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rec().typingStyle = big;
        if (c.typingStyleTaken)
            Rec().stateBits |= kWEStateTypingStyle;
        else
            Rec().stateBits &= ~kWEStateTypingStyle;
        ASSERT_EQ(WECalText(we), noErr);
        ASSERT_EQ(Rec().lineCount, 1);
        EXPECT_EQ(LineEnd(0), 0);
        EXPECT_EQ(Line(0).ascent, c.ascent);
        EXPECT_EQ(Line(1).origin, c.height);
        EXPECT_EQ(Rec().destRect.bottom - Rec().destRect.top, c.height);
    }
}

TEST_P(LayoutTest, StandardLineBreakFollowsTheTextMode) {
    // Widths come from the mode's own measuring, as the line layout sees them.
    auto widthOf = [this](const std::string& text, SInt32 length) {
        return _WEStdCharToPixel(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()), 0, length,
                                 0, 0, we);
    };
    struct Case {
        const char* name;
        std::string text;
        SInt32 runStart, runEnd;
        SInt32 widthBefore; // the line is this many characters of text wide, plus 1 pixel; -1: very wide
        SInt32 breakOffset;
        SInt16 result;
    };
    const Case cases[] = {
        {"fits and ends in a return", "short\rnext", 0, 10, -1, 6, 0},
        {"a lone return", "ab\rcd", 2, 5, -1, 3, 0},
        {"text runs out first", "short", 0, 5, -1, 5, 2},
        {"a later run of the segment runs out", "abc def", 4, 7, -1, 7, 2},
        {"breaks after the last blank that fits", "one two three", 0, 13, 10, 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SInt32 pixels = c.widthBefore < 0 ? 1000 : widthOf(c.text, c.widthBefore) + 1;
        Fixed width = pixels << 16;
        SInt32 breakOffset = -1;
        const SInt16 result =
            _WEStdLineBreak(reinterpret_cast<const UInt8*>(c.text.data()), SInt32(c.text.size()), c.runStart,
                            c.runEnd, &width, &breakOffset, we);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(breakOffset, c.breakOffset);
        if (result == 2) {
            // The run's width is taken off for the next run of the line.
            const std::string run = c.text.substr(size_t(c.runStart), size_t(c.runEnd - c.runStart));
            EXPECT_EQ(width, (pixels - widthOf(run, SInt32(run.size()))) << 16);
        } else if (c.widthBefore >= 0) {
            EXPECT_LT(width, 0); // the line is full
        }
    }
    // One word wider than the line breaks inside it, after what fits.
    const std::string word = "abcdefghijklmnop";
    Fixed width = (widthOf(word, 5) + 1) << 16;
    SInt32 breakOffset = -1;
    EXPECT_EQ(_WEStdLineBreak(reinterpret_cast<const UInt8*>(word.data()), SInt32(word.size()), 0,
                              SInt32(word.size()), &width, &breakOffset, we),
              1);
    EXPECT_GT(breakOffset, 0);
    EXPECT_LT(breakOffset, SInt32(word.size()));
    EXPECT_LE(widthOf(word, breakOffset), widthOf(word, 5) + 1);
    EXPECT_LT(width, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, LayoutTest, ::testing::Values(true, false), ModeName);

// The layout styles that typing and style changes at an empty range hand to the Unicode layout.
class UnicodeStyleTest : public LayoutTest {
  protected:
    // The advance of the character at offset in the laid-out text.
    SInt32 Advance(SInt32 offset) {
        UnicodeLineRef ref;
        EXPECT_TRUE(FindUnicodeLine(Rec(), offset, &ref));
        const SInt32 at = offset - ref.paragraphStart;
        return UnicodeOffsetToX(ref.layout, at + 1) - UnicodeOffsetToX(ref.layout, at);
    }
    const UnicodeRunStyle* NullStyle() { return (*Rec().atsuInfo)->nullStyle; }
};

TEST_P(UnicodeStyleTest, StyleChangeAtAnEmptyRangeMakesTheNullStyle) {
    SetText("abc def");
    ASSERT_NE(Rec().atsuInfo, nullptr);
    WETextStyle change;
    change.font = kFontHelvetica + 1;
    change.size = 40;
    change.color = RGBColor{0xFFFF, 0, 0};
    struct Case {
        const char* name;
        UInt16 mode;
        SInt16 font, size;
        UInt16 red;
    };
    const Case cases[] = {
        {"font", weDoFont, SInt16(kFontHelvetica + 1), 20, 0},
        {"size", weDoSize, kFontHelvetica, 40, 0},
        {"colour", weDoColor, kFontHelvetica, 20, 0xFFFF},
        {"font and size", weDoFont | weDoSize, SInt16(kFontHelvetica + 1), 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLayoutRunStyle(3, 3, c.mode, &change, we); // replaces the previous null style
        ASSERT_NE(NullStyle(), nullptr);
        EXPECT_EQ(NullStyle()->font, c.font);
        EXPECT_EQ(NullStyle()->size, c.size);
        EXPECT_EQ(NullStyle()->color.red, c.red);
    }
    const UnicodeRunStyle* kept = NullStyle();
    SetLayoutRunStyle(1, 2, weDoSize, &change, we);
    EXPECT_EQ(NullStyle(), kept); // a range's change leaves it
    ClearATSUNullStyle(we);
    EXPECT_EQ(NullStyle(), nullptr);
    ClearATSUNullStyle(we);
}

TEST_P(UnicodeStyleTest, StyleSetOverARangeFollowsEditsUntilRestyled) {
    SetText("aaa aaa");
    const SInt32 plain = Advance(4);
    WETextStyle bigger;
    bigger.size = 40;
    SetLayoutRunStyle(4, 4, weDoSize, &bigger, we);
    ASSERT_NE(NullStyle(), nullptr);
    const UnicodeRunStyle big = *NullStyle();
    ClearATSUNullStyle(we); // the range keeps its own copy
    // Advances are rounded positions: a 40-point "a" is about twice a 20-point one.
    auto isWide = [&](SInt32 offset) { return Advance(offset) > plain * 3 / 2; };

    SetLayoutRunWithThisStyle(4, 4, &big, we);
    EXPECT_FALSE(isWide(4)); // nothing for an empty range
    SetLayoutRunWithThisStyle(4, 5, &big, we);
    EXPECT_TRUE(isWide(4));
    EXPECT_FALSE(isWide(5)); // only the range

    // Text inserted before moves it; deleting before it too.
    ASSERT_EQ(_WEInsertText(0, "aa", 2, we), noErr);
    EXPECT_TRUE(isWide(6));
    EXPECT_FALSE(isWide(4));
    ASSERT_EQ(_WEDeleteRange(0, 2, we), noErr);
    EXPECT_TRUE(isWide(4));

    // A style change over the range, or the layout rebuilt from the record, takes it off.
    SetLayoutRunStyle(4, 5, weDoFont, &bigger, we);
    EXPECT_FALSE(isWide(4));
    SetLayoutRunWithThisStyle(4, 5, &big, we);
    EXPECT_TRUE(isWide(4));
    NewLayoutFormat(nullptr, 0, we);
    EXPECT_FALSE(isWide(4));
}

INSTANTIATE_TEST_SUITE_P(Unicode, UnicodeStyleTest, ::testing::Values(false), ModeName);

} // namespace
