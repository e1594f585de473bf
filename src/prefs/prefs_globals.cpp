// Definitions of the globals of the preferences, from their list in prefs_globals.def.
#include "foundation/global_lists.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "prefs/prefs_globals.def"
#undef GLOBAL
