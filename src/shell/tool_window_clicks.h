// Clicks and typed keys for the tool windows that have no handler of their own: the functions window, the
// macro monitor, the macro editor, the help window, the hypertext drawer, the text merge window and the
// media queue window; and which tool window's edit field takes a typed key.
#pragma once

#include "platform/events.h"
#include "platform/lists.h"

#include <functional>
#include <string>
#include <string_view>

// What every click notes before it goes to its window: the edit field of another window loses the
// keyboard focus, the functions window's search field takes it, and a macro can read where the macro
// editor and the help window were clicked.
void NoteToolWindowClick(const PlatformEvent& event, Point point);
// The functions window, the macro monitor, the help window and the hypertext drawer take their clicks
// whether or not they are in front; true when the click was in one of them.
bool ToolWindowClickAnywhere(const PlatformEvent& event, Point point);
// The macro editor, the text merge window and the media queue window are brought to the front by a click
// while behind; true for them.
bool ToolWindowClickNeedsFront(WindowPtr window);
// Their clicks once they are in front; true when the click was in one of them.
bool ToolWindowClickInFront(const PlatformEvent& event, Point point);

// Typed keys: the functions window's search field, then the tool window whose edit field holds the
// focus. True when one of them took the key.
bool ToolWindowTakesKey(const PlatformEvent& event);
// The search field keeps the focus only while it exists and the list shows the search.
void ForgetStaleSearchFocus();

// ---- Pieces the clicks are made of ----

// The functions window's group pop-up: item 13 toggles the sorted order, another item chooses the group
// shown (item - 1); item 11 is the search.
void FunctionsGroupChosen(SInt16 item);

// The data behind a list window's rows, for removing and moving rows. finishRemoving runs once after the
// rows were removed, before the list is refilled (null: nothing).
struct ListRowOperations {
    std::function<void(SInt32 row)> remove;
    std::function<bool(SInt32 first, SInt32 second)> swap;
    std::function<void()> refill;
    std::function<void()> finishRemoving;
};
// Removes every selected row, refills the list and selects the row at the first removed index (the last
// row when the list became shorter), keeping the list scrolled where it was unless that hides the
// selection.
void RemoveSelectedRows(ListHandle list, const ListRowOperations& rows);
// Swaps the selected row with its neighbour above (direction -1) or below (1), not past either end, and
// keeps the moved row selected.
void MoveSelectedRow(ListHandle list, SInt16 direction, const ListRowOperations& rows);

// The macro editor's text for the command window: the selection, or when it is empty the whole line
// holding the caret (without its line break).
std::string CommandTextFromSelection(std::string_view text, SInt32 start, SInt32 end);
// After a double click: a "[" just before the selection and a "]" just after it are taken in.
void WidenSelectionToBrackets(std::string_view text, SInt32* start, SInt32* end);
