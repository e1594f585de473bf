// Drawing menu items into a port (the text in the menu font, or the menu's own drawing for custom-drawn
// items), and the fonts that font-menu items name.
#include "platform/menus.h"

#include "platform/drawing.h"
#include "platform/text_drawing.h"

namespace {

constexpr SInt16 kMenuTextSize = 13;

} // namespace

OSStatus DrawStandardMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds) {
    if (!menu || !textBounds || item < 1 || item > CountMenuItems(menu)) return paramErr;
    Str255 text;
    GetMenuItemText(menu, item, text);
    GrafPtr port;
    GetPort(&port);
    const SInt16 font = GetPortTextFont(port), face = GetPortTextFace(port), size = GetPortTextSize(port);
    TextFont(GetMenuItemFontID(menu, item));
    TextFace(GetItemStyle(menu, item));
    TextSize(kMenuTextSize);
    FontInfo info;
    GetFontInfo(&info);
    const SInt16 baseline =
        SInt16(textBounds->top + (RectHeight(*textBounds) + info.ascent - info.descent) / 2);
    MoveTo(textBounds->left, baseline);
    DrawString(text);
    TextFont(font);
    TextFace(face);
    TextSize(size);
    return noErr;
}

OSStatus DrawMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds) {
    void* userData = nullptr;
    MenuItemDrawProc proc = GetMenuItemDrawHandler(menu, &userData);
    if ((GetMenuItemAttributes(menu, item) & kMenuItemAttrCustomDraw) && proc)
        return proc(menu, item, textBounds, userData);
    return DrawStandardMenuItem(menu, item, textBounds);
}

SInt16 GetFontFamilyFromMenuSelection(MenuRef menu, MenuItemIndex item) {
    Str255 name;
    GetMenuItemText(menu, item, name);
    SInt16 family = 0;
    GetFNum(name, &family);
    return family;
}
