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

// How the destination's axes walk the source. A destination column fixes the source coordinate along the
// turned picture's x axis, a destination row the one along its y axis. Upright: columns walk source x
// forward; a half turn walks both axes backward; a clockwise quarter turn makes destination columns walk
// source rows upward and destination rows walk source columns forward; three quarters the reverse.
// Mirroring reverses the destination columns' walk.
struct TransformWalk {
    bool quarter = false;
    bool colBackward = false;
    bool rowBackward = false;
};

TransformWalk WalkOf(UInt8 transform) {
    const int turns = transform & 3;
    TransformWalk walk;
    walk.quarter = (turns & 1) != 0;
    walk.colBackward = turns == 1 || turns == 2;
    walk.rowBackward = turns == 2 || turns == 3;
    if ((transform & kCopyMirrorBit) != 0) walk.colBackward = !walk.colBackward;
    return walk;
}

// The positions [*first, *last) of a table whose source lies inside [0, limit); backward tables decrease,
// so the range is found by walking rather than by bisection.
void ValidTableRange(const std::vector<int>& t, int limit, int* first, int* last) {
    auto inside = [&](int i) { return t[size_t(i)] >= 0 && t[size_t(i)] < limit; };
    *first = 0;
    while (*first < int(t.size()) && !inside(*first))
        ++*first;
    *last = *first;
    while (*last < int(t.size()) && inside(*last))
        ++*last;
}

// One transformed copy: the walk, the index tables of both destination axes (kept between calls), and
// where the pixels are read and written.
struct TransformedCopy {
    const GrafPort* dst;
    QRect dr;
    TransformWalk walk;
    bool unscaled;
    std::vector<int>& colTable;
    std::vector<int>& rowTable;
    SourcePixels source;
    UInt32* dstBits;
    qsizetype dstStride;

    UInt32* DestinationRow(int y, int left) const {
        return dstBits + (y - dst->origin.v) * dstStride + (left - dst->origin.h);
    }
};

// Destination positions whose source lies outside the source image are left alone: the part of the
// destination rectangle that reads real pixels, cut to what the port may draw.
QRect TargetOf(const TransformedCopy& copy, const GrafPort* src, const QRect& sr, const DrawableArea& area) {
    const bool quarter = copy.walk.quarter;
    const int sw = sr.width(), sh = sr.height();
    const int rw = quarter ? sh : sw, rh = quarter ? sw : sh; // the turned picture's size
    // Along which source axis each destination axis walks.
    const int colStart = quarter ? sr.top() : sr.left(), rowStart = quarter ? sr.left() : sr.top();
    const int colLimit = quarter ? src->image.height() : src->image.width();
    const int rowLimit = quarter ? src->image.width() : src->image.height();
    AxisTable(copy.dr.width(), rw, copy.walk.colBackward, colStart, copy.colTable);
    AxisTable(copy.dr.height(), rh, copy.walk.rowBackward, rowStart, copy.rowTable);
    int c0, c1, r0, r1;
    ValidTableRange(copy.colTable, colLimit, &c0, &c1);
    ValidTableRange(copy.rowTable, rowLimit, &r0, &r1);
    return QRect(copy.dr.left() + c0, copy.dr.top() + r0, c1 - c0, r1 - r0) & area.Bounds();
}

// Upright and half turns: a destination row reads one source row, forward or backward.
void CopyUprightPiece(const TransformedCopy& copy, const QRect& piece) {
    const int col0 = piece.left() - copy.dr.left(), n = piece.width();
    const int* cols = copy.colTable.data() + col0;
    for (int y = piece.top(); y <= piece.bottom(); ++y) {
        UInt32* d = copy.DestinationRow(y, piece.left());
        const UInt32* s = copy.source.Row(copy.rowTable[size_t(y - copy.dr.top())]);
        if (copy.unscaled && !copy.walk.colBackward) {
            std::memcpy(d, s + cols[0], size_t(n) * 4);
        } else if (copy.unscaled) {
            CopyPixelsReversed(d, s + cols[0], n);
        } else {
            for (int i = 0; i < n; ++i)
                d[i] = s[cols[i]];
        }
    }
}

