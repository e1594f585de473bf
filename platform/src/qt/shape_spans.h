// The pixels that shapes cover, as rows of spans in local coordinates: rectangle frames, ovals and round
// rectangles (filled or framed), arcs, lines with a rectangular pen, and even-odd polygons. Shapes are
// aliased and decided at pixel centres, so the results are exact and symmetric.
#pragma once

#include "platform/geometry.h"

#include <QRect>
#include <QRegion>

#include <vector>

// A rectangle with corners rounded by an oval of ovalWidth x ovalHeight; an oval is a round shape whose
// corner oval is the whole rectangle, a plain rectangle one with no corner oval.
struct RoundShape {
    QRect bounds;
    int ovalWidth = 0;
    int ovalHeight = 0;
};
inline RoundShape OvalShape(const QRect& r) {
    return RoundShape{r, r.width(), r.height()};
}

using SpanList = std::vector<QRect>;

void AppendRectFrame(const QRect& r, int penWidth, int penHeight, SpanList& out);
void AppendRoundShape(const RoundShape& shape, SpanList& out);
void AppendRoundShapeFrame(const RoundShape& shape, int penWidth, int penHeight, SpanList& out);
// Angles in degrees clockwise from twelve o'clock, measured against the rectangle (45 degrees points at
// its top-right corner). A pen size of 0 fills the wedge; otherwise only the curve is framed. Only the
// part within `visible` is produced.
void AppendArc(const QRect& r, int startAngle, int arcAngle, int penWidth, int penHeight,
               const QRect& visible, SpanList& out);
// The pen's rectangle hangs below and to the right of every point of the path, both ends included.
void AppendLine(Point from, Point to, int penWidth, int penHeight, SpanList& out);
// The interior of a closed polygon by the even-odd rule.
void AppendPolygon(const std::vector<Point>& points, SpanList& out);
bool PolygonContainsPixel(const std::vector<Point>& points, int h, int v);

// A region from one-pixel-high spans sorted by row then left (spans may touch or overlap).
QRegion RegionFromRowSpans(const SpanList& spans);
