// Pixel reads of 32-bit worlds and windows, brightness, and the colour tolerance tests.
#include "foundation/color_tolerance.h"
#include "foundation/pixel_access.h"

#include <gtest/gtest.h>

namespace {
void FillRect(GWorldPtr world, const Rect& r, UInt32 color) {
    Rect bounds;
    GetPortBounds(world, &bounds);
    auto* pixels = GetPixBaseAddr(world);
    const SInt32 stride = GetPixRowBytes(world) / 4;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            pixels[(y - bounds.top) * stride + (x - bounds.left)] = 0xFF000000 | color;
}
} // namespace

TEST(PixelAccessTest, PixelsReadBackAsEightBitComponentsAndBrightnessAveragesThem) {
    GWorldPtr world = nullptr;
    const Rect bounds{50, 100, 60, 120}; // a world whose coordinates do not start at 0
    ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
    FillRect(world, bounds, 0xFFFFFF);
    FillRect(world, Rect{50, 110, 60, 120}, 0x000000);
    FillRect(world, Rect{50, 100, 51, 101}, 0x804020);

    RGBColor c;
    GetPixelFromPort(world, 100, 50, &c);
    EXPECT_EQ(c.red, 0x8000);
    EXPECT_EQ(c.green, 0x4000);
    EXPECT_EQ(c.blue, 0x2000);
    GetPixelFromPort(world, 105, 55, &c);
    EXPECT_EQ(c.red, 65280);
    GetPixelFromPort(nullptr, 0, 0, &c);
    EXPECT_EQ(c.red, 65535);
    GetPixelFromPort(world, 0, 0, &c); // outside the world
    EXPECT_EQ(c.green, 65535);

    const Rect whiteHalf{51, 100, 60, 110}, both{52, 105, 58, 115}, beyond{40, 115, 80, 200};
    EXPECT_EQ(AnalyzeOffscreen(nullptr, world, nullptr, &whiteHalf, 0), 100);
    EXPECT_EQ(AnalyzeOffscreen(nullptr, world, nullptr, &both, 0), 50);
    EXPECT_EQ(AnalyzeOffscreen(nullptr, world, nullptr, &beyond, 0), 0);
    EXPECT_EQ(AnalyzeOffscreen(nullptr, world, nullptr, &whiteHalf, 1), 0);
    EXPECT_EQ(AnalyzeOffscreen(nullptr, nullptr, nullptr, &whiteHalf, 0), 0);
    DisposeGWorld(world);
}

TEST(PixelAccessTest, WindowAreasCopyOneToOneAndNothingOutsideTheWindow) {
    const Rect bounds{200, 300, 260, 380};
    WindowPtr window = NewCWindow(nullptr, &bounds, nullptr, false, 0, nullptr, false, 0);
    ASSERT_NE(window, nullptr);
    FillRect(GetWindowPort(window), Rect{10, 20, 11, 21}, 0x00FF00);
    Rect windowBounds;
    GetWindowBounds(window, kWindowContentRgn, &windowBounds);

    // Starting left of and above the window: cut to it.
    GWorldPtr area =
        GetWindowBitmap(window, SInt16(windowBounds.left - 5), SInt16(windowBounds.top - 5), 40, 30);
    ASSERT_NE(area, nullptr);
    Rect areaBounds;
    GetPortBounds(area, &areaBounds);
    EXPECT_EQ(areaBounds.left, windowBounds.left);
    EXPECT_EQ(areaBounds.right - areaBounds.left, 35);
    RGBColor c;
    GetPixelFromPort(area, SInt16(windowBounds.left + 20), SInt16(windowBounds.top + 10), &c);
    EXPECT_EQ(c.green, 65280);
    EXPECT_EQ(c.red, 0);
    DisposeGWorld(area);
    EXPECT_EQ(GetWindowBitmap(window, SInt16(windowBounds.right + 1), windowBounds.top, 10, 10), nullptr);
    EXPECT_EQ(GetWindowBitmap(nullptr, 0, 0, 10, 10), nullptr);
    DisposeWindow(window);
}

TEST(ColorToleranceTest, PercentAndTableRangesIncludeTheirEnds) {
    const UInt32 target = 0x808080;
    struct Case {
        UInt32 pixel;
        long percent;
        bool match;
    };
    const Case cases[] = {
        {0x808080, 0, true},  {0x818080, 0, false},  {0x8A7680, 4, true}, // 4 percent: 10 either way
        {0x8B8080, 4, false}, {0xFF0000, 100, true}, {0x000000, 50, true}, {0x00FFFF, 49, false},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ColorMatchWithTolerance(&test.pixel, &target, test.percent), test.match)
            << std::hex << test.pixel;

    ColorToleranceTable table{};
    table.enabled[1] = 1;
    table.redMin[1] = 10, table.redMax[1] = 20, table.greenMin[1] = 0, table.greenMax[1] = 0;
    table.blueMin[1] = 255, table.blueMax[1] = 255;
    table.redMax[0] = 255, table.greenMax[0] = 255, table.blueMax[0] = 255; // everything, but disabled
    const UInt32 inside = 0x1400FF, edge = 0x0A00FF, outside = 0x1500FF;
    EXPECT_TRUE(ColorMatchWithTolerances(&inside, &table));
    EXPECT_TRUE(ColorMatchWithTolerances(&edge, &table));
    EXPECT_FALSE(ColorMatchWithTolerances(&outside, &table));
}

TEST(Invert16, PacksTheInverseOfBlackWithThe32BitWrap) {
    RGBColor c{0x1234, 0, 0xFFFF};
    InvertColor(&c);
    EXPECT_EQ(c, (RGBColor{0xEDCB, 0xFFFF, 0}));
    // White packs to 0xFFFEFFFF... as a signed 32-bit value: (-65536 + 16776960 + 65535) / 65536.
    EXPECT_EQ(Invert16(), 255);
}
