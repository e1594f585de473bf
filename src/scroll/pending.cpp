// What the scroll engine's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "scroll/scroll_engine.h"

#include "platform/drawing.h"

void DoScrollFaster() {}

// Not at either limit, so nothing reverses.
SInt32 DoScrollSlower() {
    return 100;
}

void SetScrollAmount(SInt32, SInt16) {}

void UpdateInfoRect(SInt16, SInt16, SInt32) {}

// The rectangle's frame only; the moving tab markers come with the prompter's tab stops.
void TrackActors(WindowPtr window, const Rect* rectangle) {
    if (!window || !rectangle) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(window));
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    PenMode(patXor);
    FrameRect(rectangle);
    SetPenState(&pen);
    SetPort(saved);
}

bool GetColorDialog(SInt16, RGBColor*) {
    return false;
}

bool gTextHasChanged = false;

void GetNewText(SInt16) {}

SInt32 gWantScrollAmount = 0;

// Until the prompter window exists the main screen is the largest area it can have.
void GetWindowRectIfScrolling(Rect* out) {
    if (!out) return;
    *out = GetDeviceBounds(GetMainDevice());
    OffsetRect(out, SInt16(-out->left), SInt16(-out->top));
}

// No bookmarks or soft returns until the script's edit window keeps them, so offsets are the same in both.
void AdjustBookmarks(SInt32, SInt32, SInt32) {}

void AdjustFakeReturns(SInt32, SInt32) {}

SInt32 GetRealEditPosition(SInt32 offset) {
    return offset;
}

SInt32 SetRealEditPosition(SInt32 offset) {
    return offset;
}
