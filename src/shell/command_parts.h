// Commands the dispatcher hands to other parts of the shell: the new document, the save variants,
// printing, recent files, the window shortcuts and the edit and format menus.
#pragma once

#include "platform/windows.h"

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
