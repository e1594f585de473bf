// Definitions of the globals of the text tools, from their list in texttools_globals.def.
#include "foundation/global_lists.h"
#include "texttools/search_texts.h"
#include "texttools/spell_dictionaries.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "texttools/texttools_globals.def"
#undef GLOBAL
