// Dragging the prompter's text with the mouse: the text follows the pointer along the scroll axis as the
// output shows it, mirrored, flipped or turned.
#include "scroll/scroll_position.h"

#include "platform/clock.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"

namespace {

// A press held this long without moving is no drag.
constexpr UInt32 kDragWaitTicks = 60;

} // namespace

SInt32 DragAlongScrollAxis(Point from, Point to) {
    const SInt32 down = to.v - from.v;
    const SInt32 across = to.h - from.h;
    // In edit mode the text stands upright whatever the output's settings.
    if (gScrollOn == 0) return down;
    const PrefsRecord& prefs = gThePreferences;
    const bool flip = GetPref(prefs, kPrefFlip) != 0;
    const SInt16 turn = GetPref(prefs, kPrefRotation);
    // The text's downward direction on the screen: down, or to the right (turn -1) or left (turn 1) when
    // the output is turned; flipped, the other way.
    SInt32 along = turn == -1 ? across : turn == 1 ? -across : down;
    if (flip) along = -along;
    return along;
}

SInt16 DragScrollRect(Point start, bool tracking) {
    Point last = start;
    Point mouse = start;
    if (tracking) {
        // Wait for the pointer to move; a release or a still press ends it.
        const UInt32 until = TickCount() + kDragWaitTicks;
        for (;;) {
            // A movement that came with the release still counts.
            const bool down = StillDown();
            GetMouse(&mouse);
            if (DragAlongScrollAxis(start, mouse) != 0) break;
            if (!down) {
                geeMouseIsDown = false;
                return 0;
            }
            if (TickCount() >= until) return 0;
            Delay(1, nullptr);
        }
    }
    for (;;) {
        GetMouse(&mouse);
        if (const SInt32 moved = DragAlongScrollAxis(last, mouse); moved != 0) {
            ScrollScrollThisMuch(moved, 0);
            last = mouse;
        }
        if (!StillDown()) break;
    }
    // Where the button was let go.
    GetMouse(&mouse);
    if (const SInt32 moved = DragAlongScrollAxis(last, mouse); moved != 0) ScrollScrollThisMuch(moved, 0);
    return 1;
}
