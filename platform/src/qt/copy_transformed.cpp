// The final copy of the scroll engine: a composed picture turned by quarter turns, then mirrored, as it
// lands in the window's port. Runs every tick at full screen size, so it is plain loops over index
// tables kept between calls.
#include "qt/copy_source.h"
#include "qt/pixel_vectors.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <algorithm>
#include <cstring>

namespace {

// Quarter-turned copies read the source down its columns; destination columns are taken in strips so
// that the source rows a strip touches stay in cache from one destination row to the next.
constexpr int kColumnStrip = 256;

// The table for one destination axis: for each position, the source image coordinate it reads along the
// source axis it walks, frameLength pixels from srcStart, forward or backward.
void AxisTable(int dstLength, int frameLength, bool backward, int srcStart, std::vector<int>& out) {
    NearestMap(0, frameLength, dstLength, out);
    for (int& p : out)
        p = srcStart + (backward ? frameLength - 1 - p : p);
}

} // namespace

void CopyBitsTransformed(CGrafPtr src, CGrafPtr dst, const Rect* srcRect, const Rect* dstRect,
                         UInt8 transform) {
    if (!src || !dst || !srcRect || !dstRect || src->image.isNull() || dst->image.isNull()) return;
    const QRect sr = ToQRect(*srcRect).translated(-src->origin.h, -src->origin.v);
    const QRect dr = ToQRect(*dstRect);
    if (sr.isEmpty() || dr.isEmpty()) return;
    const DrawableArea area(dst);
    if (area.IsEmpty()) return;

    const int turns = transform & 3;
    const bool mirror = (transform & kCopyMirrorBit) != 0;
    const bool quarter = (turns & 1) != 0;
    const int sw = sr.width(), sh = sr.height();
    const int rw = quarter ? sh : sw, rh = quarter ? sw : sh; // the turned picture's size

    // A destination column fixes the source coordinate along the turned picture's x axis, a destination
    // row the one along its y axis. Upright: columns walk source x forward; a half turn walks both
    // axes backward; a clockwise quarter turn makes destination columns walk source rows upward and
    // destination rows walk source columns forward; three quarters the reverse. Mirroring reverses the
    // destination columns' walk.
    static std::vector<int> colTable, rowTable;
    bool colBackward = false, rowBackward = false;
    switch (turns) {
    case 0:
        break;
    case 1:
        colBackward = true;
        break;
    case 2:
        colBackward = rowBackward = true;
        break;
    case 3:
        rowBackward = true;
        break;
    }
    if (mirror) colBackward = !colBackward;
    // Along which source axis each destination axis walks.
    const int colStart = quarter ? sr.top() : sr.left(), rowStart = quarter ? sr.left() : sr.top();
    const int colLimit = quarter ? src->image.height() : src->image.width();
    const int rowLimit = quarter ? src->image.width() : src->image.height();
    AxisTable(dr.width(), rw, colBackward, colStart, colTable);
    AxisTable(dr.height(), rh, rowBackward, rowStart, rowTable);

    // Destination positions whose source lies outside the source image are left alone. Backward
    // tables decrease, so find the valid range on either kind of table.
    auto validRange = [](const std::vector<int>& t, int limit, int* first, int* last) {
        *first = 0;
        while (*first < int(t.size()) && (t[size_t(*first)] < 0 || t[size_t(*first)] >= limit))
            ++*first;
        *last = *first;
        while (*last < int(t.size()) && t[size_t(*last)] >= 0 && t[size_t(*last)] < limit)
            ++*last;
    };
    int c0, c1, r0, r1;
    validRange(colTable, colLimit, &c0, &c1);
    validRange(rowTable, rowLimit, &r0, &r1);
    const QRect target = QRect(dr.left() + c0, dr.top() + r0, c1 - c0, r1 - r0) & area.Bounds();
    if (target.isEmpty()) return;

    SourcePixels source = PortPixels(src);
    if (src == dst && sr.intersects(target.translated(-dst->origin.h, -dst->origin.v)))
        source = SnapshotPixels(src, sr);
    const qsizetype srcStride = source.stride;

    UInt32* dstBits = reinterpret_cast<UInt32*>(dst->image.bits());
    const qsizetype dstStride = dst->image.bytesPerLine() / 4;
    const bool unscaled = rw == dr.width() && rh == dr.height();

    if (!quarter) {
        area.ForEachPiece(target, [&](const QRect& piece) {
            const int col0 = piece.left() - dr.left(), n = piece.width();
            const int* cols = colTable.data() + col0;
            for (int y = piece.top(); y <= piece.bottom(); ++y) {
                UInt32* d = dstBits + (y - dst->origin.v) * dstStride + (piece.left() - dst->origin.h);
                const UInt32* s = source.Row(rowTable[size_t(y - dr.top())]);
                if (unscaled && !colBackward) {
                    std::memcpy(d, s + cols[0], size_t(n) * 4);
                } else if (unscaled) {
                    CopyPixelsReversed(d, s + cols[0], n);
                } else {
                    for (int i = 0; i < n; ++i)
                        d[i] = s[cols[i]];
                }
            }
        });
        return;
    }

    // Quarter turns: a destination row reads one source column, a destination column one source row.
    static std::vector<qsizetype> colOffsets;
    colOffsets.resize(colTable.size());
    for (size_t i = 0; i < colTable.size(); ++i)
        colOffsets[i] = qsizetype(colTable[i] - source.top) * srcStride - source.left;
    auto dstRow = [&](int y, int left) {
        return dstBits + (y - dst->origin.v) * dstStride + (left - dst->origin.h);
    };
    auto gatherRow = [&](int y, int left, int from, int to, const qsizetype* offsets) {
        UInt32* d = dstRow(y, left);
        const UInt32* s = source.bits + rowTable[size_t(y - dr.top())];
        for (int i = from; i < to; ++i)
            d[i] = s[offsets[i]];
    };
    area.ForEachPiece(target, [&](const QRect& piece) {
        for (int stripLeft = piece.left(); stripLeft <= piece.right(); stripLeft += kColumnStrip) {
            const int n = std::min(kColumnStrip, piece.right() + 1 - stripLeft);
            const qsizetype* offsets = colOffsets.data() + (stripLeft - dr.left());
            int y = piece.top();
            if (unscaled) {
                // Four destination rows read four neighbouring source columns: load 4x4 blocks along the
                // source rows and transpose them.
                for (; y + 3 <= piece.bottom(); y += 4) {
                    const int first = rowTable[size_t(y + (rowBackward ? 3 : 0) - dr.top())];
                    UInt32* d0 = dstRow(y, stripLeft);
                    UInt32* d1 = d0 + dstStride;
                    UInt32* d2 = d1 + dstStride;
                    UInt32* d3 = d2 + dstStride;
                    int i = 0;
                    for (; i + 4 <= n; i += 4) {
                        const UInt32* s = source.bits + first;
                        Pixels4 r0 = LoadPixels4(s + offsets[i]), r1 = LoadPixels4(s + offsets[i + 1]);
                        Pixels4 r2 = LoadPixels4(s + offsets[i + 2]), r3 = LoadPixels4(s + offsets[i + 3]);
                        TransposePixels4x4(r0, r1, r2, r3);
                        if (rowBackward) {
                            std::swap(r0, r3);
                            std::swap(r1, r2);
                        }
                        StorePixels4(d0 + i, r0);
                        StorePixels4(d1 + i, r1);
                        StorePixels4(d2 + i, r2);
                        StorePixels4(d3 + i, r3);
                    }
                    for (int k = 0; k < 4; ++k)
                        gatherRow(y + k, stripLeft, i, n, offsets);
                }
            }
            for (; y <= piece.bottom(); ++y)
                gatherRow(y, stripLeft, 0, n, offsets);
        }
    });
}
