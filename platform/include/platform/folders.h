// Where the program keeps the user's settings: its folder inside the desktop's configuration folder.
#pragma once

#include "platform/types.h"

#include <string>

// $XDG_CONFIG_HOME/Orvalis, or ~/.config/Orvalis when that variable is unset or not an absolute path;
// empty when no home folder is known either. Only names the folder: nothing is created.
std::string PreferencesFolder();
// Creates the preferences folder (and the folders above it) when it is missing, so that settings can be
// written: noErr when it exists afterwards, dirNFErr when no folder is known, else the error met.
OSErr MakePreferencesFolder();
