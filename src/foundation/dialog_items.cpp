// Dialog item texts, numbers, check boxes, radio groups and scroll values, and the small drawings
// dialogs share. Drawing helpers draw into the dialog's port and leave the caller's port and pen as
// they were.
#include "foundation/dialog_items.h"

#include "foundation/number_text.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/pstring.h"

#include <string>

namespace {

// Runs draw with the dialog's port current and a normal pen, then puts port and pen back.
template <typename Draw> void DrawInDialog(DialogPtr dialog, Draw draw) {
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    draw();
    SetPenState(&pen);
    SetPortByReference(saved);
}

} // namespace

void SetDText(DialogPtr dialog, SInt16 item, ConstStr255Param text, bool selectAll) {
    SetDialogItemText(dialog, item, text);
    if (selectAll) SelectDialogItemText(dialog, item, 0, 32767);
}

void GetDText(DialogPtr dialog, SInt16 item, StringPtr buffer) {
    GetDialogItemText(dialog, item, buffer);
}

void SetDlgItemText(DialogPtr dialog, SInt16 item, ConstStr255Param title) {
    SetDialogItemText(dialog, item, title);
}

void IntGetDlgEditValue(DialogPtr dialog, SInt16 item, SInt32* value) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    *value = StringToNum(PStringView(text));
}

void IntSetDlgEditValue(DialogPtr dialog, SInt16 item, SInt32 value) {
    Str255 text;
    NumToString(value, text);
    SetDialogItemText(dialog, item, text);
}

void SetCheckbox(DialogPtr dialog, SInt16 item, SInt16 value) {
    SetDialogItemMaximum(dialog, item, 1);
    SetDialogItemValue(dialog, item, value);
}

void DoCheckbox(DialogPtr dialog, SInt16 item, SInt16* value) {
    *value = *value ? 0 : 1;
    SetDialogItemValue(dialog, item, *value);
}

void DoRadio(DialogPtr dialog, SInt16 first, SInt16 chosen, SInt16* choice) {
    SetDialogItemValue(dialog, SInt16(first + *choice - 1), 0);
    *choice = SInt16(chosen - first + 1);
    SetDialogItemValue(dialog, SInt16(first + *choice - 1), 1);
}

SInt16 GetControl(DialogPtr dialog, SInt16 item) {
    return GetDialogItemValue(dialog, item);
}

void DoScrollItem(DialogPtr dialog, SInt16 item, SInt16* value) {
    *value = GetDialogItemValue(dialog, item);
}

void SetScrollItem(DialogPtr dialog, SInt16 item, SInt16 value, SInt16 minimum, SInt16 maximum,
                   SInt16 pageStep) {
    SetDialogItemMinimum(dialog, item, minimum);
    SetDialogItemMaximum(dialog, item, maximum);
    SetDialogItemValue(dialog, item, value);
    SetDialogItemReference(dialog, item, pageStep);
    HiliteScroll(dialog, item, minimum < maximum);
}

void HiliteScroll(DialogPtr dialog, SInt16 item, bool active) {
    if (dialog) HiliteDialogItem(dialog, item, active ? 0 : 255);
}

void SetUserItem(DialogPtr dialog, SInt16 item, UserItemProc procedure) {
    SetDialogItemUserProc(dialog, item, procedure);
}

Rect GetDRect(DialogPtr dialog, SInt16 item) {
    return GetDialogItemRect(dialog, item);
}

void LineItem(DialogPtr dialog, SInt16 item) {
    DrawInDialog(dialog, [&] {
        const Rect r = GetDialogItemRect(dialog, item);
        const RGBColor black{0, 0, 0};
        RGBForeColor(&black);
        MoveTo(r.left, r.top);
        LineTo(SInt16(r.right - 1), SInt16(r.bottom - 1));
    });
}

void RectItem(DialogPtr dialog, SInt16 item) {
    DrawInDialog(dialog, [&] {
        const Rect r = GetDialogItemRect(dialog, item);
        FrameRect(&r);
    });
}

void OutlineButton(DialogPtr dialog, SInt16 item) {
    DrawInDialog(dialog, [&] {
        PenSize(3, 3);
        Rect ring = GetDialogItemRect(dialog, item);
        InsetRect(&ring, -4, -4);
        FrameRoundRect(&ring, 16, 16);
    });
}

void InvertIcon(DialogPtr dialog, SInt16 item) {
    DrawInDialog(dialog, [&] {
        Rect r = GetDialogItemRect(dialog, item);
        InsetRect(&r, 1, 1);
        InvertRect(&r);
    });
}

void LimitTELength(DialogPtr dialog, SInt16 item, SInt16 max) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    if (max < 0 || text[0] <= max) return;
    text[0] = UInt8(max);
    SetDialogItemText(dialog, item, text);
    SysBeep(10);
}

SInt16 Abs(SInt16 x) {
    return x < 0 ? SInt16(-x) : x;
}

void PinPt(Point topLeft, Point bottomRight, Point* point) {
    if (point->h < topLeft.h) point->h = topLeft.h;
    if (point->h > bottomRight.h) point->h = bottomRight.h;
    if (point->v < topLeft.v) point->v = topLeft.v;
    if (point->v > bottomRight.v) point->v = bottomRight.v;
}
