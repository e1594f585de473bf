// Sliding-picture strips: cells laid side by side, drawn by the window's strip-entry callback, slid by
// dragging or by the arrows, with momentum after a drag.
#include "controls/sliding_pictures.h"

#include "controls/control_drawing.h"
#include "controls/window_callbacks.h"
#include "platform/clock.h"
#include "platform/events.h"

#include <algorithm>

namespace {

Rect ShortRect(const LongRect& r) {
    return Rect{SInt16(r.top), SInt16(r.left), SInt16(r.bottom), SInt16(r.right)};
}

LongRect LongOf(const Rect& r) {
    return LongRect{r.top, r.left, r.bottom, r.right};
}

// A square of the rect's height centred in it: where an empty strip shows its arrows and cell.
LongRect CentredSquare(const LongRect& r) {
    const SInt32 side = r.bottom - r.top;
    const SInt32 left = r.left + ((r.right - r.left) - side) / 2;
    return LongRect{r.top, left, r.bottom, left + side};
}

MySlidingStrip* StripOf(const MyControlItem* record) {
    return record && (record->kind & kMyKindMask) == kMySlidingPictures && record->maximum == 1
               ? static_cast<MySlidingStrip*>(record->object)
               : nullptr;
}

void Redraw(MyDialogHandle dialog, MyControlItem* record) {
    if (dialog) DrawAMyDialogButton(dialog->windowReference, dialog, record, false, false);
}

// The entry whose cell lies under a horizontal place of the view, -1 none.
SInt32 EntryAt(const MySlidingStrip* strip, SInt32 h) {
    const SInt32 along = h - strip->view.left - strip->offset;
    for (size_t i = 0; i < strip->entries.size(); ++i)
        if (along >= strip->entries[i].left && along < strip->entries[i].right) return SInt32(i);
    return -1;
}

void DrawArrowShape(const Rect& r, bool left, bool pressed) {
    const RGBColor black{0, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    RGBForeColor(pressed ? &black : &white);
    PaintRect(&r);
    RGBForeColor(pressed ? &white : &black);
    const SInt16 midV = SInt16((r.top + r.bottom) / 2);
    const SInt16 reach = SInt16(std::max(2, std::min<int>(RectWidth(r), RectHeight(r)) / 3));
    const SInt16 tip = SInt16(left ? (r.left + r.right) / 2 - reach / 2 : (r.left + r.right) / 2 + reach / 2);
    const SInt16 tail = SInt16(left ? tip + reach : tip - reach);
    for (SInt16 d = 0; d <= reach; ++d) {
        const SInt16 h = SInt16(left ? tip + d : tip - d);
        MoveTo(h, SInt16(midV - d));
        LineTo(h, SInt16(midV + d));
    }
    (void)tail;
    RGBForeColor(&black);
    FrameRect(&r);
}

} // namespace

void DrawMySlidingArrow(const Rect* rect, bool left, bool pressed) {
    if (rect) DrawArrowShape(*rect, left, pressed);
}

MySlidingStrip* MyCreateScrollingControl(WindowRef window, SInt16 mode, const Rect* rect, UInt32 id) {
    if (!rect) return nullptr;
    auto* strip = new MySlidingStrip;
    strip->id = id;
    strip->mode = mode ? mode : SInt16(kStripItself);
    strip->window = window;
    strip->view = strip->cells = LongOf(*rect);
    strip->leftArrow = strip->rightArrow = CentredSquare(strip->view);
    strip->cellWidth = RectWidth(*rect);
    strip->savedClip = NewRgn();
    return strip;
}

void MyDisposeScrollingControl(MySlidingStrip* strip) {
    if (!strip) return;
    DisposeRgn(strip->savedClip);
    delete strip;
}

void SetMyControlSlidingPicts(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 mode) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    const SInt16 low = SInt16(mode & 0xFFFF);
    if (low == kStripItself) {
        if (StripOf(record)) return;
        Rect place = record->rect;
        const Point offset = MyControlOffset(dialog, record);
        OffsetRect(&place, offset.h, offset.v);
        record->object = MyCreateScrollingControl(record->window, kStripItself, &place,
                                                  UInt32(UInt16(reference)) << 16 | UInt16(item));
        record->maximum = record->object ? 1 : 0;
    } else {
        // An arrow: it steers the strip item named in the high half.
        record->maximum = low;
        record->value = SInt32(UInt32(mode) >> 16);
    }
}

