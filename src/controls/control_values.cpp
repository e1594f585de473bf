// Items' numbers, checks, radio groups, titles, kinds, rectangles and preview contents.
#include "controls/control_values.h"

#include "controls/control_drawing.h"
#include "controls/control_layout.h"
#include "controls/control_previews.h"
#include "controls/edit_fields.h"
#include "controls/list_controls.h"
#include "controls/scroll_controls.h"
#include "controls/sliding_pictures.h"
#include "foundation/number_text.h"
#include "platform/pstring.h"

#include <algorithm>

namespace {

// The item's record while the dialog is locked; null (and nothing done) for a missing item.
struct LockedItem {
    MyDialogLock lock;
    MyControlItem* record;
    LockedItem(MyDialogHandle dialog, SInt16 item) : lock(dialog), record(ControlFromItemNum(dialog, item)) {}
};

void Redraw(WindowReference reference, MyDialogHandle dialog, MyControlItem* record) {
    if (dialog) DrawAMyDialogButton(reference, dialog, record, false, false);
}

double SliderStep(const MyControlItem* record) {
    const int width = RectWidth(record->rect) - 20;
    return width > 0 ? double(record->maximum - record->minimum) / width : 0.0;
}

void OffsetUnlessFixed(MyDialogHandle dialog, const MyControlItem* record, Rect* rect, bool withOffset) {
    if (!withOffset) return;
    const Point offset = MyControlOffset(dialog, record);
    OffsetRect(rect, offset.h, offset.v);
}

} // namespace

void GetMyControlValues(const MyControlItem* record, SInt32* value, SInt32* maximum, SInt32* minimum) {
    if (!record) return;
    if (value) *value = record->value;
    if (maximum) *maximum = record->maximum;
    if (minimum) *minimum = record->minimum;
}

void ExternalGetMyControlValues(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32* value,
                                SInt32* maximum, SInt32* minimum) {
    LockedItem it(dialog, item);
    if (it.record) GetMyControlValues(it.record, value, maximum, minimum);
}

void SetMyControlValues(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                        const SInt32* value, const SInt32* maximum, const SInt32* minimum) {
    if (!record) return;
    if (value) record->value = *value;
    if (maximum) record->maximum = *maximum;
    if (minimum) record->minimum = *minimum;
    Redraw(reference, dialog, record);
}

void ExternalSetMyControlValues(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                const SInt32* value, const SInt32* maximum, const SInt32* minimum) {
    LockedItem it(dialog, item);
    if (it.record) SetMyControlValues(reference, dialog, it.record, value, maximum, minimum);
}

bool GetMyControlChecked(const MyControlItem* record) {
    return record && (record->flags & kMyFlagChecked);
}

void SetMyControlChecked(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                         bool checked) {
    if (!record) return;
    if (checked)
        record->flags |= kMyFlagChecked;
    else
        record->flags &= ~UInt32(kMyFlagChecked);
    if ((record->kind & kMyKindMask) == kMyKnifeSwitch) record->value = checked ? 15 : -15;
    Redraw(reference, dialog, record);
}

void ExternalSetMyControlChecked(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                 bool checked) {
    LockedItem it(dialog, item);
    if (it.record) SetMyControlChecked(reference, dialog, it.record, checked);
}

SInt16 DoMyCheck(WindowReference reference, MyDialogHandle dialog, MyControlItem* record) {
    if (!record) return 0;
    const bool now = !GetMyControlChecked(record);
    SetMyControlChecked(reference, dialog, record, now);
    return now ? 1 : 0;
}

SInt16 DoMyRadio(WindowReference reference, MyDialogHandle dialog, SInt16 item) {
    LockedItem it(dialog, item);
    if (!it.record) return 0;
    const UInt32 group = it.record->flags & kMyRadioGroupMask;
    for (MyControlItem& other : dialog->items) {
        const UInt16 kind = other.kind & kMyKindMask;
        if (&other == it.record || (kind != kMyRadioButton && kind != kMyPictureRadio)) continue;
        if ((other.flags & kMyRadioGroupMask) != group || !(other.flags & kMyFlagChecked)) continue;
        SetMyControlChecked(reference, dialog, &other, false);
    }
    SetMyControlChecked(reference, dialog, it.record, true);
    return 1;
}

