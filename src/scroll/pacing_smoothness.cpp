// Smoothness: the ticks between scroll steps, and the line-by-line and page-by-page settings that hold
// the text until the cue has read a line (or reached the next bookmark's line) and then let it glide on.
#include "scroll/pacing.h"

#include "foundation/global_lists.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/bookmarks.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "textengine/text_engine.h"

#include <cmath>

namespace {

// Ticks between steps for settings 0-15; 13 and 14 gate the steps instead (their entry is unused).
constexpr SInt32 kTicksBetweenSteps[16] = {0, 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60, 1, 1, 60};
constexpr SInt16 kStartOrResume = 1;
// The owed pixels of a line glide on in this many steps, one a tick.
constexpr double kGlideSteps = 6.0;

RESETTABLE(SInt32, scrollingtoline, 0);
RESETTABLE(double, savescroll, 0.0);
RESETTABLE(double, scrolldiv, 0.0);

// The cue's line and how much of it is still to be read, in the text's own frame.
struct CueLine {
    SInt32 character = 0;
    SInt32 line = 0;
    SInt32 top = 0;
    SInt16 height = 0;
    SInt32 cue = 0;
    // Pixels of the cue line still below the cue.
    SInt32 Unread() const { return height - (cue - top); }
};

CueLine MeasureCueLine() {
    CueLine c;
    c.character = GetScrollCuePositionCharacter(0);
    LongPoint point;
    WEGetPoint(c.character, 0, &point, &c.height, ScrollWEHandle);
    c.top = point.v - GetScrollLeadingEdge();
    c.line = WEOffsetToLine(c.character, ScrollWEHandle);
    c.cue = GetCueScrollRectPosition();
    return c;
}

bool ScrollsForward() {
    return GetPref(gThePreferences, kPrefScrollDirection) >= 1;
}

// The line of the next bookmark after the cue character; past the last line when there is none.
SInt32 NextPageLine(SInt32 character) {
    SInt32 line = -1;
    if (GetNextPage(character + 1, &line) < 0 || line < 0) return WECountLines(ScrollWEHandle);
    return line;
}

// Ticks until the rest of the cue line has passed the cue; 1 when the text does not move, so that the
// wait is measured again on the next tick rather than never ending.
SInt32 TicksToReadRest(const CueLine& c) {
    const double ticks = std::trunc(c.Unread() / gScrollDistance);
    if (!std::isfinite(ticks) || ticks > 0x7FFFFFFF || ticks < 0) return 1;
    return SInt32(ticks);
}

SInt32 StepLineByLine(SInt16 callMode) {
    const CueLine c = MeasureCueLine();
    if (!ScrollsForward()) return c.height;
    if (callMode == kStartOrResume) {
        scrollingtoline = c.line;
        savescroll = scrolldiv = 0.0;
        gInhibitScroll = 1;
        return TicksToReadRest(c);
    }
    if (c.line == scrollingtoline) {
        // Still reading the cue line: owe, but do not move, until it has passed.
        const double rest = c.Unread() + gScrollThis;
        savescroll = 0.0;
        gInhibitScroll = 1;
        scrollingtoline = rest > 0 ? c.line : c.line + 1;
        if (rest != 0) gTimer = 0;
        return 1;
    }
    if (savescroll == 0) {
        savescroll = gScrollThis;
        scrolldiv = gScrollThis / kGlideSteps;
        gScrollThis = 0;
        if (savescroll == 0) {
            gInhibitScroll = 0;
            gTimer = 0;
            return 1;
        }
    }
    if (std::fabs(savescroll) < std::fabs(scrolldiv)) {
        scrolldiv = savescroll;
        scrollingtoline = c.line;
    }
    savescroll -= scrolldiv;
    gScrollThis += scrolldiv;
    gInhibitScroll = 0;
    gTimer = 0;
    return 1;
}

SInt32 StepPageByPage(SInt16 callMode) {
    if (!ScrollsForward()) return 1;
    const CueLine c = MeasureCueLine();
    const SInt32 pageLine = NextPageLine(c.character);
    if (callMode == kStartOrResume) {
        scrollingtoline = pageLine - 1;
        savescroll = scrolldiv = 0.0;
        gInhibitScroll = 1;
        return 1;
    }
    double rest = c.Unread() + gScrollThis;
    if (pageLine > c.line + 1) rest += WEGetHeight(c.line + 1, pageLine, ScrollWEHandle);
    // Once the owed pixels reach the next page, all of them move at once.
    gInhibitScroll = rest > 0 ? 1 : 0;
    gTimer = 0;
    return 1;
}

} // namespace

SInt32 SaveTimertoTimerDelay(SInt32 smoothness, SInt16 flag) {
    gSpeedDivisor = 1.0;
    gInhibitScroll = 0;
    // 0 never falls due, so the text stands; values out of range are taken as tick counts.
    if (smoothness <= 0 || smoothness > 15) return smoothness;
    if (smoothness != kSmoothLineByLine && smoothness != kSmoothPageByPage)
        return kTicksBetweenSteps[smoothness];
    if (GetPref(gThePreferences, kPrefPacingMode) == kPaceSynchronized) {
        gInhibitScroll = 1;
        CalculateSynchronizedDistanceInstantaneous(1);
        return 1;
    }
    if (!ScrollWEHandle) return 1;
    return smoothness == kSmoothLineByLine ? StepLineByLine(flag) : StepPageByPage(flag);
}
