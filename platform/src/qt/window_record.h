// The record behind a WindowPtr, and what the window, event and screen files share about windows.
// Private to platform/src/qt.
#pragma once

#include "platform/events.h"
#include "platform/windows.h"

#include <QRect>
#include <QRegion>

#include <string>
#include <vector>

class WindowHost;
struct GrafPort;

struct EventHandlerSlot {
    EventHandlerProc proc = nullptr; // null once removed while a dispatch was running
    void* userData = nullptr;
    WindowPtr window = nullptr; // null for an application handler
};

struct OpaqueWindow {
    UInt32 id = 0; // stands for the window in the 32-bit message of a classic event record
    WindowClass windowClass = kDocumentWindowClass;
    WindowHost* host = nullptr;
    GrafPort* port = nullptr;
    std::string title; // Mac Roman
    SInt32 refCon = 0;
    float alpha = 1.0f;
    bool floatsAboveAll = false;
    bool keptAboveOwner = false; // a window of another class asked to float over the tool-window owner
    bool fullScreen = false;
    Rect boundsBeforeFullScreen{};
    Rect reportedBounds{}; // the content bounds the handlers last heard of
    QRegion invalidArea;   // image coordinates; waits for the next update event
    QRegion updateArea;    // image coordinates; what the update event being handled is for
    // The port's clip before BeginUpdate narrowed it; restored by EndUpdate.
    QRegion clipBeforeUpdate;
    bool clipWasWideOpen = true;
    int updateDepth = 0;
    // Set while the window system may still activate a window that was shown behind others, so that
    // activation does not bring it to the front.
    bool ignoreShowActivation = false;
    bool reportedActive = false; // what the handlers last heard: activated or deactivated
    // Set while the program's own call moves or resizes the host; that call brings the record up to date.
    bool applyingBounds = false;
    std::vector<EventHandlerSlot*> handlers; // in the order they were installed
    bool disposed = false;
    // Height of the menu bar shown at the top of the host; the content (the port) starts below it.
    int menuBarInset = 0;
};

// ---- The content inside the host: the whole host but the menu bar at its top ----
int MenuBarInset(const OpaqueWindow* window);
QRect HostContentGeometry(const OpaqueWindow* window);
void SetHostContentGeometry(OpaqueWindow* window, const QRect& content);
// Changes the height of the menu bar above the content; the content keeps its place on the screen.
void SetMenuBarInset(OpaqueWindow* window, int inset);

// ---- Rectangles between Qt and the program (16-bit, half-open) ----
SInt16 ClampToSInt16(int value);
Rect RectFromQRect(const QRect& r);
QRect QRectFromRect(const Rect& r);

// ---- Window order (window_order.cpp) ----
// Every window, hidden ones too, front to back: modal windows, then floating ones, then the rest.
const std::vector<WindowPtr>& WindowOrder();
void InsertWindowInOrder(WindowPtr window, WindowPtr behind);
void RemoveWindowFromOrder(WindowPtr window);
// Puts the toolkit's stacking in our order.
void RestackWindowHosts();
// The window system activated the window (the user clicked it or switched to it): it goes to the front
// of its class. False when the activation is undone instead (the window was shown behind others).
bool NoteWindowActivated(WindowPtr window);
// Gives the activation to the front non-floating window after the active one went away.
void ActivateFrontWindow();

// ---- Tool windows and their owner (window_owner.cpp) ----
// Tells the toolkit again which window each tool window belongs to: after a window was shown or made anew.
// The desktop forgets whom a window belongs to when that one is put on screen anew (its frame changed):
// ownerShownAnew then shows the tool windows anew too.
void ApplyWindowOwners(bool ownerShownAnew = false);
bool IsToolWindowOwner(WindowPtr window);
// A window going away stops being the owner.
void ForgetWindowOwner(WindowPtr window);

// ---- Window records (windows.cpp) ----
WindowPtr WindowFromId(UInt32 id);
// Brings the record up to date with the host's geometry: resizes the port, marks the uncovered part for
// an update when asked, and tells the handlers when the content moved or changed size.
void SyncWindowBounds(WindowPtr window, bool invalidateNewArea);
Rect ContentBounds(WindowPtr window);
// Frees records of windows disposed while a handler was running; called when no handler runs.
void DeleteDisposedWindows();
void DisposeAllWindows();

// ---- Updates (window_updates.cpp) ----
// Adds to the part of the window to redraw (image coordinates) and schedules the update event.
void InvalidateImageArea(WindowPtr window, const QRegion& area);
void ScheduleUpdateDelivery();
