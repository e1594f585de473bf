// Putting the globals of the macros back to their start values; a global added to the subsystem gets its
// line here.
#include "macros/macros_globals_reset.h"

#include "macros/key_equivalents.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetMacroGlobals() {
    gKeyEquivScrollDir = 1;
    gMacroRunning = 0;
    gAutoDialogAnswer = 0;
    gForceCommandFromMacro = 0;
    gNextTimedMacroTime = 0;
    std::fill(std::begin(gTimedMacroName), std::end(gTimedMacroName), UInt8{});
    gClassPrefsChanged = false;
    gCommandWindowAutoDismiss = 0;
    gCommandWindowShowFunctions = 0;
    gTypeCommandsSorted = 0;
    gKeyEquivListColor = RGBColor{};
    gKeyEquivTitleColor = RGBColor{};
    gKeyEquivBackColor = RGBColor{};
    gRunMacroOnOpen = true;
    gInSave = false;
    gCmdOpSlashText.clear();
    gMouseClickedVariable = 0;
    gMouseXAtClickVariable = 0;
    gMouseYAtClickVariable = 0;
    gMouseTextPosAtClickVariable = -1;
    FunctionsListHandle = nullptr;
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
    gFunctionsOpacity = 100;
    gFunctionsShowInfo = 0;
    gFunctionsShowHelpInstead = 0;
    gFunctionsListSelect = 0;
    gSortFunctions = 0;
    gLastFunctionSelected = -1;
    gLastFormSelected = -1;
    FunctionsSearchWEHandle = nullptr;
    MacroMonitorListHandle = nullptr;
    gMacroMonitorOpacity = 100;
    gPauseUnpause = 0;
    gMacroMonitorAutoPauseOn = 1;
    gInspectOn = 0;
    for (auto& line : gMacroExecutingInfoString)
        line[0] = 0;
    gMacroEditOpacity = 100;
    gMEMouseClickedVariable = 0;
    gMEMouseTextPosAtClickVariable = -1;

    gMacroEditCurrentPos = 0;
    gMacroEditPageScrollSize = 0;
    gFunctionsCurrentPos = 0;
    gFunctionsPageScrollSize = 0;
}
