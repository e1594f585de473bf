// Moving items with the items that hang under them and the members of their containers, and expanding and
// collapsing containers. Chains only ever reach later items, so every walk ends.
#include "controls/control_layout.h"

#include "controls/control_drawing.h"
#include "controls/control_previews.h"
#include "controls/edit_fields.h"
#include "controls/list_controls.h"
#include "controls/scroll_controls.h"
#include "controls/sliding_pictures.h"

#include <vector>

namespace {

bool IsContainer(const MyControlItem* record) {
    return (record->kind & kMyKindMask) == kMyContainer;
}

// The place of the item above: an item above of 0 (the window's top) counts as an empty rect at 0.
Rect PlaceAbove(MyDialogHandle dialog, SInt16 itemAbove) {
    if (itemAbove <= 0) return Rect{};
    const MyControlItem* above = ControlFromItemNum(dialog, itemAbove);
    return above ? MyControlPlace(above) : Rect{};
}

void EraseAndInvalidate(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                        const Rect& place) {
    const Rect saved = record->collapseRect;
    record->collapseRect = place;
    EraseAMyDialogButton(reference, record);
    record->collapseRect = saved;
    (void)dialog;
}

// Places what the item owns at its place with the content offset.
void PlaceOwned(MyDialogHandle dialog, MyControlItem* record) {
    const Point offset = MyControlOffset(dialog, record);
    Rect place = MyControlPlace(record);
    OffsetRect(&place, offset.h, offset.v);
    switch (record->kind & kMyKindMask) {
    case kMyPreview:
        PlaceMyPreviewContent(record, place);
        break;
    case kMyList:
        PlaceMyControlList(record, place);
        break;
    case kMySlidingPictures:
        if (record->maximum == 1 && record->object) {
            auto* strip = static_cast<MySlidingStrip*>(record->object);
            const SInt32 dh = place.left - strip->view.left, dv = place.top - strip->view.top;
            for (LongRect* r : {&strip->view, &strip->leftArrow, &strip->rightArrow, &strip->cells}) {
                r->left += dh;
                r->right += dh;
                r->top += dv;
                r->bottom += dv;
            }
        }
        break;
    case kMyEditText:
    case kMyScrollingEditText:
        InsetRect(&place, 1, 1);
        if ((record->kind & kMyKindMask) == kMyScrollingEditText) place.right = SInt16(place.right - 9);
        PlaceMyEditText(record, place);
        break;
    default:
        break;
    }
}

// Moves an item and what follows it. Each item moves once per move: one that both hangs under a moved
// item and sits in the moved container would otherwise be carried twice.
void MoveWithFollowers(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect& rect,
                       bool moveMembers, bool redraw, std::vector<char>& moved) {
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    moved[size_t(item)] = 1;
    EraseAMyDialogButton(reference, record);
    const SInt16 dh = SInt16(rect.left - record->rect.left);
    const SInt16 dtop = SInt16(rect.top - record->rect.top);
    const SInt16 dv = SInt16(rect.bottom - record->rect.bottom);
    record->collapseRect.top = SInt16(record->collapseRect.top + dtop);
    record->collapseRect.bottom = SInt16(record->collapseRect.bottom + dv);
    record->collapseRect.left = SInt16(record->collapseRect.left + dh);
    record->collapseRect.right = SInt16(record->collapseRect.right + dh);
    record->rect = rect;
    PlaceOwned(dialog, record);
    if (record->scrollBar && (dh || dv)) MoveMyScrollControl(record->scrollBar, dh, dv);
    const SInt16 count = CountMyControls(dialog);
    for (SInt16 n = SInt16(item + 1); n <= count; ++n) {
        MyControlItem* below = ControlFromItemNum(dialog, n);
        if (moved[size_t(n)]) continue;
        const bool hangs = below->itemAbove == item;
        const bool member = moveMembers && below->container == item && !IsContainer(below);
        if (!hangs && !member) continue;
        // Members of one container keep their places side by side: one hanging under another member
        // follows it sideways too.
        const bool sameBox =
            !IsContainer(record) && record->container != 0 && below->container == record->container;
        Rect next = below->rect;
        OffsetRect(&next, (member || sameBox) ? dh : 0, dv);
        MoveWithFollowers(reference, dialog, n, next, moveMembers, redraw, moved);
    }
    if (redraw) DrawAMyDialogButton(reference, dialog, record, false, false);
}

} // namespace

Rect MyControlPlace(const MyControlItem* record) {
    return (record->flags & kMyFlagExpanded) ? record->rect : record->collapseRect;
}

void MoveMyControl(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect& rect,
                   bool moveMembers, bool redraw) {
    MyDialogLock lock(dialog);
    std::vector<char> moved(size_t(CountMyControls(dialog)) + 1, 0);
    MoveWithFollowers(reference, dialog, item, rect, moveMembers, redraw, moved);
}

void SetMyControlRect(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect* rect,
                      bool moveMembers) {
    if (rect) MoveMyControl(reference, dialog, item, *rect, moveMembers, true);
}

