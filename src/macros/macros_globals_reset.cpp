// Putting the globals of the macro language back to their start values: those of macros_globals.def, and
// what needs more than an assignment.
#include "macros/macros_globals_reset.h"

#include "macros/key_equivalents.h"
#include "macros/macro_services.h"
#include "macros/macro_tables.h"
#include "macros/macro_windows.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetMacroGlobals() {
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "macros/macros_globals.def"
#undef GLOBAL
}
