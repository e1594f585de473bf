// Dragging data out of a window and dropping data on one. A drag holds items of named flavours, as the
// pasteboard does (platform/clipboard.h, whose flavour names it shares); in the toolkit it travels as mime
// data that other programs read as plain text and RTF, and a drop from another program arrives as one item
// holding its text (UTF-16 and UTF-8) and its RTF.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "platform/windows.h"

#include <string>
#include <vector>

struct DragRecord;
using DragRef = DragRecord*;

DragRef NewDrag();
void DisposeDrag(DragRef drag);
// Puts bytes under a flavour of an item (from 1); item count + 1 adds an item. False for other numbers.
bool AddDragItemFlavor(DragRef drag, int item, const std::string& flavor, const std::string& bytes);
int CountDragItems(DragRef drag);
// The flavour names of an item in the order they were put; empty for an item that does not exist.
std::vector<std::string> GetDragItemFlavors(DragRef drag, int item);
bool GetDragItemFlavorData(DragRef drag, int item, const std::string& flavor, std::string* bytes);

// Mime data as a program offers it, one entry per format, read the way a drop reads it: this program's
// own items when it carries them, else its text and RTF as one item.
struct MimeFormat {
    std::string type;
    std::string bytes;
};
DragRef NewDragFromMimeData(const std::vector<MimeFormat>& formats);
// The formats a drag goes out as: our items whole in a private type, their text as plain text (items
// joined one per line) and the first item's RTF.
std::vector<MimeFormat> MimeDataOfDrag(DragRef drag);

// Where the drag is over the window it is being dropped on, in that window's local coordinates, and the
// modifiers held when it started and now. Drop events set them; tests may set them too.
void SetDragMouse(DragRef drag, Point local, UInt16 modifiers);
Point GetDragMouse(DragRef drag);
UInt16 GetDragModifiers(DragRef drag);
UInt16 GetDragStartModifiers(DragRef drag);
// The window the drag started from while it is still over it; null once it has left that window, and for
// drags from other programs.
WindowPtr GetDragSourceWindow(DragRef drag);

// After a press at a global point: true once the mouse has moved far enough to start a drag while the
// button is held, false when the button comes up first.
bool WaitMouseMoved(Point globalStart);
// Runs a drag from a window until it is dropped or abandoned: noErr when some window or program took the
// drop, userCanceledErr otherwise. Drops on the program's own windows arrive as drag events during the
// call, carrying this same drag.
OSStatus TrackDrag(DragRef drag, WindowPtr source, UInt16 modifiers);
