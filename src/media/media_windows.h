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
// Refills the media queue window's list from the media list.
void PutMediaQueueInList();

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

// ---- The media queue window as its clicks see it ----
#include "platform/lists.h"

extern ListHandle MediaQueueListHandle;
extern Rect gMediaQueueListRect, gMediaQueueExtraRect, gMediaQueueAddRect, gMediaQueueRemoveRect,
    gMediaQueueUpRect, gMediaQueueDownRect, gMediaQueueLoopRect, gMediaQueueRepeatRect, gMediaQueuePauseRect,
    gMediaQueueProgressRect, gMediaQueueOpacityRect;
extern SInt16 gMediaQueueWinOpacity;
// The media list plays round again at its end; the playing media is paused.
extern bool gLoopPlayingMovies;
extern bool gPausePlayingMovies;
// The window stepped aside for the open dialog of its add button.
extern bool gMediaQueueHiddenByOpen;

// ---- The operations those clicks call ----
void MarkMediaInvalid(SInt32 entry);
void RemoveInvalidMedia();
bool SwapMediaQueueText(SInt32 first, SInt32 second);
void MarkMediaLooped(SInt32 entry);
// 1 pauses the playing media, 0 resumes it.
void pauseMovies(SInt16 pause);
// Moves the playing movie to the fraction (0 to 1) of its length.
void SetPlayingMovieTimePercentage(double fraction);
void playThisMovieFromQueue(SInt32 entry);
// Refills the list from the media list.
void PutMediaInQueueList();
void DrawMediaQueueButtons();

// ---- Typed keys for a window whose edit field holds the keyboard focus ----
#include "foundation/window_references.h"
#include "platform/events.h"
void KeyInRecordWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                       const PlatformEvent& key);
// Remembers where the queue list is scrolled to.
void GetCurrentMediaQueuePos();
