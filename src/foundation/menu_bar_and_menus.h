// The menu bar's visibility, colour menus drawn in their colours, and font menus drawn in their fonts.
#pragma once

#include "platform/menus.h"

// The menu bar is hidden (while the prompter fills the screen).
extern bool gMBarHidden;

void MyHideMenuBar();
void MyShowMenuBar();
// Marks the item custom-drawn and has MenuEventHandler draw it.
void CustomizeMyMenuItem(MenuRef menu, MenuItemIndex item);
// Draws the item's standard text, then its text again in the program colour numbered by the item.
OSStatus MenuEventHandler(MenuRef menu, MenuItemIndex item, const Rect* textBounds, void* userData);
// Gives each item of a font menu its own font, or the system font when the preference asks for plain
// font menus (unless the option key is held). With onlyWhenNeeded and plain menus, nothing is done.
void SetFontMenuFonts(MenuRef menu, bool onlyWhenNeeded);
// SetFontMenuFonts on every font menu that exists.
void CheckFontMenus();
// The colour of entry index of the standard colour table (the prompter screen has no table of its own).
RGBColor* ResolveColor(SInt16 index);
