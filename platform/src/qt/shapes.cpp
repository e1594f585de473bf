// Rectangles, ovals, round rectangles and arcs: framed with the pen, painted in the pen mode, erased in
// the back colour, inverted.
#include "qt/port_internal.h"
#include "qt/shape_fill.h"
#include "qt/shape_spans.h"

namespace {

SpanList& ScratchSpans() {
    static SpanList spans;
    spans.clear();
    return spans;
}

void FillSpans(const SpanList& spans, const PaintOp& op) {
    FillRects(CurrentPort(), spans.data(), spans.size(), op);
}

void FrameRound(const Rect* r, int ovalWidth, int ovalHeight) {
    if (!r) return;
    const GrafPort* port = CurrentPort();
    SpanList& spans = ScratchSpans();
    AppendRoundShapeFrame(RoundShape{ToQRect(*r), ovalWidth, ovalHeight}, port->penSize.h, port->penSize.v,
                          spans);
    FillSpans(spans, PenPaintOp(port));
}

void FillRound(const Rect* r, int ovalWidth, int ovalHeight, const PaintOp& op) {
    if (!r) return;
    SpanList& spans = ScratchSpans();
    AppendRoundShape(RoundShape{ToQRect(*r), ovalWidth, ovalHeight}, spans);
    FillSpans(spans, op);
}

void DrawArc(const Rect* r, SInt16 start, SInt16 arc, bool framed, const PaintOp& op) {
    if (!r) return;
    const GrafPort* port = CurrentPort();
    if (framed && (port->penSize.h <= 0 || port->penSize.v <= 0)) return;
    SpanList& spans = ScratchSpans();
    const DrawableArea area(port);
    if (area.IsEmpty()) return;
    AppendArc(ToQRect(*r), start, arc, framed ? port->penSize.h : 0, framed ? port->penSize.v : 0,
              area.Bounds(), spans);
    FillSpans(spans, op);
}

int OvalWidth(const Rect* r) {
    return r ? r->right - r->left : 0;
}
int OvalHeight(const Rect* r) {
    return r ? r->bottom - r->top : 0;
}

} // namespace

void FrameRect(const Rect* r) {
    FrameRound(r, 0, 0);
}
void PaintRect(const Rect* r) {
    if (r) FillRect(CurrentPort(), ToQRect(*r), PenPaintOp(CurrentPort()));
}
void EraseRect(const Rect* r) {
    if (r) FillRect(CurrentPort(), ToQRect(*r), ErasePaintOp(CurrentPort()));
}
void InvertRect(const Rect* r) {
    if (r) FillRect(CurrentPort(), ToQRect(*r), InvertPaintOp());
}
void FillRect(const Rect* r, const Pattern* pattern) {
    if (r && pattern) FillRect(CurrentPort(), ToQRect(*r), PatternPaintOp(CurrentPort(), *pattern, patCopy));
}

void FrameOval(const Rect* r) {
    FrameRound(r, OvalWidth(r), OvalHeight(r));
}
void PaintOval(const Rect* r) {
    FillRound(r, OvalWidth(r), OvalHeight(r), PenPaintOp(CurrentPort()));
}
void EraseOval(const Rect* r) {
    FillRound(r, OvalWidth(r), OvalHeight(r), ErasePaintOp(CurrentPort()));
}
void InvertOval(const Rect* r) {
    FillRound(r, OvalWidth(r), OvalHeight(r), InvertPaintOp());
}

void FrameRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight) {
    FrameRound(r, ovalWidth, ovalHeight);
}
void PaintRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight) {
    FillRound(r, ovalWidth, ovalHeight, PenPaintOp(CurrentPort()));
}
void EraseRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight) {
    FillRound(r, ovalWidth, ovalHeight, ErasePaintOp(CurrentPort()));
}
void InvertRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight) {
    FillRound(r, ovalWidth, ovalHeight, InvertPaintOp());
}

void FrameArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle) {
    DrawArc(r, startAngle, arcAngle, true, PenPaintOp(CurrentPort()));
}
void PaintArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle) {
    DrawArc(r, startAngle, arcAngle, false, PenPaintOp(CurrentPort()));
}
void EraseArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle) {
    DrawArc(r, startAngle, arcAngle, false, ErasePaintOp(CurrentPort()));
}
void InvertArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle) {
    DrawArc(r, startAngle, arcAngle, false, InvertPaintOp());
}
