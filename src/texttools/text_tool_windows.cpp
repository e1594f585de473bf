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

Rect gHelpTextRect{}, gHelpExtraRect{}, gHelpButtonRect[kHelpButtons]{}, gHelpPopupRect{}, gHelpOpacityRect{},
    gHelpGoBackRect{};
MenuRef gHelpPopupMenuHandle = nullptr;
SInt16 gHelpOpacity = 100;
SInt16 gHelpButtonPushed = 0;
bool gHelpShowingSearchDict = false;
bool gHelpHyperShowing = false;
SInt32 gHelpMouseClickedVariable = 0;
SInt32 gHelpMouseTextPosAtClickVariable = -1;

ListHandle HypertextListHandle = nullptr;
SInt32 gHypertextCurrentLinkSelected = -1;

ListHandle TextMergeListHandle = nullptr;
Rect gTextMergeListRect{}, gTextMergeExtraRect{}, gTextMergeAddRect{}, gTextMergeRemoveRect{},
    gTextMergeCopyRect{}, gTextMergeSpecialRect{}, gTextMergeUpRect{}, gTextMergeDownRect{},
    gTextMergeEnableRect{}, gTextMergeImportRect{}, gTextMergeClearRect{}, gTextMergeOpacityRect{};
SInt16 gTextMergeWinOpacity = 100;