// Quarter turns, one pixel at a time: destination row y reads one source column at the given offsets.
void GatherTurnedRow(const TransformedCopy& copy, int y, int left, int from, int to,
                     const qsizetype* offsets) {
    UInt32* d = copy.DestinationRow(y, left);
    const UInt32* s = copy.source.bits + copy.rowTable[size_t(y - copy.dr.top())];
    for (int i = from; i < to; ++i)
        d[i] = s[offsets[i]];
}

// Four destination rows read four neighbouring source columns: 4x4 blocks are loaded along the source
// rows and transposed. Answers the columns done; the gather finishes the rest.
int CopyTurnedBlocks(const TransformedCopy& copy, int y, int left, int n, const qsizetype* offsets) {
    const int first = copy.rowTable[size_t(y + (copy.walk.rowBackward ? 3 : 0) - copy.dr.top())];
    UInt32* d0 = copy.DestinationRow(y, left);
    UInt32* d1 = d0 + copy.dstStride;
    UInt32* d2 = d1 + copy.dstStride;
    UInt32* d3 = d2 + copy.dstStride;
    const UInt32* s = copy.source.bits + first;
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        Pixels4 r0 = LoadPixels4(s + offsets[i]), r1 = LoadPixels4(s + offsets[i + 1]);
        Pixels4 r2 = LoadPixels4(s + offsets[i + 2]), r3 = LoadPixels4(s + offsets[i + 3]);
        TransposePixels4x4(r0, r1, r2, r3);
        if (copy.walk.rowBackward) {
            std::swap(r0, r3);
            std::swap(r1, r2);
        }
        StorePixels4(d0 + i, r0);
        StorePixels4(d1 + i, r1);
        StorePixels4(d2 + i, r2);
        StorePixels4(d3 + i, r3);
    }
    return i;
}

// Quarter-turned copies read the source down its columns, in strips of destination columns.
void CopyTurnedPiece(const TransformedCopy& copy, const QRect& piece,
                     const std::vector<qsizetype>& colOffsets) {
    for (int stripLeft = piece.left(); stripLeft <= piece.right(); stripLeft += kColumnStrip) {
        const int n = std::min(kColumnStrip, piece.right() + 1 - stripLeft);
        const qsizetype* offsets = colOffsets.data() + (stripLeft - copy.dr.left());
        int y = piece.top();
        if (copy.unscaled) {
            for (; y + 3 <= piece.bottom(); y += 4) {
                const int done = CopyTurnedBlocks(copy, y, stripLeft, n, offsets);
                for (int k = 0; k < 4; ++k)
                    GatherTurnedRow(copy, y + k, stripLeft, done, n, offsets);
            }
        }
        for (; y <= piece.bottom(); ++y)
            GatherTurnedRow(copy, y, stripLeft, 0, n, offsets);
    }
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

    // Kept between calls: the tick copies the same size every time and allocates nothing.
    static std::vector<int> colTable, rowTable;
    static std::vector<qsizetype> colOffsets;
    const TransformWalk walk = WalkOf(transform);
    const int rw = walk.quarter ? sr.height() : sr.width(), rh = walk.quarter ? sr.width() : sr.height();
    TransformedCopy copy{dst, dr,      walk, rw == dr.width() && rh == dr.height(), colTable, rowTable,
                         {},  nullptr, 0};
    const QRect target = TargetOf(copy, src, sr, area);
    if (target.isEmpty()) return;

    copy.source = PortPixels(src);
    if (src == dst && sr.intersects(target.translated(-dst->origin.h, -dst->origin.v)))
        copy.source = SnapshotPixels(src, sr);
    copy.dstBits = reinterpret_cast<UInt32*>(dst->image.bits());
    copy.dstStride = dst->image.bytesPerLine() / 4;

    if (!walk.quarter) {
        area.ForEachPiece(target, [&](const QRect& piece) { CopyUprightPiece(copy, piece); });
        return;
    }
    colOffsets.resize(colTable.size());
    for (size_t i = 0; i < colTable.size(); ++i)
        colOffsets[i] = qsizetype(colTable[i] - copy.source.top) * copy.source.stride - copy.source.left;
    area.ForEachPiece(target, [&](const QRect& piece) { CopyTurnedPiece(copy, piece, colOffsets); });
}
