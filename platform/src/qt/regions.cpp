// Regions: arbitrary pixel areas in local coordinates, their algebra, hit tests, and drawing them.
#include "qt/port_internal.h"
#include "qt/shape_fill.h"
#include "qt/shape_spans.h"

namespace {

// The union of the region shifted by 0..length-1 along one axis, by doubling: O(log length) operations.
QRegion Sweep(const QRegion& r, int length, bool horizontal, bool unite) {
    if (length <= 1) return r;
    const int half = length / 2;
    QRegion a = Sweep(r, half, horizontal, unite);
    const int shift = length - half; // <= half + 1, so the two halves leave no gap
    QRegion b = horizontal ? a.translated(shift, 0) : a.translated(0, shift);
    return unite ? (a | b) : (a & b);
}

// Grows (d < 0) or shrinks (d > 0) the region by |d| pixels on both sides along one axis.
QRegion InsetAlong(const QRegion& r, int d, bool horizontal) {
    if (d == 0 || r.isEmpty()) return r;
    const int n = d < 0 ? -d : d;
    QRegion swept = Sweep(r, 2 * n + 1, horizontal, d < 0);
    return horizontal ? swept.translated(-n, 0) : swept.translated(0, -n);
}

QRegion InsetRegion(const QRegion& r, int dh, int dv) {
    return InsetAlong(InsetAlong(r, dh, true), dv, false);
}

} // namespace

RgnHandle NewRgn() {
    return new Region;
}

void DisposeRgn(RgnHandle rgn) {
    delete rgn;
}

void CopyRgn(RgnHandle src, RgnHandle dst) {
    if (src && dst) dst->area = src->area;
}

void SetEmptyRgn(RgnHandle rgn) {
    if (rgn) rgn->area = QRegion();
}

void SetRegionToRect(QRegion& region, const QRect& r) {
    if (r.isEmpty()) {
        if (!region.isEmpty()) region = QRegion();
        return;
    }
    if (RegionIsRect(region, r)) return;
    // A few slots, replaced in turn; a region taken from one is shared until someone changes it.
    constexpr int kKeptRects = 8;
    static QRegion kept[kKeptRects];
    static int next = 0;
    for (const QRegion& candidate : kept)
        if (RegionIsRect(candidate, r)) {
            region = candidate;
            return;
        }
    kept[next] = QRegion(r);
    region = kept[next];
    next = (next + 1) % kKeptRects;
}

void RectRgn(RgnHandle rgn, const Rect* r) {
    if (rgn) SetRegionToRect(rgn->area, r ? ToQRect(*r) : QRect());
}

void SetRectRgn(RgnHandle rgn, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom) {
    Rect r{top, left, bottom, right};
    RectRgn(rgn, &r);
}

void OvalRgn(RgnHandle rgn, const Rect* r) {
    if (!rgn) return;
    SpanList spans;
    if (r) AppendRoundShape(OvalShape(ToQRect(*r)), spans);
    rgn->area = RegionFromRowSpans(spans);
}

void OffsetRgn(RgnHandle rgn, SInt16 dh, SInt16 dv) {
    if (rgn) rgn->area.translate(dh, dv);
}

void InsetRgn(RgnHandle rgn, SInt16 dh, SInt16 dv) {
    if (rgn) rgn->area = InsetRegion(rgn->area, dh, dv);
}

void SectRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
    if (a && b && dst) dst->area = a->area & b->area;
}
void UnionRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
    if (a && b && dst) dst->area = a->area | b->area;
}
void DiffRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
    if (a && b && dst) dst->area = a->area - b->area;
}
void XorRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
    if (a && b && dst) dst->area = a->area ^ b->area;
}

bool EmptyRgn(RgnHandle rgn) {
    return !rgn || rgn->area.isEmpty();
}
bool EqualRgn(RgnHandle a, RgnHandle b) {
    return a && b && a->area == b->area;
}
bool PtInRgn(Point pt, RgnHandle rgn) {
    return rgn && rgn->area.contains(QPoint(pt.h, pt.v));
}
bool RectInRgn(const Rect* r, RgnHandle rgn) {
    return r && rgn && rgn->area.intersects(ToQRect(*r));
}

Rect* GetRegionBounds(RgnHandle rgn, Rect* bounds) {
    if (bounds) *bounds = rgn ? FromQRect(rgn->area.boundingRect()) : Rect{};
    return bounds;
}

bool IsRegionRectangular(RgnHandle rgn) {
    return rgn && rgn->area.rectCount() <= 1;
}

void FrameRgn(RgnHandle rgn) {
    if (!rgn) return;
    GrafPort* port = CurrentPort();
    if (port->penSize.h <= 0 || port->penSize.v <= 0) return;
    FillRegion(port, rgn->area - InsetRegion(rgn->area, port->penSize.h, port->penSize.v), PenPaintOp(port));
}
void PaintRgn(RgnHandle rgn) {
    if (rgn) FillRegion(CurrentPort(), rgn->area, PenPaintOp(CurrentPort()));
}
void EraseRgn(RgnHandle rgn) {
    if (rgn) FillRegion(CurrentPort(), rgn->area, ErasePaintOp(CurrentPort()));
}
void InvertRgn(RgnHandle rgn) {
    if (rgn) FillRegion(CurrentPort(), rgn->area, InvertPaintOp());
}
