// What the text tools' Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "texttools/text_tools.h"

void CheckColorsInFindStyle() {}

#include "texttools/font_menus.h"

MenuRef GetFindStyleFontMenu() { return nullptr; }
