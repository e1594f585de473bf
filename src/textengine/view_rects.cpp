// Placing a text view: setting its view rect alone, or moving the view and the dest rect together when the
// window changes size, which lays the lines out again for the new width.
#include "textengine/engine_internal.h"
#include "textengine/view_clip.h"

#include "foundation/error_dialog.h"

#include <algorithm>

void WESetViewRect(const LongRect* rect, WEReference we) {
    WERec& r = RecordOf(we);
    r.viewRect = *rect;
    const Rect view = ToShortRect(*rect);
    if (r.viewRgn) RectRgn(r.viewRgn, &view);
}

OSErr WEMoveViewDestRects(const LongRect* rect, WEReference we) {
    WERec& r = RecordOf(we);
    SInt32 width = rect->right - rect->left, height = rect->bottom - rect->top;
    // A window shrunk past nothing gives an empty text area, not a dest rect turned inside out.
    if (width < 0) {
        DoErrorMessageText("Moving destrect width < 0");
        width = 0;
    }
    if (height < 0) {
        DoErrorMessageText("Moving destrect height < 0");
        height = 0;
    }
    const SInt32 dh = rect->left - r.viewRect.left, dv = rect->top - r.viewRect.top;
    WESetViewRect(rect, we);
    r.destRect.left += dh;
    r.destRect.top += dv;
    r.destRect.right = r.destRect.left + width;
    r.destRect.bottom = r.destRect.top + height;
    return WECalBreaks(we);
}
