// Menus as the program keeps them: an ID, a title and items with text, enable state, mark, key
// equivalent, style and submenu. Menus are loaded from 'MENU' resources or made empty; showing them in
// the menu bar or as pop-ups is the job of the menu bar and pop-up calls.
#pragma once

#include "platform/types.h"

#include <string>

struct OpaqueMenu;
using MenuRef = OpaqueMenu*;
using MenuHandle = OpaqueMenu*;
using MenuID = SInt16;
using MenuItemIndex = UInt16;

constexpr UInt8 kCheckCharCode = 0x12;  // the check mark
constexpr UInt8 kNoMark = 0;
constexpr UInt8 kSubmenuKey = 0x1B;     // key-equivalent byte of an item with a submenu

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
// The submenu ID of an item, 0 when it has none.
MenuID GetItemSubmenu(MenuRef menu, MenuItemIndex item);
void SetItemSubmenu(MenuRef menu, MenuItemIndex item, MenuID submenu);
