// Scroll bar items of dialogs: stepping by part and repeating while the button is held.
#include "foundation/scroll_items.h"

#include "platform/clock.h"
#include "platform/events.h"

#include <algorithm>

SInt16 ScrollPartValue(SInt16 value, SInt16 maximum, SInt32 pageStep, SInt16 part) {
    SInt32 step = 0;
    switch (part) {
    case kScrollUpPart:
        step = -2;
        break;
    case kScrollDownPart:
        step = 2;
        break;
    case kScrollPageUpPart:
        step = -pageStep;
        break;
    case kScrollPageDownPart:
        step = pageStep;
        break;
    default:
        return value;
    }
    if (step == 0) return value;
    // Scroll bars of the program start at 0: the minimum is not consulted, but nothing goes below 0.
    const SInt32 next = std::min<SInt32>(SInt32(value) + step, maximum);
    return SInt16(std::max<SInt32>(next, 0));
}

void DoScrollPart(DialogPtr dialog, SInt16 item, SInt16 part) {
    const SInt16 value = GetDialogItemValue(dialog, item);
    const SInt16 next = ScrollPartValue(value, GetDialogItemMaximum(dialog, item),
                                        GetDialogItemReference(dialog, item), part);
    if (next != value) SetDialogItemValue(dialog, item, next);
}

void ActionGlue(DialogPtr dialog, SInt16 item, SInt16 part, ScrollActionProc action) {
    const SInt16 before = GetDialogItemValue(dialog, item);
    DoScrollPart(dialog, item, part);
    const SInt16 after = GetDialogItemValue(dialog, item);
    if (after != before && action) action(dialog, item, after, before);
}

void TrackScroll(DialogPtr dialog, SInt16 item, SInt16 part, ScrollActionProc action) {
    if (part == kScrollThumbPart) {
        // The thumb's own tracking has moved the value already; the caller hears the change only.
        const SInt16 value = GetDialogItemValue(dialog, item);
        if (action) action(dialog, item, value, value);
        return;
    }
    ActionGlue(dialog, item, part, action);
    UInt32 firstDelay, interval;
    GetAutoRepeatTicks(&firstDelay, &interval);
    UInt32 due = TickCount() + firstDelay;
    while (StillDown()) {
        if (TickCount() < due) {
            Delay(1, nullptr);
            continue;
        }
        ActionGlue(dialog, item, part, action);
        due = TickCount() + interval;
    }
}
