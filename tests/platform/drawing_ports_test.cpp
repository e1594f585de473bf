// Ports and offscreen worlds: the current port, making, resizing and disposing of worlds, direct pixel
// access and single pixels.
#include "platform/drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawingPorts, NewWorldIsWhiteWithLocalCoordinatesFromItsBounds) {
    TestWorld w(5, 3, -2, 7);
    ASSERT_EQ(w.error(), noErr);
    EXPECT_EQ(w.Bounds(), MakeRect(-2, 7, 3, 10));
    EXPECT_EQ(w.Count(kWhitePixel), 15);
    EXPECT_EQ(GetPixDepth(w), 32);
    GWorldPtr current;
    GDHandle device;
    GetGWorld(&current, &device);
    EXPECT_EQ(current, w.get());
    // Outside the world reads as 0.
    EXPECT_EQ(w.At(3, 7), 0u);
    EXPECT_EQ(w.At(-3, 7), 0u);
}

TEST(DrawingPorts, NewWorldRefusesEmptyAndAbsurdSizes) {
    GWorldPtr world = reinterpret_cast<GWorldPtr>(1);
    Rect empty = MakeRect(0, 0, 0, 10);
    EXPECT_EQ(NewGWorld(&world, 32, &empty, nullptr, nullptr, 0), paramErr);
    EXPECT_EQ(world, nullptr);
    Rect huge = MakeRect(-32768, -32768, 32767, 32767);
    EXPECT_EQ(NewGWorld(&world, 32, &huge, nullptr, nullptr, 0), memFullErr);
    EXPECT_EQ(world, nullptr);
}

TEST(DrawingPorts, DepthIsToldButPixelsAreAlways32Bit) {
    Rect r = MakeRect(0, 0, 4, 2);
    for (SInt16 depth : std::initializer_list<SInt16>{1, 8, 16, 24, 32, 0}) {
        GWorldPtr world = nullptr;
        ASSERT_EQ(NewGWorld(&world, depth, &r, nullptr, nullptr, 0), noErr);
        EXPECT_EQ(GetPixDepth(world), depth == 0 || depth == 24 ? 32 : depth);
        EXPECT_GE(GetPixRowBytes(world), 16);
        DisposeGWorld(world);
    }
}

TEST(DrawingPorts, UpdateWorldKeepsScalesOrWhitensThePixels) {
    struct Case {
        GWorldFlags flags;
        UInt32 atOrigin, atFarCorner;
    } cases[] = {
        {kClipGWorld, kRedPixel, kWhitePixel},
        {kStretchGWorld, kRedPixel, kRedPixel},
        {kNoGWorldChange, kWhitePixel, kWhitePixel},
    };
    for (const Case& c : cases) {
        TestWorld w(2, 2);
        RGBForeColor(&kRedRGB);
        Rect all = MakeRect(0, 0, 2, 2);
        PaintRect(&all);
        GWorldPtr world = w.get();
        Rect bigger = MakeRect(10, 10, 14, 14);
        EXPECT_EQ(UpdateGWorld(&world, 32, &bigger, nullptr, nullptr, c.flags), kReallocGWorld);
        EXPECT_EQ(world, w.get()); // the same port, so whoever holds it keeps drawing into it
        EXPECT_EQ(w.Bounds(), bigger);
        EXPECT_EQ(w.At(10, 10), c.atOrigin) << c.flags;
        EXPECT_EQ(w.At(13, 13), c.atFarCorner) << c.flags;
        EXPECT_EQ(UpdateGWorld(&world, 32, &bigger, nullptr, nullptr, kClipGWorld), kNoGWorldChange);
    }
}

TEST(DrawingPorts, FailedUpdateLeavesTheWorldAsItWas) {
    TestWorld w(3, 3);
    SetCPixel(1, 1, &kBlueRGB);
    GWorldPtr world = w.get();
    Rect huge = MakeRect(-32768, -32768, 32767, 32767);
    EXPECT_EQ(UpdateGWorld(&world, 32, &huge, nullptr, nullptr, kClipGWorld), kGWorldFlagError);
    EXPECT_EQ(w.Bounds(), MakeRect(0, 0, 3, 3));
    EXPECT_EQ(w.At(1, 1), kBluePixel);
}

TEST(DrawingPorts, DisposingTheCurrentWorldLeavesAStandInPort) {
    Rect r = MakeRect(0, 0, 4, 4);
    GWorldPtr world = nullptr;
    ASSERT_EQ(NewGWorld(&world, 32, &r, nullptr, nullptr, 0), noErr);
    SetGWorld(world, nullptr);
    DisposeGWorld(world);
    GrafPtr current = nullptr;
    GetPort(&current);
    ASSERT_NE(current, nullptr);
    // Drawing still has somewhere to go.
    PaintRect(&r);
    MoveTo(0, 0);
    LineTo(100, 100);
}

TEST(DrawingPorts, DirectAccessSeesWhatDrawingDid) {
    TestWorld w(7, 3, 100, 200);
    SetCPixel(102, 201, &kGreenRGB);
    const UInt32* base = GetPixBaseAddr(w);
    const SInt32 rowBytes = GetPixRowBytes(w);
    ASSERT_NE(base, nullptr);
    ASSERT_GE(rowBytes, 7 * 4);
    EXPECT_EQ(base[rowBytes / 4 * 1 + 2], kGreenPixel);
    RGBColor got;
    GetCPixel(102, 201, &got);
    EXPECT_EQ(got, kGreenRGB);
    // Writing through the address shows in the port.
    UInt32* bits = GetPixBaseAddr(w);
    bits[rowBytes / 4 * 2 + 6] = kRedPixel;
    EXPECT_EQ(w.At(106, 202), kRedPixel);
    // SetCPixel respects the clip.
    Rect clip = MakeRect(100, 200, 101, 201);
    ClipRect(&clip);
    SetCPixel(103, 202, &kBlueRGB);
    EXPECT_EQ(w.At(103, 202), kWhitePixel);
}

TEST(DrawingPorts, PenAndColourStateBelongsToEachPort) {
    TestWorld a(2, 2);
    RGBForeColor(&kRedRGB);
    PenSize(3, 4);
    PenMode(patXor);
    MoveTo(1, 1);
    TestWorld b(2, 2);
    RGBColor fore;
    GetForeColor(&fore);
    EXPECT_EQ(fore, kBlackRGB);
    PenState state;
    GetPenState(&state);
    EXPECT_EQ(state.pnSize, (Point{1, 1}));
    EXPECT_EQ(state.pnMode, patCopy);
    a.MakeCurrent();
    GetPenState(&state);
    EXPECT_EQ(state.pnSize, (Point{4, 3}));
    EXPECT_EQ(state.pnLoc, (Point{1, 1}));
    PenNormal();
    GetPenState(&state);
    EXPECT_EQ(state.pnMode, patCopy);
    EXPECT_EQ(state.pnSize, (Point{1, 1}));
    b.MakeCurrent();
}

} // namespace
