// A long text laid out only as far as it is shown: the lines in view are real at once, the rest follow on
// demand or a piece at a time, and the finished line table is the one a full layout makes, edits included.
#include "layout_fixture.h"

#include "textengine/text_engine.h"

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
    SInt32 FirstProvisional() {
        SInt32 i = 0;
        while (i < Rec().lineCount && !Line(i).provisional)
            i++;
        return i;
    }
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

TEST_P(LazyLinesTest, ShortTextsAreLaidOutWhole) {
    gLazyLayoutLength = kLazyLayoutLength;
    SetText(LongText(true));
    EXPECT_FALSE(WEHasProvisionalLines(we));
    EXPECT_EQ(FirstProvisional(), Rec().lineCount);
}

INSTANTIATE_TEST_SUITE_P(Modes, LazyLinesTest, ::testing::Bool(), ModeName);

} // namespace
