// The scroll tick: elapsed ticks become owed pixels at the current pace, the smoothness countdown decides
// when they are paid, bookmarks stop the text exactly, and the whole pixels owed move the prompter text.
#include "shell/scroll_tick.h"

#include "foundation/word_line_arrays.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/frame_clock.h"
#include "shell/periodic_timer.h"
#include "shell/scroll_tick_parts.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

#include <cmath>
#include <cstdlib>

namespace {

// Menu and item of the scroll menu's pause toggle, which a bookmark stop defers to the timer.
constexpr SInt16 kScrollMenuID = 133;
constexpr SInt16 kPauseToggleItem = 10;

bool IsScrolling() {
    return gScrollOn == kScrollOn || gScrollOn == kScrollOnEditable;
}

SInt16 CurrentDirection() {
    return GetPref(gThePreferences, kPrefScrollDirection);
}

SInt32 NextStepDelay() {
    return SaveTimertoTimerDelay(SInt16(GetPref(gThePreferences, kPrefScrollSmoothness)), 2);
}

// The highlight follows the cue by itself on every call while the text moves only on due steps.
void DrawHighlightAtCue() {
    switch (GetPref(gThePreferences, kPrefHighlightKind)) {
    case kHighlightWord:
        HighlightWordAtCue(2, 1);
        break;
    case kHighlightBall:
        BounceBallToWordAtCue(2, 1);
        UpdateScrollWindow();
        if (myScrollWindow) QDFlushPortBuffer(GetWindowPort(myScrollWindow), nullptr);
        return;
    case kHighlightSpeedReading:
        HighlightSpeedReading(2, 1);
        break;
    default:
        return;
    }
    // Only the lines whose colours changed are drawn again; a tick that changed nothing draws nothing.
    DrawHighlightChange();
}

// The text stops with exactly the bookmark's distance owed, and the pause runs from slot 0 on the next
// call, as a command of the scroll menu would.
void StopAtBookmark(SInt32 distance, SInt32 offset) {
    gScrollThis = distance;
    gSavedMid = kScrollMenuID;
    gSavedMitem = kPauseToggleItem;
    gPausedHere = offset;
    gForceBreakUpReset = true;
    if (const SInt32 seconds = GetPref(gThePreferences, kPrefSecondsToPause); seconds > 0)
        gDelayScroll = seconds > kMaxBookmarkPauseSeconds ? kMaxBookmarkPauseSeconds * 60 : seconds * 60;
}

void CheckBookmarkStop(SInt16 direction) {
    SInt32 offset = -1;
    const SInt32 distance = GetDistanceToNextBookmark(&offset);
    const bool reached =
        distance != kNoBookmarkAhead && (direction > 0 ? distance > gScrollThis : gScrollThis > distance);
    if (reached)
        StopAtBookmark(distance, offset);
    else if (GetScrollAdjustedCharacter() != gPausedHere)
        gPausedHere = -1;
}

// The look-ahead runs the accumulation for the highlight's sake and then forgets it.
void LookAheadForHighlight(UInt32 now) {
    const double savedScrollThis = gScrollThis;
    const SInt32 savedThisTick = gThisTick;
    const UInt32 savedCurrent = gCurrentScrollTick;
    const UInt32 savedLast = gLastScrollTick;
    if (ScrollWEHandle) {
        AccumulateScrollDistance(now);
        gLastScrollTick = now;
    }
    DrawHighlightAtCue();
    gScrollThis = savedScrollThis;
    gThisTick = savedThisTick;
    gCurrentScrollTick = savedCurrent;
    gLastScrollTick = savedLast;
}

// Smoothness 0 reloads with 0 and so never falls due: the text stands still.
void CountDownToStep(UInt32 now) {
    if (gTimer == 0) {
        const SInt32 delay = NextStepDelay();
        gTimer += delay;
        return;
    }
    gTimer -= SInt32(now - gLastTicksForTimer) + gTicksForTimer;
    gLastTicksForTimer = now;
    gTicksForTimer = 0;
    if (gTimer <= 0) {
        if (ScrollWEHandle) {
            AccumulateScrollDistance(now);
            gLastScrollTick = now;
            if (gInhibitScroll) DrawHighlightAtCue();
        }
        const SInt32 delay = NextStepDelay();
        gTimer += delay;
    } else if (GetPref(gThePreferences, kPrefHighlightKind) != kHighlightNone) {
        LookAheadForHighlight(now);
    }
}

// Paused time neither counts down nor becomes owed pixels; a start or bookmark delay ends the pause.
void CountElapsedTicks(UInt32 now) {
    if (!gTimerRunning || SInt32(now - gCurrentScrollTick) <= 0) return;
    const SInt32 elapsed = SInt32(now - gCurrentScrollTick);
    if (gDelayScroll != 0 && IsScrolling() && IsPaused()) {
        gDelayScroll -= elapsed;
        if (gDelayScroll <= 0) {
            PauseOff(0);
            gDelayScroll = 0;
        }
    }
    ++gThisTick;
    if (IsPaused()) {
        gLastTicksForTimer += UInt32(elapsed);
        gLastScrollTick = now;
    }
    gCurrentScrollTick = now;
    // Every frame then moves by the same amount, however late the call came (and every frame written to a
    // file shows one tick of motion).
    if ((GetPref(gThePreferences, kPrefNoSkippedTicks) || gScrollToFile) && SInt32(now - gLastScrollTick) > 1)
        gLastScrollTick = now - 1;
    if (IsScrolling() && !IsPaused()) {
        RampScrollSpeed();
        CountDownToStep(now);
    }
}

// A turbo drag of the text runs its own step while the button stays down.
void FollowTurboDrag() {
    if (turboing && Button())
        DoApp1Event();
    else
        turboing = false;
}

// Tapping the syllables paces the text by the line being tapped.
void FollowSyllableTaps() {
    if (gRecordingTaps && gSylWaitingForThisTap < gTotalSyllables)
        gScrollDistance = CalculateScrollDistanceThisLine(2);
}

// Holding the button still in the prompter for one and a half seconds opens the text pop-up.
void OpenPopupOnPressAndHold(UInt32 now) {
    constexpr UInt32 kHoldTicks = 90;
    if (stopEvent.what != mouseDown || !myScrollWindow || !GetPref(gThePreferences, kPrefHoldOpensPopup))
        return;
    Rect content{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &content);
    if (!PtInRect(stopEvent.where, &content) || SInt32(now - (stopEvent.when + kHoldTicks)) <= 0) return;
    if (std::abs(curEvent.where.h - stopEvent.where.h) > 1 ||
        std::abs(curEvent.where.v - stopEvent.where.v) > 1)
        return;
    if (stopEvent.modifiers != 0 || !Button()) return;
    DoTextPopup(geeMouseDownPosition, 0, now, myScrollWindow, geeMouseIsDown);
}

} // namespace

