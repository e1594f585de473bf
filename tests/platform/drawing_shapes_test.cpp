// Shapes, lines, pen modes, patterns, origin and clipping, checked on the pixels of small worlds.
#include "platform/drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawingShapes, PaintRectCoversExactlyItsHalfOpenArea) {
    TestWorld w(6, 5);
    Rect r = MakeRect(1, 1, 4, 3);
    PaintRect(&r);
    EXPECT_EQ(w.Art(), Rows({
                           "......",
                           ".###..",
                           ".###..",
                           "......",
                           "......",
                       }));
}

TEST(DrawingShapes, FrameLiesInsideWithThePenSize) {
    TestWorld w(8, 7);
    PenSize(2, 1);
    Rect r = MakeRect(1, 1, 7, 6);
    FrameRect(&r);
    EXPECT_EQ(w.Art(), Rows({
                           "........",
                           ".######.",
                           ".##..##.",
                           ".##..##.",
                           ".##..##.",
                           ".######.",
                           "........",
                       }));
    // A pen as wide as half the rectangle fills it.
    PenSize(3, 3);
    FrameRect(&r);
    EXPECT_EQ(w.Count(kBlackPixel), 6 * 5);
}

TEST(DrawingShapes, LinesHangBelowRightAndIncludeBothEnds) {
    struct Case {
        Point from, to, pen;
        std::string art;
    } cases[] = {
        {{0, 0}, {0, 3}, {1, 1}, Rows({"####..", "......", "......", "......"})},
        {{3, 4}, {0, 4}, {1, 1}, Rows({"....#.", "....#.", "....#.", "....#."})},
        {{0, 0}, {3, 3}, {1, 1}, Rows({"#.....", ".#....", "..#...", "...#.."})},
        {{1, 1}, {1, 3}, {2, 2}, Rows({"......", ".####.", ".####.", "......"})},
        {{0, 0}, {2, 2}, {2, 2}, Rows({"##....", "###...", ".###..", "..##.."})},
        {{0, 0}, {3, 3}, {0, 1}, Rows({"......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        TestWorld w(6, 4);
        PenSize(c.pen.h, c.pen.v);
        MoveTo(c.from.h, c.from.v);
        LineTo(c.to.h, c.to.v);
        EXPECT_EQ(w.Art(), c.art) << "from " << c.from.h << "," << c.from.v << " to " << c.to.h << ","
                                  << c.to.v;
        Point pen;
        GetPen(&pen);
        EXPECT_EQ(pen, c.to);
    }
}

TEST(DrawingShapes, ExclusiveOrDrawingTwiceRestoresThePixels) {
    TestWorld w(24, 20);
    RGBForeColor(&kRedRGB);
    Rect background = MakeRect(0, 0, 12, 20);
    PaintRect(&background);
    RGBForeColor(&kBlackRGB);
    const std::string before = w.Snapshot();

    PenMode(patXor);
    PenSize(2, 2);
    Rect r = MakeRect(3, 2, 21, 17);
    FrameRect(&r);
    EXPECT_EQ(w.At(3, 2), 0xFF00FFFFu); // red flipped to cyan
    EXPECT_EQ(w.At(12, 2), kBlackPixel);
    EXPECT_EQ(w.At(5, 4), kRedPixel); // inside the frame
    FrameRect(&r);
    EXPECT_EQ(w.Snapshot(), before);

    auto drawAll = [&] {
        FrameRect(&r);
        FrameOval(&r);
        FrameRoundRect(&r, 8, 6);
        MoveTo(1, 1);
        LineTo(22, 18);
        InvertRect(&r);
    };
    drawAll();
    EXPECT_NE(w.Snapshot(), before);
    drawAll();
    EXPECT_EQ(w.Snapshot(), before);
}

TEST(DrawingShapes, HiliteExchangesBackAndHighlightColoursAndToggles) {
    TestWorld w(6, 2);
    const RGBColor highlight{0x8080, 0xC0C0, 0xFFFF};
    HiliteColor(&highlight);
    SetCPixel(1, 0, &highlight);
    SetCPixel(2, 0, &kRedRGB);
    const std::string before = w.Snapshot();
    PenMode(hilite);
    Rect r = MakeRect(0, 0, 4, 1);
    PaintRect(&r);
    EXPECT_EQ(w.At(0, 0), PixelFromRGB(highlight));
    EXPECT_EQ(w.At(1, 0), kWhitePixel);
    EXPECT_NE(w.At(2, 0), kRedPixel); // other colours change too, but come back
    EXPECT_EQ(w.At(4, 0), kWhitePixel);
    PaintRect(&r);
    EXPECT_EQ(w.Snapshot(), before);
}

TEST(DrawingShapes, PatternsAreAlignedToLocalCoordinates) {
    TestWorld w(6, 3, 101, 0); // an odd left edge: local h 101 is a 0 bit of the grey's first row
    Rect r = MakeRect(101, 0, 107, 3);
    FillRect(&r, &kGrayPattern);
    EXPECT_EQ(w.Art(), Rows({".#.#.#", "#.#.#.", ".#.#.#"}));
    // patOr lays only the 1 bits; patBic clears only them to the back colour.
    RGBForeColor(&kRedRGB);
    PenPat(&kGrayPattern);
    PenMode(patOr);
    PaintRect(&r);
    EXPECT_EQ(w.Art(), Rows({".r.r.r", "r.r.r.", ".r.r.r"}));
    PenPat(&kLightGrayPattern);
    PenMode(patBic);
    PaintRect(&r);
    EXPECT_EQ(w.Art(), Rows({".r...r", "r.r.r.", ".r...r"}));
    PenMode(notPatCopy); // 0 bits in the fore colour, 1 bits in the back colour
    PenPat(&kBlackPattern);
    PaintRect(&r);
    EXPECT_EQ(w.Count(kWhitePixel), 18);
}

TEST(DrawingShapes, SetOriginShiftsLocalCoordinatesButNotTheClip) {
    TestWorld w(6, 4);
    SetOrigin(100, 50);
    EXPECT_EQ(w.Bounds(), MakeRect(100, 50, 106, 54));
    Rect bounds = MakeRect(0, 0, 6, 4);
    Rect r = MakeRect(101, 51, 103, 53);
    PaintRect(&r);
    const UInt32* base = GetPixBaseAddr(w);
    const SInt32 rowWords = GetPixRowBytes(w) / 4;
    EXPECT_EQ(base[1 * rowWords + 1], kBlackPixel);
    EXPECT_EQ(base[2 * rowWords + 2], kBlackPixel);
    EXPECT_EQ(base[0], kWhitePixel);
    EXPECT_EQ(w.At(101, 51), kBlackPixel);

    // The clip keeps its local coordinates when the origin moves.
    SetOrigin(0, 0);
    EraseRect(&bounds);
    Rect clip = MakeRect(0, 0, 2, 2);
    ClipRect(&clip);
    SetOrigin(1, 1);
    Rect all = MakeRect(-10, -10, 20, 20);
    EraseRect(&all);
    PaintRect(&all);
    SetOrigin(0, 0);
    EXPECT_EQ(w.Art(), Rows({"#.....", "......", "......", "......"}));
}

TEST(DrawingShapes, ClippingHoldsForEveryPrimitive) {
    TestWorld w(10, 6);
    RgnHandle clip = NewRgn();
    RgnHandle second = NewRgn();
    SetRectRgn(clip, 0, 0, 3, 6);
    SetRectRgn(second, 6, 2, 10, 4);
    UnionRgn(clip, second, clip);
    SetClip(clip);
    Rect all = MakeRect(0, 0, 10, 6);
    PaintRect(&all);
    EXPECT_EQ(w.Art(), Rows({
                           "###.......",
                           "###.......",
                           "###...####",
                           "###...####",
                           "###.......",
                           "###.......",
                       }));
    EraseRect(&all);
    PaintOval(&all);
    MoveTo(0, 5);
    LineTo(9, 0);
    SetCPixel(4, 4, &kRedRGB);
    RgnHandle got = NewRgn();
    GetClip(got);
    EXPECT_TRUE(EqualRgn(got, clip));
    for (int v = 0; v < 6; ++v)
        for (int h = 0; h < 10; ++h)
            if (!PtInRgn(Point{SInt16(v), SInt16(h)}, clip)) {
                EXPECT_EQ(w.At(h, v), kWhitePixel) << h << "," << v;
            }

    // An empty clip suspends drawing altogether.
    Rect none{};
    ClipRect(&none);
    const std::string before = w.Snapshot();
    EraseRect(&all);
    InvertRect(&all);
    MoveTo(0, 0);
    LineTo(9, 5);
    EXPECT_EQ(w.Snapshot(), before);
    DisposeRgn(clip);
    DisposeRgn(second);
    DisposeRgn(got);
}

TEST(DrawingShapes, OvalsAreSymmetricInsideTheirRectangle) {
    for (Rect r : {MakeRect(1, 1, 11, 11), MakeRect(0, 2, 13, 7), MakeRect(2, 0, 5, 12)}) {
        TestWorld w(14, 13);
        PaintOval(&r);
        const int width = r.right - r.left, height = r.bottom - r.top;
        for (int v = 0; v < 13; ++v)
            for (int h = 0; h < 14; ++h) {
                const Point p{SInt16(v), SInt16(h)};
                const bool painted = w.At(h, v) == kBlackPixel;
                if (!PtInRect(p, &r)) {
                    EXPECT_FALSE(painted) << h << "," << v;
                }
                if (painted) {
                    EXPECT_EQ(w.At(r.left + r.right - 1 - h, v), kBlackPixel);
                    EXPECT_EQ(w.At(h, r.top + r.bottom - 1 - v), kBlackPixel);
                }
            }
        // It reaches every side in its middle and leaves the corners.
        EXPECT_EQ(w.At(r.left, r.top + height / 2), kBlackPixel);
        EXPECT_EQ(w.At(r.right - 1, r.top + height / 2), kBlackPixel);
        EXPECT_EQ(w.At(r.left + width / 2, r.top), kBlackPixel);
        EXPECT_EQ(w.At(r.left + width / 2, r.bottom - 1), kBlackPixel);
        EXPECT_EQ(w.At(r.left, r.top), kWhitePixel);
    }
}

TEST(DrawingShapes, FramedShapesAreTheRimOfThePaintedOnes) {
    TestWorld painted(16, 12);
    Rect r = MakeRect(1, 1, 15, 11);
    PaintOval(&r);
    TestWorld framed(16, 12);
    PenSize(2, 2);
    FrameOval(&r);
    Rect inner = r;
    InsetRect(&inner, 2, 2);
    TestWorld innerOval(16, 12);
    PaintOval(&inner);
    for (int v = 0; v < 12; ++v)
        for (int h = 0; h < 16; ++h) {
            const bool inOuter = painted.At(h, v) == kBlackPixel, inInner = innerOval.At(h, v) == kBlackPixel;
            EXPECT_EQ(framed.At(h, v) == kBlackPixel, inOuter && !inInner) << h << "," << v;
        }
}

TEST(DrawingShapes, RoundRectsRoundOnlyTheirCorners) {
    TestWorld w(10, 8);
    Rect r = MakeRect(0, 0, 10, 8);
    PaintRoundRect(&r, 4, 4);
    EXPECT_EQ(w.Art(), Rows({
                           ".########.",
                           "##########",
                           "##########",
                           "##########",
                           "##########",
                           "##########",
                           "##########",
                           ".########.",
                       }));
}

TEST(DrawingShapes, ArcsCoverTheirAnglesClockwiseFromTwelve) {
    TestWorld w(10, 10);
    Rect r = MakeRect(0, 0, 10, 10);
    PaintArc(&r, 0, 90); // the top-right quarter
    for (int v = 0; v < 10; ++v)
        for (int h = 0; h < 10; ++h)
            if (w.At(h, v) == kBlackPixel) {
                EXPECT_TRUE(h >= 5 && v < 5) << h << "," << v;
            }
    EXPECT_EQ(w.At(7, 2), kBlackPixel);
    // A negative arc runs anticlockwise: from nine o'clock back to six is the bottom-left quarter.
    EraseRect(&r);
    PaintArc(&r, 270, -90);
    EXPECT_EQ(w.At(2, 7), kBlackPixel);
    EXPECT_EQ(w.At(7, 7), kWhitePixel);
    EXPECT_EQ(w.At(2, 2), kWhitePixel);
    // A framed arc is only the curve: the centre stays white.
    EraseRect(&r);
    FrameArc(&r, 0, 360);
    EXPECT_EQ(w.At(5, 5), kWhitePixel);
    EXPECT_EQ(w.At(5, 0), kBlackPixel);
}

// Shapes as large as 16-bit coordinates allow cost only what shows in the port.
TEST(DrawingShapes, HugeShapesDrawOnlyWhatShows) {
    TestWorld w(8, 8);
    Rect huge = MakeRect(-30000, -30000, 30000, 30000);
    PaintArc(&huge, 90, 90); // three to six o'clock: the world lies just below-right of the centre
    EXPECT_EQ(w.Count(kBlackPixel), 64);
    InvertOval(&huge);
    EXPECT_EQ(w.Count(kWhitePixel), 64);
    PenSize(20000, 20000);
    FrameArc(&huge, 0, 180);
    EXPECT_EQ(w.Count(kWhitePixel), 64); // the world is inside the frame's hole
    MoveTo(-30000, -30000);
    LineTo(30000, 30000);
    EXPECT_EQ(w.Count(kBlackPixel), 64);
}

TEST(DrawingShapes, EraseUsesTheBackColourAndInvertFlipsColourBits) {
    TestWorld w(4, 1);
    RGBBackColor(&kBlueRGB);
    Rect r = MakeRect(0, 0, 2, 1);
    EraseRect(&r);
    r = MakeRect(1, 0, 3, 1);
    InvertRect(&r);
    EXPECT_EQ(w.Art(), Rows({"b?#."}));
    EXPECT_EQ(w.At(1, 0), 0xFFFFFF00u);
}

} // namespace
