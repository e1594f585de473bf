// Lists in dialogs and windows, in a text style set around each call and undone after.
#include "foundation/list_items.h"

#include "platform/pstring.h"
#include "platform/text_drawing.h"

#include <algorithm>

namespace {

// The text state of the port saved by the outermost SetListFont.
struct SavedListFont {
    CGrafPtr port = nullptr;
    CGrafPtr previousPort = nullptr;
    GDHandle previousDevice = nullptr;
    PenState pen{};
    SInt16 face = 0;
    SInt16 size = 0;
    SInt16 font = 0;
    RGBColor color{};
};

SavedListFont gSaved;
SInt16 gListFontCounter = 0;

ListHandle NewList(SInt16 columns, SInt16 rows, const Rect* rectangle, CGrafPtr port,
                   const TextStyle* style) {
    SetListFont(port, style);
    Rect view = *rectangle;
    view.right = SInt16(view.right - 15);
    const Rect data{0, 0, std::max<SInt16>(rows, 0), columns};
    ListHandle list = LNew(&view, &data, Point{}, port, false, true);
    LSetSelFlags(lNoNilHilite, list);
    RestoreFont();
    return list;
}

} // namespace

void SetListFont(CGrafPtr port, const TextStyle* style) {
    if (++gListFontCounter != 1) return;
    GetGWorld(&gSaved.previousPort, &gSaved.previousDevice);
    gSaved.port = port ? port : gSaved.previousPort;
    SetGWorld(gSaved.port, nullptr);
    GetPenState(&gSaved.pen);
    gSaved.face = SInt16(GetPortTextFace(gSaved.port) & 0xFF);
    gSaved.size = GetPortTextSize(gSaved.port);
    gSaved.font = GetPortTextFont(gSaved.port);
    GetForeColor(&gSaved.color);
    if (!style) {
        TextFace(0);
        TextFont(3);
        TextSize(9);
        return;
    }
    TextFace(style->tsFace);
    TextFont(style->tsFont == 0 ? 4 : style->tsFont);
    TextSize(style->tsSize);
    RGBForeColor(&style->tsColor);
}

void RestoreFont() {
    if (gListFontCounter <= 0) return;
    if (--gListFontCounter != 0) return;
    SetGWorld(gSaved.port, nullptr);
    SetPenState(&gSaved.pen);
    RGBForeColor(&gSaved.color);
    TextFace(gSaved.face);
    TextSize(gSaved.size);
    TextFont(gSaved.font);
    SetGWorld(gSaved.previousPort, gSaved.previousDevice);
}

SInt16 ListFontDepth() {
    return gListFontCounter;
}

ListHandle NewV1List(SInt16 rows, const Rect* rectangle, CGrafPtr port, const TextStyle* style) {
    return NewList(1, rows, rectangle, port, style);
}

ListHandle NewV3List(SInt16 rows, const Rect* rectangle, CGrafPtr port, const TextStyle* style) {
    return NewList(3, rows, rectangle, port, style);
}

ListHandle Vert1List(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    ListHandle list = NewList(1, 0, &r, GetDialogPort(dialog), nullptr);
    const Rect view = LGetView(list);
    LSetCellWidth(SInt16(view.right - view.left), list);
    return list;
}

void DrawList(ListHandle list, const TextStyle* style) {
    if (!list) return;
    SetListFont(LGetPort(list), style);
    Rect frame = LGetView(list);
    InsetRect(&frame, -1, -1);
    FrameRect(&frame);
    LUpdate(list);
    RestoreFont();
}

void AddToList(ConstStr255Param text, ListHandle list) {
    const SInt16 row = LAddRow(1, 32767, list);
    LSetCell(text + 1, text[0], Cell{row, 0}, list);
}

void RemoveFromList(SInt16 row, ListHandle list) {
    LDelRow(1, row, list);
}

void SetListRow(ConstStr255Param text, SInt16 row, SInt16 column, ListHandle list) {
    LSetCell(text + 1, text[0], Cell{row, column}, list);
}

void GetListRow(StringPtr buffer, SInt16 row, ListHandle list) {
    SInt16 length = 255;
    LGetCell(buffer + 1, &length, Cell{row, 0}, list);
    buffer[0] = UInt8(length);
}

void SetListChoice(SInt16 row, ListHandle list) {
    LSetSelect(true, Cell{row, 0}, list);
}

bool GetListChoice(SInt16* row, ListHandle list) {
    Cell cell{0, 0};
    if (LGetSelect(true, &cell, list)) {
        *row = cell.v;
        return true;
    }
    *row = -1;
    return false;
}
