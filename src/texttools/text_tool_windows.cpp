// Definitions of the window globals of this subsystem.
#include "texttools/text_tool_windows.h"

WindowPtr myFindReplaceWindow = nullptr;
GDHandle myFindReplaceDevice = nullptr;
WindowPtr mySyllableSyncWindow = nullptr;
GDHandle mySyllableSyncDevice = nullptr;
WindowPtr myHelpWindow = nullptr;
GDHandle myHelpDevice = nullptr;
WindowPtr myFindStyleWindow = nullptr;
GDHandle myFindStyleDevice = nullptr;
WindowPtr myTextMergeWindow = nullptr;
GDHandle myTextMergeDevice = nullptr;
WindowPtr myColorChartWindow = nullptr;
GDHandle myColorChartDevice = nullptr;
WindowPtr myHypertextWindow = nullptr;
GDHandle myHypertextDevice = nullptr;
WindowPtr mySearchDictWindow = nullptr;
GDHandle mySearchDictDevice = nullptr;
WindowPtr hypertextDrawerWindow = nullptr;
GDHandle myHypertextDrawerDevice = nullptr;
MyDialogRec* gFindReplaceDialog = nullptr;
MyDialogRec* myHelpWidgets = nullptr;
MyDialogRec* gFindStyleDialog = nullptr;
MyDialogRec* gHypertextDialog = nullptr;
MyDialogRec* gSearchDictDialog = nullptr;
