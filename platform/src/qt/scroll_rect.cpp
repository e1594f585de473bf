// ScrollRect: moving the pixels of a rectangle of the current port by whole pixels and erasing what they
// uncover. The prompter's text world scrolls this way every tick, so the common case is one memmove per
// row.
#include "qt/copy_source.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <cstring>

namespace {

// Moves the pixels of `moved` (local, the destination of the move) from moved - (dh, dv).
void MoveRows(GrafPort* port, const SourcePixels& source, const QRect& moved, int dh, int dv) {
    UInt32* bits = reinterpret_cast<UInt32*>(port->image.bits());
    const qsizetype stride = port->image.bytesPerLine() / 4;
    const int ox = port->origin.h, oy = port->origin.v;
    const bool bottomUp = dv > 0;
    for (int i = 0; i < moved.height(); ++i) {
        const int y = bottomUp ? moved.bottom() - i : moved.top() + i;
        UInt32* d = bits + (y - oy) * stride + (moved.left() - ox);
        const UInt32* s = source.Row(y - dv - oy) + (moved.left() - dh - ox);
        std::memmove(d, s, size_t(moved.width()) * 4);
    }
}

// The part of bounds that moved does not cover, when it is one rectangle: the whole of bounds when nothing
// moved, or the rows or columns at one end after a move along one axis.
bool UncoveredBand(const QRect& bounds, const QRect& moved, QRect* band) {
    if (moved.isEmpty()) {
        *band = bounds;
        return true;
    }
    if (moved.left() == bounds.left() && moved.right() == bounds.right()) {
        if (moved == bounds)
            *band = QRect();
        else if (moved.top() == bounds.top())
            *band =
                QRect(bounds.left(), moved.bottom() + 1, bounds.width(), bounds.bottom() - moved.bottom());
        else
            *band = QRect(bounds.left(), bounds.top(), bounds.width(), moved.top() - bounds.top());
        return true;
    }
    if (moved.top() == bounds.top() && moved.bottom() == bounds.bottom()) {
        if (moved.left() == bounds.left())
            *band = QRect(moved.right() + 1, bounds.top(), bounds.right() - moved.right(), bounds.height());
        else
            *band = QRect(bounds.left(), bounds.top(), moved.left() - bounds.left(), bounds.height());
        return true;
    }
    return false;
}

} // namespace

void ScrollRect(const Rect* r, SInt16 dh, SInt16 dv, RgnHandle updateRgn) {
    GrafPort* port = CurrentPort();
    if (!r) {
        if (updateRgn) updateRgn->area = QRegion();
        return;
    }
    // Only the part of r that drawing may change scrolls.
    const DrawableArea area(port, nullptr);
    const QRect bounds = ToQRect(*r) & area.Bounds();
    if (bounds.isEmpty()) {
        if (updateRgn) updateRgn->area = QRegion();
        return;
    }
    const PaintOp erase = ErasePaintOp(port);

    if (area.IsRectangle()) {
        const QRect moved = bounds & bounds.translated(dh, dv);
        if (!moved.isEmpty()) MoveRows(port, PortPixels(port), moved, dh, dv);
        QRect band;
        if (UncoveredBand(bounds, moved, &band)) {
            // A scroll along one axis uncovers one band, which needs no region work at all.
            if (!band.isEmpty()) FillRect(port, band, erase);
            if (updateRgn) SetRegionToRect(updateRgn->area, band);
            return;
        }
        const QRegion uncovered = QRegion(bounds) - QRegion(moved);
        FillRegion(port, uncovered, erase);
        if (updateRgn) updateRgn->area = uncovered;
        return;
    }
    if (updateRgn) updateRgn->area = QRegion();

    // A clip of several rectangles: the scrolled area is r within the clip; pixels move only from
    // inside it to inside it, read from a snapshot since the pieces may feed each other.
    const QRegion scrolled = area.ToRegion() & bounds;
    const QRegion moved = scrolled & scrolled.translated(dh, dv);
    if (!moved.isEmpty()) {
        const QRect read = moved.boundingRect().translated(-dh - port->origin.h, -dv - port->origin.v);
        const SourcePixels source = SnapshotPixels(port, read);
        for (const QRect& piece : moved)
            MoveRows(port, source, piece, dh, dv);
    }
    const QRegion uncovered = scrolled - moved;
    FillRegion(port, uncovered, erase);
    if (updateRgn) updateRgn->area = uncovered;
}
