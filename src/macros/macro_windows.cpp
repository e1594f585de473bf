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
