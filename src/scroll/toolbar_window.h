// The toolbar: a small window of picture buttons that switch mode, pause, reverse, change the speed, go to
// the top, open a script and run the toolbar macros. Which buttons show, and in which order, comes from
// the 'DfTl' list; a button's action is given by its place in that list.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

inline constexpr SInt16 kToolbarWindowReference = 6;

// gToolbarButtonList (loaded at start-up) holds entries of three 16-bit values; the third is the button's
// picture ID, the next ID its pressed picture.
extern SInt16 gToolbarButtonCount;
extern SInt16 gToolbarHorizontalCount;
extern SInt16 gToolbarVerticalCount;
extern SInt16 gToolbarButtonSize;

struct ToolbarGrid {
    SInt16 perRow = 0, rows = 0, size = 0;
};
// The grid for n buttons in a content of width by height: at least one button a row, as many rows as the
// buttons need, square cells as high as a row (as wide as a column when rows do not fit the height).
ToolbarGrid LayOutToolbar(SInt16 width, SInt16 height, SInt16 count);
// The cell of the button at column, row, 2 pixels in from each side of its square.
Rect ToolbarCell(const ToolbarGrid& grid, SInt16 column, SInt16 row);
// The button index under the local point, or -1 for a gap, an empty cell or a point outside the grid.
SInt16 ToolbarButtonAt(const ToolbarGrid& grid, SInt16 count, Point point);

// Whether the button can act: the macro buttons only while macros can run. Others are drawn greyed and
// take no clicks.
bool ToolbarButtonEnabled(SInt16 index);
// Lays out the grid of the open window; false with no buttons or no window.
bool CreateToolbarList();
void DrawToolbarButtons();
void MouseInToolbar(Point point);
void DoToolButtonAction(SInt16 index);
