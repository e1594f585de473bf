// Definitions of the window globals of this subsystem.
#include "macros/macro_windows.h"

WindowPtr myMacroEditorWindow = nullptr;
GDHandle myMacroEditorDevice = nullptr;
WindowPtr myFunctionsWindow = nullptr;
GDHandle myFunctionsDevice = nullptr;
WindowPtr myMacroMonitorWindow = nullptr;
GDHandle myMacroMonitorDevice = nullptr;
WindowPtr myKeyEquivWindow = nullptr;
GDHandle myKeyEquivDevice = nullptr;
WindowPtr myCommandWindow = nullptr;
GDHandle myCommandDevice = nullptr;
MyDialogRec* gCommandDialog = nullptr;

ListHandle FunctionsListHandle = nullptr;
Rect gFunctionsListRect{}, gFunctionsTopRect{}, gFunctionsExtraRect{}, gFunctionsSearchBoxRect{},
    gFunctionsCopyRect{}, gFunctionsInfoRect{}, gFunctionsMoreRect{}, gFunctionsHelpRect{},
    gFunctionsOpacityRect{};
SInt16 gFunctionsOpacity = 100;
SInt16 gFunctionsShowInfo = 0;
SInt16 gFunctionsShowHelpInstead = 0;
SInt16 gFunctionsListSelect = 0;
UInt8 gSortFunctions = 0;
SInt16 gLastFunctionSelected = -1;
SInt16 gLastFormSelected = -1;
WEReference FunctionsSearchWEHandle = nullptr;

ListHandle MacroMonitorListHandle = nullptr;
Rect gMacroMonitorListRect{}, gMacroMonitorMacroInfoRect{}, gMacroMonitorExtraRect{}, gMacroMonitorKillRect{},
    gMacroMonitorPauseRect{}, gMacroMonitorStepRect{}, gMacroMonitorAutoPauseRect{},
    gMacroMonitorOpacityRect{}, gMacroMonitorInspectRect{};
SInt16 gMacroMonitorOpacity = 100;
SInt16 gPauseUnpause = 0;
UInt16 gMacroMonitorAutoPauseOn = 1;
SInt16 gInspectOn = 0;
Str255 gMacroExecutingInfoString[kMacroSlots] = {};

Rect gMacroEditTextRect{}, gMacroExtraRect{}, gMacroCompileRect{}, gMacroTestRect{}, gMacroOpenRect{},
    gMacroSaveTextRect{}, gMacroFunctionsRect{}, gMacroToCommandRect{}, gMacroOpacityRect{};
SInt16 gMacroEditOpacity = 100;
SInt32 gMEMouseClickedVariable = 0;
SInt32 gMEMouseTextPosAtClickVariable = -1;
