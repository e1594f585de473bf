// A long text laid out only as far as it is shown: the lines in view are real at once, the rest follow on
// demand or a piece at a time, and the finished line table is the one a full layout makes, edits included.
#include "layout_fixture.h"

#include "textengine/text_engine.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using LineTable = std::vector<std::tuple<SInt32, SInt32, SInt16>>; // start, origin, ascent

// Paragraphs of one to several lines at the fixture's width, with a blank one now and then.
std::string LongText(bool finalReturn) {
    std::string text;
    for (int p = 0; p < 240; p++) {
        text += "Paragraph " + std::to_string(p) + ":";
        for (int w = 0; w < (p * 7) % 23; w++)
            text += " word" + std::to_string(w);
        text += p % 17 == 5 ? "\r\r" : "\r";
    }
    if (!finalReturn) text.pop_back();
    return text;
}

class LazyLinesTest : public LayoutTest {
  protected:
    void TearDown() override {
        gLazyLayoutLength = kLazyLayoutLength;
        LayoutTest::TearDown();
    }
    LineTable Table() {
        LineTable table;
        for (SInt32 i = 0; i <= Rec().lineCount; i++)
            table.emplace_back(Line(i).start, Line(i).origin, i < Rec().lineCount ? Line(i).ascent : 0);
        return table;
    }
    // The table a full layout of the record's present text makes.
    LineTable FullTable() {
        gLazyLayoutLength = 0;
        EXPECT_EQ(WECalText(we), noErr);
        LineTable table = Table();
        gLazyLayoutLength = 1;
        return table;
    }
    void Finish() {
        for (int pieces = 0; WEContinueLayout(700, we); pieces++)
            ASSERT_LT(pieces, 100000);
        EXPECT_FALSE(WEHasProvisionalLines(we));
    }
    SInt32 FirstProvisional() { return _WEFirstProvisionalLine(Rec()); }
};

