// Copying between ports: CopyBits with clipping, masks, scaling, overlap and transfer modes; CopyMask;
// the turned and mirrored final copy; and ScrollRect.
#include "platform/drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Paints a world from rows of art ('.', '#', 'r', 'g', 'b').
void PaintArt(const TestWorld& w, std::initializer_list<const char*> rows) {
    GWorldPtr saved;
    GDHandle device;
    GetGWorld(&saved, &device);
    w.MakeCurrent();
    const Rect b = w.Bounds();
    int v = b.top;
    for (const char* row : rows) {
        for (int i = 0; row[i]; ++i) {
            const RGBColor c = row[i] == '#'   ? kBlackRGB
                               : row[i] == 'r' ? kRedRGB
                               : row[i] == 'g' ? kGreenRGB
                               : row[i] == 'b' ? kBlueRGB
                                               : kWhiteRGB;
            SetCPixel(SInt16(b.left + i), SInt16(v), &c);
        }
        ++v;
    }
    SetGWorld(saved, device);
}

TEST(DrawingCopy, CopyBitsLandsWhereAskedAndHonoursClipAndMask) {
    TestWorld src(3, 2);
    PaintArt(src, {"rgb", "#.#"});
    TestWorld dst(6, 4, 10, 20); // a destination with its own local coordinates
    Rect from = MakeRect(0, 0, 3, 2), to = MakeRect(11, 21, 14, 23);
    CopyBits(src, dst, &from, &to, srcCopy, nullptr);
    EXPECT_EQ(dst.Art(), Rows({"......", ".rgb..", ".#.#..", "......"}));

    // The destination's clip and the mask region both limit the copy.
    Rect all = dst.Bounds();
    EraseRect(&all);
    Rect clip = MakeRect(10, 20, 13, 24);
    ClipRect(&clip);
    RgnHandle mask = NewRgn();
    SetRectRgn(mask, 12, 20, 16, 24);
    CopyBits(src, dst, &from, &to, srcCopy, mask);
    EXPECT_EQ(dst.Art(), Rows({"......", "..g...", "......", "......"}));
    DisposeRgn(mask);

    // Copying from outside the source image leaves those destination pixels alone.
    ClipRect(&all);
    EraseRect(&all);
    Rect beyond = MakeRect(1, 0, 5, 2);
    Rect wide = MakeRect(10, 20, 14, 22);
    CopyBits(src, dst, &beyond, &wide, srcCopy, nullptr);
    EXPECT_EQ(dst.Art(), Rows({"gb....", ".#....", "......", "......"}));
}

TEST(DrawingCopy, ScalingIsNearestNeighbour) {
    TestWorld src(2, 2);
    PaintArt(src, {"r#", "gb"});
    TestWorld dst(5, 4);
    Rect from = MakeRect(0, 0, 2, 2), to = MakeRect(0, 0, 4, 4);
    CopyBits(src, dst, &from, &to, srcCopy, nullptr);
    EXPECT_EQ(dst.Art(), Rows({"rr##.", "rr##.", "ggbb.", "ggbb."}));
    // Shrinking samples pixel centres.
    TestWorld small(2, 1);
    Rect big = MakeRect(0, 0, 4, 4), tiny = MakeRect(0, 0, 2, 1);
    CopyBits(dst, small, &big, &tiny, srcCopy, nullptr);
    EXPECT_EQ(small.Art(), Rows({"gb"}));
}

TEST(DrawingCopy, OverlappingCopyWithinOnePortReadsTheSourceFirst) {
    for (int mode : {srcCopy, adMin}) { // a plain move and one that goes through a snapshot
        TestWorld w(6, 3);
        PaintArt(w, {"rgb#..", "#rgb..", "......"});
        Rect from = MakeRect(0, 0, 4, 2), right = MakeRect(1, 1, 5, 3);
        CopyBits(w, w, &from, &right, SInt16(mode), nullptr);
        if (mode == srcCopy) {
            EXPECT_EQ(w.Art(), Rows({"rgb#..", "#rgb#.", ".#rgb."}));
        } else {
            EXPECT_EQ(w.Art().substr(14), Rows({".#rgb."})); // last row: straight from the old pixels
        }
        TestWorld u(6, 3);
        PaintArt(u, {"......", "rgb#..", "#rgb.."});
        Rect lower = MakeRect(1, 1, 5, 3), upLeft = MakeRect(0, 0, 4, 2);
        CopyBits(u, u, &lower, &upLeft, SInt16(mode), nullptr);
        if (mode == srcCopy) {
            EXPECT_EQ(u.Art(), Rows({"gb#...", "rgb...", "#rgb.."}));
        }
    }
}

