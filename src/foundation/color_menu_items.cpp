// Drawing colour menu items in their own colours.
#include "foundation/color_menu_items.h"

#include "foundation/program_colors.h"
#include "platform/drawing.h"
#include "platform/text_drawing.h"

namespace {

constexpr SInt16 kMenuItemTextSize = 13;

} // namespace

void DrawColorMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds) {
    if (!menu || !textBounds) return;
    Str255 text;
    GetMenuItemText(menu, item, text);
    if (text[0] == 0) return;
    GrafPtr port;
    GetPort(&port);
    RGBColor fore;
    GetForeColor(&fore);
    const SInt16 font = GetPortTextFont(port), face = GetPortTextFace(port), size = GetPortTextSize(port);
    TextFont(systemFont);
    TextFace(normal);
    TextSize(kMenuItemTextSize);
    FontInfo info;
    GetFontInfo(&info);
    SetOVColor(SInt16(item), nullptr);
    const SInt16 height = RectHeight(*textBounds);
    const SInt16 baseline = SInt16(textBounds->top + (height + info.ascent - info.descent) / 2);
    MoveTo(SInt16(textBounds->left + 1), baseline);
    DrawString(text);
    TextFont(font);
    TextFace(face);
    TextSize(size);
    RGBForeColor(&fore);
}
