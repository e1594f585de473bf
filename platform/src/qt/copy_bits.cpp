// CopyBits and CopyMask: copying a rectangle of one port into another, scaled nearest-neighbour, in a
// transfer mode, clipped to the destination's clip and a mask region.
//
// The boolean modes treat a component's ink as 255 minus its value, as they were meant for black ink on
// white: srcOr lays the source's dark parts onto the destination (d AND s), srcBic lightens where the
// source is dark, srcXor inverts where the source is dark. The arithmetic modes work on the values.
#include "qt/copy_source.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UInt32 kOpaque = 0xFF000000u;

template <typename F> inline UInt32 EachComponent(UInt32 d, UInt32 s, F f) {
    const UInt32 r = f((d >> 16) & 0xFF, (s >> 16) & 0xFF, 0);
    const UInt32 g = f((d >> 8) & 0xFF, (s >> 8) & 0xFF, 1);
    const UInt32 b = f(d & 0xFF, s & 0xFF, 2);
    return kOpaque | (r << 16) | (g << 8) | b;
}

// d[i] = combine(d[i], source pixel i), the source read straight or through a column map.
template <typename Combine>
void CombineRow(UInt32* d, const UInt32* s, const int* map, int n, Combine combine) {
    if (map) {
        for (int i = 0; i < n; ++i)
            d[i] = combine(d[i], s[map[i]]);
    } else {
        for (int i = 0; i < n; ++i)
            d[i] = combine(d[i], s[i]);
    }
}

struct ModeContext {
    UInt32 backPixel; // transparent: source pixels of this colour are skipped
    UInt32 weight[3]; // blend: per component, 0..65536
};

// One row of n destination pixels from a source row (s indexed directly or by map).
void CopyRowInMode(SInt16 mode, const ModeContext& ctx, UInt32* d, const UInt32* s, const int* map, int n) {
    switch (mode) {
    case srcCopy:
    case ditherCopy:
    default:
        if (map)
            CombineRow(d, s, map, n, [](UInt32, UInt32 sp) { return sp | kOpaque; });
        else
            std::memmove(d, s, size_t(n) * 4);
        break;
    case srcOr:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return (dp & sp) | kOpaque; });
        break;
    case notSrcOr:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return (dp & ~sp) | kOpaque; });
        break;
    case srcXor:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return (dp ^ ~sp) | kOpaque; });
        break;
    case notSrcXor:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return (dp ^ sp) | kOpaque; });
        break;
    case srcBic:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return dp | ~sp | kOpaque; });
        break;
    case notSrcBic:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) { return dp | sp | kOpaque; });
        break;
    case notSrcCopy:
        CombineRow(d, s, map, n, [](UInt32, UInt32 sp) { return ~sp | kOpaque; });
        break;
    case transparent: {
        const UInt32 key = ctx.backPixel & 0xFFFFFF;
        CombineRow(d, s, map, n,
                   [key](UInt32 dp, UInt32 sp) { return (sp & 0xFFFFFF) == key ? dp : sp | kOpaque; });
        break;
    }
    case blend: {
        const UInt32* w = ctx.weight;
        CombineRow(d, s, map, n, [w](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [w](UInt32 dc, UInt32 sc, int i) {
                return (sc * w[i] + dc * (65536 - w[i]) + 32768) >> 16;
            });
        });
        break;
    }
    case addOver:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [](UInt32 dc, UInt32 sc, int) { return (dc + sc) & 0xFF; });
        });
        break;
    case addPin:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp,
                                 [](UInt32 dc, UInt32 sc, int) { return std::min<UInt32>(dc + sc, 255); });
        });
        break;
    case subOver:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [](UInt32 dc, UInt32 sc, int) { return (dc - sc) & 0xFF; });
        });
        break;
    case subPin:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [](UInt32 dc, UInt32 sc, int) { return dc > sc ? dc - sc : 0; });
        });
        break;
    case addMax:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [](UInt32 dc, UInt32 sc, int) { return std::max(dc, sc); });
        });
        break;
    case adMin:
        CombineRow(d, s, map, n, [](UInt32 dp, UInt32 sp) {
            return EachComponent(dp, sp, [](UInt32 dc, UInt32 sc, int) { return std::min(dc, sc); });
        });
        break;
    }
}

// The destination rectangle (local) limited to the positions whose source pixel lies in the source image;
// fills the maps from destination position (relative to dr) to source image coordinates.
QRect MapOntoSource(const QRect& dr, const QRect& srcImageRect, const QImage& srcImage,
                    std::vector<int>& cols, std::vector<int>& rows) {
    NearestMap(srcImageRect.left(), srcImageRect.width(), dr.width(), cols);
    NearestMap(srcImageRect.top(), srcImageRect.height(), dr.height(), rows);
    int c0, c1, r0, r1;
    ValidMapRange(cols, srcImage.width(), &c0, &c1);
    ValidMapRange(rows, srcImage.height(), &r0, &r1);
    return QRect(dr.left() + c0, dr.top() + r0, c1 - c0, r1 - r0);
}

SInt16 CopyMode(SInt16 mode) {
    // Pattern modes copy as their source forms; hilite copies plainly.
    if (mode >= patCopy && mode <= notPatBic) return SInt16(mode - patCopy);
    return mode;
}

} // namespace