TEST(DrawingCopy, TransferModesCombineComponents) {
    struct Case {
        SInt16 mode;
        UInt32 src, dst, expected;
    } cases[] = {
        {srcCopy, 0xFF123456, 0xFFABCDEF, 0xFF123456},
        {notSrcCopy, 0xFF123456, 0xFFABCDEF, 0xFFEDCBA9},
        {srcOr, 0xFF000000, 0xFF808080, 0xFF000000},  // black ink lands
        {srcOr, 0xFFFFFFFF, 0xFF808080, 0xFF808080},  // white leaves the destination
        {srcBic, 0xFF000000, 0xFF808080, 0xFFFFFFFF}, // black ink clears to white
        {srcBic, 0xFFFFFFFF, 0xFF808080, 0xFF808080},
        {srcXor, 0xFF000000, 0xFF102030, 0xFFEFDFCF}, // black ink inverts
        {srcXor, 0xFFFFFFFF, 0xFF102030, 0xFF102030},
        {addOver, 0xFF808080, 0xFF90A0B0, 0xFF102030},
        {addPin, 0xFF808080, 0xFF90A0B0, 0xFFFFFFFF},
        {addPin, 0xFF101010, 0xFF203040, 0xFF304050},
        {subOver, 0xFF203040, 0xFF102030, 0xFFF0F0F0},
        {subPin, 0xFF203040, 0xFF102030, 0xFF000000},
        {subPin, 0xFF010203, 0xFF102030, 0xFF0F1E2D},
        {addMax, 0xFF10F010, 0xFF801080, 0xFF80F080},
        {adMin, 0xFF10F010, 0xFF801080, 0xFF101010},
        {blend, 0xFF000000, 0xFFFFFFFF, 0xFF808080},       // OpColor 50% grey by default
        {transparent, 0xFFFFFFFF, 0xFF112233, 0xFF112233}, // the back colour is skipped
        {transparent, 0xFFFEFFFF, 0xFF112233, 0xFFFEFFFF},
    };
    TestWorld src(1, 1), dst(1, 1);
    UInt32* s = GetPixBaseAddr(src);
    UInt32* d = GetPixBaseAddr(dst);
    Rect one = MakeRect(0, 0, 1, 1);
    for (const Case& c : cases) {
        *s = c.src;
        *d = c.dst;
        CopyBits(src, dst, &one, &one, c.mode, nullptr);
        EXPECT_EQ(*d, c.expected) << "mode " << c.mode << std::hex << " src " << c.src << " dst " << c.dst;
    }
    // Blend weighs each component by the destination port's OpColor.
    const RGBColor weights{0xFFFF, 0, 0x4000};
    OpColor(&weights);
    *s = 0xFF000000;
    *d = 0xFFFFFFFF;
    CopyBits(src, dst, &one, &one, blend, nullptr);
    EXPECT_EQ(*d, 0xFF00FFBFu);
}

TEST(DrawingCopy, CopyMaskCopiesUnderBlackKeepsUnderWhiteAndBlendsGrey) {
    TestWorld src(3, 1), mask(3, 1), dst(3, 1);
    PaintArt(src, {"###"});
    PaintArt(mask, {"#.#"});
    mask.MakeCurrent();
    const RGBColor grey{0x4040, 0x4040, 0x4040};
    SetCPixel(2, 0, &grey);
    dst.MakeCurrent();
    Rect r = MakeRect(0, 0, 3, 1);
    CopyMask(src, mask, dst, &r, &r, &r);
    EXPECT_EQ(dst.At(0, 0), kBlackPixel);
    EXPECT_EQ(dst.At(1, 0), kWhitePixel);
    EXPECT_EQ(dst.At(2, 0), 0xFF404040u); // a quarter-grey mask lets three quarters of black through
}

