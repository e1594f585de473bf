// The drawing core shared by every primitive: what a drawing mode does to a covered pixel, the part of a
// port that drawing may change, and the routines that apply a mode to rectangles, regions and masks.
#pragma once

#include "qt/port_internal.h"

#include <QRect>
#include <QRegion>

#include <algorithm>
#include <cstddef>

// Local rectangles <-> Qt rectangles (same coordinates, half-open on our side).
inline QRect ToQRect(const Rect& r) {
    return r.right > r.left && r.bottom > r.top ? QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)
                                                : QRect();
}
Rect FromQRect(const QRect& r);

// The clip of a new port: every 16-bit local coordinate.
inline QRect WideOpenRect() {
    return QRect(-32768, -32768, 65535, 65535);
}

// The port's image in its local coordinates.
inline QRect LocalImageRect(const GrafPort* port) {
    return QRect(port->origin.h, port->origin.v, port->image.width(), port->image.height());
}

// What happens to a covered pixel: left alone, set to a colour, or some of its colour bits flipped.
struct PixelAction {
    enum Kind : UInt8 { kNone, kSet, kXor };
    Kind kind = kNone;
    UInt32 value = 0;
};

// A drawing mode resolved against a port's colours: the action for pixels under a 1 bit of the pattern
// and the action for pixels under a 0 bit. Patterns are aligned to local coordinates.
struct PaintOp {
    Pattern pattern{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    PixelAction onBit;
    PixelAction offBit;
};

PaintOp PatternPaintOp(const GrafPort* port, const Pattern& pattern, SInt16 mode);
inline PaintOp PenPaintOp(const GrafPort* port) {
    return PatternPaintOp(port, port->penPattern, port->penMode);
}
PaintOp ErasePaintOp(const GrafPort* port);
PaintOp InvertPaintOp();
PaintOp SolidPaintOp(UInt32 pixel);

// The part of a port that drawing may change: its clip within its image, in local coordinates, as
// y-x banded rectangles (one rectangle in the common case of a rectangular clip).
class DrawableArea {
  public:
    // extra, when given, further limits the area (a mask region in local coordinates).
    explicit DrawableArea(const GrafPort* port, const QRegion* extra = nullptr);
    bool IsEmpty() const { return count_ == 0; }
    const QRect& Bounds() const { return bounds_; }
    bool IsRectangle() const { return count_ == 1; }

    // Calls fn(piece) for every non-empty intersection of r with the area.
    template <typename Fn> void ForEachPiece(const QRect& r, Fn&& fn) const {
        if (count_ == 0 || !r.intersects(bounds_)) return;
        if (count_ == 1) {
            fn(r & bounds_);
            return;
        }
        // Bands are sorted by top; skip those that end above r.
        const QRect* first = std::partition_point(rects_, rects_ + count_,
                                                  [&](const QRect& c) { return c.bottom() < r.top(); });
        for (const QRect* c = first; c != rects_ + count_ && c->top() <= r.bottom(); ++c) {
            QRect piece = r & *c;
            if (!piece.isEmpty()) fn(piece);
        }
    }
    QRegion ToRegion() const;

  private:
    QRect bounds_;
    QRect single_;
    QRegion region_; // holds the rectangles when there is more than one
    const QRect* rects_ = nullptr;
    int count_ = 0;
};

// Apply op to rectangles in local coordinates, clipped. The rectangles must not overlap, so that
// exclusive-or modes touch each pixel once.
void FillRects(GrafPort* port, const QRect* rects, size_t count, const PaintOp& op);
inline void FillRect(GrafPort* port, const QRect& r, const PaintOp& op) {
    FillRects(port, &r, 1, op);
}
void FillRegion(GrafPort* port, const QRegion& local, const PaintOp& op);
// A coverage mask of width x height bytes (non-zero = covered) whose first byte is at local (left, top).
void FillMask(GrafPort* port, int left, int top, int width, int height, const UInt8* mask, int stride,
              const PaintOp& op);
