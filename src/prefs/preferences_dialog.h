// The Preferences dialog.
#pragma once

#include "platform/dialogs.h"

#include <string>

void DoPreferences();

// The preferences dialog while it is open, else null.
extern DialogPtr gPrefsDialog;
// Files chosen from the preferences dialog (absolute paths): the automatic file, the background picture.
OSErr CompleteGettingAutoFile(const std::string& file);
OSErr CompleteGettingPrefPicture(const std::string& file);
