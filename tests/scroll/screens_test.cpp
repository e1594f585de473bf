// Which screens a rectangle lies on: the union of the screens it touches, the main screen standing in for
// a rectangle on none, and the area of all screens together.
#include "platform/geometry.h"
#include "platform/windows.h"
#include "scroll/screens.h"

#include <gtest/gtest.h>

namespace {

Rect Moved(Rect r, int dh, int dv) {
    OffsetRect(&r, SInt16(dh), SInt16(dv));
    return r;
}

TEST(Screens, ARectangleFindsTheScreensItTouchesOrTheMainScreen) {
    const Rect main = GetDeviceBounds(GetMainDevice());
    ASSERT_FALSE(EmptyRect(&main));
    const SInt16 width = SInt16(main.right - main.left), height = SInt16(main.bottom - main.top);
    struct Case {
        const char* what;
        Rect global;
        bool within;
    };
    const Case cases[] = {
        {"inside",
         Rect{SInt16(main.top + 10), SInt16(main.left + 10), SInt16(main.top + 50), SInt16(main.left + 80)},
         true},
        {"over the right edge", Moved(main, width - 5, 0), true},
        {"wholly to the right", Moved(main, width + 100, 0), false},
        {"wholly above", Moved(main, 0, -height - 100), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRectWithinADeviceRect(&c.global), c.within) << c.what;
        Rect total{};
        SInt16 count = 0;
        Rect rects[kMaxScreenRects] = {};
        // One screen here: the main one, found or standing in for none.
        EXPECT_TRUE(GetTotalDeviceRectForRect(&c.global, &total, &count, rects)) << c.what;
        EXPECT_EQ(count, 1) << c.what;
        EXPECT_TRUE(EqualRect(&total, &main)) << c.what;
        EXPECT_TRUE(EqualRect(&rects[0], &main)) << c.what;
    }
}

TEST(Screens, NoRectangleAndNoOutputsAreSafe) {
    EXPECT_FALSE(IsRectWithinADeviceRect(nullptr));
    const Rect main = GetDeviceBounds(GetMainDevice());
    EXPECT_TRUE(GetTotalDeviceRectForRect(nullptr, nullptr, nullptr, nullptr));
    Rect total{};
    GetTotalDeviceRectForRect(&main, &total, nullptr, nullptr);
    EXPECT_TRUE(EqualRect(&total, &main));
    GetAllScreensBounds(nullptr);
}

TEST(Screens, AllScreensCoverTheAvailableAreaOfEachScreen) {
    Rect all{};
    GetAllScreensBounds(&all);
    const Rect available = GetAvailableBounds(GetMainDevice());
    Rect common{};
    ASSERT_TRUE(SectRect(&all, &available, &common));
    EXPECT_TRUE(EqualRect(&common, &available)) << "the main screen's available area lies within";
}

} // namespace
