// Definitions of the globals of the visual effects, from their list in effects_globals.def.
#include "effects/effect_keywords.h"
#include "effects/effects.h"
#include "effects/shape_dialog.h"
#include "effects/shapes.h"
#include "foundation/global_lists.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "effects/effects_globals.def"
#undef GLOBAL
