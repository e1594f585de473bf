// Menu bar visibility, custom-drawn colour items and font menus.
#include "foundation/menu_bar_and_menus.h"

#include "ebook/font_menus.h"
#include "foundation/color_menu_items.h"
#include "foundation/foundation_prefs.h"
#include "foundation/keyword_dictionary.h"
#include "foundation/program_colors.h"
#include "platform/events.h"
#include "platform/font_families.h"
#include "shell/menus.h"
#include "texttools/font_menus.h"

void MyHideMenuBar() {
    if (gMBarHidden) return;
    HideMenuBar();
    gMBarHidden = true;
}

void MyShowMenuBar() {
    if (!gMBarHidden) return;
    ShowMenuBar();
    gMBarHidden = false;
}

void CustomizeMyMenuItem(MenuRef menu, MenuItemIndex item) {
    if (ChangeMenuItemAttributes(menu, item, kMenuItemAttrCustomDraw, 0) == noErr)
        InstallMenuItemDrawHandler(menu, MenuEventHandler, nullptr);
}

OSStatus MenuEventHandler(MenuRef menu, MenuItemIndex item, const Rect* textBounds, void* userData) {
    if (OSStatus err = DrawStandardMenuItem(menu, item, textBounds)) return err;
    DrawColorMenuItem(menu, item, textBounds);
    return noErr;
}

void SetFontMenuFonts(MenuRef menu, bool onlyWhenNeeded) {
    if (!menu) return;
    const bool plain = GetFoundationPref(FoundationPref::PlainFontMenus) != 0;
    if (onlyWhenNeeded && plain) return;
    const bool optionHeld = GetCurrentKeyModifiers() & optionKey;
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
        const SInt16 family = plain && !optionHeld ? 0 : GetFontFamilyFromMenuSelection(menu, item);
        // A symbol font would show its own name as symbols: that item keeps the menu's font.
        SetMenuItemFontID(menu, item, family != 0 && IsSymbolFontFamily(family) ? 0 : family);
    }
}

void CheckFontMenus() {
    if (MenuRef fontMenu = GetProgramMenu(kFontMenuSlot)) SetFontMenuFonts(fontMenu, false);
    if (MenuRef findStyleFonts = GetFindStyleFontMenu()) SetFontMenuFonts(findStyleFonts, false);
    for (int i = 0; i < kFormatPaletteFontMenuCount; ++i)
        if (MenuRef paletteFonts = GetFormatPaletteFontMenu(i)) SetFontMenuFonts(paletteFonts, false);
}

RGBColor* ResolveColor(SInt16 index) {
    static RGBColor resolved;
    resolved = RGBColor{};
    GetStandardColor(index, &resolved, false);
    return &resolved;
}