void SetMyControlidabove(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 itemAbove) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || itemAbove < 0 || (itemAbove > 0 && !ControlFromItemNum(dialog, itemAbove))) return;
    record->itemAbove = itemAbove;
    const Rect above = PlaceAbove(dialog, itemAbove);
    record->gap = SInt16(record->rect.top - above.bottom);
    EraseAMyDialogButton(reference, record);
    Rect moved = record->rect;
    OffsetRect(&moved, 0, SInt16(above.bottom - moved.top));
    MoveMyControl(reference, dialog, item, moved, true, false);
    DrawAMyDialogButton(reference, dialog, record, record->flags & kMyFlagChecked, false);
}

void SetMyControlContainer(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 container,
                           SInt16 itemAbove, bool move) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    MyControlItem* box = ControlFromItemNum(dialog, container);
    if (!record || !box) return;
    record->container = container;
    box->container = item;
    EraseAMyDialogButton(reference, record);
    if (move) {
        Rect moved = record->rect;
        OffsetRect(&moved, 0, box->rect.top);
        MoveMyControl(reference, dialog, item, moved, true, true);
    }
    const bool boxShows = !(box->kind & kMyKindHidden) && (box->flags & kMyFlagExpanded);
    if (!boxShows) MyHideControl(reference, dialog, item, true);
    if (itemAbove != 0) record->itemAbove = itemAbove;
}

void SetMyControlExpanded(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool expanded) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    if (expanded)
        record->flags |= kMyFlagExpanded;
    else
        record->flags &= ~UInt32(kMyFlagExpanded);
    EraseAndInvalidate(reference, dialog, record, record->rect);
    const SInt16 delta = SInt16(expanded ? record->rect.bottom - record->collapseRect.bottom
                                         : record->collapseRect.bottom - record->rect.bottom);
    const SInt16 count = CountMyControls(dialog);
    for (SInt16 n = 1; n <= count; ++n) {
        MyControlItem* other = ControlFromItemNum(dialog, n);
        if (n == item || other->itemAbove != item) continue;
        if (!IsContainer(other) && other->container != 0) continue;
        Rect moved = other->rect;
        OffsetRect(&moved, 0, delta);
        MoveMyControl(reference, dialog, n, moved, false, true);
    }
    for (SInt16 n = 1; n <= count; ++n) {
        MyControlItem* other = ControlFromItemNum(dialog, n);
        if (n == item || other->container != item || IsContainer(other)) continue;
        MyHideControl(reference, dialog, n, !expanded);
    }
    DrawAMyDialogButton(reference, dialog, record, expanded, false);
    if (dialog->window) InvalWindowRect(dialog->window, &dialog->bounds);
}

SInt16 DoMyExpand(WindowReference reference, MyDialogHandle dialog, SInt16 item) {
    const MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return 0;
    const bool expand = !(record->flags & kMyFlagExpanded);
    SetMyControlExpanded(reference, dialog, item, expand);
    return expand ? 2 : 0;
}

void MyExpandContainer(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool collapse) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || bool(record->flags & kMyFlagExpanded) == !collapse) return;
    if (collapse)
        record->flags &= ~UInt32(kMyFlagExpanded);
    else
        record->flags |= kMyFlagExpanded;
    // Everything from the item down is drawn again.
    Rect below = dialog->bounds;
    below.top = record->rect.top;
    if (CGrafPtr port = GetPortByReference(reference)) {
        const WindowReference saved = GetPortReference();
        SetPortByReference(reference);
        RGBColor back;
        GetBackColor(&back);
        const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
        RGBBackColor(&white);
        EraseRect(&below);
        RGBBackColor(&back);
        SetPortByReference(saved);
        (void)port;
    }
    UpdateMyDialogWindow(reference, dialog, SInt16(item - 1));
}

void SetMyDisclosureControlHeight(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                  SInt16 height) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    EraseAndInvalidate(reference, dialog, record, record->rect);
    const SInt16 oldBottom = record->rect.bottom;
    record->rect.bottom = SInt16(record->rect.top + height);
    const SInt16 delta = SInt16(record->rect.bottom - oldBottom);
    const SInt16 count = CountMyControls(dialog);
    for (SInt16 n = SInt16(item + 1); n <= count; ++n) {
        MyControlItem* other = ControlFromItemNum(dialog, n);
        if (other->itemAbove != item || other->container == item) continue;
        Rect moved = other->rect;
        OffsetRect(&moved, 0, delta);
        MoveMyControl(reference, dialog, n, moved, false, true);
    }
    DrawAMyDialogButton(reference, dialog, record, false, false);
}

void ResetMyEditControlRects(WindowReference reference, MyDialogHandle dialog) {
    if (!dialog) return;
    MyDialogLock lock(dialog);
    (void)reference;
    for (MyControlItem& record : dialog->items) {
        if (record.flags & kMyFlagFixed) continue;
        PlaceOwned(dialog, &record);
        if (!record.scrollBar) continue;
        const Point offset = MyControlOffset(dialog, &record);
        Rect bar = record.rect;
        if ((record.kind & kMyKindMask) == kMyScrollingEditText) bar.left = SInt16(bar.right - 9);
        OffsetRect(&bar, offset.h, offset.v);
        PlaceMyScrollControl(record.scrollBar, bar);
    }
}
