// Definitions of the globals of the macro language, from their list in macros_globals.def.
#include "foundation/global_lists.h"
#include "macros/key_equivalents.h"
#include "macros/macro_services.h"
#include "macros/macro_tables.h"
#include "macros/macro_windows.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "macros/macros_globals.def"
#undef GLOBAL
