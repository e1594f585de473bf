// Start-up and quit: the state they keep for the rest of the program.
#pragma once

#include "prefs/prefs_record.h"

// The preferences as loaded at start-up, taken once; "back to the loaded settings" copies them back.
extern PrefsRecord gSavePreferences;
