// Which screens a rectangle lies on, and the area all screens cover together.
#include "scroll/screens.h"

#include "platform/geometry.h"

bool GetTotalDeviceRectForRect(const Rect* global, Rect* total, SInt16* count, Rect* rects) {
    Rect all{};
    SInt16 found = 0;
    bool mainAmong = false;
    for (GDHandle device = GetDeviceList(); device && global; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        Rect common{};
        if (!SectRect(&bounds, global, &common)) continue;
        if (found == 0)
            all = bounds;
        else
            UnionRect(&all, &bounds, &all);
        if (rects && found < kMaxScreenRects) rects[found] = bounds;
        ++found;
        mainAmong = mainAmong || device == GetMainDevice();
    }
    if (found == 0) {
        all = GetDeviceBounds(GetMainDevice());
        mainAmong = true;
        if (rects) rects[0] = all;
        found = 1;
    }
    if (total) *total = all;
    if (count) *count = SInt16(found < kMaxScreenRects ? found : kMaxScreenRects);
    return mainAmong;
}

bool IsRectWithinADeviceRect(const Rect* global, Rect* overlap) {
    if (!global) return false;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        Rect common{};
        if (!SectRect(&bounds, global, &common)) continue;
        if (overlap) *overlap = common;
        return true;
    }
    return false;
}

GDHandle GetRectDevice(const Rect* global) {
    if (!global) return GetMainDevice();
    const Point centre{SInt16((global->top + global->bottom) / 2),
                       SInt16((global->left + global->right) / 2)};
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        if (PtInRect(centre, &bounds)) return device;
    }
    return GetMainDevice();
}

void GetAllScreensBounds(Rect* out) {
    if (!out) return;
    *out = Rect{};
    bool first = true;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetAvailableBounds(device);
        if (first)
            *out = bounds;
        else
            UnionRect(out, &bounds, out);
        first = false;
    }
}
