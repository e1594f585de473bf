// Putting the globals of the visual effects back to their start values: those of effects_globals.def, and
// what needs more than an assignment.
#include "effects/effects_globals_reset.h"

#include "effects/effect_keywords.h"
#include "effects/effects.h"
#include "effects/shape_dialog.h"
#include "effects/shapes.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetEffectsGlobals() {
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "effects/effects_globals.def"
#undef GLOBAL
}
