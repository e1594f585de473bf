// Tracking the scroll bars and lists while a button or the wheel is held: each step's size grows with the
// pace of the steps (a slow first click moves one unit, quick repeats move more), and the step moves the
// view of its window.
#include "shell/shell.h"

#include "foundation/global_lists.h"
#include "foundation/scroll_bar_parts.h"
#include "platform/clock.h"
#include "scroll/edit_window.h"
#include "scroll/scroll_position.h"

#include <algorithm>

namespace {

constexpr SInt16 kPrompterReference = 1;
constexpr SInt16 kEditReference = kEditWindowReference;

RESETTABLE(UInt32, lasttick, 0);
RESETTABLE(SInt16, lastdelta, 0);

// The step by the ticks since the previous one: the text views' bars accelerate further than the lists.
SInt16 StepFor(bool textView, UInt32 dt) {
    if (textView) {
        if (dt <= 9) return lastdelta < 20 ? 20 : 50;
        if (dt <= 19) return lastdelta > 4 ? 20 : 5;
        if (dt <= 39) return 5;
        return 1;
    }
    if (dt <= 4) return lastdelta < 8 ? 8 : 20;
    if (dt <= 14) return lastdelta > 32 ? 8 : 3;
    if (dt <= 29) return 3;
    return 1;
}

SInt32 Movement(SInt16 part, SInt32 value, SInt32 minimum, SInt32 maximum, SInt32 step, SInt32 page) {
    switch (part) {
    case kScrollUpPart:
        return value > minimum ? -std::min(step, value - minimum) : 0;
    case kScrollDownPart:
        return value < maximum ? std::min(maximum - value, step) : 0;
    case kScrollPageUpPart:
        return value > minimum ? -std::min(page - 1, value - minimum) : 0;
    case kScrollPageDownPart:
        return value < maximum ? std::min(maximum - value, page - 1) : 0;
    default:
        return 0;
    }
}

} // namespace

void MyLiveScrollProc(SInt16 windowReference, SInt16 part) {
    const UInt32 now = TickCount();
    const bool textView = windowReference == kPrompterReference || windowReference == kEditReference;
    const SInt16 step = StepFor(textView, now - lasttick);
    lastdelta = step;
    lasttick = now;
    if (windowReference == kEditReference || windowReference == kScrollMonitorReference) {
        TextWindow& tw = windowReference == kEditReference ? gEditView : gScrollMonitorView;
        const SInt32 movement = Movement(part, tw.bar.value, tw.bar.minimum, tw.bar.maximum, step,
                                         std::max<SInt32>(2, SInt32(tw.pageScrollSize / tw.divisor)));
        if (movement == 0) return;
        const SInt32 pixels = SInt32(-(movement * tw.divisor));
        return windowReference == kEditReference ? EditScrollThisMuch(pixels)
                                                 : ScrollMonitorScrollThisMuch(pixels);
    }
    // The editors and the lists come with them.
    if (windowReference != kPrompterReference) return;
    ScrollBarValues& bar = gVScrollScroll;
    if (part == kScrollThumbPart) {
        VScrollScrollGlue(SInt16(bar.value - bar.minimum), bar.value);
        return;
    }
    const SInt32 page = std::max<SInt32>(2, gScrollPageScrollSize);
    const SInt32 movement = Movement(part, bar.value, bar.minimum, bar.maximum, step, page);
    if (movement == 0) return;
    const double divisor = gVScrollScrollDivisor > 0 ? gVScrollScrollDivisor : 1.0;
    const SInt32 pixels = SInt32(-(movement * divisor));
    // An arrow step (a wheel notch among them) glides there in growing and shrinking steps, each drawn;
    // a page jumps at once.
    if (part == kScrollUpPart || part == kScrollDownPart)
        JumpScroll(pixels);
    else
        ScrollScrollThisMuch(pixels, 0);
}
