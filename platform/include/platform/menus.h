// Menus as the program keeps them: an ID, a title and items with text, enable state, mark, key
// equivalent, style and submenu. Menus are loaded from 'MENU' resources or made empty; showing them in
// the menu bar or as pop-ups is the job of the menu bar and pop-up calls.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "platform/windows.h"

#include <string>

struct OpaqueMenu;
using MenuRef = OpaqueMenu*;
using MenuHandle = OpaqueMenu*;
using MenuID = SInt16;
using MenuItemIndex = UInt16;

constexpr UInt8 kCheckCharCode = 0x12; // the check mark
constexpr UInt8 kNoMark = 0;
constexpr UInt8 kSubmenuKey = 0x1B; // key-equivalent byte of an item with a submenu

// Null when the resource is missing or damaged (ResError or memFullErr tell which).
MenuRef GetMenu(SInt16 resourceID);
OSStatus CreateNewMenu(MenuID id, UInt32 attributes, MenuRef* outMenu);
void DisposeMenu(MenuRef menu);

MenuID GetMenuID(MenuRef menu);
void GetMenuTitle(MenuRef menu, StringPtr title);
void SetMenuTitle(MenuRef menu, ConstStr255Param title);
UInt16 CountMenuItems(MenuRef menu);
// Item 0 means the whole menu where it makes sense (enable state).
void GetMenuItemText(MenuRef menu, MenuItemIndex item, StringPtr text);
void SetMenuItemText(MenuRef menu, MenuItemIndex item, ConstStr255Param text);
// Inserts after item `after` (0 = at the top); AppendMenuItemText adds at the end.
void InsertMenuItemText(MenuRef menu, ConstStr255Param text, MenuItemIndex after);
void AppendMenuItemText(MenuRef menu, ConstStr255Param text);
void DeleteMenuItem(MenuRef menu, MenuItemIndex item);
void DeleteMenuItems(MenuRef menu, MenuItemIndex first, UInt16 count);
void EnableMenuItem(MenuRef menu, MenuItemIndex item);
void DisableMenuItem(MenuRef menu, MenuItemIndex item);
bool IsMenuItemEnabled(MenuRef menu, MenuItemIndex item);
void CheckMenuItem(MenuRef menu, MenuItemIndex item, bool checked);
void SetItemMark(MenuRef menu, MenuItemIndex item, UInt8 mark);
UInt8 GetItemMark(MenuRef menu, MenuItemIndex item);
void SetItemCmd(MenuRef menu, MenuItemIndex item, UInt8 key);
UInt8 GetItemCmd(MenuRef menu, MenuItemIndex item);
void SetItemStyle(MenuRef menu, MenuItemIndex item, SInt16 style);
SInt16 GetItemStyle(MenuRef menu, MenuItemIndex item);
// The font family an item's text is shown in (0: the menu font).
void SetMenuItemFontID(MenuRef menu, MenuItemIndex item, SInt16 family);
SInt16 GetMenuItemFontID(MenuRef menu, MenuItemIndex item);
// The font family an item of a font menu names (its text is the family's name).
SInt16 GetFontFamilyFromMenuSelection(MenuRef menu, MenuItemIndex item);

// Item attributes; a custom-drawn item is drawn by the menu's draw-item handler after the standard text.
enum : UInt32 { kMenuItemAttrCustomDraw = 2048 };
OSStatus ChangeMenuItemAttributes(MenuRef menu, MenuItemIndex item, UInt32 setAttributes,
                                  UInt32 clearAttributes);
UInt32 GetMenuItemAttributes(MenuRef menu, MenuItemIndex item);
// Called to draw a custom-drawn item into the current port, with the bounds of its text.
using MenuItemDrawProc = OSStatus (*)(MenuRef menu, MenuItemIndex item, const Rect* textBounds,
                                      void* userData);
OSStatus InstallMenuItemDrawHandler(MenuRef menu, MenuItemDrawProc proc, void* userData);
MenuItemDrawProc GetMenuItemDrawHandler(MenuRef menu, void** userData);
// Draws an item's text as the menu shows it, in the menu font (or the item's own font) and the current
// port's fore colour, on a baseline centred in textBounds.
OSStatus DrawStandardMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds);
// Draws an item as the menu shows it: the standard text, or for a custom-drawn item the menu's own
// drawing (which may start with the standard text).
OSStatus DrawMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds);

