// The prompter's vertical scroll bar: its 16-bit values scaled from the 32-bit pixel range, and moving the
// text when the bar's value changes.
#include "scroll/scroll_position.h"

#include "scroll/prompter_window.h"

namespace {

constexpr SInt32 kLargestBarValue = 32767;

} // namespace

SInt16 GetScrollAdjustedValues(SInt32 range, double* ratio) {
    if (range < 1) {
        if (ratio) *ratio = 1;
        return 0;
    }
    // The smallest whole divisor that brings the range within the bar's 16 bits.
    const SInt32 q = range / (range / (kLargestBarValue + 1) + 1);
    if (ratio) *ratio = double(range) / double(q);
    return SInt16(q);
}

void SetScrollWindowScrolls() {
    if (!myScrollWindow) return;
    if (gScrollExtraHeight < 1) {
        gVScrollScroll = ScrollBarValues{};
        return;
    }
    gVScrollScroll.minimum = 0;
    gVScrollScroll.maximum = GetScrollAdjustedValues(gScrollExtraHeight, &gVScrollScrollDivisor);
    gVScrollScroll.value = SInt16(-gScrollCurrentPos / gVScrollScrollDivisor);
    gScrollPageScrollSize = SInt16(RectHeight(gScrollTextRect) - gScrollPixelSpace);
    gVScrollScroll.reference = SInt32(gScrollPageScrollSize / gVScrollScrollDivisor);
}

void VScrollScrollGlue(SInt16 newValue, SInt16 oldValue) {
    if (newValue == oldValue) return;
    const SInt32 change = SInt32(newValue) - oldValue;
    gScrollCurrentPos -= change * gVScrollScrollDivisor;
    ScrollScrollThisMuch(SInt32(gVScrollScrollDivisor * -change), 1);
}
