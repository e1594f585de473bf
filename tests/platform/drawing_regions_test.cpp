// Regions and polygons: algebra, hit tests, and drawing them, each shape's hit test agreeing with its
// painted pixels.
#include "platform/drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RgnDeleter {
    void operator()(Region* r) const { DisposeRgn(r); }
};
using Rgn = std::unique_ptr<Region, RgnDeleter>;

Rgn RectRegion(int left, int top, int right, int bottom) {
    Rgn r(NewRgn());
    SetRectRgn(r.get(), SInt16(left), SInt16(top), SInt16(right), SInt16(bottom));
    return r;
}

bool Contains(RgnHandle r, int h, int v) {
    return PtInRgn(Point{SInt16(v), SInt16(h)}, r);
}

// Every pixel of the world is black exactly where `inside` says.
template <typename Inside> void ExpectPaintedWhere(const TestWorld& w, Inside inside) {
    const Rect b = w.Bounds();
    for (int v = b.top; v < b.bottom; ++v)
        for (int h = b.left; h < b.right; ++h)
            EXPECT_EQ(w.At(h, v) == kBlackPixel, inside(h, v)) << h << "," << v;
}

TEST(DrawingRegions, AlgebraOfTwoOverlappingRectangles) {
    Rgn a = RectRegion(0, 0, 4, 4), b = RectRegion(2, 2, 6, 6), out(NewRgn());
    struct Case {
        void (*op)(RgnHandle, RgnHandle, RgnHandle);
        bool at00, at33, at55;
        Rect bounds;
    } cases[] = {
        {SectRgn, false, true, false, MakeRect(2, 2, 4, 4)},
        {UnionRgn, true, true, true, MakeRect(0, 0, 6, 6)},
        {DiffRgn, true, false, false, MakeRect(0, 0, 4, 4)},
        {XorRgn, true, false, true, MakeRect(0, 0, 6, 6)},
    };
    for (const Case& c : cases) {
        c.op(a.get(), b.get(), out.get());
        EXPECT_EQ(Contains(out.get(), 0, 0), c.at00);
        EXPECT_EQ(Contains(out.get(), 3, 3), c.at33);
        EXPECT_EQ(Contains(out.get(), 5, 5), c.at55);
        Rect bounds;
        EXPECT_EQ(*GetRegionBounds(out.get(), &bounds), c.bounds);
    }
    // Half-open: the right and bottom edges are outside.
    EXPECT_TRUE(Contains(a.get(), 3, 3));
    EXPECT_FALSE(Contains(a.get(), 4, 3));
    EXPECT_FALSE(Contains(a.get(), 3, 4));

    UnionRgn(a.get(), b.get(), out.get());
    EXPECT_FALSE(IsRegionRectangular(out.get()));
    EXPECT_TRUE(IsRegionRectangular(a.get()));
    Rect apart = MakeRect(4, 0, 6, 2);
    EXPECT_FALSE(RectInRgn(&apart, out.get()));
    Rect overlapping = MakeRect(3, 3, 9, 9);
    EXPECT_TRUE(RectInRgn(&overlapping, out.get()));

    // The same area built two ways is equal; emptiness after removing everything.
    Rgn rebuilt = RectRegion(0, 0, 4, 4), lower = RectRegion(2, 4, 6, 6), right = RectRegion(4, 2, 6, 4);
    UnionRgn(rebuilt.get(), lower.get(), rebuilt.get());
    UnionRgn(rebuilt.get(), right.get(), rebuilt.get());
    EXPECT_TRUE(EqualRgn(rebuilt.get(), out.get()));
    DiffRgn(out.get(), rebuilt.get(), out.get());
    EXPECT_TRUE(EmptyRgn(out.get()));
    Rect empty;
    EXPECT_EQ(*GetRegionBounds(out.get(), &empty), Rect{});
}

TEST(DrawingRegions, OffsetAndInsetMoveGrowAndShrink) {
    // An L shape: shrinking by one eats the thin foot entirely only where it is two pixels high.
    Rgn l = RectRegion(0, 0, 3, 8), foot = RectRegion(0, 6, 10, 8);
    UnionRgn(l.get(), foot.get(), l.get());
    Rgn shrunk(NewRgn());
    CopyRgn(l.get(), shrunk.get());
    InsetRgn(shrunk.get(), 1, 1);
    EXPECT_TRUE(Contains(shrunk.get(), 1, 1));
    EXPECT_TRUE(Contains(shrunk.get(), 1, 6));
    EXPECT_FALSE(Contains(shrunk.get(), 5, 6)); // the foot is 2 high: nothing of it survives
    EXPECT_FALSE(Contains(shrunk.get(), 0, 3));
    // Growing by the same amount then shrinking gives back a rectangle.
    Rgn box = RectRegion(2, 2, 5, 5);
    InsetRgn(box.get(), -2, -1);
    Rect bounds;
    EXPECT_EQ(*GetRegionBounds(box.get(), &bounds), MakeRect(0, 1, 7, 6));
    InsetRgn(box.get(), 2, 1);
    Rgn original = RectRegion(2, 2, 5, 5);
    EXPECT_TRUE(EqualRgn(box.get(), original.get()));
    OffsetRgn(box.get(), -2, 3);
    EXPECT_EQ(*GetRegionBounds(box.get(), &bounds), MakeRect(0, 5, 3, 8));
}

