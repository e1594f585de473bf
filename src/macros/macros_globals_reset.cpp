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
    for (Rect* r : {&gFunctionsListRect,
                    &gFunctionsTopRect,
                    &gFunctionsExtraRect,
                    &gFunctionsSearchBoxRect,
                    &gFunctionsCopyRect,
                    &gFunctionsInfoRect,
                    &gFunctionsMoreRect,
                    &gFunctionsHelpRect,
                    &gFunctionsOpacityRect,
                    &gMacroMonitorListRect,
                    &gMacroMonitorMacroInfoRect,
                    &gMacroMonitorExtraRect,
                    &gMacroMonitorKillRect,
                    &gMacroMonitorPauseRect,
                    &gMacroMonitorStepRect,
                    &gMacroMonitorAutoPauseRect,
                    &gMacroMonitorOpacityRect,
                    &gMacroMonitorInspectRect,
                    &gMacroEditTextRect,
                    &gMacroExtraRect,
                    &gMacroCompileRect,
                    &gMacroTestRect,
                    &gMacroOpenRect,
                    &gMacroSaveTextRect,
                    &gMacroFunctionsRect,
                    &gMacroToCommandRect,
                    &gMacroOpacityRect})
        *r = Rect{};
    for (auto& line : gMacroExecutingInfoString)
        line[0] = 0;

        // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "macros/macros_globals.def"
#undef GLOBAL
}
