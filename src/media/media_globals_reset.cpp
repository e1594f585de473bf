// Putting the globals of the media back to their start values: those of media_globals.def, and
// what needs more than an assignment.
#include "media/media_globals_reset.h"

#include "media/media_services.h"
#include "media/media_windows.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetMediaGlobals() {
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "media/media_globals.def"
#undef GLOBAL
}
