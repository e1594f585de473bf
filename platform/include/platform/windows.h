// Top-level windows. A window's content is its drawing port: what is drawn there shows when the port is
// flushed. Bounds are global: content rectangles in screen coordinates, 16-bit.
#pragma once

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/types.h"

struct OpaqueWindow;
using WindowPtr = OpaqueWindow*;
using WindowRef = OpaqueWindow*;

enum WindowClass : UInt8 {
    kDocumentWindowClass = 0,
    kFloatingWindowClass = 1, // tool windows: above the document windows, never the front document
    kModalWindowClass = 2,    // dialogs
    kPlainWindowClass = 3,    // no frame: full-screen and second-screen windows
};

enum WindowRegionCode : UInt16 { kWindowStructureRgn = 32, kWindowContentRgn = 33 };

// Window behind which a new window goes: kFirstWindowOfClass puts it in front of its class.
inline WindowPtr const kFirstWindowOfClass = reinterpret_cast<WindowPtr>(-1);
inline WindowPtr const kLastWindowOfClass = nullptr;

// bounds is the global content rectangle.
WindowPtr NewCWindow(void* storage, const Rect* bounds, ConstStr255Param title, bool visible, SInt16 procID,
                     WindowPtr behind, bool goAwayFlag, SInt32 refCon);
// Builds a window from a 'WIND' resource.
WindowPtr GetNewCWindow(SInt16 windowID, void* storage, WindowPtr behind);
// The window starts hidden, in front of its class.
WindowPtr NewWindowOfClass(WindowClass windowClass, const Rect* bounds, ConstStr255Param title,
                           SInt32 refCon);
void DisposeWindow(WindowPtr window);

CGrafPtr GetWindowPort(WindowPtr window);
WindowPtr GetWindowFromPort(CGrafPtr port);
WindowClass GetWindowClass(WindowPtr window);

void ShowWindow(WindowPtr window);
void HideWindow(WindowPtr window);
bool IsWindowVisible(WindowPtr window);
// Brings the window to the front of its class and makes it the active window.
void SelectWindow(WindowPtr window);
// behind null sends the window to the back of its class.
void SendBehind(WindowPtr window, WindowPtr behind);
void BringToFront(WindowPtr window);
WindowPtr FrontWindow();
WindowPtr FrontNonFloatingWindow();
// The window in front of (null) or behind a given one, front to back.
WindowPtr GetNextWindow(WindowPtr window);
bool IsWindowActive(WindowPtr window);

// Moves the content's top-left to global (h, v).
void MoveWindow(WindowPtr window, SInt16 h, SInt16 v, bool front);
// Resizes the content; the port keeps its pixels where they still fit and is white elsewhere.
void SizeWindow(WindowPtr window, SInt16 width, SInt16 height, bool update);
OSStatus GetWindowBounds(WindowPtr window, WindowRegionCode region, Rect* globalBounds);
OSStatus SetWindowBounds(WindowPtr window, WindowRegionCode region, const Rect* globalBounds);
void SetWTitle(WindowPtr window, ConstStr255Param title);
void GetWTitle(WindowPtr window, StringPtr title);
void SetWRefCon(WindowPtr window, SInt32 refCon);
SInt32 GetWRefCon(WindowPtr window);
// 0.0 transparent to 1.0 opaque.
OSStatus SetWindowAlpha(WindowPtr window, float alpha);
float GetWindowAlpha(WindowPtr window);
// Keeps the window above other programs' windows.
void SetWindowFloatsAboveAll(WindowPtr window, bool above);
// Full screen on the screen that holds most of the window, and back to its former bounds.
void SetWindowFullScreen(WindowPtr window, bool fullScreen);
bool IsWindowFullScreen(WindowPtr window);
// Takes away the window's frame and title bar (and gives them back) keeping its content bounds, so that the
// program can make the window cover any rectangle, the union of several screens included.
void SetWindowFrameless(WindowPtr window, bool frameless);
bool IsWindowFrameless(WindowPtr window);
// The room the frame takes around the content, as thicknesses: top (the title bar, and the menu bar when
// the window shows it), left, bottom and right (the borders). For a window not shown yet, the frame the
// window manager gives windows of its class; none without a window manager or a frame.
Rect GetWindowFrameMargins(WindowPtr window);

// Tool windows belong to one window, the program's main one: the window manager keeps every floating
// window, those made later included, above it and with it, as a desktop keeps a program's palettes above
// its document. SetWindowKeptAboveOwner gives the same to a window of another class. Null: no owner.
void SetToolWindowOwner(WindowPtr owner);
WindowPtr GetToolWindowOwner();
void SetWindowKeptAboveOwner(WindowPtr window, bool kept);
// The window the window manager keeps this one above (null when none).
WindowPtr GetWindowKeptAbove(WindowPtr window);

// Marks part of the content as needing redrawing: an update event follows.
void InvalWindowRect(WindowPtr window, const Rect* localRect);
void InvalWindowRgn(WindowPtr window, RgnHandle localRgn);
void ValidWindowRect(WindowPtr window, const Rect* localRect);
// Between these two calls, made while the window's update event is handled with its port current,
// drawing in the port reaches only the area the update is for; EndUpdate gives the port its clip back.
// Outside an update event they change nothing.
void BeginUpdate(WindowPtr window);
void EndUpdate(WindowPtr window);

void LocalToGlobal(Point* pt); // in the current port
void GlobalToLocal(Point* pt);

// ---- Screens ----
GDHandle GetMainDevice();
// Screens in a stable order, the main one first; null after the last.
GDHandle GetDeviceList();
GDHandle GetNextDevice(GDHandle device);
// The whole screen, and the part windows may use (without panels and menu bars), in global coordinates.
Rect GetDeviceBounds(GDHandle device);
Rect GetAvailableBounds(GDHandle device);
// The screen holding the greatest area of the global rectangle (the main screen when none does).
GDHandle GetMaxDevice(const Rect* globalRect);
