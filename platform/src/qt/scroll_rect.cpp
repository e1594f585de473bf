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

} // namespace

void ScrollRect(const Rect* r, SInt16 dh, SInt16 dv, RgnHandle updateRgn) {
    GrafPort* port = CurrentPort();
    if (updateRgn) updateRgn->area = QRegion();
    if (!r) return;
    // Only the part of r that drawing may change scrolls.
    const DrawableArea area(port, nullptr);
    const QRect bounds = ToQRect(*r) & area.Bounds();
    if (bounds.isEmpty()) return;
    const PaintOp erase = ErasePaintOp(port);

    if (area.IsRectangle()) {
        const QRect moved = bounds & bounds.translated(dh, dv);
        if (!moved.isEmpty()) MoveRows(port, PortPixels(port), moved, dh, dv);
        const QRegion uncovered = QRegion(bounds) - QRegion(moved);
        FillRegion(port, uncovered, erase);
        if (updateRgn) updateRgn->area = uncovered;
        return;
    }

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
