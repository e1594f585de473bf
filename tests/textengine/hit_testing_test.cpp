// Hit testing: the offset under a point is the glyph drawn there, in justified lines in both text modes and
// after tab stops of every kind in the Unicode layout.
#include "layout_fixture.h"

#include "platform/memory.h"
#include "textengine/text_effect_globals.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class HitTest : public LayoutTest {
  protected:
    void TearDown() override {
        if (gTabList) DisposeHandle(gTabList);
        gTabList = nullptr;
        LayoutTest::TearDown();
    }
    void SetTabs(SInt16 kind, SInt16 position) {
        if (gTabList) DisposeHandle(gTabList);
        gTabList = NewHandleClear(sizeof(TabList));
        auto* list = reinterpret_cast<TabList*>(*gTabList);
        list->count = 1;
        list->kinds[0] = kind;
        list->positions[0] = position;
        DisposeATSUDataForMe(we); // stops are read when the layout is made
    }
    SInt32 X(SInt32 offset) {
        LongPoint point;
        WEGetPoint(offset, 0, &point, nullptr, we);
        return point.h;
    }
    // Every character of [from, to) is found again by a point just inside its glyph.
    void ExpectGlyphsUnderPoints(SInt32 from, SInt32 to) {
        for (SInt32 offset = from; offset < to; offset++) {
            LongPoint point;
            WEGetPoint(offset, 0, &point, nullptr, we);
            point.v += 2;
            point.h += 1;
            SInt8 edge = 0;
            EXPECT_EQ(WEGetOffset(&point, &edge, we), offset) << "at h " << point.h;
            EXPECT_EQ(edge, -1);
        }
    }
};

// Tab stops belong to the Unicode layout; the classic text measures tabs as characters.
class UnicodeHitTest : public HitTest {};

TEST_P(UnicodeHitTest, TabStopsPlaceTheTextThatFollowsThem) {
    struct Case {
        SInt16 kind;
        const char* text;
        SInt32 anchorFrom, anchorTo; // the span the stop places: its left, centre or right, or the point
    };
    const Case cases[] = {
        {0, "ab\tcd", 3, 3},  // left: "cd" starts at the stop
        {2, "ab\tcd", 5, 5},  // right: "cd" ends at the stop
        {1, "ab\tcd", 3, 5},  // centre: "cd" is centred on it
        {3, "a\t12.5", 4, 4}, // decimal: the point sits at it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        _WEDeleteRange(0, Rec().textLength, we);
        SetTabs(c.kind, 150);
        SetText(c.text);
        const SInt32 anchor = (X(c.anchorFrom) + X(c.anchorTo)) / 2;
        EXPECT_LE(std::abs(anchor - 150), 2) << anchor;
        ExpectGlyphsUnderPoints(0, Rec().textLength);
    }
}

TEST_P(HitTest, JustifiedLinesReachTheRightEdgeAndKeepTheirGlyphsUnderPoints) {
    WESetAlignment(2, we);
    SetText("The quick brown fox jumps over the lazy dog and keeps on running far away.");
    ASSERT_GT(Rec().lineCount, 1);
    ASSERT_GT(Line(0).justStep, 0);
    SInt32 visibleEnd = LineEnd(0);
    while (TextOf(Rec())[visibleEnd - 1] == ' ')
        visibleEnd--;
    EXPECT_GE(X(visibleEnd), kViewWidth - 1);
    ExpectGlyphsUnderPoints(0, visibleEnd);
    // The last line stays as it is set.
    const SInt32 last = Rec().lineCount - 1;
    EXPECT_EQ(Line(last).justStep, 0);
    EXPECT_LT(X(Rec().textLength), kViewWidth - 20);
}

TEST_P(HitTest, PointsOutsideTheTextPinToItsEnds) {
    SetText("one\rtwo");
    // Points as (v, h): above the text, below it, past a line's end, before a line's start.
    const std::pair<LongPoint, SInt32> cases[] = {
        {{-5, 10}, 0}, {{500, 10}, 7}, {{2, 280}, 3}, {{30, -10}, 4}, {{30, 280}, 7}};
    for (auto [point, offset] : cases)
        EXPECT_EQ(WEGetOffset(&point, nullptr, we), offset) << point.v << "," << point.h;
}

// A long text keeps only the paragraphs it last measured laid out whole; one let go to its lines and asked
// for again gives the same positions and is found under the same points.
TEST_P(UnicodeHitTest, AParagraphLaidOutAgainMeasuresAsBefore) {
    std::string text;
    for (int i = 0; i < 2600; i++)
        text += "Para " + std::to_string(i) + " wide words\r";
    SetText(text);
    std::vector<SInt32> before;
    for (SInt32 offset = 0; offset < 14; offset++)
        before.push_back(X(offset));
    // Measuring every other paragraph lets the first one go.
    for (SInt32 at = 20; at < SInt32(text.size()); at += 19)
        X(at);
    for (SInt32 offset = 0; offset < 14; offset++)
        EXPECT_EQ(X(offset), before[size_t(offset)]) << offset;
    ExpectGlyphsUnderPoints(0, 12);
    ExpectGlyphsUnderPoints(SInt32(text.size()) - 20, SInt32(text.size()) - 2);
}

INSTANTIATE_TEST_SUITE_P(Modes, HitTest, ::testing::Values(true, false), ModeName);
INSTANTIATE_TEST_SUITE_P(Unicode, UnicodeHitTest, ::testing::Values(false), ModeName);

} // namespace
