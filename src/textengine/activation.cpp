// Activating and deactivating a text: its selection switches between the inverted hilite of the active
// text and the outline (or nothing) of an inactive one, and the caret only blinks while it is active.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"

void WEActivate(WEReference we) {
    WERec& r = RecordOf(we);
    if (r.stateBits & kWEStateActive) return;
    _WEHiliteAllRanges(we); // takes the inactive outline off
    r.stateBits |= kWEStateActive;
    _WEHiliteAllRanges(we);
}

void WEDeactivate(WEReference we) {
    WERec& r = RecordOf(we);
    if (!(r.stateBits & kWEStateActive)) return;
    _WEHiliteAllRanges(we);
    _WEHideCaret(we);
    r.stateBits &= ~kWEStateActive;
    _WEHiliteAllRanges(we);
    if (r.offscreen) DisposeGWorld(r.offscreen);
    r.offscreen = nullptr;
}

Boolean WEIsActive(WEReference we) {
    return (RecordOf(we).stateBits & kWEStateActive) != 0;
}
