// Lists of one or three text columns in dialogs and windows, made and drawn in a chosen text style with
// the port's own text state saved and restored around them.
#pragma once

#include "platform/dialogs.h"
#include "platform/lists.h"

// Font number, face, size and colour of list text.
struct TextStyle {
    SInt16 tsFont = 0;
    SInt16 tsFace = 0;
    SInt16 tsSize = 0;
    RGBColor tsColor{};
};

// Makes the port current and sets its text to the style (null: plain font 3 at 9 pixels; font 0 becomes
// 4). Calls nest: the port's state is saved by the outermost call and put back by its RestoreFont.
void SetListFont(CGrafPtr port, const TextStyle* style);
void RestoreFont();
// How deep SetListFont calls are nested now.
SInt16 ListFontDepth();

// A list of rows in one or three columns filling the rectangle, less 15 pixels at the right for the
// scroll bar; empty cells are not highlighted. It draws nothing until drawing is turned on.
ListHandle NewV1List(SInt16 rows, const Rect* rectangle, CGrafPtr port, const TextStyle* style);
ListHandle NewV3List(SInt16 rows, const Rect* rectangle, CGrafPtr port, const TextStyle* style);
// An empty one-column list over a dialog's user item.
ListHandle Vert1List(DialogPtr dialog, SInt16 item);
// Frames the list and draws it in the style.
void DrawList(ListHandle list, const TextStyle* style);
// Appends a row with the text in its first cell.
void AddToList(ConstStr255Param text, ListHandle list);
void RemoveFromList(SInt16 row, ListHandle list);
void SetListRow(ConstStr255Param text, SInt16 row, SInt16 column, ListHandle list);
// The first cell of the row as a length-prefixed string (empty for no such row).
void GetListRow(StringPtr buffer, SInt16 row, ListHandle list);
void SetListChoice(SInt16 row, ListHandle list);
// The first selected row; -1 and false when nothing is selected.
bool GetListChoice(SInt16* row, ListHandle list);