void AccumulateScrollDistance(UInt32 now) {
    const SInt16 direction = CurrentDirection();
    if (direction == 0) return;
    const SInt32 elapsed = SInt32(now - gLastScrollTick);
    // A distance that came out of a division by zero must not throw the text to an end.
    const double owed = FiniteOrZero(double(elapsed) * gScrollDistance);
    if (direction > 0)
        gScrollThis -= owed;
    else
        gScrollThis += owed;
    if (GetPref(gThePreferences, kPrefPauseAtBookmarks)) CheckBookmarkStop(direction);
}

SInt32 WholePixelsOwed(double owed) {
    if (!std::isfinite(owed)) return 0;
    if (owed >= double(kMaxPixelsPerStep)) return kMaxPixelsPerStep;
    if (owed <= -double(kMaxPixelsPerStep)) return -kMaxPixelsPerStep;
    return SInt32(owed); // toward zero: the remainder stays owed
}

void StartScrollTickClock(UInt32 now) {
    ForgetFrameTicks();
    gLastScrollTick = gCurrentScrollTick = now;
    gTicksForTimer = 0;
    gLastTicksForTimer = now;
}

void DoScrollTick(UInt32 now) {
    GetGlobalMouse(&curEvent.where);
    FollowTurboDrag();
    FollowSyllableTaps();
    CountElapsedTicks(now);
    if (IsScrolling())
        MoveOwedPixels();
    else
        gIScrolled = 0;
    OpenPopupOnPressAndHold(now);
    ++thisloop;
}
