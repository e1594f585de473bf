// Putting the globals of the macros back to their start values; a global added to the subsystem gets its
// line here.
#include "macros/macros_globals_reset.h"

#include "macros/key_equivalents.h"
#include "macros/macro_services.h"

#include <algorithm>
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
    gMEMouseClickedVariable = 0;
    gMEMouseTextPosAtClickVariable = -1;
    gHelpMouseClickedVariable = 0;
    gHelpMouseTextPosAtClickVariable = -1;
}
