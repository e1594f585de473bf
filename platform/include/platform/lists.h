// Lists of text cells drawn into a port: rows by columns of Mac Roman cells, a view rectangle with a
// vertical scroll bar strip to its right, selected cells shown inverted. Rows and columns count from 0.
#pragma once

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/types.h"

#include <string>

struct OpaqueList;
using ListHandle = OpaqueList*;

struct Cell {
    SInt16 v = 0; // row
    SInt16 h = 0; // column
};

// Selection flags: lOnlyOne keeps at most one cell selected; lNoNilHilite leaves empty cells unhighlighted.
enum : SInt16 { lNoNilHilite = 0x02, lOnlyOne = 0x80 };

// dataBounds gives the columns (right) and rows (bottom) the list starts with; a zero cell size takes the
// view's width over the columns and the height of a line of the port's font. Null without a port.
ListHandle LNew(const Rect* view, const Rect* dataBounds, Point cellSize, CGrafPtr port, bool drawIt,
                bool scrollVertical);
void LDispose(ListHandle list);

// Inserts count rows before rowNum (clamped to the end) and returns where the first went.
SInt16 LAddRow(SInt16 count, SInt16 rowNum, ListHandle list);
// Deletes count rows from rowNum; a count of 0 deletes every row.
void LDelRow(SInt16 count, SInt16 rowNum, ListHandle list);
void LSetCell(const void* data, SInt16 length, Cell cell, ListHandle list);
// Copies at most *length bytes of the cell and sets *length to what was copied; 0 for no such cell.
void LGetCell(void* data, SInt16* length, Cell cell, ListHandle list);
void LSetSelect(bool select, Cell cell, ListHandle list);
// With next, searches from *cell onwards (rows, then columns) for a selected cell and moves *cell to it.
bool LGetSelect(bool next, Cell* cell, ListHandle list);
void LSetSelFlags(SInt16 flags, ListHandle list);
void LSetDrawingMode(bool drawIt, ListHandle list);
void LSetCellWidth(SInt16 width, ListHandle list);
// Scrolls by whole rows, keeping the last row at the bottom of the view.
void LScroll(SInt16 rows, ListHandle list);
// Draws the whole list (frame of the scroll strip included) into its port.
void LUpdate(ListHandle list);
// A click at a point local to the list's port: selects the cell under it (alone, unless shift adds it
// in a list that allows several). True for the second click of a double click on the same cell.
bool LClick(Point local, UInt16 modifiers, SInt16 clickCount, ListHandle list);

Rect LGetView(ListHandle list);
CGrafPtr LGetPort(ListHandle list);
SInt16 LCountRows(ListHandle list);
SInt16 LCountColumns(ListHandle list);
SInt16 LTopRow(ListHandle list);
Point LGetCellSize(ListHandle list);
