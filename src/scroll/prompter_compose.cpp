// Rectangles and copies shared by the per-tick frame and the full redraw of the prompter.
#include "scroll/prompter_compose.h"

#include "foundation/offscreen_copy.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "shell/shell_globals.h"

Rect TurnedToTextWorld(const Rect& r) {
    Rect frame = GetScrollWindowContent();
    frame.right -= kScrollBarStrip;
    return RotateRect(&frame, r, SInt16(-GetPref(gThePreferences, kPrefRotation)), gScrollOn);
}

void CopyTurnedAsOutput(GWorldPtr source, GWorldPtr destination, const Rect& from, const Rect& to,
                        bool transform) {
    const PrefsRecord& p = gThePreferences;
    CopyOffscreentoOffscreen(source, destination, &from, &to, transform && GetPref(p, kPrefMirror),
                             transform && GetPref(p, kPrefFlip), transform ? GetPref(p, kPrefRotation) : 0, 0,
                             nullptr, kSourceCopy, nullptr, nullptr, kDestinationCopy, nullptr, nullptr,
                             false, 0);
}