void SetMyControlRadioid(WindowReference, MyControlItem* record, SInt16 group) {
    if (record) record->flags = (record->flags & ~UInt32(kMyRadioGroupMask)) | (UInt32(UInt8(group)) << 8);
}

SInt16 GetMyControlRadioid(WindowReference, const MyControlItem* record) {
    return record ? SInt16((record->flags & kMyRadioGroupMask) >> 8) : 0;
}

void SetMyMultiStateValue(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                          SInt32 state) {
    if (!record) return;
    record->minimum = state;
    Redraw(reference, dialog, record);
}

void GetMyControlTitle(const MyControlItem* record, StringPtr title) {
    if (!title) return;
    title[0] = 0;
    if (record) std::copy(record->title, record->title + record->title[0] + 1, title);
}

void SetMyControlTitle(WindowReference reference, MyDialogHandle dialog, SInt16 item, ConstStringPtr title) {
    LockedItem it(dialog, item);
    if (!it.record || !title) return;
    const UInt8 length = std::min<UInt8>(title[0], kMyTitleLength);
    it.record->title[0] = length;
    std::copy(title + 1, title + 1 + length, it.record->title + 1);
    Redraw(reference, dialog, it.record);
}

void SetMyControlTitleByNumber(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 number) {
    Str255 text;
    NumToString(number, text);
    SetMyControlTitle(reference, dialog, item, text);
}

void SetMyControlLong(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                      SInt32 number) {
    if (!record) return;
    Str255 text;
    NumToString(number, text);
    std::copy(text, text + text[0] + 1, record->title);
    Redraw(reference, dialog, record);
}

SInt32 GetMyControlLong(const MyControlItem* record) {
    return record ? StringToNum(PStringView(record->title)) : 0;
}

UInt16 GetMyControlKind(WindowReference, MyDialogHandle dialog, SInt16 item) {
    LockedItem it(dialog, item);
    return it.record ? UInt16(it.record->kind & kMyKindMask) : 0;
}

void SetMyControlKind(WindowReference reference, MyDialogHandle dialog, SInt16 item, UInt16 kind,
                      SInt32 extra) {
    LockedItem it(dialog, item);
    MyControlItem* record = it.record;
    if (!record) return;
    record->kind = UInt16((record->kind & (kMyKindHidden | kMyKindDisabled)) | (kind & kMyKindMask));
    switch (kind & kMyKindMask) {
    case kMyContainer:
        record->value = record->maximum = record->minimum = 50000;
        record->collapseRect.bottom = SInt16(record->collapseRect.top + 16);
        break;
    case kMySlider:
        record->value = 0;
        record->minimum = 0;
        record->maximum = RectWidth(record->rect) - 20;
        record->flags = UInt32(extra);
        break;
    case kMyIndicatorLight:
        record->flags = UInt32(extra);
        break;
    case kMyFontButton:
        record->value = 0;
        record->maximum = 1;
        record->minimum = 2;
        break;
    case kMyList:
        SetMyControlList(reference, dialog, record);
        break;
    case kMyEditText:
    case kMyScrollingEditText:
        SetMyControlEditText(reference, dialog, item, nullptr, 0, kind);
        if ((kind & kMyKindMask) == kMyScrollingEditText && !record->scrollBar) {
            Rect bar = record->rect;
            bar.left = SInt16(bar.right - 9);
            const Point offset = MyControlOffset(dialog, record);
            OffsetRect(&bar, offset.h, offset.v);
            record->scrollBar = MyCreateScrollControl(record->window, true, &bar,
                                                      UInt32(UInt16(reference)) << 16 | UInt16(item));
            if (record->scrollBar) record->scrollBar->text = static_cast<WEReference>(record->object);
        }
        break;
    case kMySlidingPictures:
        SetMyControlSlidingPicts(reference, dialog, item, extra);
        break;
    case kMyVerticalScrollBar:
    case kMyHorizontalScrollBar:
        SetMyControlScrollBar(reference, dialog, item, (kind & kMyKindMask) == kMyVerticalScrollBar);
        break;
    default:
        break;
    }
    Redraw(reference, dialog, record);
}