// The picture:   r g b     turned and mirrored as the transform says.
//                # . #
TEST(DrawingCopy, TransformedCopyTurnsThenMirrors) {
    struct Case {
        UInt8 transform;
        int width, height;
        std::string art;
    } cases[] = {
        {kCopyUpright, 3, 2, Rows({"rgb", "#.#"})},
        {kCopyRotate90, 2, 3, Rows({"#r", ".g", "#b"})},
        {kCopyRotate180, 3, 2, Rows({"#.#", "bgr"})},
        {kCopyRotate270, 2, 3, Rows({"b#", "g.", "r#"})},
        {kCopyUpright | kCopyMirrorBit, 3, 2, Rows({"bgr", "#.#"})},
        {kCopyRotate90 | kCopyMirrorBit, 2, 3, Rows({"r#", "g.", "b#"})},
        {kCopyRotate180 | kCopyMirrorBit, 3, 2, Rows({"#.#", "rgb"})},
        {kCopyRotate270 | kCopyMirrorBit, 2, 3, Rows({"#b", ".g", "#r"})},
    };
    TestWorld src(3, 2, 5, 5);
    PaintArt(src, {"rgb", "#.#"});
    Rect from = MakeRect(5, 5, 8, 7);
    for (const Case& c : cases) {
        TestWorld dst(c.width, c.height);
        Rect to = MakeRect(0, 0, c.width, c.height);
        CopyBitsTransformed(src, dst, &from, &to, c.transform);
        EXPECT_EQ(dst.Art(), c.art) << "transform " << int(c.transform);
        // Scaled to twice the size, every picture pixel becomes a 2x2 block.
        TestWorld doubled(c.width * 2, c.height * 2);
        Rect to2 = MakeRect(0, 0, c.width * 2, c.height * 2);
        CopyBitsTransformed(src, doubled, &from, &to2, c.transform);
        for (int v = 0; v < c.height * 2; ++v)
            for (int h = 0; h < c.width * 2; ++h)
                EXPECT_EQ(TestWorld::CharFor(doubled.At(h, v)), c.art[size_t(v / 2 * (c.width + 1) + h / 2)])
                    << "transform " << int(c.transform) << " at " << h << "," << v;
    }
}

// Big enough for the four-pixel row and block paths, with every pixel distinct; each destination pixel
// is checked against the source pixel the turn and mirror put there.
TEST(DrawingCopy, TransformedCopyOfALargerPictureMatchesTheGeometry) {
    constexpr int kW = 11, kH = 9;
    TestWorld src(kW, kH, 3, 2);
    UInt32* bits = GetPixBaseAddr(src);
    const SInt32 words = GetPixRowBytes(src) / 4;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            bits[y * words + x] = 0xFF000000u | UInt32(x << 8) | UInt32(y);
    Rect from = MakeRect(3, 2, 3 + kW, 2 + kH);
    for (UInt8 transform = 0; transform < 8; ++transform) {
        const bool quarter = transform & 1;
        const int w = quarter ? kH : kW, h = quarter ? kW : kH;
        TestWorld dst(w, h, -5, -5);
        Rect to = MakeRect(-5, -5, -5 + w, -5 + h);
        CopyBitsTransformed(src, dst, &from, &to, transform);
        for (int v = 0; v < h; ++v)
            for (int u = 0; u < w; ++u) {
                // Undo the mirror, then the clockwise turn, to find the source pixel.
                const int x = (transform & kCopyMirrorBit) ? w - 1 - u : u, y = v;
                int sx = x, sy = y;
                switch (transform & 3) {
                case 1:
                    sx = y, sy = kH - 1 - x;
                    break;
                case 2:
                    sx = kW - 1 - x, sy = kH - 1 - y;
                    break;
                case 3:
                    sx = kW - 1 - y, sy = x;
                    break;
                }
                ASSERT_EQ(dst.At(u - 5, v - 5), 0xFF000000u | UInt32(sx << 8) | UInt32(sy))
                    << "transform " << int(transform) << " at " << u << "," << v;
            }
    }
}

