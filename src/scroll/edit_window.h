// The edit window (the script edited in its own window while the prompter shows it) and the scroll
// monitor (the script as the prompter lays it out, following the prompter's reading position): two
// windows of one family, and which text view has the operator's focus.
#pragma once

#include "platform/menus.h"
#include "platform/types.h"
#include "scroll/text_window.h"
#include "textengine/text_engine_types.h"

extern WEReference EditWEHandle;
extern WEReference ScrollMonitorWEHandle;
// The two windows' state: text rect, heights, position, scroll bar and added returns.
extern TextWindow gEditView;
extern TextWindow gScrollMonitorView;
// Characters the prompter holds to make room for overlay pictures; the overlay code keeps the list.
extern std::vector<OverlayInsertion> gAAAAddedForOverlays;

constexpr SInt16 kEditWindowReference = 2;
constexpr SInt16 kScrollMonitorReference = 7;

// Opening, closing and redrawing the edit window.
void OpenTextEditWindow();
// flag 1: the window itself is gone already, only its contents are released.
void CloseEditWindow(SInt16 flag);
void UpdateEditWindow();
// Fills the edit window with the script text; false without a text view or a script.
bool PutEditTextInBox();
void NewEditWindowSize(SInt16 width, SInt16 height);
void SetEditWindowTextRect();
void SetEditSpacing();
void EditRecalText();
void SetEditWindowScrolls();
void GetCurrentEditPos();
// Scrolls by a signed amount (negative: on towards the end), never past the start or the end.
void EditScrollThisMuch(SInt32 pixels);
// Brings a character's line to the top of the text rect.
void EditScrollToCharacter(SInt32 offset);
void VEditScrollGlue(SInt16 newValue, SInt16 oldValue);
// Scrolls the text with the mouse while the button is down. With waitFirst, a press let go or held still for
// a second first answers false (a click, not a drag).
bool DragEditRect(SInt16 startV, bool waitFirst);
SInt32 GetEditZeroPositionCharacter();
SInt32 GetEditMiddleofScreenCharacter(SInt16 v);
// The one-deep save of the edit window's place around a dialog that lays the text out again.
void SaveEditPositionandReset();
void RestoreEditPosition();
// Scrolls the prompter so that the character at the top of the edit window stands at the cue.
void SyncScrollToEdit();
void SetEditWindowBackColor(const RGBColor& color);
// A click in the edit window's content, and the part of its scroll bar under a point.
void EditWindowClick(Point point, UInt16 modifiers, bool secondary);

// The scroll monitor.
void OpenScrollMonitorWindow();
// Scrolling starts or resumes: the monitor opens and fills when the preferences ask for it.
void OpenScrollMonitorIfUsed();
bool PutScrollMonitorTextInBox();
void UpdateScrollMonitorWindow();
void SetScrollMonitorWindowColor();
SInt32 GetRealScrollMonitorPosition(SInt32 monitorOffset);
SInt32 SetRealScrollMonitorPosition(SInt32 prompterOffset);
void ScrollMonitorScrollToCharacter(SInt32 offset, double fraction);
void ScrollMonitorScrollThisMuch(SInt32 pixels);
void VScrollMonitorScrollGlue(SInt16 newValue, SInt16 oldValue);
// A click in the monitor: its scroll bar moves only the monitor; elsewhere the window is dragged.
void ScrollMonitorClick(Point point);
// A click in a text window's scroll bar; the thumb moves the text through glue.
void TextWindowBarClick(TextWindow& tw, Point point, ScrollBarGlue glue);

// The window shortcuts: the edit window opened and filled, or closed with the prompter brought forward;
// the monitor opened while scrolling, or closed. Both keep the window's preference in step.
void ToggleEditWindowShortcut();
void ToggleScrollMonitorShortcut();

// Which text view has the focus, for the commands that act on the text the operator means: the edit
// window or the monitor when it is the front window, else the prompter.
enum class TextViewFocus : SInt16 { kNone = 0, kPrompter = 1, kEditWindow = 2, kScrollMonitor = 7 };
TextViewFocus FocusedScriptTextView();
// The text view of a focus (null for kNone or a closed window).
WEReference TextViewOfFocus(TextViewFocus focus);
// Appends the edit window's own items to the text pop-up, recording their actions in gInTextPopup.
void EditWindowAppendMenuItems(MenuRef menu);
