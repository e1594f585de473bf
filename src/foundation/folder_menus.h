// Menus that list the files of a folder: files found by their content, or text files by name.
#pragma once

#include "platform/menus.h"
#include "platform/types.h"

#include <string>

// Appends an item named after each file of the folder that starts with the magic (in either byte
// order) to the menu when one is given, and each such file's index in the folder (a 16-bit entry) to
// the list: the given list, a new one when none is given, or no list when keepList is false. Stores the
// number of files found through count when it is given. Returns the list (null without one).
Handle AddFilesToMenu(MenuRef menu, UInt32 magic, Handle list, bool keepList, const std::string& folder,
                      SInt16* count);

// Appends an item for each text file of the folder whose name contains the filter (every text file when
// the filter is null or empty), in double quotes when quote is set. Returns the number of items added.
SInt16 AddFilesofTypeToMenu(MenuRef menu, const std::string& folder, bool quote, ConstStringPtr filter);