void AddMyScrollingPicturesItem(WindowReference, MyDialogHandle dialog, SInt16 item, const Rect* cell,
                                SInt16 count, bool redraw) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    MySlidingStrip* strip = StripOf(record);
    if (!strip || !cell) return;
    const SInt32 width = RectWidth(*cell), height = RectHeight(*cell);
    if (strip->entries.empty() && width > 0) {
        strip->cellWidth = SInt16(width);
        strip->leftArrow = strip->rightArrow = CentredSquare(strip->view);
    }
    for (SInt16 i = 0; i < std::max<SInt16>(count, 1); ++i) {
        const SInt32 left = strip->entries.empty() ? 0 : strip->entries.back().right;
        strip->entries.push_back(ScrollingPicsItem{0, left, height, left + width});
        strip->extent -= width;
    }
    if (redraw) Redraw(dialog, record);
}

void RemoveMyScrollingPicturesItem(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 first,
                                   SInt32 last, bool redraw) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    MySlidingStrip* strip = StripOf(record);
    if (!strip) return;
    const SInt32 count = SInt32(strip->entries.size());
    if (first == -1) first = 0, last = count - 1;
    first = std::max<SInt32>(first, 0);
    last = std::min<SInt32>(last, count - 1);
    if (first == 0 && last == count - 1) {
        strip->entries.clear();
        strip->extent = strip->offset = 0;
        strip->cellWidth = SInt16(strip->view.right - strip->view.left);
        strip->speed = 0;
        strip->current = 0;
        strip->selected = -1;
        strip->leftArrow = strip->rightArrow = strip->cells = CentredSquare(strip->view);
    }
    if (redraw) Redraw(dialog, record);
}

MySlidingStrip* GetMyScrollingPicturesItem(WindowReference, MyDialogHandle dialog, SInt16 item) {
    MyDialogLock lock(dialog);
    return StripOf(ControlFromItemNum(dialog, item));
}

SInt32 GetMyControlScrollingPicsCurrentValue(WindowReference reference, MyDialogHandle dialog, SInt16 item) {
    const MySlidingStrip* strip = GetMyScrollingPicturesItem(reference, dialog, item);
    return strip ? strip->current : 0;
}

void SelectThisSlidingPictureControl(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 index) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    MySlidingStrip* strip = StripOf(record);
    if (!strip || index < 0 || index >= SInt32(strip->entries.size())) return;
    strip->current = strip->selected = index;
    strip->offset = std::clamp<SInt32>(-strip->entries[size_t(index)].left, strip->extent, 0);
    Redraw(dialog, record);
}

SInt32 ScrollThisSlidingPictureControl(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 step) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    MySlidingStrip* strip = StripOf(record);
    if (!strip) return 0;
    if (step == 0) step = strip->speed;
    if (step == 0) return 0;
    const SInt32 width = std::max<SInt32>(strip->cellWidth, 1);
    const SInt32 before = strip->offset;
    strip->offset += step;
    if (strip->offset > 0 || strip->offset < strip->extent) {
        strip->offset = std::clamp<SInt32>(strip->offset, strip->extent, 0);
        strip->speed = 0;
        // At the far end the last cell may start before the view's edge: the current entry is the last.
        strip->current =
            std::min<SInt32>(-strip->offset / width, std::max<SInt32>(SInt32(strip->entries.size()) - 1, 0));
    } else if (strip->snap && (before / width != strip->offset / width || strip->offset % width == 0)) {
        strip->current = std::clamp<SInt32>(strip->current + (step < 0 ? 1 : -1), 0,
                                            std::max<SInt32>(SInt32(strip->entries.size()) - 1, 0));
        strip->offset = -strip->current * width;
        strip->speed = 0;
        strip->snap = false;
    }
    strip->selected = -1;
    Redraw(dialog, record);
    return strip->offset - before;
}

