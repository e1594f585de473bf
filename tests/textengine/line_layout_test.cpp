// Line layout in both text modes: the line array's heights, breaks, slack and justification, wide
// characters, unwrapped text, and incremental breaking agreeing with a fresh layout.
#include "layout_fixture.h"

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
        if (i + 1 < Rec().lineCount) EXPECT_TRUE(last == ' ' || last == 13) << int(last);
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
        if (endsParagraph) EXPECT_EQ(Line(i).justStep, 0);
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

INSTANTIATE_TEST_SUITE_P(Modes, LayoutTest, ::testing::Values(true, false), ModeName);

} // namespace
