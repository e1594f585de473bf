// What the text engine's inline-input code provides to the storage, editing and layout code
// before they are built, in their least form. Each definition moves to its own
// file when its code is built.
#include "textengine/engine_internal.h"

#include "platform/events.h"

#include <algorithm>

void WEStopInlineSession(WEReference) {}

// Until the engine tracks its own clicks: the caret goes under the point, and shift extends the
// selection to it from its far end.
void WEClick(Point hitPoint, UInt16 modifiers, UInt32, WEReference we) {
    if (!we) return;
    const LongPoint point{hitPoint.v, hitPoint.h};
    SInt8 edge = 0;
    const SInt32 offset = WEGetOffset(&point, &edge, we);
    if (offset < 0) return;
    if (modifiers & shiftKey) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, we);
        const SInt32 anchor = offset < start ? end : start;
        WESetSelection(std::min(anchor, offset), std::max(anchor, offset), 0, we);
    } else {
        WESetSelection(offset, offset, 0, we);
    }
}