TEST_P(LazyLinesTest, FinishedLayoutIsTheFullLayoutWhateverAskedForLinesFirst) {
    // Each way of reaching lines first leaves the same table once the rest is laid out.
    const struct {
        const char* name;
        bool finalReturn;
        SInt32 pointAt; // an offset asked for its point first (-1: none)
        SInt32 clickAt; // a height asked for its offset first (-1: none)
    } cases[] = {
        {"idle time only", true, -1, -1},
        {"a far offset's point", false, 9000, -1},
        {"a click far below", true, -1, 5000},
        {"the very end", false, 1 << 30, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = LongText(c.finalReturn);
        WESetSelection(0, Rec().textLength, 0, we);
        WEDelete(we);
        gLazyLayoutLength = 0;
        SetText(text);
        const LineTable full = Table();
        const SInt32 fullHeight = Rec().destRect.bottom - Rec().destRect.top;
        LongPoint fullPoint{}, lazyPoint{};
        if (c.pointAt >= 0) WEGetPoint(c.pointAt, 0, &fullPoint, nullptr, we);
        const LongPoint click{c.clickAt, 40};
        const SInt32 fullOffset = c.clickAt >= 0 ? WEGetOffset(&click, nullptr, we) : 0;

        gLazyLayoutLength = 1;
        ASSERT_EQ(WECalText(we), noErr);
        ASSERT_TRUE(WEHasProvisionalLines(we));
        // The view and one more view below it are laid out for real; far paragraphs are not.
        EXPECT_GE(Line(FirstProvisional()).origin, 2 * kViewHeight);
        EXPECT_LT(FirstProvisional(), SInt32(full.size()) / 2);
        if (c.pointAt >= 0) {
            WEGetPoint(c.pointAt, 0, &lazyPoint, nullptr, we);
            EXPECT_EQ(lazyPoint.v, fullPoint.v);
            EXPECT_EQ(lazyPoint.h, fullPoint.h);
        }
        if (c.clickAt >= 0) {
            EXPECT_EQ(WEGetOffset(&click, nullptr, we), fullOffset);
        }
        Finish();
        EXPECT_EQ(Table(), full);
        EXPECT_EQ(Rec().destRect.bottom - Rec().destRect.top, fullHeight);
    }
}

TEST_P(LazyLinesTest, EditsAmongProvisionalLinesEndAsAFullLayoutOfTheEditedText) {
    const struct {
        const char* name;
        SInt32 start, end; // selection replaced, from the text's start
        std::string typed;
    } cases[] = {
        {"typing far down", 8000, 8000, "inserted words and a\rnew paragraph "},
        {"deleting across the laid-out edge", 300, 7000, ""},
        {"replacing far down", 6000, 6400, "x"},
        {"deleting the end", 9000, 1 << 30, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WESetSelection(0, Rec().textLength, 0, we);
        WEDelete(we);
        gLazyLayoutLength = 1;
        SetText(LongText(true));
        ASSERT_TRUE(WEHasProvisionalLines(we));
        WESetSelection(c.start, std::min(c.end, Rec().textLength), 0, we);
        if (c.typed.empty())
            WEDelete(we);
        else
            WEInsert(c.typed.data(), SInt32(c.typed.size()), nullptr, nullptr, we, 0);
        Finish();
        const LineTable lazy = Table();
        EXPECT_EQ(lazy, FullTable());
    }
}

TEST_P(LazyLinesTest, EditsInTheMiddleKeepTheLinesAfterThemProvisional) {
    // An edit above the laid-out edge or among the provisional lines, with provisional lines left at the
    // end: the lines before the first provisional one are the full layout's, and from it on every line is
    // still one whole paragraph, however the edit moved the lines.
    const struct {
        const char* name;
        SInt32 start, end; // selection replaced
        std::string typed;
    } cases[] = {
        {"a paragraph typed in view", 20, 20, "new words\r"},
        {"paragraph ends deleted in view", 40, 200, ""},
        {"a paragraph typed among provisional lines", 6000, 6000, "more words\rand more"},
        {"paragraphs deleted among provisional lines", 5000, 5600, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WESetSelection(0, Rec().textLength, 0, we);
        WEDelete(we);
        gLazyLayoutLength = 1;
        SetText(LongText(true));
        const SInt32 edgeBefore = Line(FirstProvisional()).start;
        const SInt32 delta = SInt32(c.typed.size()) - (c.end - c.start);
        WESetSelection(c.start, c.end, 0, we);
        if (c.typed.empty())
            WEDelete(we);
        else
            WEInsert(c.typed.data(), SInt32(c.typed.size()), nullptr, nullptr, we, 0);

        const SInt32 first = FirstProvisional();
        ASSERT_LT(first, Rec().lineCount);
        ASSERT_GT(first, 0);
        const SInt32 edge = Line(first).start;
        // The edge moved with the text before it, and only onwards; an edit beyond it was laid out.
        EXPECT_GE(edge, c.start < edgeBefore ? edgeBefore + delta : c.start + SInt32(c.typed.size()));
        const UInt8* text = TextOf(Rec());
        EXPECT_EQ(text[edge - 1], 13);
        for (SInt32 i = first; i < Rec().lineCount; i++) {
            const SInt32 end = LineEnd(i);
            const UInt8* cr = std::find(text + Line(i).start, text + end, UInt8(13));
            EXPECT_EQ(cr, text + end - 1) << "line " << i;
        }
        const LineTable lazy = Table();
        const LineTable full = FullTable();
        ASSERT_GT(full.size(), size_t(first));
        EXPECT_EQ(LineTable(lazy.begin(), lazy.begin() + first),
                  LineTable(full.begin(), full.begin() + first));
        EXPECT_EQ(std::get<0>(full[size_t(first)]), edge);
    }
}

TEST_P(LazyLinesTest, ShortTextsAreLaidOutWhole) {
    gLazyLayoutLength = kLazyLayoutLength;
    SetText(LongText(true));
    EXPECT_FALSE(WEHasProvisionalLines(we));
    EXPECT_EQ(FirstProvisional(), Rec().lineCount);
}

INSTANTIATE_TEST_SUITE_P(Modes, LazyLinesTest, ::testing::Bool(), ModeName);

} // namespace
