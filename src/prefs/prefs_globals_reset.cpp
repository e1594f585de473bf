// Putting the globals of the preferences back to their start values: those of prefs_globals.def, and
// what needs more than an assignment.
#include "prefs/prefs_globals_reset.h"

#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetPreferencesGlobals() {
    ResetPositionPreferences();
    gThePreferences = gDefaultPreferences;
    // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "prefs/prefs_globals.def"
#undef GLOBAL
}
