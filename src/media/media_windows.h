// The windows of the media subsystem.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myMediaQueueWindow;
extern GDHandle myMediaQueueDevice;
extern WindowPtr myRecordWindow;
extern GDHandle myRecordDevice;
extern WindowPtr myCueLightWindow;
extern GDHandle myCueLightDevice;

// The item records of the tool windows built from item lists; null while closed.
struct MyDialogRec;
extern MyDialogRec* gRecordDialog;
// A click for the record window: with no event, the action item tells it what happened elsewhere (34:
// the mouse was clicked, which stops a recording that runs until a click).
struct EventRecord;
bool MouseInRecordWindow(const EventRecord* event, MyDialogRec* dialog, Point where, SInt16 item);

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewMediaQueueWindowSize(SInt16 width, SInt16 height);
void NewRecordWindowSize(SInt16 width, SInt16 height);
void CloseMediaQueueWindow(SInt16 alreadyGone);
void CloseRecordWindow(SInt16 alreadyGone);

// Redraws the window's list, strip, buttons and progress bar, its port current.
void UpdateMediaQueueWindow();

// ---- What the menus open and ask of the media ----
void OpenRecordWindow();
void OpenMediaQueueWindow();
// A new empty queue holding the current script; a file opened into the queue; the queue dialog.
void DoNewQueue();
void DoOpenIntoQueue();
void DoQueueDialog();
// The external music player follows the scripts while linked.
extern bool gSynciTunes;
bool initiTunes();
void CloseiTunes();
