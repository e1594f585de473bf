// Rebuilding the prompter text without a visible jump: the position saved and the text put back at the
// start, then the position restored once the text is in place again.
#include "scroll/scroll_position.h"

#include "platform/events.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"

RgnHandle gScrollClipRgn = nullptr;

namespace {

constexpr SInt16 kBeepTicks = 10;

void SelectPrompterPort(GrafPtr* saved) {
    GetPort(saved);
    if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
}

} // namespace

void SaveScrollPositionandReset() {
    if (gSaveScrollPositionCount != 0) {
        SysBeep(kBeepTicks);
        return;
    }
    GrafPtr saved;
    SelectPrompterPort(&saved);
    gSaveScrollPositionCount = 1;
    if (!gScrollClipRgn) gScrollClipRgn = NewRgn();
    if (gScrollClipRgn) GetClip(gScrollClipRgn);
    const Rect nothing{};
    ClipRect(&nothing);
    GetCurrentScrollPos();
    gScrollOffset = gScrollCurrentPos;
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 1);
    SetPort(saved);
    gScrollCurrentPos = 0;
}

void RestoreScrollPosition() {
    if (gSaveScrollPositionCount != 1) {
        SysBeep(kBeepTicks);
        return;
    }
    GrafPtr saved;
    SelectPrompterPort(&saved);
    GetCurrentScrollPos();
    ScrollScrollToBeginning(0);
    GetCurrentScrollPos();
    ScrollScrollThisMuch(SInt32(gScrollOffset), 0);
    GetCurrentScrollPos();
    if (gScrollClipRgn) {
        SetClip(gScrollClipRgn);
        DisposeRgn(gScrollClipRgn);
        gScrollClipRgn = nullptr;
    }
    if (gScrollExtraHeight < 0 && myScrollWindow) {
        const Rect content = GetScrollWindowContent();
        EraseRect(&content);
        InvalWindowRect(myScrollWindow, &content);
    }
    --gSaveScrollPositionCount;
    SetPort(saved);
}
