// Putting the globals of the preferences back to their start values; a global added to the subsystem gets its
// line here.
#include "prefs/prefs_globals_reset.h"

#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetPreferencesGlobals() {
    ResetPositionPreferences();
    gPositionPrefsChanged = false;
    gThePreferences = gDefaultPreferences;
    std::fill(std::begin(gPrefsName), std::end(gPrefsName), UInt8{});
    gPrefResourceID = kPrefsResourceID;
    gPrefsFileNameID = kPrefsFileNameItem;
    gMakeIfDontExist = true;
    gPrefsChanged = false;
    gThePrefsType = kMainPrefsType;
    gThePrefsSize = kPrefsRecordSize;
}
