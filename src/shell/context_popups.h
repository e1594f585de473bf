// The pop-ups of a control-click or secondary click in a text or a tab bar, and the window shortcuts.
#pragma once

#include "platform/events.h"
#include "platform/menus.h"
#include "platform/windows.h"

// The pop-up being shown, and the action of each item of the text pop-up by item number: the first items
// are the text's own (1 cut, 2 copy, 3 paste, 4 extend the selection, 6 find it, 7 pick up the colour),
// the window's own items follow with codes of their own.
constexpr SInt16 kTextPopupCodes = 32;
extern MenuRef gTextPopupMenuHdl;
extern SInt16 gInTextPopup[kTextPopupCodes];
// The prompter's pop-up shows the background picture's items.
extern bool gMainPopupShowingPicItems;

// The prompter's items after the text's own: while scrolling only "stop"; in edit mode the picture's
// items over the picture, then the transfer, dictionary, find-style and press-and-hold items.
void ScrollWindowAppendMenuItems(MenuRef menu, Point point);
// Loads the text pop-up for a click at a point of the window, with that window's items; null without it.
MenuRef BuildTextPopup(Point point, WindowPtr window);
// Carries out an action code of the text pop-up for the window clicked.
void DoTextPopupAction(SInt16 code, WindowPtr window, UInt16 modifiers, UInt32 when);
// The tab bar's pop-up at a point of the prompter's or the edit window's bar, and one of its items.
void DoTabPopup(Point where, WindowPtr window);
void DoTabPopupItem(MenuItemIndex item, Point point, WindowPtr window);
