// Putting the globals of the text tools back to their start values: those of texttools_globals.def, and
// what needs more than an assignment.
#include "texttools/texttools_globals_reset.h"

#include "texttools/search_texts.h"
#include "texttools/spell_dictionaries.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetTextToolsGlobals() {
    if (gTextMergeList) DisposeHandle(gTextMergeList);
        // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "texttools/texttools_globals.def"
#undef GLOBAL
}
