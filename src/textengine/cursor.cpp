// The cursor over a text: an I-beam over the view, an arrow over a selection that can be dragged, and the
// region within which that choice holds for the mouse.
#include "textengine/engine_internal.h"

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/windows.h"

Boolean WEAdjustCursor(Point mouse, RgnHandle mouseRgn, WEReference we) {
    const WERec& r = RecordOf(we);
    if (!r.port || !r.viewRgn) return false;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(r.port);
    // The area in global coordinates: the view region moved by the port's offset on the screen.
    Point origin{0, 0};
    LocalToGlobal(&origin);
    RgnHandle area = NewRgn();
    CopyRgn(r.viewRgn, area);
    OffsetRgn(area, origin.h, origin.v);
    const bool inside = PtInRgn(mouse, area);
    if (!inside) {
        if (mouseRgn) DiffRgn(mouseRgn, area, mouseRgn);
    } else {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        RgnHandle hilite = start < end ? WEGetHiliteRgn(start, end, we) : nullptr;
        if (hilite) OffsetRgn(hilite, origin.h, origin.v);
        const bool draggable = (r.stateBits & kWEStateDrag) && HasFeature(r, weFDragAndDrop) && hilite &&
                               PtInRgn(mouse, hilite) && TickCount() - r.clickTime >= GetDblTime();
        if (draggable) {
            SetThemeCursor(kThemeArrowCursor);
            CopyRgn(hilite, area);
        } else {
            SetThemeCursor(kThemeIBeamCursor);
            if (hilite) DiffRgn(area, hilite, area);
        }
        if (hilite) DisposeRgn(hilite);
        if (mouseRgn) SectRgn(mouseRgn, area, mouseRgn);
    }
    DisposeRgn(area);
    SetPort(saved);
    return inside;
}
