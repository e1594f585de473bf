// Colour icons: small pictures with an alpha channel, kept as 'cicn' resources of PNG data, that are
// plotted over whatever the port already shows.
#pragma once

#include "platform/drawing.h"

// The icon's own copy of its PNG data: it outlives the resource file it came from.
using CIconHandle = Handle;

// The 'cicn' resource with this ID, detached from its file; null when there is none or it is not a
// picture.
CIconHandle GetCIcon(SInt16 id);
// The icon's bounds, (0,0)-(height,width); empty for null or damaged data.
Rect* GetCIconBounds(CIconHandle icon, Rect* bounds);
// Draws the icon scaled into r, blended through its alpha onto the current port, within its clip.
void PlotCIcon(const Rect* r, CIconHandle icon);
void DisposeCIcon(CIconHandle icon);
