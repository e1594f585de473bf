// Scrolling a text: the dest rect moves and the pixels already in the view move with it, so that only the
// strip the move uncovers is drawn; and bringing an offset into view.
#include "textengine/engine_internal.h"
#include "textengine/view_clip.h"

#include "foundation/window_references.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The strip a scroll uncovers; kept for the program's life so that the prompter's tick allocates nothing.
RgnHandle gExposedStrip = nullptr;

Rect ViewBox(const WERec& r) {
    Rect box;
    if (r.viewRgn) return *GetRegionBounds(r.viewRgn, &box);
    return ToShortRect(r.viewRect);
}

} // namespace

OSErr WEScroll(SInt32 hOffset, SInt32 vOffset, WEReference we) {
    if (hOffset == 0 && vOffset == 0) return noErr;
    WERec& r = RecordOf(we);
    if (!r.port) {
        WEOffsetLongRect(&r.destRect, hOffset, vOffset);
        return noErr;
    }
    const WindowReference saved = GetPortReference();
    SetPort(r.port);
    // The caret and an inactive outline are drawn over the text; they come off before the pixels move.
    _WEHideCaret(we);
    const bool outlined = !(r.stateBits & kWEStateActive) && HasFeature(r, weFOutlineHilite);
    if (outlined) {
        _WEHiliteAllRanges(we);
        r.features &= ~(1u << weFOutlineHilite);
    }
    WEOffsetLongRect(&r.destRect, hOffset, vOffset);
    _WEEnsureViewLines(we);

    const Rect box = ViewBox(r);
    if (std::abs(hOffset) < box.right - box.left && std::abs(vOffset) < box.bottom - box.top) {
        if (!gExposedStrip) gExposedStrip = NewRgn();
        ScrollRect(&box, SInt16(hOffset), SInt16(vOffset), gExposedStrip);
        WEUpdate(gExposedStrip, we);
    } else {
        WEUpdate(nullptr, we);
        if (r.destRect.top > box.top) {
            const Rect gap{box.top, box.left, SInt16(std::min<SInt32>(r.destRect.top, box.bottom)),
                           box.right};
            EraseRect(&gap);
        }
    }
    if (outlined) {
        r.features |= 1u << weFOutlineHilite;
        _WEHiliteAllRanges(we);
    }
    SetPortByReference(saved);
    return noErr;
}

OSErr WEPinScroll(SInt32 hOffset, SInt32 vOffset, WEReference we) {
    const WERec& r = RecordOf(we);
    if (vOffset > 0) vOffset = std::min(vOffset, std::max(r.viewRect.top - r.destRect.top, SInt32(0)));
    if (vOffset < 0) vOffset = std::max(vOffset, std::min(r.viewRect.bottom - r.destRect.bottom, SInt32(0)));
    return WEScroll(hOffset, vOffset, we);
}

void SetScrollPort(GrafPtr port, WEReference we) {
    if (we) RecordOf(we).port = port;
}

Boolean _WEScrollIntoView(SInt32 offset, WEReference we) {
    WERec& r = RecordOf(we);
    if (!HasFeature(r, weFAutoScroll)) return false;
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(offset, 1, &point, &height, we);
    const LongRect& view = r.viewRect;
    const LongRect& dest = r.destRect;
    SInt32 dv = 0, dh = 0;
    if (point.v < view.top)
        dv = view.top - point.v;
    else if (point.v + height > view.bottom)
        dv = view.bottom - (point.v + height);
    if (dv != 0) dv = _WEPinInRange(dv, view.bottom - dest.bottom, view.top - dest.top);
    if (point.h < view.left + 1 || point.h >= view.right)
        dh = _WEPinInRange((view.left + view.right) / 2 - point.h, view.right - dest.right,
                           view.left - dest.left);
    const bool scrolled = dh != 0 || dv != 0;
    if (scrolled) {
        WEScroll(dh, dv, we);
        r.stateBits |= kWEStateHeightChanged;
    }
    if (r.stateBits & kWEStateHeightChanged) {
        // The owner (a scroll bar, the prompter's position) learns of the move through the scroll hook.
        if (auto scrolledHook = reinterpret_cast<WENotifyProc>(r.hooks[kWEHookScroll])) scrolledHook(we);
        r.stateBits &= ~kWEStateHeightChanged;
    }
    return scrolled;
}