void CopyBits(CGrafPtr src, CGrafPtr dst, const Rect* srcRect, const Rect* dstRect, SInt16 mode,
              RgnHandle maskRgn) {
    if (!src || !dst || !srcRect || !dstRect || src->image.isNull() || dst->image.isNull()) return;
    const QRect sr = ToQRect(*srcRect).translated(-src->origin.h, -src->origin.v);
    const QRect dr = ToQRect(*dstRect);
    if (sr.isEmpty() || dr.isEmpty()) return;
    const DrawableArea area(dst, maskRgn ? &maskRgn->area : nullptr);
    if (area.IsEmpty()) return;
    mode = CopyMode(mode);

    static std::vector<int> cols, rows;
    const QRect target = MapOntoSource(dr, sr, src->image, cols, rows) & area.Bounds();
    if (target.isEmpty()) return;
    const bool scaled = sr.size() != dr.size();

    SourcePixels source = PortPixels(src);
    bool bottomUp = false;
    if (src == dst) {
        // The source pixels the target reads, in image coordinates.
        const QRect read(
            cols[size_t(target.left() - dr.left())], rows[size_t(target.top() - dr.top())],
            cols[size_t(target.right() - dr.left())] - cols[size_t(target.left() - dr.left())] + 1,
            rows[size_t(target.bottom() - dr.top())] - rows[size_t(target.top() - dr.top())] + 1);
        const QRect written = target.translated(-dst->origin.h, -dst->origin.v);
        if (read.intersects(written)) {
            // A plain unscaled copy into one rectangle moves rows in a safe order; anything else reads a
            // snapshot of the source.
            if (!scaled && (mode == srcCopy || mode == ditherCopy) && area.IsRectangle())
                bottomUp = written.top() > read.top();
            else
                source = SnapshotPixels(src, read);
        }
    }

    ModeContext ctx;
    ctx.backPixel = PixelFromRGB(dst->backColor);
    // Weights out of 65536, so that 0x8000 is an exact half and 0xFFFF all of the source.
    auto weight = [](UInt16 w) { return w == 0xFFFF ? 65536u : UInt32(w); };
    ctx.weight[0] = weight(dst->opColor.red);
    ctx.weight[1] = weight(dst->opColor.green);
    ctx.weight[2] = weight(dst->opColor.blue);

    UInt32* dstBits = reinterpret_cast<UInt32*>(dst->image.bits());
    const qsizetype dstStride = dst->image.bytesPerLine() / 4;
    area.ForEachPiece(target, [&](const QRect& piece) {
        const int n = piece.width();
        const int col0 = piece.left() - dr.left();
        const int* map = scaled ? cols.data() + col0 : nullptr;
        for (int i = 0; i < piece.height(); ++i) {
            const int y = bottomUp ? piece.bottom() - i : piece.top() + i;
            UInt32* d = dstBits + (y - dst->origin.v) * dstStride + (piece.left() - dst->origin.h);
            const UInt32* s = source.Row(rows[size_t(y - dr.top())]);
            CopyRowInMode(mode, ctx, d, map ? s : s + cols[size_t(col0)], map, n);
        }
    });
}

void CopyMask(CGrafPtr src, CGrafPtr mask, CGrafPtr dst, const Rect* srcRect, const Rect* maskRect,
              const Rect* dstRect) {
    if (!src || !mask || !dst || !srcRect || !maskRect || !dstRect) return;
    if (src->image.isNull() || mask->image.isNull() || dst->image.isNull()) return;
    const QRect sr = ToQRect(*srcRect).translated(-src->origin.h, -src->origin.v);
    const QRect mr = ToQRect(*maskRect).translated(-mask->origin.h, -mask->origin.v);
    const QRect dr = ToQRect(*dstRect);
    if (sr.isEmpty() || mr.isEmpty() || dr.isEmpty()) return;
    const DrawableArea area(dst);
    if (area.IsEmpty()) return;

    static std::vector<int> cols, rows, maskCols, maskRows;
    const QRect target = MapOntoSource(dr, sr, src->image, cols, rows) &
                         MapOntoSource(dr, mr, mask->image, maskCols, maskRows) & area.Bounds();
    if (target.isEmpty()) return;
    // Copies within one port read snapshots (the source and the mask may both be the destination).
    const SourcePixels source = src == dst ? SnapshotPixels(src, sr, 0) : PortPixels(src);
    const SourcePixels maskPixels = mask == dst ? SnapshotPixels(mask, mr, 1) : PortPixels(mask);

    UInt32* dstBits = reinterpret_cast<UInt32*>(dst->image.bits());
    const qsizetype dstStride = dst->image.bytesPerLine() / 4;
    area.ForEachPiece(target, [&](const QRect& piece) {
        for (int y = piece.top(); y <= piece.bottom(); ++y) {
            UInt32* d = dstBits + (y - dst->origin.v) * dstStride - dst->origin.h;
            const UInt32* s = source.Row(rows[size_t(y - dr.top())]);
            const UInt32* m = maskPixels.Row(maskRows[size_t(y - dr.top())]);
            for (int x = piece.left(); x <= piece.right(); ++x) {
                const UInt32 mp = m[maskCols[size_t(x - dr.left())]];
                const UInt32 sp = s[cols[size_t(x - dr.left())]];
                if ((mp & 0xFFFFFF) == 0) {
                    d[x] = sp | kOpaque;
                } else if ((mp & 0xFFFFFF) != 0xFFFFFF) {
                    // Darker mask components let more of the source through.
                    d[x] = EachComponent(d[x], sp, [mp](UInt32 dc, UInt32 sc, int i) {
                        const UInt32 keep = (mp >> (16 - 8 * i)) & 0xFF;
                        return (sc * (255 - keep) + dc * keep + 127) / 255;
                    });
                }
            }
        }
    });
}