SInt16 GetMyControlExpanded(const MyControlItem* record) {
    return record ? SInt16(record->flags & kMyFlagExpanded) : 0;
}

bool GetMyControlDontScroll(const MyControlItem* record) {
    return record && (record->flags & kMyFlagFixed);
}

void SetMyControlDontScroll(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool fixed) {
    LockedItem it(dialog, item);
    if (!it.record) return;
    if (fixed)
        it.record->flags |= kMyFlagFixed;
    else
        it.record->flags &= ~UInt32(kMyFlagFixed);
    Redraw(reference, dialog, it.record);
}

SInt16 GetMyControlInactive(WindowReference, MyDialogHandle dialog, SInt16 item) {
    LockedItem it(dialog, item);
    return !it.record || (it.record->flags & kMyFlagInactive) ? 1 : 0;
}

SInt16 GetMyControlidabove(const MyControlItem* record) {
    return record ? record->itemAbove : -1;
}

SInt16 GetMyControlContainer(const MyControlItem* record) {
    if (!record || (record->kind & kMyKindMask) == kMyContainer) return 0;
    return record->container;
}

SInt32 GetSliderControlPosition(const MyControlItem* record) {
    if (!record) return 0;
    const double step = SliderStep(record);
    return step != 0.0 ? SInt32((record->value - record->minimum) / step) : 0;
}

double GetSliderControlValue(const MyControlItem* record, SInt32 position) {
    return record ? SliderStep(record) * position + record->minimum : 0.0;
}

double GetSliderControlValuePerPosition(WindowReference, MyDialogHandle dialog, SInt16 item,
                                        SInt32 position) {
    LockedItem it(dialog, item);
    return it.record ? GetSliderControlValue(it.record, position) : 0.0;
}

SInt32 GetMySliderValue(WindowReference, const MyControlItem* record) {
    return record ? record->value : 0;
}

void SetMyControlPicture(WindowReference reference, MyDialogHandle dialog, SInt16 item, void* content,
                         SInt32 type) {
    LockedItem it(dialog, item);
    if (!it.record) return;
    DisposeMyPreviewContent(it.record);
    it.record->object = content;
    it.record->maximum = SInt16(type);
    const Point offset = MyControlOffset(dialog, it.record);
    Rect place = MyControlPlace(it.record);
    OffsetRect(&place, offset.h, offset.v);
    PlaceMyPreviewContent(it.record, place);
    Redraw(reference, dialog, it.record);
}

void GetMyControlRect(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset) {
    LockedItem it(dialog, item);
    if (!rect) return;
    *rect = Rect{};
    if (!it.record) return;
    *rect = it.record->rect;
    OffsetUnlessFixed(dialog, it.record, rect, withOffset);
}

void GetMyCollapseRect(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset) {
    LockedItem it(dialog, item);
    if (!rect) return;
    *rect = Rect{};
    if (!it.record) return;
    *rect = it.record->collapseRect;
    OffsetUnlessFixed(dialog, it.record, rect, withOffset);
}

void GetMyControlPosition(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset) {
    LockedItem it(dialog, item);
    if (!rect) return;
    *rect = Rect{};
    if (!it.record) return;
    *rect = MyControlPlace(it.record);
    OffsetUnlessFixed(dialog, it.record, rect, withOffset);
}

SInt16 GetMyControlClickRect(MyDialogHandle dialog, SInt16 item, Rect* rect) {
    LockedItem it(dialog, item);
    if (!rect) return 0;
    *rect = Rect{};
    if (!it.record) return 0;
    const bool container = (it.record->kind & kMyKindMask) == kMyContainer;
    const bool collapsed = !(it.record->flags & kMyFlagExpanded);
    if (!(it.record->flags & kMyFlagInactive))
        *rect = (container || collapsed) ? it.record->collapseRect : it.record->rect;
    OffsetUnlessFixed(dialog, it.record, rect, true);
    return container && collapsed ? 0 : 1;
}
