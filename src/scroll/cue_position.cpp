// How far the cue marker's hot spot lies along the scroll axis: from the text rectangle's leading edge,
// from the window's, and in the text's drawing frame.
#include "scroll/cue_marker.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"

namespace {

struct CueOutput {
    SInt16 turn;
    bool flip;
};

// The rotation counts only while scrolling: at rest the prompter shows the text upright.
CueOutput CurrentCueOutput() {
    if (gScrollOn == kScrollOff) return CueOutput{0, false};
    const SInt16 turn = GetPref(gThePreferences, kPrefRotation);
    return CueOutput{SInt16(turn == 1 || turn == -1 ? turn : 0), GetPref(gThePreferences, kPrefFlip) != 0};
}

} // namespace

SInt16 GetCueScrollRectPosition() {
    Rect spot{};
    GetCueSpotRect(&spot);
    const Rect& text = gScrollTextRect;
    const CueOutput out = CurrentCueOutput();
    if (out.turn == 0)
        return out.flip ? SInt16(text.bottom - spot.bottom + gCueHot[4])
                        : SInt16(spot.top - text.top + gCueHot[0]);
    if (out.turn == 1)
        return out.flip ? SInt16(spot.left - text.left + gCueHot[4])
                        : SInt16(text.right - spot.right + gCueHot[0]);
    return out.flip ? SInt16(text.right - spot.right + gCueHot[4])
                    : SInt16(spot.left - text.left + gCueHot[0]);
}

SInt16 GetCueScreenPosition() {
    Rect window = GetScrollWindowContent();
    window.right -= kScrollBarStrip;
    const Rect& text = gScrollTextRect;
    const CueOutput out = CurrentCueOutput();
    SInt16 margin;
    if (out.turn == 0)
        margin = out.flip ? SInt16(window.bottom - text.bottom) : SInt16(text.top - window.top);
    else if ((out.turn == 1) != out.flip)
        margin = SInt16(window.right - text.right);
    else
        margin = SInt16(text.left - window.left);
    return SInt16(GetCueScrollRectPosition() + margin);
}

SInt16 GetCueDestRectPosition() {
    return SInt16(GetCueScrollRectPosition() + gScrollDestinationRect.top);
}
