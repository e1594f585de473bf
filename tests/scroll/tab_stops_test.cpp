// The tab stop list: hit testing the bar, adding stops or changing a stop's kind, removing, and the
// copies that carry stops through a drag.
#include "scroll/tab_stops.h"

#include "scroll/tab_ruler.h"
#include "shell/script_documents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The prompter's bar starts 10 pixels into the window.
constexpr Rect kBar{20, 10, 36, 1000};

class TabStops : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        for (Handle* h : {&gTabList, &gMovingTabsList})
            if (*h) {
                DisposeHandle(*h);
                *h = nullptr;
            }
        gTabsAreCustom = false;
        gCurrentTabKind = 0;
        gTabBarRect = kBar;
        gEditTabBarRect = Rect{};
    }
    static Point At(SInt16 offset) { return Point{SInt16(kBar.top + 8), SInt16(kBar.left + offset)}; }
    static std::vector<SInt16> Positions() {
        const TabList& list = CurrentTabList();
        return std::vector<SInt16>(list.positions, list.positions + list.count);
    }
};

TEST_F(TabStops, ClicksInTheDefaultListInsertInOrderOrChangeTheKindOfAStopAlreadyThere) {
    struct Case {
        const char* name;
        SInt16 offset;
        SInt16 kind;
        SInt16 index; // returned
        SInt32 count; // after
        SInt16 at;    // a stop to look at afterwards
        SInt16 position, kindThere;
    };
    const Case cases[] = {
        {"between the second and third", 250, 1, 2, 19, 3, 300, 0},
        {"between the last two", 1750, 2, 17, 19, 18, 1800, 0},
        {"past the last", 1900, 3, 18, 19, 18, 1900, 3},
        {"before the first", 40, 0, 0, 19, 1, 100, 0},
        {"on a stop", 400, 2, -1, 18, 3, 400, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        gCurrentTabKind = c.kind;
        EXPECT_EQ(InsertTab(At(c.offset)), c.index);
        const TabList& list = CurrentTabList();
        EXPECT_EQ(list.count, c.count);
        EXPECT_EQ(list.positions[c.at], c.position);
        EXPECT_EQ(list.kinds[c.at], c.kindThere);
        EXPECT_TRUE(TabListIsSound(list));
        EXPECT_TRUE(gTabsAreCustom) << "the document now carries its own stops";
    }
    EXPECT_EQ(gDefaultTabList.count, 18) << "the defaults themselves never change";
}

TEST_F(TabStops, AFullListTakesNoMoreStops) {
    for (SInt16 x = 10; CurrentTabList().count < kMaxTabStops; x += 10)
        if (x % 100 != 0) InsertTab(At(x));
    const std::vector<SInt16> before = Positions();
    EXPECT_EQ(InsertTab(At(5)), -1);
    EXPECT_EQ(Positions(), before);
}

TEST_F(TabStops, HitAreasSpanSixLeftToFiveRightBelowTheBarsTopRows) {
    struct Case {
        SInt16 dx, dy;
        SInt16 index;
    };
    // The first default stop stands at 100: bar offsets 94 to 104 hit it.
    const Case cases[] = {{94, 8, 0},   {104, 8, 0},   {105, 8, -1}, {93, 8, -1},   {100, 5, 0}, {100, 4, -1},
                          {100, 15, 0}, {100, 16, -1}, {200, 8, 1},  {1800, 8, 17}, {150, 8, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        Point where{};
        const Point p{SInt16(kBar.top + c.dy), SInt16(kBar.left + c.dx)};
        EXPECT_EQ(FindScrollTab(p, &where), c.index);
        EXPECT_EQ(FindEditTab(p, nullptr), -1) << "the edit window's bar is elsewhere";
        if (c.index >= 0) {
            EXPECT_EQ(where.v, kBar.top + 8);
            EXPECT_EQ(where.h, kBar.left + gDefaultTabList.positions[c.index]);
        }
    }
}

TEST_F(TabStops, RemovingTakesOneStopOutOrCutsTheListWhileADragHoldsTheRest) {
    EXPECT_EQ(RemoveTab(18), -1);
    EXPECT_EQ(RemoveTab(-1), -1);
    EXPECT_EQ(RemoveTab(0), 0);
    EXPECT_EQ(Positions().front(), 200);
    EXPECT_EQ(Positions().size(), 17u);

    // A drag of the stops from 500 on: copied, cut, dropped 50 further right.
    gMovingTabsList = DuplicateTabList(gTabList, 3);
    ASSERT_NE(gMovingTabsList, nullptr);
    EXPECT_EQ(reinterpret_cast<TabList*>(*gMovingTabsList)->count, 14);
    EXPECT_EQ(RemoveTab(3), 3);
    EXPECT_EQ(Positions(), (std::vector<SInt16>{200, 300, 400}));
    gCurrentTabKind = 2;
    EXPECT_EQ(InsertTabs(gMovingTabsList, At(550)), 14);
    EXPECT_EQ(gCurrentTabKind, 2) << "restored after the drop";
    const std::vector<SInt16> after = Positions();
    ASSERT_EQ(after.size(), 17u);
    EXPECT_EQ(after[3], 550);
    EXPECT_EQ(after.back(), 1850);
    EXPECT_EQ(CurrentTabList().kinds[3], 0) << "dropped stops keep their own kinds";
}

TEST_F(TabStops, CopiesAndDropsOfNothingAreRefused) {
    EXPECT_EQ(DuplicateTabList(nullptr, 0), nullptr);
    InsertTab(At(150));
    EXPECT_EQ(DuplicateTabList(gTabList, 19), nullptr);
    EXPECT_EQ(DuplicateTabList(gTabList, -1), nullptr);
    EXPECT_EQ(InsertTabs(nullptr, At(10)), 0);
}

TEST_F(TabStops, StoredListsAreSoundOnlyWithAKnownCountKindsAndAscendingPositions) {
    TabList list = gDefaultTabList;
    EXPECT_TRUE(TabListIsSound(list));
    TabList c = list;
    c.count = 51;
    EXPECT_FALSE(TabListIsSound(c));
    c = list;
    c.count = -1;
    EXPECT_FALSE(TabListIsSound(c));
    c = list;
    c.positions[5] = c.positions[4];
    EXPECT_FALSE(TabListIsSound(c));
    c = list;
    c.kinds[3] = 4;
    EXPECT_FALSE(TabListIsSound(c));
    c = list;
    c.count = 0;
    EXPECT_TRUE(TabListIsSound(c));
}

} // namespace
