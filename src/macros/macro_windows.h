// The windows of the macro language.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

#include <string>

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myMacroEditorWindow;
extern GDHandle myMacroEditorDevice;
extern WindowPtr myFunctionsWindow;
extern GDHandle myFunctionsDevice;
extern WindowPtr myMacroMonitorWindow;
extern GDHandle myMacroMonitorDevice;
extern WindowPtr myKeyEquivWindow;
extern GDHandle myKeyEquivDevice;
extern WindowPtr myCommandWindow;
extern GDHandle myCommandDevice;

// The item records of the tool windows built from item lists; null while closed.
struct MyDialogRec;
extern MyDialogRec* gCommandDialog;

#include "textengine/text_engine_types.h"

// The macro editor's text; null while the editor is closed.
extern WEReference MacroEditWEHandle;
// A copy of the macro editor's text and the word data counted from it (null and 0 while there is none).
extern Handle myMacroEditorText;
extern Handle gMacroEditWordLineArray;
extern SInt32 gTotalMacroEditWords;
// After its text changed: re-lay the macro editor, its scroll bar and position, and copy its text out.
void MacroEditorRecalText();
void SetMacroEditorWindowScrolls();
void GetCurrentMacroEditorPos();
void GetNewMacroEditorText();
// The macro editor's scroll: the text's top in pixels (0 at the top, negative further on), the pixels of
// one page step, scrolling by pixels (negative towards the end) and the character in the middle of the
// view at a height.
extern SInt32 gMacroEditCurrentPos;
extern SInt32 gMacroEditPageScrollSize;
void MacroEditorScrollThisMuch(SInt32 pixels);
SInt32 GetMacroEditorMiddleofScreenCharacter(SInt32 height);
// The functions window's list: its scroll in pixels, the rows of a page step, and scrolling by rows
// (positive towards the end).
extern SInt32 gFunctionsCurrentPos;
extern SInt16 gFunctionsPageScrollSize;
void FunctionsScrollThisMuch(SInt32 rows);

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewMacroEditorWindowSize(SInt16 width, SInt16 height);
void NewFunctionsWindowSize(SInt16 width, SInt16 height);
void NewMacroMonitorWindowSize(SInt16 width, SInt16 height);
void NewKeyEquivWindowSize(SInt16 width, SInt16 height);
void NewCommandWindowSize(SInt16 width, SInt16 height);
void CloseKeyEquivWindow(SInt16 alreadyGone);
void CloseCommandWindow(SInt16 alreadyGone);

// Redraw the window's content, its port current (the update dispatcher erases first where it needs).
void UpdateMacroEditorWindow();
void UpdateFunctionsWindow();
void UpdateMacroMonitorWindow();
void UpdateKeyEquivWindow();

// ---- What the menus open and ask of the macros ----
void OpenCommandWindow();
void OpenKeyEquivWindow();
// The Macro menu and the macro files menu (with option: edit rather than run); DoCommand's status.
SInt32 DoMacroMenuCommand(SInt16 menu, SInt16 item, bool option);

// ---- The functions window, the macro monitor and the macro editor as their clicks see them ----
#include "platform/events.h"
#include "platform/lists.h"

// Functions window: its list, the rectangles of its parts and buttons, its opacity in per cent, and what
// the list shows: the functions of one group (gFunctionsListSelect, 10 the search matches) or, with
// gFunctionsShowInfo, one function's description or (gFunctionsShowHelpInstead) the help.
extern ListHandle FunctionsListHandle;
extern Rect gFunctionsListRect, gFunctionsTopRect, gFunctionsExtraRect, gFunctionsSearchBoxRect,
    gFunctionsCopyRect, gFunctionsInfoRect, gFunctionsMoreRect, gFunctionsHelpRect, gFunctionsOpacityRect;
extern SInt16 gFunctionsOpacity;
extern SInt16 gFunctionsShowInfo;
extern SInt16 gFunctionsShowHelpInstead;
extern SInt16 gFunctionsListSelect;
extern UInt8 gSortFunctions;
// The function and form last selected in the list (-1 none).
extern SInt16 gLastFunctionSelected;
extern SInt16 gLastFormSelected;
// The search field's text; null while the window has no search field.
extern WEReference FunctionsSearchWEHandle;
constexpr SInt16 kFunctionsSearchGroup = 10;

