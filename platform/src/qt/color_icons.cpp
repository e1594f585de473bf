// Colour icons share the picture code: an icon is PNG data whose transparent pixels leave the port as it
// was when it is plotted.
#include "platform/color_icons.h"

#include "platform/memory.h"
#include "platform/resources.h"

CIconHandle GetCIcon(SInt16 id) {
    Handle resource = GetResource(FourCC("cicn"), id);
    if (!resource) return nullptr;
    // A copy, so that closing the resource file or releasing the resource leaves the icon whole.
    Handle icon = resource;
    if (HandToHand(&icon) != noErr) return nullptr;
    Rect bounds;
    if (EmptyRect(GetCIconBounds(icon, &bounds))) {
        DisposeHandle(icon);
        return nullptr;
    }
    return icon;
}

Rect* GetCIconBounds(CIconHandle icon, Rect* bounds) {
    return QDGetPictureBounds(icon, bounds);
}

void PlotCIcon(const Rect* r, CIconHandle icon) {
    DrawPicture(icon, r);
}

void DisposeCIcon(CIconHandle icon) {
    if (icon) DisposeHandle(icon);
}