void DrawMyScrollingPicturesItem(const Rect* rect, MySlidingStrip* strip, bool pressed) {
    if (!strip || !rect) return;
    if (strip->mode == kStripLeftArrow || strip->mode == kStripRightArrow) {
        DrawArrowShape(*rect, strip->mode == kStripLeftArrow, pressed);
        return;
    }
    const Rect view = ShortRect(strip->view);
    const RGBColor black{0, 0, 0};
    EraseRect(&view);
    if (strip->entries.empty()) {
        const Rect left = ShortRect(strip->leftArrow), cells = ShortRect(strip->cells);
        RGBForeColor(&black);
        FrameRect(&left);
        FrameRect(&cells);
        FrameRect(&view);
        return;
    }
    GetClip(strip->savedClip);
    ClipRect(&view);
    strip->firstVisible = strip->lastVisible = -1;
    for (size_t i = 0; i < strip->entries.size(); ++i) {
        const ScrollingPicsItem& e = strip->entries[i];
        const SInt32 left = strip->view.left + strip->offset + e.left;
        const SInt32 right = strip->view.left + strip->offset + e.right;
        if (right <= strip->view.left) continue;
        if (left >= strip->view.right) break;
        const Rect cell{SInt16(strip->view.top + e.top), SInt16(left), SInt16(strip->view.top + e.bottom),
                        SInt16(right)};
        DrawMyScrollingItemCallback(SInt32(strip->id), SInt16(i), &cell, SInt32(i) == strip->current);
        if (strip->firstVisible < 0) strip->firstVisible = SInt32(i);
        strip->lastVisible = SInt32(i);
    }
    SetClip(strip->savedClip);
    RGBForeColor(&black);
    FrameRect(&view);
}

SInt16 TrackMySlidingPicts(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect* hit,
                           Point press) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return 0;
    const SInt32 mode = record->maximum == 1 ? kStripItself : record->maximum;
    const SInt16 stripItem = mode == kStripItself ? item : SInt16(record->value);
    MyControlItem* stripRecord = ControlFromItemNum(dialog, stripItem);
    MySlidingStrip* strip = StripOf(stripRecord);
    if (!strip || strip->entries.empty()) return 0;
    strip->speed = 0;
    if (mode == kStripItself) {
        const SInt32 pressed = EntryAt(strip, press.h);
        SInt16 last = press.h;
        SInt32 moves[3] = {0, 0, 0};
        bool dragged = false;
        auto follow = [&] {
            Point mouse;
            GetMouse(&mouse);
            const SInt32 dx = mouse.h - last;
            last = mouse.h;
            moves[0] = moves[1];
            moves[1] = moves[2];
            moves[2] = dx;
            if (dx == 0) return;
            dragged = true;
            strip->offset = std::clamp<SInt32>(strip->offset + dx, strip->extent, 0);
            strip->selected = -1;
            Redraw(dialog, stripRecord);
        };
        while (StillDown()) {
            follow();
            Delay(6, nullptr);
        }
        follow();
        Point mouse;
        GetMouse(&mouse);
        if (dragged) {
            if (moves[1] != 0 || moves[2] != 0) strip->speed = moves[0] + moves[1] + moves[2];
            return hit && PtInRect(mouse, hit) ? 1 : 0;
        }
        if (pressed >= 0 && EntryAt(strip, mouse.h) == pressed) {
            SelectThisSlidingPictureControl(reference, dialog, stripItem, pressed);
            return 1;
        }
        return 0;
    }
    // The arrows step one entry at a time: at once, then after the start delay while held on the arrow.
    const bool forward = mode == kStripRightArrow;
    auto stepOnce = [&] {
        const SInt32 count = SInt32(strip->entries.size());
        SInt32 next = strip->selected >= 0
                          ? strip->selected + (forward ? 1 : -1)
                          : std::clamp<SInt32>(-strip->offset / std::max<SInt32>(strip->cellWidth, 1) +
                                                   (forward ? 1 : -1),
                                               0, count - 1);
        next = std::clamp<SInt32>(next, 0, count - 1);
        SelectThisSlidingPictureControl(reference, dialog, stripItem, next);
    };
    stepOnce();
    UInt32 due = TickCount() + strip->startDelay;
    while (StillDown()) {
        Point mouse;
        GetMouse(&mouse);
        if (hit && !PtInRect(mouse, hit)) continue;
        if (TickCount() < due) continue;
        stepOnce();
        due = TickCount() + strip->slideStep / 6 + 1;
    }
    return 0;
}
