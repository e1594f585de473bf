// Putting the globals of the text engine back to their start values: those of textengine_globals.def, and
// what needs more than an assignment.
#include "textengine/textengine_globals_reset.h"

#include "textengine/engine_internal.h"
#include "textengine/text_effect_globals.h"
#include "textengine/text_engine.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetTextEngineGlobals() {
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "textengine/textengine_globals.def"
#undef GLOBAL
}