// Macro monitor: one row per macro slot.
constexpr SInt16 kMacroSlots = 20;
extern ListHandle MacroMonitorListHandle;
extern Rect gMacroMonitorListRect, gMacroMonitorMacroInfoRect, gMacroMonitorExtraRect, gMacroMonitorKillRect,
    gMacroMonitorPauseRect, gMacroMonitorStepRect, gMacroMonitorAutoPauseRect, gMacroMonitorOpacityRect,
    gMacroMonitorInspectRect;
extern SInt16 gMacroMonitorOpacity;
// What the pause button offers: 0 the selected macro runs (pause it), 1 it is paused (resume it).
extern SInt16 gPauseUnpause;
// Every macro that starts while the monitor is open is paused before its first command.
extern UInt16 gMacroMonitorAutoPauseOn;
// The information strip shows parameters with their values.
extern SInt16 gInspectOn;
// Per slot, the command line the macro runs next.
extern Str255 gMacroExecutingInfoString[kMacroSlots];

// Macro editor: the text's view, the button bar and its buttons.
extern Rect gMacroEditTextRect, gMacroExtraRect, gMacroCompileRect, gMacroTestRect, gMacroOpenRect,
    gMacroSaveTextRect, gMacroFunctionsRect, gMacroToCommandRect, gMacroOpacityRect;
extern SInt16 gMacroEditOpacity;
// What a macro reads about the latest click in the macro editor (offset -1 outside the text).
extern SInt32 gMEMouseClickedVariable;
extern SInt32 gMEMouseTextPosAtClickVariable;

// ---- The operations those clicks call ----
// Functions window.
void CopySelectedFunctionsToMacroEditor();
void CopyFunctionToMacroEditor(SInt16 function, SInt16 form);
void CopyMacroHelpToClipboard();
void CopyMacroInfoToMacroEditor(SInt16 row, SInt16 column);
// The function and form of the selected list row; false when no function row is selected.
bool GetSelectedFunction(SInt16* function, SInt16* form);
void PutFunctionInfoInList(SInt16 function, SInt16 form);
void PutFunctionHelpInList();
// Refills the list with the functions of the current group in the current order.
void PutFunctionsInList();
void SelectFunctionInList(SInt16 function, SInt16 form);
// The group pop-up at the more button: the item chosen, 0 none.
SInt16 ChooseFunctionsGroup(Point where);
void CreateFunctionsSearchField();
void RemoveFunctionsSearchField();
void ClickInFunctionsSearchField(Point where, UInt16 modifiers, UInt32 when);
// A typed key for the search field; true when the field took it.
bool KeyInFunctionsSearchField(const PlatformEvent& event);
void DrawFunctionsButtons();

// Macro monitor. The slot's macro exists; its run state (0 running, 1 paused, 2 run one step).
bool MacroSlotInUse(SInt16 slot);
SInt16 GetMacroRunState(SInt16 slot);
void SetMacroRunState(SInt16 slot, SInt16 state);
void FinishMacro(SInt16 slot);
// The line the macro runs next, with parameter values when inspecting (empty when none).
void GetMacroNextLine(SInt16 slot, SInt16 offset, SInt16 inspect, StringPtr line);
void UpdateMacroPauseButton();
void ChangeMacrosListText(SInt16 row);
void DrawMacroMonitorButtons();

// Macro editor.
void TrackMacroEditorScrollBar(Point where);
// Drags the text with the mouse (waitFirst: only once the mouse moves); true when the text moved.
bool DragMacroEditorRect(Point where, bool waitFirst);
void CopyTextToCommandWindow(const std::string& text);
void DrawMacroEditorButtons();

// ---- Typed keys for a window whose edit field holds the keyboard focus ----
#include "foundation/window_references.h"
void KeyInCommandWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                        const PlatformEvent& key);
// Brings the window's pop-up in line with its fields after a key or a click.
void ConsistifyCommandPopup(SInt16 which);
// Remembers where the functions list is scrolled to.
void GetCurrentFunctionsPos();
