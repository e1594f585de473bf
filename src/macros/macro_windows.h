// The windows of the macro language.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

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
