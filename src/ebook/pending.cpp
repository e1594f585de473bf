// What the electronic book's Parts not yet built provide to the rest of the program, in their least
// form. Each definition moves to its own file when its Part is built.
#include "ebook/format_palette.h"

void CheckColorsInFormatPal() {}

#include "ebook/font_menus.h"

MenuRef GetFormatPaletteFontMenu(int) { return nullptr; }
