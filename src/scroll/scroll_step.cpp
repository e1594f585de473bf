// The one operation that moves the prompter text: clamping the move to the text, scrolling the text
// engine, driving the highlight at the cue and keeping the position, the bar and the line pacing.
#include "scroll/scroll_position.h"

#include "media/media_services.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_step_drawing.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

constexpr SInt32 kLineByLine = 13;
constexpr SInt32 kBookmarkByBookmark = 14;

void DriveHighlight() {
    if (gInhibitHightlight || !gScrollOn) return;
    switch (GetPref(gThePreferences, kPrefHighlightKind)) {
    case kHighlightBall:
        if (gBallsReady) BounceBallToWordAtCue(2, 0);
        break;
    case kHighlightWord:
        HighlightWordAtCue(2, 0);
        break;
    case kHighlightLine:
        HighlightLineAtCue(2);
        break;
    case kHighlightSpeedReading:
        HighlightSpeedReading(2, 0);
        break;
    default:
        break;
    }
}

void SetBarFromPosition() {
    gVScrollScroll.value = gVScrollScrollDivisor > 0 ? SInt16(-gScrollCurrentPos / gVScrollScrollDivisor) : 0;
}

// Line-based pacing follows the line that now stands at the cue.
bool PacingFollowsLines() {
    const PrefsRecord& p = gThePreferences;
    const SInt32 smoothness = GetPref(p, kPrefScrollSmoothness);
    const SInt16 pacing = GetPref(p, kPrefPacingMode);
    return smoothness != kLineByLine && smoothness != kBookmarkByBookmark &&
           (gScrollOn == kScrollOn || gScrollOn == kScrollOnEditable) &&
           (pacing == 1 || pacing == 3 || pacing == 4 || pacing == 5);
}

} // namespace

SInt32 ClampScrollPixels(SInt32 pixels) {
    if (gScrollExtraHeight < 0) return 0;
    const SInt64 position = SInt64(gScrollCurrentPos);
    const SInt64 wanted = pixels;
    if (wanted < 0 && wanted + position < -SInt64(gScrollExtraHeight))
        return SInt32(-(SInt64(gScrollExtraHeight) + position));
    if (wanted > 0) return SInt32(std::min(wanted, -position));
    return pixels;
}

SInt32 ScrollScrollThisMuch(SInt32 pixels, SInt16 mode) {
    if (!ScrollWEHandle) return 0;
    if (mode != 1) pixels = ClampScrollPixels(pixels);
    if (mode == 2) return pixels;
    if (pixels != 0) {
        GrafPtr saved;
        GetPort(&saved);
        if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
        WEScroll(0, pixels, ScrollWEHandle);
        DriveHighlight();
        if (mode == 0) {
            gScrollCurrentPos += pixels;
            SetBarFromPosition();
        }
        SetPort(saved);
        DrawScrollStep(pixels);
    }
    if (mode == 0 && PacingFollowsLines()) gScrollDistance = CalculateScrollDistanceThisLine(2);
    if (GetPref(gThePreferences, kPrefUseScrollMonitor)) SyncScrollMonitorToScroll();
    return pixels;
}
