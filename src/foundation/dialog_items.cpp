// Dialog item texts, check boxes and the default-button ring.
#include "foundation/dialog_items.h"

#include "foundation/window_references.h"

void SetDText(DialogPtr dialog, SInt16 item, ConstStr255Param text, bool selectAll) {
    SetDialogItemText(dialog, item, text);
    if (selectAll) SelectDialogItemText(dialog, item, 0, 32767);
}

void GetDText(DialogPtr dialog, SInt16 item, StringPtr buffer) { GetDialogItemText(dialog, item, buffer); }

void SetCheckbox(DialogPtr dialog, SInt16 item, SInt16 value) {
    SetDialogItemMaximum(dialog, item, 1);
    SetDialogItemValue(dialog, item, value);
}

void DoCheckbox(DialogPtr dialog, SInt16 item, SInt16* value) {
    *value = *value ? 0 : 1;
    SetDialogItemValue(dialog, item, *value);
}

void OutlineButton(DialogPtr dialog, SInt16 item) {
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    PenSize(3, 3);
    Rect ring = GetDialogItemRect(dialog, item);
    InsetRect(&ring, -4, -4);
    FrameRoundRect(&ring, 16, 16);
    SetPenState(&pen);
    SetPortByReference(saved);
}
