// Rectangle hit tests, centring and proportional fitting.
#include "foundation/rect_fitting.h"

#include <gtest/gtest.h>

// Found by argument lookup, so it lives beside the type in the global namespace.
static void PrintTo(const Rect& r, std::ostream* os) {
    *os << r.top << "," << r.left << "," << r.bottom << "," << r.right;
}

namespace {

Rect R(SInt16 top, SInt16 left, SInt16 bottom, SInt16 right) {
    return Rect{top, left, bottom, right};
}

TEST(RectFitting, FitRectToRectPlacements) {
    struct Case {
        const char* name;
        Rect rect, frame;
        SInt16 inset, placement;
        Rect want;
    } cases[] = {
        {"scaled up and centred", R(0, 0, 50, 100), R(0, 0, 400, 400), 0, kFitCentred, R(100, 0, 300, 400)},
        {"centred at the frame's place", R(5, 5, 55, 105), R(10, 20, 410, 420), 0, kFitCentred,
         R(110, 20, 310, 420)},
        {"centred then inset", R(0, 0, 50, 100), R(0, 0, 400, 400), 10, kFitCentred, R(110, 10, 290, 390)},
        {"scaled down to the narrow side", R(0, 0, 300, 600), R(0, 0, 100, 100), 0, kFitTopLeft,
         R(0, 0, 50, 100)},
        {"top right", R(0, 0, 50, 100), R(0, 0, 400, 400), 0, kFitTopRight, R(0, 0, 200, 400)},
        {"bottom left, inset", R(0, 0, 20, 20), R(50, 50, 150, 250), 5, kFitBottomLeft, R(10, 0, 100, 90)},
        {"bottom right", R(0, 0, 10, 10), R(0, 0, 40, 80), 0, kFitBottomRight, R(0, 40, 40, 80)},
        {"unknown placement stays at 0,0", R(7, 7, 17, 27), R(0, 0, 40, 40), 0, 9, R(0, 0, 20, 40)},
        {"same size in one direction: not scaled", R(0, 0, 40, 20), R(0, 0, 40, 80), 0, kFitTopLeft,
         R(0, 0, 40, 20)},
        {"empty frame", R(0, 0, 10, 10), R(30, 30, 30, 90), 0, kFitCentred, R(0, 0, 0, 60)},
        {"empty rectangle is not divided by", R(0, 0, 0, 0), R(0, 0, 40, 40), 0, kFitTopLeft, R(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        Rect r = c.rect;
        FitRectToRect(&r, &c.frame, c.inset, c.placement);
        EXPECT_EQ(r, c.want) << c.name;
    }
}

TEST(RectFitting, CornersHitTestsAndCentring) {
    const Rect box = R(0, 0, 100, 100);
    struct Case {
        Point pt;
        SInt16 size, corner;
    } cases[] = {
        {{5, 5}, 10, 1},   {{5, 95}, 10, 2},  {{95, 5}, 10, 3},
        {{95, 95}, 10, 4}, {{50, 50}, 10, 0}, {{50, 50}, 60, 1}, // overlapping squares: the first test wins
        {{10, 5}, 10, 0},                                        // half-open squares
    };
    for (const Case& c : cases)
        EXPECT_EQ(PtInCorner(&box, c.pt, c.size), c.corner) << c.pt.v << "," << c.pt.h;

    EXPECT_TRUE(RectInRect(&box, Point{98, 98}));
    EXPECT_FALSE(RectInRect(&box, Point{99, 50})) << "the last row is left out";
    EXPECT_FALSE(RectInRect(&box, Point{50, 99})) << "the last column is left out";
    EXPECT_FALSE(RectInRect(&box, Point{-1, 50}));

    Rect r = R(0, 0, 10, 20);
    const Rect container = R(100, 200, 150, 300);
    CenterRectInRect(&r, &container);
    EXPECT_EQ(r, R(120, 240, 130, 260));
}

} // namespace