// Which modifiers besides command an item's key equivalent needs (kMenuNoCommandModifier: none at all).
enum : UInt8 {
    kMenuNoModifiers = 0,
    kMenuShiftModifier = 1,
    kMenuOptionModifier = 2,
    kMenuControlModifier = 4,
    kMenuNoCommandModifier = 8,
};
void SetMenuItemModifiers(MenuRef menu, MenuItemIndex item, UInt8 modifiers);
UInt8 GetMenuItemModifiers(MenuRef menu, MenuItemIndex item);
// A key with no character of its own as an item's key equivalent (shown, not matched by MenuKey).
enum : UInt8 { kMenuNullGlyph = 0, kMenuEscapeGlyph = 0x1B, kMenuF1Glyph = 0x6F };
void SetMenuItemKeyGlyph(MenuRef menu, MenuItemIndex item, UInt8 glyph);
UInt8 GetMenuItemKeyGlyph(MenuRef menu, MenuItemIndex item);

// ---- The menu bar: its menus and the submenus they show, by ID ----
// beforeID 0 appends the menu to the bar; kInsertHierarchicalMenu makes it a submenu that items reach by
// its ID. A menu whose ID is already in the list is not inserted again.
constexpr MenuID kInsertHierarchicalMenu = -1;
void InsertMenu(MenuRef menu, MenuID beforeID);
// Takes the menu out of the bar or the submenu list (the menu itself is not disposed).
void DeleteMenu(MenuID id);
void ClearMenuBar();
// The inserted menu with the ID, null when none.
MenuRef GetMenuHandle(MenuID id);
// The bar's menus, left to right.
UInt16 CountMenuBarMenus();
MenuRef GetMenuBarMenu(UInt16 index);
// The enabled item of the bar's menus (or their submenus) whose key equivalent is the character with the
// modifiers (classic bits, command held): (menu ID << 16) | item, 0 when none.
SInt32 MenuKey(UInt8 character, UInt16 modifiers);
// Brings the shown menu bar in line with the menus (titles, whole-menu enable state).
void DrawMenuBar();
// The window whose top shows the menu bar (null: none shows it).
void SetMenuBarWindow(WindowPtr window);
WindowPtr GetMenuBarWindow();
// Called just before a menu of the bar (or a submenu) opens, so the program can bring it up to date, and
// with the chosen item once the menus have closed (so a command may rebuild or dispose of any menu).
using MenuOpeningProc = void (*)(MenuRef menu);
using MenuChoiceProc = void (*)(MenuID menu, MenuItemIndex item);
void InstallMenuHandlers(MenuOpeningProc opening, MenuChoiceProc choice);

// The menu bar can be hidden (full-screen prompting) and shown again.
void HideMenuBar();
void ShowMenuBar();
bool IsMenuBarVisible();

// The submenu ID of an item, 0 when it has none.
MenuID GetItemSubmenu(MenuRef menu, MenuItemIndex item);
void SetItemSubmenu(MenuRef menu, MenuItemIndex item, MenuID submenu);

// Shows the menu as a pop-up with its top-left at a global point and item popUpItem under the mouse, and
// waits for the choice: (menu ID << 16) | item, or 0 when nothing was chosen. Timers keep firing.
SInt32 PopUpMenuSelect(MenuRef menu, SInt16 top, SInt16 left, MenuItemIndex popUpItem);

// ---- Testing support ----
// Opens the bar's menu with the ID as the user would (its opening hook runs) and chooses the item (0:
// closes it without a choice). False when the menu is not in the bar or the item is disabled.
bool ChooseMenuBarItem(MenuID menu, MenuItemIndex item);
// Opens the menus down to the one with the ID through the toolkit, as the mouse does (a press on the bar
// menu's title, then each submenu from its item), and leaves them open. False when no bar menu reaches it.
bool OpenMenuBarMenu(MenuID menu);
// True while one of the bar's menus (or any other menu) is open.
bool IsMenuBarMenuOpen();
// Opens the menus as OpenMenuBarMenu does and releases the mouse on the item, as a click on it does; the
// choice is handled once the menus have closed, before this returns. False when the item is not there,
// opens a submenu or is disabled (the menus are then closed without a choice).
bool ClickMenuBarItem(MenuID menu, MenuItemIndex item);
// The next pop-up is answered with this item (0: dismissed) instead of being shown.
void AnswerNextPopUpMenu(MenuItemIndex item);
