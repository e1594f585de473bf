// The current port's clip region, in local coordinates.
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

void ClipRect(const Rect* r) {
    if (!r) return;
    GrafPort* port = CurrentPort();
    SetRegionToRect(port->clip, ToQRect(*r));
    port->clipIsWideOpen = false;
}

void GetClip(RgnHandle rgn) {
    if (rgn) rgn->area = CurrentPort()->clip;
}

void SetClip(RgnHandle rgn) {
    if (!rgn) return;
    GrafPort* port = CurrentPort();
    port->clip = rgn->area;
    port->clipIsWideOpen = RegionIsRect(rgn->area, WideOpenRect());
}
