// Bringing an older main preference record up to the present layout.
#pragma once

#include "prefs/prefs_record.h"

// Upgrades a version-1 record (in this machine's byte order) to version 2: the settings that version 1
// did not have come from the defaults, the rest of the record stays as it was.
void ConvertMainPrefs1to2(PrefsRecord* record);
