// Lines drawn with the pen, and the pen's moves that an open polygon records instead.
#include "qt/polygon_internal.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"
#include "qt/shape_spans.h"

void LineTo(SInt16 h, SInt16 v) {
    GrafPort* port = CurrentPort();
    const Point from = port->penLocation, to{v, h};
    port->penLocation = to;
    if (RecordPolygonLine(port, from, to)) return;
    static SpanList spans;
    spans.clear();
    AppendLine(from, to, port->penSize.h, port->penSize.v, spans);
    FillRects(port, spans.data(), spans.size(), PenPaintOp(port));
}

void Line(SInt16 dh, SInt16 dv) {
    const Point pen = CurrentPort()->penLocation;
    LineTo(SInt16(pen.h + dh), SInt16(pen.v + dv));
}
