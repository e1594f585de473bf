// The control layer's own scroll bars: geometry, thumb placement, drawing and live tracking.
#include "controls/scroll_controls.h"

#include "controls/window_callbacks.h"
#include "foundation/popup_items.h"
#include "foundation/window_references.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UInt32 kFirstRepeatTicks = 30;
constexpr UInt32 kPageRepeatTicks = 3;  // 0.05 s
constexpr UInt32 kArrowRepeatTicks = 1; // 0.02 s, as near as ticks come

SInt16 Length(const MyScrollControl* bar) {
    return bar->vertical ? RectHeight(bar->bar) : RectWidth(bar->bar);
}
SInt16 Breadth(const MyScrollControl* bar) {
    return bar->vertical ? RectWidth(bar->bar) : RectHeight(bar->bar);
}

// Arrows are squares at both ends; the track lies between them.
void LayOutBar(MyScrollControl* bar, const Rect& rect) {
    bar->bar = rect;
    const SInt16 side = std::min(Breadth(bar), SInt16(Length(bar) / 2));
    bar->firstArrow = bar->secondArrow = bar->track = rect;
    if (bar->vertical) {
        bar->firstArrow.bottom = SInt16(rect.top + side);
        bar->secondArrow.top = SInt16(rect.bottom - side);
        bar->track.top = bar->firstArrow.bottom;
        bar->track.bottom = bar->secondArrow.top;
    } else {
        bar->firstArrow.right = SInt16(rect.left + side);
        bar->secondArrow.left = SInt16(rect.right - side);
        bar->track.left = bar->firstArrow.right;
        bar->track.right = bar->secondArrow.left;
    }
    bar->thumb = Rect{};
    bar->pageStep = std::max(16, Length(bar) - 16);
}

// The content's size along the bar, which sets the thumb's share of the track.
double ContentSize(const MyScrollControl* bar, WEReference text) {
    if (text) return double(WECountLines(text)) * 16.0;
    if (!bar->window) return Length(bar);
    Rect bounds;
    GetPortBounds(GetWindowPort(bar->window), &bounds);
    return bar->vertical ? RectHeight(bounds) : RectWidth(bounds);
}

void DrawArrow(const MyScrollControl* bar, const Rect& r, bool first, bool pressed) {
    RGBColor fore = bar->arrowColor, back = bar->trackColor;
    if (pressed) std::swap(fore, back);
    RGBBackColor(&back);
    EraseRect(&r);
    RGBForeColor(&fore);
    const SInt16 midH = SInt16((r.left + r.right) / 2), midV = SInt16((r.top + r.bottom) / 2);
    const SInt16 reach = SInt16(std::max(2, (std::min(RectWidth(r), RectHeight(r)) - 6) / 2));
    // Two strokes meeting at the tip, the tip pointing out of the bar.
    if (bar->vertical) {
        const SInt16 tip = SInt16(first ? midV - reach / 2 : midV + reach / 2);
        const SInt16 tail = SInt16(first ? tip + reach : tip - reach);
        MoveTo(SInt16(midH - reach), tail);
        LineTo(midH, tip);
        LineTo(SInt16(midH + reach), tail);
    } else {
        const SInt16 tip = SInt16(first ? midH - reach / 2 : midH + reach / 2);
        const SInt16 tail = SInt16(first ? tip + reach : tip - reach);
        MoveTo(tail, SInt16(midV - reach));
        LineTo(tip, midV);
        LineTo(tail, SInt16(midV + reach));
    }
    RGBForeColor(&bar->frameColor);
    FrameRect(&r);
}

bool SetPortOfBar(const MyScrollControl* bar, WindowReference* saved) {
    if (!bar || !bar->window) return false;
    *saved = GetPortReference();
    SetGWorld(GetWindowPort(bar->window), nullptr);
    return true;
}

void Flush(const MyScrollControl* bar) {
    if (bar->window) QDFlushPortBuffer(GetWindowPort(bar->window), nullptr);
}

// Moves what the bar scrolls by pixels (positive: towards the content's end) and keeps the bar's value.
void ScrollBy(MyScrollControl* bar, MyControlItem* record, MyDialogHandle dialog, double units) {
    const double before = bar->value;
    bar->value = std::clamp(bar->value + units, bar->minimum, std::max(bar->minimum, bar->maximum));
    const double moved = bar->value - before;
    if (moved == 0) return;
    if (bar->text) {
        WEScroll(0, SInt32(-std::lround(moved)), bar->text);
    } else if (dialog && record) {
        ScrollMyWindowContent(dialog, record->itemNumber, SInt32(std::lround(bar->value)));
    }
    RecalMyScrollControl(bar, true, kScrollBarNormal, bar->text);
    Flush(bar);
}

} // namespace

MyScrollControl* MyCreateScrollControl(WindowRef window, bool vertical, const Rect* rect, UInt32 id) {
    if (!rect) return nullptr;
    auto* bar = new MyScrollControl;
    bar->id = id;
    bar->vertical = vertical;
    bar->window = window;
    LayOutBar(bar, *rect);
    return bar;
}

