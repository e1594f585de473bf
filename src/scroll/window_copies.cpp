// Plain pixel copies between the prompter window and offscreen worlds, and a picture drawn straight
// into the prompter.
#include "foundation/offscreen_copy.h"
#include "foundation/window_references.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"

void CopyOffscreenToWindow(GWorldPtr world, WindowPtr window, const Rect* from, const Rect* to) {
    if (!world || !window || !from || !to) return;
    CGrafPtr port = GetWindowPort(window);
    SetPort(port);
    CopyBitsUnchanged(world, port, from, to);
}

void GrabScreen(CGrafPtr source, GWorldPtr destination, const Rect* from, const Rect* to) {
    if (!source || !destination || !from || !to) return;
    const WindowReference saved = GetPortReference();
    SetGWorld(destination, nullptr);
    CopyBitsUnchanged(source, destination, from, to);
    SetPortByReference(saved);
}

void DrawPictureToScrollWindow(PicHandle picture, const Rect* r) {
    if (!myScrollWindow || !picture || !r) return;
    const WindowReference saved = GetPortReference();
    SetPort(GetWindowPort(myScrollWindow));
    DrawPicture(picture, r);
    SetPortByReference(saved);
}
