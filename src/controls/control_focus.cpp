// Keyboard focus and Tab order among a tool window's items.
#include "controls/control_focus.h"

#include "controls/control_drawing.h"
#include "controls/edit_fields.h"
#include "controls/list_controls.h"
#include "controls/window_callbacks.h"
#include "platform/events.h"

namespace {

bool IsEditKind(UInt16 kind) {
    return kind == kMyEditText || kind == kMyScrollingEditText;
}

// The next radio of the same group in the given direction that takes the focus, wrapping; 0 when none.
SInt16 NextInRadioGroup(MyDialogHandle dialog, const MyControlItem* from, int step) {
    const SInt16 count = CountMyControls(dialog);
    SInt16 n = from->itemNumber;
    for (SInt16 tries = 0; tries < count; ++tries) {
        n = SInt16(n + step);
        if (n > count) n = 1;
        if (n < 1) n = count;
        const MyControlItem* other = ControlFromItemNum(dialog, n);
        if (other == from) return 0;
        if ((other->kind & kMyKindMask) == kMyRadioButton && MyControlTakesFocus(other) &&
            (other->flags & kMyRadioGroupMask) == (from->flags & kMyRadioGroupMask))
            return n;
    }
    return 0;
}

} // namespace

bool MyControlTakesFocus(const MyControlItem* record) {
    if (!record || (record->kind & (kMyKindHidden | kMyKindDisabled)) || (record->flags & kMyFlagInactive))
        return false;
    switch (record->kind & kMyKindMask) {
    case kMyButton:
    case kMyCheckBox:
    case kMyRadioButton:
    case kMyContainer:
    case kMyFontButton:
    case kMyPopup:
    case kMyList:
    case kMySlider:
    case kMyPictureButton:
    case kMyPictureRadio:
    case kMyPictureCheckBox:
    case kMyMultiStatePicture:
    case kMyKnifeSwitch:
    case kMyRadialDial:
        return true;
    case kMyEditText:
    case kMyScrollingEditText:
        return !(record->flags & kMyFlagChecked); // read-only fields are passed over
    default:
        return false;
    }
}

SInt16 GetMyControlKeyFocus(MyDialogHandle dialog) {
    return dialog && gHasfocusDialog == dialog && gHasfocus ? gHasfocus->itemNumber : 0;
}

void SetMyControlKeyFocus(WindowReference reference, MyDialogHandle dialog, SInt16 item) {
    if (!dialog) return;
    MyDialogLock lock(dialog);
    MyControlItem* next = item ? ControlFromItemNum(dialog, item) : nullptr;
    if (next && !MyControlTakesFocus(next)) return;
    MyControlItem* old = gHasfocus;
    MyDialogHandle oldDialog = gHasfocusDialog;
    if (old == next) return;
    gHasfocus = next;
    gHasfocusDialog = next ? dialog : nullptr;
    if (old && oldDialog) {
        if (IsEditKind(old->kind & kMyKindMask)) MyEditFieldFocusChanged(oldDialog, old, false);
        DrawAMyDialogButton(oldDialog->windowReference, oldDialog, old, false, false);
    }
    if (next) {
        if (IsEditKind(next->kind & kMyKindMask)) MyEditFieldFocusChanged(dialog, next, true);
        DrawAMyDialogButton(reference, dialog, next, false, false);
    }
}

SInt16 AdvanceMyControlFocus(WindowReference reference, MyDialogHandle dialog, bool backwards) {
    const SInt16 count = CountMyControls(dialog);
    if (count == 0) return 0;
    MyDialogLock lock(dialog);
    SInt16 n = GetMyControlKeyFocus(dialog);
    const SInt16 start = n;
    for (SInt16 tries = 0; tries < count; ++tries) {
        n = SInt16(backwards ? n - 1 : n + 1);
        if (n > count) n = 1;
        if (n < 1) n = count;
        if (n == start) break;
        const MyControlItem* record = ControlFromItemNum(dialog, n);
        // Only the checked radio of a group stands for the group, as the desktop's own dialogs do.
        if ((record->kind & kMyKindMask) == kMyRadioButton && !(record->flags & kMyFlagChecked)) {
            bool groupHasChecked = false;
            for (const MyControlItem& other : dialog->items)
                if ((other.kind & kMyKindMask) == kMyRadioButton && (other.flags & kMyFlagChecked) &&
                    (other.flags & kMyRadioGroupMask) == (record->flags & kMyRadioGroupMask) &&
                    MyControlTakesFocus(&other))
                    groupHasChecked = true;
            if (groupHasChecked) continue;
        }
        if (MyControlTakesFocus(record)) {
            SetMyControlKeyFocus(reference, dialog, n);
            return n;
        }
    }
    return GetMyControlKeyFocus(dialog);
}

SInt16 KeyInMyDialogControls(WindowReference reference, MyDialogHandle dialog, UInt8 character,
                             UInt16 modifiers, bool* handled) {
    if (handled) *handled = false;
    if (!dialog) return 0;
    if (KeyInMyEditField(reference, dialog, character, modifiers)) {
        if (handled) *handled = true;
        return 0;
    }
    if (character == kTabCharCode) {
        AdvanceMyControlFocus(reference, dialog, modifiers & shiftKey);
        if (handled) *handled = true;
        return 0;
    }
    const SInt16 focus = GetMyControlKeyFocus(dialog);
    if (!focus) return 0;
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, focus);
    const UInt16 kind = record->kind & kMyKindMask;
    if (kind == kMyList && KeyInMyControlList(reference, dialog, focus, character, modifiers)) {
        if (handled) *handled = true;
        return focus;
    }
    if (character == ' ' && !IsEditKind(kind) && kind != kMyList) {
        if (handled) *handled = true;
        // A short pressed look, as a click gives.
        DrawAMyDialogButton(reference, dialog, record, true, false);
        DrawAMyDialogButton(reference, dialog, record, false, false);
        return focus;
    }
    if (kind == kMyRadioButton && character >= kLeftArrowCharCode && character <= kLeftArrowCharCode + 3) {
        const bool forward = character == kLeftArrowCharCode + 1 || character == kLeftArrowCharCode + 3;
        const SInt16 next = NextInRadioGroup(dialog, record, forward ? 1 : -1);
        if (handled) *handled = true;
        if (!next) return 0;
        SetMyControlKeyFocus(reference, dialog, next);
        return next;
    }
    return 0;
}
