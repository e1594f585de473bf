// Colour icons: loaded from the application's 'cicn' resources as their own copies, and plotted through
// their alpha so that the port shows through their transparent pixels.
#include "platform/color_icons.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

constexpr SInt16 kArrowIcon = 128;

UInt32 Red(UInt32 p) {
    return (p >> 16) & 0xFF;
}
UInt32 Blue(UInt32 p) {
    return p & 0xFF;
}

TEST(ColorIcons, AnIconOutlivesItsFileAndShowsThePortThroughItsTransparentPixels) {
    const ResFileRefNum file = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(file, 0);
    CIconHandle icon = GetCIcon(kArrowIcon);
    EXPECT_EQ(GetCIcon(32000), nullptr);
    CloseResFile(file);
    ASSERT_NE(icon, nullptr);
    Rect bounds;
    EXPECT_EQ(*GetCIconBounds(icon, &bounds), MakeRect(0, 0, 24, 16));

    // Upright and twice the size on blue: the corners stay blue, the arrow's middle is warm.
    for (int scale : {1, 2}) {
        TestWorld w(60, 40);
        RGBForeColor(&kBlueRGB);
        const Rect all = w.Bounds();
        PaintRect(&all);
        const Rect at = MakeRect(4, 4, 4 + 24 * scale, 4 + 16 * scale);
        PlotCIcon(&at, icon);
        EXPECT_EQ(w.At(4, 4), kBluePixel) << scale;
        EXPECT_EQ(w.At(4 + 24 * scale - 1, 4), kBluePixel) << scale;
        const UInt32 middle = w.At(4 + 8 * scale, 4 + 8 * scale);
        EXPECT_GT(Red(middle), 200u) << scale;
        EXPECT_LT(Blue(middle), 80u) << scale;
        EXPECT_EQ(w.At(4 + 24 * scale + 1, 12), kBluePixel) << scale;
    }
    DisposeCIcon(icon);
    DisposeCIcon(nullptr);
}

TEST(ColorIcons, NullOrDamagedDataHasNoBoundsAndDrawsNothing) {
    Rect bounds{1, 1, 2, 2};
    EXPECT_TRUE(EmptyRect(GetCIconBounds(nullptr, &bounds)));
    Handle junk = NewHandle(40);
    EXPECT_TRUE(EmptyRect(GetCIconBounds(junk, &bounds)));
    TestWorld w(8, 8);
    const Rect all = w.Bounds();
    PlotCIcon(&all, junk);
    PlotCIcon(&all, nullptr);
    EXPECT_EQ(w.Count(kWhitePixel), 64);
    DisposeHandle(junk);
}

} // namespace
