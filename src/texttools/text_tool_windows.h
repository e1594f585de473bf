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