void MyDisposeScrollControl(MyScrollControl* bar) {
    delete bar;
}

void SetMyScrollControlValue(MyScrollControl* bar, WEReference text, double value, bool redraw) {
    if (!bar) return;
    bar->value = value;
    if (redraw) RecalMyScrollControl(bar, true, kScrollBarNormal, text);
}

void SetMyScrollControlMaximum(MyScrollControl* bar, WEReference text, double maximum, bool redraw) {
    if (!bar) return;
    bar->maximum = maximum;
    if (redraw) RecalMyScrollControl(bar, true, kScrollBarNormal, text);
}

void SetMyScrollControlMinimum(MyScrollControl* bar, WEReference text, double minimum, bool redraw) {
    if (!bar) return;
    bar->minimum = minimum;
    if (redraw) RecalMyScrollControl(bar, true, kScrollBarNormal, text);
}

double GetMyScrollControlValue(const MyScrollControl* bar) {
    return bar ? bar->value : 0.0;
}

void SetMyScrollControlID(MyScrollControl* bar, UInt32 id) {
    if (bar) bar->id = id;
}

void SetMyScrollControlAction(MyScrollControl* bar, SInt32 action) {
    if (bar) bar->action = action;
}

void RecalMyScrollControl(MyScrollControl* bar, bool redraw, SInt16 mode, WEReference text) {
    if (!bar) return;
    if (text) bar->text = text;
    bar->value = std::clamp(bar->value, bar->minimum, std::max(bar->minimum, bar->maximum));
    const double trackLength = Length(bar) - 2.0 * Breadth(bar);
    const double range = bar->maximum - bar->minimum;
    if (range > 0 && trackLength > 0) {
        const double content = ContentSize(bar, bar->text);
        const double thumb = std::min(trackLength, std::max(8.0, content / (range + content) * trackLength));
        bar->pixelsPerUnit = (trackLength - thumb) / range;
        const SInt16 along =
            SInt16(std::min((bar->value - bar->minimum) * bar->pixelsPerUnit, trackLength - thumb));
        Rect t = bar->bar;
        InsetRect(&t, 1, 1);
        if (bar->vertical) {
            t.top = SInt16(bar->track.top + along);
            t.bottom = SInt16(t.top + SInt16(thumb));
        } else {
            t.left = SInt16(bar->track.left + along);
            t.right = SInt16(t.left + SInt16(thumb));
        }
        bar->thumb = t;
    } else {
        bar->thumb = Rect{};
        bar->pixelsPerUnit = 1.0;
    }
    if (redraw) UpdateMyScrollControl(bar, mode);
}

void DrawMyScrollControl(const MyScrollControl* bar, SInt16 mode) {
    if (!bar) return;
    RGBColor fore, back;
    GetForeColor(&fore);
    GetBackColor(&back);
    if (mode == kScrollBarErase) {
        EraseRect(&bar->bar);
        return;
    }
    RGBForeColor(&bar->trackColor);
    PaintRect(&bar->bar);
    RGBForeColor(&bar->frameColor);
    FrameRect(&bar->track);
    DrawArrow(bar, bar->firstArrow, true, mode & kScrollBarFirstPressed);
    DrawArrow(bar, bar->secondArrow, false, mode & kScrollBarSecondPressed);
    if (!EmptyRect(&bar->thumb)) {
        RGBForeColor(&bar->thumbColor);
        PaintRect(&bar->thumb);
        RGBForeColor(&bar->frameColor);
        FrameRect(&bar->thumb);
    }
    RGBForeColor(&fore);
    RGBBackColor(&back);
}

void UpdateMyScrollControl(const MyScrollControl* bar, SInt16 mode) {
    WindowReference saved;
    if (!SetPortOfBar(bar, &saved)) return;
    DrawMyScrollControl(bar, mode);
    SetPortByReference(saved);
}

void MoveMyScrollControl(MyScrollControl* bar, SInt16 dh, SInt16 dv) {
    if (!bar) return;
    UpdateMyScrollControl(bar, kScrollBarErase);
    for (Rect* r : {&bar->bar, &bar->firstArrow, &bar->secondArrow, &bar->track, &bar->thumb})
        if (!EmptyRect(r) || r == &bar->bar) OffsetRect(r, dh, dv);
    UpdateMyScrollControl(bar, kScrollBarNormal);
}

void PlaceMyScrollControl(MyScrollControl* bar, const Rect& rect) {
    if (!bar) return;
    LayOutBar(bar, rect);
    RecalMyScrollControl(bar, false, kScrollBarNormal, bar->text);
}

void HiliteMyScrollControl() {}

