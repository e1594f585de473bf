// Painting a text's lines before they are drawn, in idle time, so that the drawing then copies pixels only.
#pragma once

#include "textengine/text_engine_types.h"

// Lays out and paints the lines between the port's rows top and bottom into the kept painted lines, so
// that drawing them later (a scroll tick uncovering them) only copies pixels and allocates nothing.
void WEPaintLinesAhead(SInt32 top, SInt32 bottom, WEReference we);
