// What the macro language's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "macros/key_equivalents.h"

#include "foundation/pending_calls.h"

void SetKeyEquivOffsets(SInt16, SInt32) {}

void DrawKeyEquivWindow(const Rect*, bool) {}

#include "macros/macro_dialog.h"

SInt16 DoMacroDialog(SInt16, ConstStr255Param, StringPtr, SInt32, MacroRecord*) {
    return 2;
}

// Until macro files are read, no data counts as a macro, so a standard macro file that exists is kept.
#include "macros/macro_file_version.h"

SInt32 GetMacroFileVersion(SInt16, Handle) {
    return 0;
}

// ---- What start-up, the timer and quit use of the macro language ----

#include "macros/macro_services.h"

void InitializeMacros() {}
void LoadCmdOpSlash() {}
void RunMacroByID(SInt16) {}
void RunMacroByName(ConstStr255Param) {}

// No timed macros until macro files are read.
UInt32 GetNextTimedMacro(StringPtr nameOut) {
    if (nameOut) nameOut[0] = 0;
    return kNoTimedMacro;
}

void KeepMacroRunning() {}
void UpdateMacroExecutingInfo(SInt16) {}
void CloseMacroEditorWindow(SInt16) {}
void CloseFunctionsWindow(SInt16) {}
void OpenFunctionsWindow(bool) {
    NOTE_PENDING_CALL();
}
void ExecuteCmdOpSlashCommand(const std::string&) {}
// Nothing compiles until the compiler exists.
OSErr CompileMacro(SInt16, SInt16) {
    NOTE_PENDING_CALL();
    return paramErr;
}
void FinishAllMacros() {}
void OpenMacroMonitorWindow() {}
void CloseMacroMonitorWindow(SInt16) {}

// ---- The macro editor's text: there is no editor until it is built ----
#include "macros/macro_windows.h"
void MacroEditorRecalText() {}
void SetMacroEditorWindowScrolls() {}
void GetCurrentMacroEditorPos() {}
void GetNewMacroEditorText() {}

// Until macros can be read, run and saved, an opened macro does nothing and no macro is saved.
OSErr DoRunMacro(const std::string&, SInt16, SInt16) {
    return paramErr;
}
#include "macros/macro_running.h"

// No macro runs until the language is built; its real definition answers true.
bool CanRunMacros() {
    return false;
}
OSErr DoEditMacro(const std::string&) {
    return paramErr;
}
OSErr DoOpenMacroSource(const std::string&) {
    NOTE_PENDING_CALL();
    return paramErr;
}
OSErr DoSaveMacro(SInt16) {
    return paramErr;
}
OSErr DoSaveMacroSource(SInt16) {
    NOTE_PENDING_CALL();
    return paramErr;
}

#include "macros/macro_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewMacroEditorWindowSize(SInt16, SInt16) {}
void NewFunctionsWindowSize(SInt16, SInt16) {}
void NewMacroMonitorWindowSize(SInt16, SInt16) {}
void NewKeyEquivWindowSize(SInt16, SInt16) {}
void NewCommandWindowSize(SInt16, SInt16) {}
void CloseKeyEquivWindow(SInt16) {}
void CloseCommandWindow(SInt16) {}

// ---- Drawing of windows that are never open until their subsystems are built ----
#include "macros/macro_windows.h"
void UpdateMacroEditorWindow() {}
void UpdateFunctionsWindow() {}
void UpdateMacroMonitorWindow() {}
void UpdateKeyEquivWindow() {}

// ---- The command and name tables stay empty until the macro compiler is built ----
#include "macros/macro_tables.h"

void GetFunctions() {}
void GetParameters() {}

// ---- The menus' macro commands ----
#include "macros/macro_windows.h"
void OpenCommandWindow() {
    NOTE_PENDING_CALL();
}
void OpenKeyEquivWindow() {}
SInt32 DoMacroMenuCommand(SInt16, SInt16, bool) {
    return -1;
}

// ---- What the clicks in the functions window, the macro monitor and the macro editor call: until those
// windows are built each names itself to the pending-call observer and changes nothing ----
#include "foundation/pending_calls.h"
#include "macros/macro_windows.h"
void CopySelectedFunctionsToMacroEditor() {
    NOTE_PENDING_CALL();
}
void CopyFunctionToMacroEditor(SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
void CopyMacroHelpToClipboard() {
    NOTE_PENDING_CALL();
}
void CopyMacroInfoToMacroEditor(SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
// No list rows name functions until the function table is read.
bool GetSelectedFunction(SInt16* function, SInt16* form) {
    if (function) *function = -1;
    if (form) *form = -1;
    return false;
}
void PutFunctionInfoInList(SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
void PutFunctionHelpInList() {
    NOTE_PENDING_CALL();
}
void PutFunctionsInList() {
    NOTE_PENDING_CALL();
}
void SelectFunctionInList(SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
SInt16 ChooseFunctionsGroup(Point) {
    NOTE_PENDING_CALL();
    return 0;
}
void CreateFunctionsSearchField() {
    NOTE_PENDING_CALL();
}
void RemoveFunctionsSearchField() {
    NOTE_PENDING_CALL();
}
void ClickInFunctionsSearchField(Point, UInt16, UInt32) {
    NOTE_PENDING_CALL();
}
bool KeyInFunctionsSearchField(const PlatformEvent&) {
    NOTE_PENDING_CALL();
    return false;
}
void DrawFunctionsButtons() {}
// No macro runs until the interpreter exists.
bool MacroSlotInUse(SInt16) {
    return false;
}
SInt16 GetMacroRunState(SInt16) {
    return 0;
}
void SetMacroRunState(SInt16, SInt16) {
    NOTE_PENDING_CALL();
}
void FinishMacro(SInt16) {
    NOTE_PENDING_CALL();
}
void GetMacroNextLine(SInt16, SInt16, SInt16, StringPtr line) {
    if (line) line[0] = 0;
}
void UpdateMacroPauseButton() {}
void ChangeMacrosListText(SInt16) {}
void DrawMacroMonitorButtons() {}
void TrackMacroEditorScrollBar(Point) {
    NOTE_PENDING_CALL();
}
bool DragMacroEditorRect(Point, bool) {
    NOTE_PENDING_CALL();
    return false;
}
void CopyTextToCommandWindow(const std::string&) {
    NOTE_PENDING_CALL();
}
void DrawMacroEditorButtons() {}

// ---- Keys for the focused edit field of a window not built yet: the field takes them as it is ----
#include "controls/edit_fields.h"
#include "foundation/pending_calls.h"
#include "macros/macro_windows.h"
void KeyInCommandWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                        const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void ConsistifyCommandPopup(SInt16) {}
void GetCurrentFunctionsPos() {}

// ---- Scrolling the macro editor and the functions list by keys: neither window opens yet ----
#include "macros/macro_windows.h"
void MacroEditorScrollThisMuch(SInt32) {}
SInt32 GetMacroEditorMiddleofScreenCharacter(SInt32) {
    return 0;
}
void FunctionsScrollThisMuch(SInt32) {}