bool TrackMyScrollbar(MyScrollControl* bar, MyDialogHandle dialog, MyControlItem* record, Point press) {
    WindowReference saved;
    if (!SetPortOfBar(bar, &saved)) return false;
    gDontInterruptPopup = true;
    const double start = bar->value;
    // Where the press was decides the part; the mouse may have moved on since.
    Point mouse = press;
    const SInt16 along0 = bar->vertical ? mouse.v : mouse.h;
    if (PtInRect(mouse, &bar->thumb)) {
        // The thumb follows the mouse; whole units are scrolled as the fraction builds up.
        double pending = 0;
        SInt16 last = along0;
        auto follow = [&] {
            GetMouse(&mouse);
            const SInt16 now = bar->vertical ? mouse.v : mouse.h;
            if (now == last || bar->pixelsPerUnit <= 0) return;
            pending += (now - last) / bar->pixelsPerUnit;
            last = now;
            const double whole = std::trunc(pending);
            if (whole != 0) {
                pending -= whole;
                ScrollBy(bar, record, dialog, whole);
            }
        };
        while (StillDown())
            follow();
        follow();
    } else if (PtInRect(mouse, &bar->track)) {
        const bool before = bar->vertical ? mouse.v < bar->thumb.top : mouse.h < bar->thumb.left;
        const double step = before ? -bar->pageStep : bar->pageStep;
        ScrollBy(bar, record, dialog, step);
        UInt32 due = TickCount() + kFirstRepeatTicks;
        while (StillDown()) {
            if (TickCount() < due) continue;
            GetMouse(&mouse);
            const bool stillBefore = bar->vertical ? mouse.v < bar->thumb.top : mouse.h < bar->thumb.left;
            const bool stillAfter =
                bar->vertical ? mouse.v >= bar->thumb.bottom : mouse.h >= bar->thumb.right;
            if (PtInRect(mouse, &bar->track) && (before ? stillBefore : stillAfter))
                ScrollBy(bar, record, dialog, step);
            due = TickCount() + kPageRepeatTicks;
        }
    } else if (PtInRect(mouse, &bar->firstArrow) || PtInRect(mouse, &bar->secondArrow)) {
        const bool first = PtInRect(mouse, &bar->firstArrow);
        const Rect& arrow = first ? bar->firstArrow : bar->secondArrow;
        const SInt16 pressedMode = first ? kScrollBarFirstPressed : kScrollBarSecondPressed;
        const double step = first ? -bar->lineStep : bar->lineStep;
        DrawMyScrollControl(bar, SInt16(kScrollBarNormal | pressedMode));
        ScrollBy(bar, record, dialog, step);
        DrawMyScrollControl(bar, SInt16(kScrollBarNormal | pressedMode));
        Flush(bar);
        UInt32 due = TickCount() + kFirstRepeatTicks;
        bool shownPressed = true;
        while (StillDown()) {
            GetMouse(&mouse);
            const bool inside = PtInRect(mouse, &arrow);
            if (inside != shownPressed) {
                shownPressed = inside;
                DrawMyScrollControl(bar, inside ? SInt16(kScrollBarNormal | pressedMode)
                                                : SInt16(kScrollBarNormal));
                Flush(bar);
            }
            if (!inside || TickCount() < due) continue;
            ScrollBy(bar, record, dialog, step);
            DrawMyScrollControl(bar, SInt16(kScrollBarNormal | pressedMode));
            Flush(bar);
            due = TickCount() + kArrowRepeatTicks;
        }
        DrawMyScrollControl(bar, kScrollBarNormal);
        Flush(bar);
    }
    gDontInterruptPopup = false;
    SetPortByReference(saved);
    return bar->value != start;
}

void SetMyControlScrollBar(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool vertical) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || record->scrollBar) return;
    Rect place = (record->flags & kMyFlagExpanded) ? record->rect : record->collapseRect;
    if (!(record->flags & kMyFlagFixed)) OffsetRect(&place, dialog->contentOffsetH, dialog->contentOffsetV);
    record->scrollBar = MyCreateScrollControl(record->window, vertical, &place,
                                              UInt32(UInt16(reference)) << 16 | UInt16(item));
}

MyScrollControl* GetMyControlScrollBar(WindowReference, const MyControlItem* record) {
    return record ? record->scrollBar : nullptr;
}

void ResizeMyControlScrollBar(WindowReference reference, MyDialogHandle dialog, SInt16 item) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || !record->scrollBar) return;
    MyScrollControl* bar = record->scrollBar;
    Rect place = record->rect;
    if ((record->kind & kMyKindMask) == kMyScrollingEditText) place.left = SInt16(place.right - 9);
    if (!(record->flags & kMyFlagFixed)) OffsetRect(&place, dialog->contentOffsetH, dialog->contentOffsetV);
    bar->maximum = bar->minimum = 0;
    LayOutBar(bar, place);
    (void)reference;
}

void MyScrollProcedure(UInt32 id, SInt32 delta, SInt32* result) {
    const WindowReference reference = WindowReference(id >> 16);
    WindowRef window = GetWindowByReference(reference, true);
    MyDialogHandle dialog = GetDialogControlsPerWindow(window);
    if (dialog && ScrollMyWindowContent(dialog, SInt16(id & 0xFFFF), delta) && result) *result = 0;
}
