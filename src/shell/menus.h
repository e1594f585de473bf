// The program's menus, by slot, as the rest of the program reaches them.
#pragma once

#include "platform/menus.h"

#include <array>
#include <string>

// The program's menus by slot: 0 to 8 stand in the menu bar (6 is always empty, 3 only with styled
// text), 9 to 28 are the submenus. A slot is null when its menu could not be loaded.
constexpr int kMenuSlotCount = 29;
constexpr int kFileMenuSlot = 1;
constexpr int kEditMenuSlot = 2;
constexpr int kStyledTextMenuSlot = 3;
constexpr int kWindowsMenuSlot = 4;
constexpr int kScrollMenuSlot = 5;
constexpr int kBookmarksMenuSlot = 7;
constexpr int kScriptsMenuSlot = 8;
constexpr int kFontMenuSlot = 10;
constexpr int kSizeMenuSlot = 11;
constexpr int kStyleMenuSlot = 12;
constexpr int kColorMenuSlot = 13;
constexpr int kMacroMenuSlot = 15;
constexpr int kMacroFilesMenuSlot = 16;
constexpr int kCopySpecialMenuSlot = 17;
constexpr int kPasteSpecialMenuSlot = 18;
constexpr int kSelectionMenuSlot = 19;
constexpr int kWindowListMenuSlot = 23;
constexpr int kTextTransformsMenuSlot = 25;
extern std::array<MenuRef, kMenuSlotCount> myMenus;
// The MENU ID now in slot 8 (138, 137 with a queue, 136 with a document of several texts), 0 when none.
extern SInt16 gScriptsMenuExists;
// The menu in a slot of the program's menus, null when it is not made.
MenuRef GetProgramMenu(int slot);
// The program's menu with that ID, null for an ID the table does not hold.
MenuRef MenuResToMenuRef(SInt16 menuID);
// The 1-based item whose text equals the name (ignoring case), 0 when none.
SInt16 FindNameInMenu(MenuRef menu, ConstStr255Param name);
// Empties the macro files menu down to its one item that chooses a macro.
bool SetRunMenu();
// Items 5 and 6 of a style menu name the outline forms while the outline preference is on.
void FixFormatMenuItems(MenuRef menu);
// Disables the File and Scroll items that need a script.
void DisableWhenNoFile();
// The windows the window list menu names, entry k for item k + 1 (entry 0 the prompter).
extern std::array<WindowPtr, 16> gWindowList;
// Chosen in the menu bar: the command goes through the application's command handling.
void MenuChosen(MenuID menu, MenuItemIndex item);
// A menu of the bar is about to open: its state is brought up to date with the modifiers held now.
void MenuOpening(MenuRef menu);

// Builds the menu bar and the program's menus at start-up.
void SetUpMenus();
// Brings every menu item's enable state and mark into line with the program's state; runs before every
// command and before a menu opens.
void ConsistifyMenus();

// ---- The scripts menu (slot 8) and the menu states that follow the open file ----

// The 1-based item of the current script in the scripts menu (-1 or 0: none) and the current script's
// name (UTF-8, as gOutName).
extern SInt32 gSelectText;
extern std::string gCurrentScriptName;
// Rebuilds the scripts menu from the queue, the resource script file or the document; false (after a
// beep) when there is nothing to list.
bool SetScriptMenu(bool redraw);
// The scripts menu's item count, the item whose text is the name (ignoring case; 0 when none), an item's
// text, and the check mark on one item.
SInt16 CountScriptMenuItems();
SInt16 FindScriptMenuItem(const std::string& name);
std::string GetScriptMenuItemText(SInt16 item);
void CheckScriptMenuItem(SInt16 item);
// Enable the items that need an open file, and those that need a selection.
void EnableWhenFile(bool showQueue);
void EnableWhenSelect();
