// Rectangle arithmetic between the upright text layout and the output turned a quarter turn.
#include "scroll/rect_rotation.h"

void RotateRect(const Rect* frame, const Rect& source, Rect* result, SInt16 code, SInt16 on) {
    if (!result) return;
    if (code == 0 || on == 0) {
        *result = source;
        return;
    }
    if (code != 1 && code != -1) return;
    if (!frame) {
        *result = Rect{source.left, source.top, source.right, source.bottom};
        return;
    }
    if (code == 1) {
        const SInt16 height = SInt16(frame->bottom - frame->top);
        *result =
            Rect{source.left, SInt16(height - source.bottom), source.right, SInt16(height - source.top)};
        return;
    }
    const SInt16 width = SInt16(frame->right - frame->left);
    *result = Rect{SInt16(width - source.right), source.top, SInt16(width - source.left), source.bottom};
}
