// Definitions of the globals of the text engine, from their list in textengine_globals.def.
#include "foundation/global_lists.h"
#include "textengine/engine_internal.h"
#include "textengine/text_effect_globals.h"
#include "textengine/text_engine.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "textengine/textengine_globals.def"
#undef GLOBAL
