// The windows of the text tools.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myFindReplaceWindow;
extern GDHandle myFindReplaceDevice;
extern WindowPtr mySyllableSyncWindow;
extern GDHandle mySyllableSyncDevice;
extern WindowPtr myHelpWindow;
extern GDHandle myHelpDevice;
extern WindowPtr myFindStyleWindow;
extern GDHandle myFindStyleDevice;
extern WindowPtr myTextMergeWindow;
extern GDHandle myTextMergeDevice;
extern WindowPtr myColorChartWindow;
extern GDHandle myColorChartDevice;
extern WindowPtr myHypertextWindow;
extern GDHandle myHypertextDevice;
extern WindowPtr mySearchDictWindow;
extern GDHandle mySearchDictDevice;
extern WindowPtr hypertextDrawerWindow;
extern GDHandle myHypertextDrawerDevice;

// The item records of the tool windows built from item lists; null while closed.
struct MyDialogRec;
extern MyDialogRec* gFindReplaceDialog;
extern MyDialogRec* myHelpWidgets;
extern MyDialogRec* gFindStyleDialog;
extern MyDialogRec* gHypertextDialog;
extern MyDialogRec* gSearchDictDialog;

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewFindReplaceWindowSize(SInt16 width, SInt16 height);
void NewSyllableSyncWindowSize(SInt16 width, SInt16 height);
void NewHelpWindowSize(SInt16 width, SInt16 height);
void NewFindStyleWindowSize(SInt16 width, SInt16 height);
void NewTextMergeWindowSize(SInt16 width, SInt16 height);
void NewColorChartWindowSize(SInt16 width, SInt16 height);
void NewHypertextWindowSize(SInt16 width, SInt16 height);
void NewSearchDictWindowSize(SInt16 width, SInt16 height);
void CloseFindReplaceWindow(SInt16 alreadyGone);
void CloseSyllableSyncWindow(SInt16 alreadyGone);
void CloseFindStyleWindow(SInt16 alreadyGone);
void CloseTextMergeWindow(SInt16 alreadyGone);
void CloseColorChartWindow(SInt16 alreadyGone);
void CloseHypertextWindow(SInt16 alreadyGone);
void CloseSearchDictWindow(SInt16 alreadyGone);

// Scroll the hypertext list by rows (positive towards the end); the rows of one page step.
void HypertextScrollThisMuch(SInt32 rows);
extern SInt16 gHypertextPageScrollSize;

// Redraw the window's content, its port current (the update dispatcher erases first where it needs).
void UpdateHypertextWindow();
void UpdateHypertextDrawer();
void UpdateHelpWindow();
void UpdateTextMergeWindow();
void UpdateColorChartWindow();

// ---- The help window, the hypertext drawer and the text merge window as their clicks see them ----
#include "platform/events.h"
#include "platform/lists.h"
#include "platform/menus.h"

// Help window: its text's view, the five buttons of its strip (in a row), the pop-up (when it has one),
// the go-back button (only while there is earlier content), its opacity in per cent.
constexpr SInt16 kHelpButtons = 5;
extern Rect gHelpTextRect, gHelpExtraRect, gHelpButtonRect[kHelpButtons], gHelpPopupRect, gHelpOpacityRect,
    gHelpGoBackRect;
extern MenuRef gHelpPopupMenuHandle;
extern SInt16 gHelpOpacity;
// The strip button last pushed (1 to 5, 0 none), for a macro to read.
extern SInt16 gHelpButtonPushed;
// The window shows the search dictionary's help; the instructions show their table of contents.
extern bool gHelpShowingSearchDict;
extern bool gHelpHyperShowing;
// What a macro reads about the latest click in the help text (offset -1 outside the text).
extern SInt32 gHelpMouseClickedVariable;
extern SInt32 gHelpMouseTextPosAtClickVariable;

// Hypertext drawer: its list of links, and the link that is current (-1 none or several).
extern ListHandle HypertextListHandle;
extern SInt32 gHypertextCurrentLinkSelected;

// Text merge window: rows are merge entries, columns keyword, replace-with text and prompt.
extern ListHandle TextMergeListHandle;
extern Rect gTextMergeListRect, gTextMergeExtraRect, gTextMergeAddRect, gTextMergeRemoveRect,
    gTextMergeCopyRect, gTextMergeSpecialRect, gTextMergeUpRect, gTextMergeDownRect, gTextMergeEnableRect,
    gTextMergeImportRect, gTextMergeClearRect, gTextMergeOpacityRect;
extern SInt16 gTextMergeWinOpacity;

// ---- The operations those clicks call ----
// Help window.
bool MouseInHelpWindow(const EventRecord& event, MyDialogRec* dialog, Point where, SInt16 item);
void TrackHelpScrollBar(Point where);
// Drags the help text with the mouse (waitFirst: only once the mouse moves); true when it moved.
bool DragHelpRect(Point where, bool waitFirst);
void ProcessSearchDictHelpButton(SInt16 button);
void ProcessSearchDictHelpPopupButton(SInt16 item);
// The help pop-up at the point: the item chosen, 0 none.
SInt16 ChooseHelpPopupItem(Point where);
// Back to the instructions' table of contents.
void ReturnHyperToHelp();
// The help text shows the contents page that a click at the offset follows.
void ClickInHelpHyper(SInt32 offset);
void DrawHelpButtons();

// Hypertext drawer.
void SelectHypertext(SInt32 link, SInt16 flags, SInt16 mask);
void SetHypertextNumAndCurrent();

// Text merge window.
// The special-text pop-up at the point: the item chosen, 0 none.
SInt16 ChooseTextMergeSpecial(Point where);
// Edits the entry's column in the text dialog; true when a new text was stored.
bool EditTextMergeCell(SInt32 row, SInt16 column);
void DrawTextMergeButtons();

// ---- Typed keys for a window whose edit field holds the keyboard focus ----
#include "foundation/window_references.h"
void KeyInFindReplaceWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                            const PlatformEvent& key);
void KeyInFindStyleWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key);
void KeyInHelpWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                     const PlatformEvent& key);
void KeyInHypertextWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key);
void KeyInSearchDictWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                           const PlatformEvent& key);
// Brings the window's pop-up in line with its fields after a key or a click.
void ConsistifyHypertextParameterPopup(SInt16 which);
// After a click in the help text: re-lay it, set its scroll bar, remember its position.
void HelpRecalText();
void SetHelpWindowScrolls();
void GetCurrentHelpPos();
// Remember where the lists are scrolled to.
void GetCurrentHypertextDrawerPos();
void GetCurrentTextMergePos();
