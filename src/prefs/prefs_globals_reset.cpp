// Putting the globals of the preferences back to their start values; a global added to the subsystem gets its
// line here.
#include "prefs/prefs_globals_reset.h"

#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetPreferencesGlobals() {
    ResetPositionPreferences();
    gPositionPrefsChanged = false;
    gThePreferences = gDefaultPreferences;
    ssaveScrollWinOpacity = 0;
    ssaveFadeBackAmount = 0;
    ssaveFadeTextAmount = 0;
    ssaveMomentumAmount = 0;
    gPrefsDialog = nullptr;
    sWhichSet = 0;
    gScrollEditRadio = 0;
    gFadedSelectRadio = 0;
    gPrefsWorking = gDefaultPreferences;
    gSampleString[0] = 0;
    ResetPrefsChoices();
    std::fill(std::begin(gPrefsName), std::end(gPrefsName), UInt8{});
    gPrefResourceID = kPrefsResourceID;
    gPrefsFileNameID = kPrefsFileNameItem;
    gMakeIfDontExist = true;
    gPrefsChanged = false;
    gThePrefsType = kMainPrefsType;
    gThePrefsSize = kPrefsRecordSize;
}
