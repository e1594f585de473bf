// Polygons: recording with the pen between OpenPoly and ClosePoly, hit testing, and drawing them.
#include "qt/polygon_internal.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"
#include "qt/shape_spans.h"

#include <algorithm>

namespace {

GrafPort* gRecordingPort = nullptr;

// The frame is every edge drawn with the pen, but each pixel once: exclusive-or framing must not cancel
// itself where edges meet. The edges' spans go into one mask.
void FramePolygonPoints(GrafPort* port, const std::vector<Point>& points) {
    if (points.size() < 2 || port->penSize.h <= 0 || port->penSize.v <= 0) return;
    static SpanList spans;
    spans.clear();
    for (size_t i = 0; i + 1 < points.size(); ++i)
        AppendLine(points[i], points[i + 1], port->penSize.h, port->penSize.v, spans);
    QRect box;
    for (const QRect& s : spans)
        box |= s;
    box &= LocalImageRect(port);
    if (box.isEmpty()) return;
    static std::vector<UInt8> mask;
    mask.assign(size_t(box.width()) * size_t(box.height()), 0);
    for (const QRect& s : spans) {
        const QRect c = s & box;
        for (int v = c.top(); v <= c.bottom(); ++v)
            std::fill_n(mask.begin() + (v - box.top()) * box.width() + (c.left() - box.left()), c.width(),
                        UInt8(1));
    }
    FillMask(port, box.left(), box.top(), box.width(), box.height(), mask.data(), box.width(),
             PenPaintOp(port));
}

void FillPolygon(PolyHandle poly, const PaintOp& op) {
    if (!poly) return;
    static SpanList spans;
    spans.clear();
    AppendPolygon(poly->points, spans);
    FillRects(CurrentPort(), spans.data(), spans.size(), op);
}

} // namespace

bool RecordPolygonLine(GrafPort* port, Point from, Point to) {
    if (!port->recordingPolygon) return false;
    auto& points = port->recordingPolygon->points;
    if (points.empty() || !(points.back() == from)) points.push_back(from);
    points.push_back(to);
    return true;
}

void ForgetPolygonRecording(GrafPort* port) {
    if (gRecordingPort == port) gRecordingPort = nullptr;
}

PolyHandle OpenPoly() {
    ClosePoly();
    auto* poly = new Polygon;
    gRecordingPort = CurrentPort();
    gRecordingPort->recordingPolygon = poly;
    return poly;
}

void ClosePoly() {
    if (gRecordingPort) gRecordingPort->recordingPolygon = nullptr;
    gRecordingPort = nullptr;
}

void KillPoly(PolyHandle poly) {
    if (!poly) return;
    if (gRecordingPort && gRecordingPort->recordingPolygon == poly) ClosePoly();
    delete poly;
}

void OffsetPoly(PolyHandle poly, SInt16 dh, SInt16 dv) {
    if (!poly) return;
    for (Point& p : poly->points) {
        p.h = SInt16(p.h + dh);
        p.v = SInt16(p.v + dv);
    }
}

Rect* GetPolyBounds(PolyHandle poly, Rect* bounds) {
    if (!bounds) return bounds;
    *bounds = Rect{};
    if (!poly || poly->points.empty()) return bounds;
    Rect r{poly->points[0].v, poly->points[0].h, poly->points[0].v, poly->points[0].h};
    for (const Point& p : poly->points) {
        r.top = std::min(r.top, p.v);
        r.left = std::min(r.left, p.h);
        r.bottom = std::max(r.bottom, p.v);
        r.right = std::max(r.right, p.h);
    }
    *bounds = r;
    return bounds;
}

bool PtInPoly(Point pt, PolyHandle poly) {
    return poly && PolygonContainsPixel(poly->points, pt.h, pt.v);
}

void FramePoly(PolyHandle poly) {
    if (poly) FramePolygonPoints(CurrentPort(), poly->points);
}
void PaintPoly(PolyHandle poly) {
    FillPolygon(poly, PenPaintOp(CurrentPort()));
}
void ErasePoly(PolyHandle poly) {
    FillPolygon(poly, ErasePaintOp(CurrentPort()));
}
void InvertPoly(PolyHandle poly) {
    FillPolygon(poly, InvertPaintOp());
}

void PolyRgn(RgnHandle rgn, PolyHandle poly) {
    if (!rgn) return;
    static SpanList spans;
    spans.clear();
    if (poly) AppendPolygon(poly->points, spans);
    rgn->area = RegionFromRowSpans(spans);
}
