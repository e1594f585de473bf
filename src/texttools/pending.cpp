// What the text tools' Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "texttools/text_tools.h"

#include "foundation/pending_calls.h"

void CheckColorsInFindStyle() {}

// No swatch is ever picked up until the colour chart lets one be dragged.
void FinishMovingColorSwatch(Point) {}

#include "texttools/font_menus.h"

MenuRef GetFindStyleFontMenu() {
    return nullptr;
}

bool DisplayAllHypertextLinks(SInt16) {
    return false;
}

bool DoAllTextMerges(bool) {
    return false;
}

void ClearMergeTextRecord() {}

#include "texttools/help_window.h"

void CloseHelpWindow(SInt16) {}

void OpenTextMergeWindow() {}
void PutTextMergeInList() {
    NOTE_PENDING_CALL();
}

// Until the hypertext editor exists, no link waits for a file.
OSErr CompleteGettingHypertextFile(const std::string&) {
    return paramErr;
}
void UnsetHypertext(SInt32) {}

// No links are live until the hypertext list is loaded, so none fires on open.
SInt32 GetNextOnOpenHyper(Handle, SInt32, SInt32) {
    return -1;
}

SInt16 ExecuteThisHyper(SInt16, Handle) {
    return 0;
}

bool GetHypertextLinkAction(SInt32, SInt16* type, Handle* parameter) {
    if (type) *type = 0;
    if (parameter) *parameter = nullptr;
    return false;
}

// Nothing can be asked before the merge window exists: as a cancel, so no merge macro runs.
SInt16 PerformMergeFunction(Handle, SInt32) {
    return 0;
}

bool MouseInSyllableSyncWindow(const EventRecord&, DialogPtr, Point, SInt16) {
    return false;
}

SInt32 ScrollToWhichHyper(Handle, SInt32, SInt32, SInt32, SInt32, SInt16) {
    return -1;
}

SInt32 ReadPositionWhichHyper(Handle, SInt32, SInt32, SInt32, SInt16) {
    return -1;
}

#include "texttools/text_tool_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewFindReplaceWindowSize(SInt16, SInt16) {}
void NewSyllableSyncWindowSize(SInt16, SInt16) {}
void NewHelpWindowSize(SInt16, SInt16) {}
void NewFindStyleWindowSize(SInt16, SInt16) {}
void NewTextMergeWindowSize(SInt16, SInt16) {}
void NewColorChartWindowSize(SInt16, SInt16) {}
void NewHypertextWindowSize(SInt16, SInt16) {}
void NewSearchDictWindowSize(SInt16, SInt16) {}
void CloseFindReplaceWindow(SInt16) {}
void CloseSyllableSyncWindow(SInt16) {}
void CloseFindStyleWindow(SInt16) {}
void CloseTextMergeWindow(SInt16) {}
void CloseColorChartWindow(SInt16) {}
void CloseHypertextWindow(SInt16) {}
void CloseSearchDictWindow(SInt16) {}

// ---- Drawing of windows that are never open until their subsystems are built ----
#include "texttools/text_tool_windows.h"
void UpdateHypertextWindow() {}
void UpdateHypertextDrawer() {}
void UpdateHelpWindow() {}
void UpdateTextMergeWindow() {}
void UpdateColorChartWindow() {}

// ---- No help text, word list or spelling list exists until their windows are built ----
#include "texttools/search_texts.h"

// ---- The menus' text-tool commands ----
#include "texttools/text_tools.h"
void OpenHypertextWindow() {}
void OpenColorChartWindow() {}
void OpenFindReplaceWindow() {}
void OpenFindStyleWindow(SInt16) {}
void OpenSearchDictWindow() {}
void ToggleInstructions() {}
SInt32 DoTextToolsCommand(SInt16, SInt16) {
    return -1;
}

// No link fires on a click until the links are read.
SInt32 ClickInWhichHyper(Handle, SInt32, SInt32) {
    return -1;
}

void SetExactFindOptions() {}
void FindWithoutDialog(const EventRecord*, WindowPtr) {}
void RemoveFromDictionary() {}
void RemoveFromIgnored() {}
void CopyScrollWordsToDictionary(WindowPtr) {}
void GetStyleForFindStyleDialog() {}
void SetFindStyleWindowForHypertext() {}
void TellSylSyncNewSyl() {}

// ---- What the clicks in the help window, the hypertext drawer and the text merge window call: until
// those windows are built each names itself to the pending-call observer and changes nothing ----
#include "foundation/pending_calls.h"
#include "texttools/text_tool_windows.h"
bool MouseInHelpWindow(const EventRecord&, MyDialogRec*, Point, SInt16) {
    NOTE_PENDING_CALL();
    return false;
}
void TrackHelpScrollBar(Point) {
    NOTE_PENDING_CALL();
}
bool DragHelpRect(Point, bool) {
    NOTE_PENDING_CALL();
    return false;
}
void ProcessSearchDictHelpButton(SInt16) {
    NOTE_PENDING_CALL();
}
void ProcessSearchDictHelpPopupButton(SInt16) {
    NOTE_PENDING_CALL();
}
SInt16 ChooseHelpPopupItem(Point) {
    NOTE_PENDING_CALL();
    return 0;
}
void ReturnHyperToHelp() {
    NOTE_PENDING_CALL();
}
void ClickInHelpHyper(SInt32) {
    NOTE_PENDING_CALL();
}
void DrawHelpButtons() {}
void SelectHypertext(SInt32, SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
void SetHypertextNumAndCurrent() {
    NOTE_PENDING_CALL();
}
SInt16 ChooseTextMergeSpecial(Point) {
    NOTE_PENDING_CALL();
    return 0;
}
bool EditTextMergeCell(SInt32, SInt16) {
    NOTE_PENDING_CALL();
    return false;
}
void DrawTextMergeButtons() {}

// ---- Keys for the focused edit field of a window not built yet: the field takes them as it is ----
#include "controls/edit_fields.h"
#include "foundation/pending_calls.h"
#include "texttools/text_tool_windows.h"
void KeyInFindReplaceWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                            const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void KeyInFindStyleWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void KeyInHelpWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                     const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void KeyInHypertextWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void KeyInSearchDictWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                           const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void ConsistifyHypertextParameterPopup(SInt16) {}
void HelpRecalText() {}
void SetHelpWindowScrolls() {}
void GetCurrentHelpPos() {}
void GetCurrentHypertextDrawerPos() {}
void GetCurrentTextMergePos() {}

// ---- The hypertext list's keys, until its window is built ----
void HypertextScrollThisMuch(SInt32) {}