TEST(DrawingRegions, DrawingARegionFollowsItsShape) {
    TestWorld w(10, 8);
    Rgn r = RectRegion(0, 0, 4, 4), other = RectRegion(6, 3, 10, 8);
    UnionRgn(r.get(), other.get(), r.get());
    PaintRgn(r.get());
    ExpectPaintedWhere(w, [&](int h, int v) { return Contains(r.get(), h, v); });
    EraseRgn(r.get());
    EXPECT_EQ(w.Count(kWhitePixel), 80);
    FrameRgn(r.get());
    EXPECT_EQ(w.At(0, 0), kBlackPixel);
    EXPECT_EQ(w.At(1, 1), kWhitePixel);
    EXPECT_EQ(w.At(3, 3), kBlackPixel);
    EXPECT_EQ(w.At(7, 5), kWhitePixel);
    InvertRgn(r.get());
    EXPECT_EQ(w.At(0, 0), kWhitePixel);
    EXPECT_EQ(w.At(1, 1), kBlackPixel);
}

TEST(DrawingRegions, OvalRegionHoldsThePaintedOvalsPixels) {
    TestWorld w(15, 11);
    Rect r = MakeRect(1, 1, 14, 10);
    PaintOval(&r);
    Rgn oval(NewRgn());
    OvalRgn(oval.get(), &r);
    ExpectPaintedWhere(w, [&](int h, int v) { return Contains(oval.get(), h, v); });
    // The region is in Qt's canonical form, so it equals itself rebuilt by algebra.
    Rgn copy(NewRgn()), empty(NewRgn());
    UnionRgn(oval.get(), empty.get(), copy.get());
    EXPECT_TRUE(EqualRgn(copy.get(), oval.get()));
}

TEST(DrawingRegions, PolygonHitTestMatchesItsPaintingAndRegion) {
    TestWorld w(12, 12);
    PolyHandle poly = OpenPoly();
    MoveTo(1, 1);
    LineTo(10, 2);
    LineTo(4, 11);
    LineTo(1, 1);
    ClosePoly();
    EXPECT_EQ(w.Count(kWhitePixel), 144); // recording draws nothing
    Rect bounds;
    EXPECT_EQ(*GetPolyBounds(poly, &bounds), MakeRect(1, 1, 10, 11));
    PaintPoly(poly);
    ExpectPaintedWhere(w, [&](int h, int v) { return PtInPoly(Point{SInt16(v), SInt16(h)}, poly); });
    Rgn area(NewRgn());
    PolyRgn(area.get(), poly);
    ExpectPaintedWhere(w, [&](int h, int v) { return Contains(area.get(), h, v); });
    EXPECT_TRUE(PtInPoly(Point{3, 4}, poly));
    EXPECT_FALSE(PtInPoly(Point{10, 9}, poly));
    EXPECT_FALSE(PtInPoly(Point{0, 0}, poly));

    OffsetPoly(poly, 1, 0);
    EXPECT_EQ(*GetPolyBounds(poly, &bounds), MakeRect(2, 1, 11, 11));
    KillPoly(poly);
}

TEST(DrawingRegions, PolygonWithAHoleByTheEvenOddRule) {
    TestWorld w(10, 10);
    // Two nested squares in one outline: the inner one is a hole.
    PolyHandle poly = OpenPoly();
    MoveTo(0, 0);
    LineTo(9, 0);
    LineTo(9, 9);
    LineTo(0, 9);
    LineTo(0, 0);
    LineTo(3, 3);
    LineTo(6, 3);
    LineTo(6, 6);
    LineTo(3, 6);
    LineTo(3, 3);
    LineTo(0, 0);
    ClosePoly();
    PaintPoly(poly);
    EXPECT_EQ(w.At(1, 1), kBlackPixel);
    EXPECT_EQ(w.At(4, 4), kWhitePixel);
    EXPECT_FALSE(PtInPoly(Point{4, 4}, poly));
    EXPECT_TRUE(PtInPoly(Point{7, 7}, poly));
    KillPoly(poly);
}

TEST(DrawingRegions, ExclusiveOrPolygonFrameFlipsSharedCornersOnce) {
    TestWorld w(8, 8);
    PolyHandle poly = OpenPoly();
    MoveTo(1, 1);
    LineTo(6, 1);
    LineTo(6, 6);
    LineTo(1, 1);
    ClosePoly();
    PenMode(patXor);
    FramePoly(poly);
    EXPECT_EQ(w.At(1, 1), kBlackPixel); // start and end of the outline
    EXPECT_EQ(w.At(6, 1), kBlackPixel);
    EXPECT_EQ(w.At(6, 6), kBlackPixel);
    EXPECT_EQ(w.At(3, 3), kBlackPixel);
    FramePoly(poly);
    EXPECT_EQ(w.Count(kWhitePixel), 64);
    KillPoly(poly);
}

} // namespace