TEST(DrawingCopy, TransformedCopyIsClipped) {
    TestWorld src(3, 2);
    PaintArt(src, {"rgb", "#.#"});
    TestWorld dst(3, 4);
    Rect clip = MakeRect(0, 0, 3, 1);
    ClipRect(&clip);
    Rect from = MakeRect(0, 0, 3, 2), to = MakeRect(0, 0, 2, 3);
    CopyBitsTransformed(src, dst, &from, &to, kCopyRotate90);
    EXPECT_EQ(dst.Art(), Rows({"#r.", "...", "...", "..."}));
}

TEST(DrawingCopy, ScrollRectMovesRowsAndReportsTheExposedStrip) {
    TestWorld w(4, 8);
    PaintArt(w, {"r...", "g...", "b...", "#...", "r...", "g...", "b...", "#..."});
    RgnHandle update = NewRgn();
    Rect all = MakeRect(0, 0, 4, 8);
    RGBBackColor(&kBlueRGB);
    ScrollRect(&all, 0, -3, update);
    EXPECT_EQ(w.Art(), Rows({
                           "#...",
                           "r...",
                           "g...",
                           "b...",
                           "#...",
                           "bbbb",
                           "bbbb",
                           "bbbb",
                       }));
    Rect strip;
    EXPECT_EQ(*GetRegionBounds(update, &strip), MakeRect(0, 5, 4, 8));
    EXPECT_TRUE(IsRegionRectangular(update));

    // Down and right at once: an L-shaped strip.
    RGBBackColor(&kWhiteRGB);
    Rect part = MakeRect(0, 0, 4, 4);
    ScrollRect(&part, 1, 2, update);
    EXPECT_EQ(w.Art(), Rows({
                           "....",
                           "....",
                           ".#..",
                           ".r..",
                           "#...",
                           "bbbb",
                           "bbbb",
                           "bbbb",
                       }));
    EXPECT_TRUE(PtInRgn(Point{0, 3}, update));
    EXPECT_TRUE(PtInRgn(Point{3, 0}, update));
    EXPECT_FALSE(PtInRgn(Point{3, 1}, update));
    EXPECT_FALSE(PtInRgn(Point{4, 0}, update));
    DisposeRgn(update);
}

TEST(DrawingCopy, ScrollRectStaysInsideTheClip) {
    for (bool complexClip : {false, true}) {
        TestWorld w(3, 6);
        PaintArt(w, {"rgb", "#.#", "rgb", "#.#", "rgb", "#.#"});
        RgnHandle clip = NewRgn();
        SetRectRgn(clip, 0, 0, 3, 4);
        if (complexClip) {
            RgnHandle hole = NewRgn();
            SetRectRgn(hole, 2, 0, 3, 2);
            DiffRgn(clip, hole, clip);
            DisposeRgn(hole);
        }
        SetClip(clip);
        Rect all = MakeRect(0, 0, 3, 6);
        ScrollRect(&all, 0, 1, nullptr);
        if (!complexClip) {
            EXPECT_EQ(w.Art(), Rows({
                                   "...",
                                   "rgb",
                                   "#.#",
                                   "rgb",
                                   "rgb",
                                   "#.#",
                               }));
        } else {
            // (2,2) has no source inside the clip to come from, so it is uncovered.
            EXPECT_EQ(w.Art(), Rows({
                                   "..b",
                                   "rg#",
                                   "#..",
                                   "rgb",
                                   "rgb",
                                   "#.#",
                               }));
        }
        DisposeRgn(clip);
    }
}

TEST(DrawingCopy, ScrollingFurtherThanTheRectangleErasesItAll) {
    TestWorld w(3, 3);
    PaintArt(w, {"rgb", "rgb", "rgb"});
    RgnHandle update = NewRgn();
    Rect all = MakeRect(0, 0, 3, 3);
    ScrollRect(&all, 5, 0, update);
    EXPECT_EQ(w.Count(kWhitePixel), 9);
    RgnHandle whole = NewRgn();
    RectRgn(whole, &all);
    EXPECT_TRUE(EqualRgn(update, whole));
    DisposeRgn(update);
    DisposeRgn(whole);
}

} // namespace
