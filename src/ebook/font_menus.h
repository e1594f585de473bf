// The font menus of the format palette.
#pragma once

#include "platform/menus.h"

constexpr int kFormatPaletteFontMenuCount = 3;
// Null while the palette has no such menu.
MenuRef GetFormatPaletteFontMenu(int which);
