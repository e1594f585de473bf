// Commands the dispatcher hands to other parts of the shell: the new document, the save variants,
// printing, recent files, the window shortcuts and the edit and format menus.
#pragma once

#include "platform/menus.h"
#include "platform/windows.h"

#include <vector>

// Empties the script and names it afresh; 0.
SInt32 DoNewDocument();
// Saves without a dialog when the script has a file; DoSave's status.
OSErr DoSaveInstant();
// The next save swaps the merge words in and out; cleared by the save that uses it.
extern bool gSaveAsWordSwapFlag;
void DoPageSetup();
// Prints the script, or the window a macro names (its window reference; 0: the script).
void DoPrint(SInt32 window);
// The window shortcut of a letter ('e' edit, 'l' bookmark list, 'f' functions, 'm' scroll monitor).
SInt32 DoCmdShiftFunction(char letter);
// The Edit menu and its text submenus (copy and paste special, selection, bookmark tools, transforms).
SInt32 DoEditCommand(SInt16 menu, SInt16 item);
// The format menus (font, size, style, colour, justification) and the preference-set menus.
SInt32 DoFormatCommand(SInt16 menu, SInt16 item);
// Values a macro hands to the format menus with item 0: a size (32001 one point smaller, 32002 larger), face
// bits (32000 toggles; negative clears the bits that are 0 in it) and a colour; the last colour chosen.
extern SInt16 gGlobalSize;
extern SInt16 gGlobalStyle;
extern UInt16 gGlobalRed;
extern UInt16 gGlobalGreen;
extern UInt16 gGlobalBlue;
extern RGBColor gGlobalColors;
extern bool gGlobalColorValid;

// The settings sets: the IDs behind the items of the user's sets menu and of the built-in sets menu (item 1
// of the latter, the settings loaded at start-up, has the ID -1); listing the sets in their menus; loading
// the set of an item (0, and nothing loaded, while there are no sets); and the Edit menu's items that save
// the settings as a set (17), delete sets (18) and save the settings now (20).
extern std::vector<ResID> gPrefSetResIds;
extern std::vector<ResID> gBuiltInSetResIds;
void SetSetsMenu(MenuRef menu, bool rebuild);
void SetBuiltInMenu(MenuRef menu);
SInt32 DoSetsMenuCommand(SInt16 menu, SInt16 item);
SInt32 DoSetEditCommand(SInt16 item);
// The recent-files menu: the number of entries, loading entry n (from 0), and the search for entries
// whose files have moved.
SInt16 CountRecentFiles();
void LoadRecentFile(SInt16 index);
void TryToFindMissingFiles();
// Set while a macro restores a saved state: opening then asks no save question.
extern bool gDontCheckSaveStatus;
// The range of the script that speaking while scrolling has reached.
extern SInt32 gSelectedSpeakStart;
extern SInt32 gSelectedSpeakEnd;
