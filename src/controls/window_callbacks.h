// The steps of the control layer that belong to one window: its key handler, the commit of an edit field
// that loses the focus, its user items, the entries of its picture strips and the scrolling of its
// content. Windows register their callbacks when they open; a window without them gets the defaults.
#pragma once

#include "controls/control_records.h"
#include "platform/events.h"

using MyKeyHandler = void (*)(const EventRecord* event, WindowReference reference, MyDialogHandle dialog,
                              SInt32 extra);
using MyEditCommitHandler = void (*)(MyDialogHandle dialog, SInt16 item);
using MyUserItemDrawer = void (*)(MyControlItem* record, bool pressed, const Rect* rect);
// Scrolls the window's content to a scroll bar's new value; true when it did.
using MyContentScroller = bool (*)(MyDialogHandle dialog, SInt16 item, SInt32 value);
using MyStripEntryDrawer = void (*)(SInt16 entry, const Rect* cell, bool selected);

struct MyWindowCallbacks {
    MyKeyHandler key = nullptr;
    MyEditCommitHandler commit = nullptr;
    MyUserItemDrawer userItem = nullptr;
    MyContentScroller scroll = nullptr;
};

void SetMyWindowCallbacks(WindowReference reference, const MyWindowCallbacks& callbacks);
void ClearMyWindowCallbacks(WindowReference reference);
// The drawer of the entries of one strip, named by window reference << 16 | item number.
void SetMyStripEntryDrawer(SInt32 stripID, MyStripEntryDrawer drawer);

// Hands a key to the window's key handler as a key-down event; ignored for a window without one.
void SendKeypressToWindow(WindowRef window, UInt8 character, UInt16 modifiers);
// Called when an edit field of the dialog loses the focus, with the dialog locked around the call.
void CommitMyEditControl(MyDialogHandle dialog, SInt16 item);
// A user item's drawing; rect is already moved by the content offset. The layer frames it after.
void DrawMyUserItemCallback(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                            bool pressed, const Rect* rect);
// One entry of a strip, then its cell framed: red when selected, else black.
void DrawMyScrollingItemCallback(SInt32 stripID, SInt16 entry, const Rect* cell, bool selected);
bool ScrollMyWindowContent(MyDialogHandle dialog, SInt16 item, SInt32 value);

// 24, 14, 18, 13 or 26 for the mandala editor, format palette, record, help and overlay windows; else 1.
WindowReference GetWindowIDFromWindow(WindowRef window);
MyDialogHandle GetDialogControlsPerWindow(WindowRef window);
// The item's rect in those five windows; other windows leave rect as it was.
void GetMyControlRectbyWindowandID(WindowRef window, SInt16 item, Rect* rect);
void GetWindowRegionsByWinID(WindowReference reference, RgnHandle* bounds, RgnHandle* inner);
void GetWindowRegionsByWindow(WindowRef window, RgnHandle* bounds, RgnHandle* inner);
void GetWindowOffsetsByWinID(WindowReference reference, SInt16* h, SInt16* v);
// The value change per pixel of a slider of the mandala or overlay editor, with its limits; 1.0 with
// limits 0 and 100 elsewhere.
double GetSliderFactorByWindowandID(WindowRef window, SInt16 item, double* minimum, double* maximum);
