// The move of a scroll tick: the whole pixels owed go to the scroll step, the background animates with
// it, and at an end of the text the script loops or the end-of-text actions run once.
#include "effects/effects.h"
#include "foundation/global_lists.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/system_activity.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/offscreen_worlds.h"
#include "shell/periodic_timer.h"
#include "shell/scroll_tick.h"
#include "shell/scroll_tick_parts.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <cmath>

namespace {

// The macro a script's end runs, unless the settings turn it off.
constexpr SInt16 kEndOfTextMacro = 35;

// The previous step moved the text: the end-of-text actions run once, on the first step that does not.
RESETTABLE(bool, iscrolled, false);
// Fractional steps of the falling characters, which move at their own rate per second.
RESETTABLE(double, matrixcount, 0);

void RedrawBackground(SInt32 movable) {
    if (movable == 0) {
        UpdateScrollWindow();
    } else {
        DrawScrollPicture(0, 0);
        UpdateCueMark();
    }
}

void StepMandalaDesign() {
    SpirographTimerAction();
    if (!gPerformingSpiroDesign) return;
    if (gScrollOn == kScrollOnEditable && Button()) {
        Point mouse;
        GetGlobalMouse(&mouse);
        PerformSpiroMouseClick(mouse, -1);
    } else {
        gPerformingSpiroDesign = false;
    }
}

void StepBackground(SInt32 movable) {
    const SInt16 kind = GetPref(gThePreferences, kPrefBackgroundKind);
    if (ThisScrollAgainstNeedsMatrixPort(kind) && gMatrixPort) {
        switch (kind) {
        case kPictureKindFalling: {
            const double before = std::trunc(matrixcount);
            matrixcount += GetPref(gThePreferences, kPrefFallingRate) / 60.0;
            if (std::trunc(matrixcount) != before) MatrixTimerAction();
            break;
        }
        case kPictureKindMovie:
            if (gTheMovie) gTheMovie = ContinueMovie(gTheMovie, gMatrixPort);
            break;
        case kPictureKindStars:
            StarsTimerAction();
            break;
        case kPictureKindMandala:
            StepMandalaDesign();
            break;
        default:
            break;
        }
        RedrawBackground(movable);
    } else if (kind == kPictureKindLiveVideo) {
        if (gLiveCaptureRunning) LiveCaptureUpdate();
        RedrawBackground(movable);
    }
}

// The syllable-timing window stops its recording at its offset, as a click on its stop item would.
void PressSyllableSyncStop() {
    if (gSylSyncDialog) MouseInSyllableSyncWindow(curEvent, gSylSyncDialog, Point{0, 0}, 2);
}

void CheckSyllableStop(SInt16 direction) {
    if (gSylStopThisOffset == -1) return;
    const SInt32 offset = FindScrollExactOffset(1, nullptr);
    if ((direction > 0 && offset > gSylStopThisOffset) || (direction < 0 && offset < gSylStopThisOffset))
        PressSyllableSyncStop();
}

// A link fires once when it comes into view and once when the reading position reaches it.
void FireLink(SInt32 link, SInt32* last) {
    if (link == -1) return;
    if (link != *last) {
        SInt16 type = 0;
        Handle parameter = nullptr;
        if (GetHypertextLinkAction(link, &type, &parameter)) ExecuteThisHyper(type, parameter);
    }
    *last = link;
}

void FireScrolledLinks(SInt16 direction) {
    if (!gHypertextList || !ScrollWEHandle) return;
    SInt32 firstLine = 0, lastLine = 0, start = 0, end = 0;
    WEFindVisibleLines(ScrollWEHandle, &firstLine, &lastLine, &start, &end);
    FireLink(ScrollToWhichHyper(gHypertextList, gNumHypertext, start, end, gLastScrollToHyper, direction),
             &gLastScrollToHyper);
    FireLink(ReadPositionWhichHyper(gHypertextList, gNumHypertext, GetScrollReadPositionCharacter(),
                                    gLastReadPositionHyper, direction),
             &gLastReadPositionHyper);
}

// At the end of a queue's script: its pause, and the next script in the scroll's direction when the
// script asks for it (the timer opens it).
void ContinueQueue(SInt16 direction) {
    const SInt32 count = GetQueueElementCount(gQueue);
    if (count < 1) return;
    const SInt32 current = GetQueueCurrentIndex(gQueue);
    if (const SInt16 seconds = GetQueueElementPauseAtEnd(gQueue, current); seconds != 0) {
        gDelayScroll = SInt32(seconds) * 60;
        PauseOn();
    }
    if (!GetQueueElementContinues(gQueue, current)) return;
    if (direction > 0 && gSelectText < count) {
        nexttoskipto = SInt16(gSelectText + 1);
        skiptonext = true;
    } else if (direction < 0 && gSelectText > 1) {
        nexttoskipto = SInt16(gSelectText - 1);
        skiptonext = true;
    }
}

// A looping script starts again from the other end; otherwise the end sound and macro run once.
void HandleEndOfText() {
    const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
    if (GetPref(gThePreferences, kPrefLoopingText)) {
        if (direction == 1) {
            ScrollScrollToBeginning(0);
            if (GetPref(gThePreferences, kPrefPacingMode) == kPaceSynchronized && gTheMovie)
                GoToBeginningOfMovie(gTheMovie);
            if (GetPref(gThePreferences, kPrefHighlightKind) == kHighlightBall) BounceBallToWordAtCue(1, 0);
        } else {
            ScrollScrollToEnd(0);
        }
        return;
    }
    if (iscrolled) ContinueQueue(direction);
    if (iscrolled && GetPref(gThePreferences, kPrefChime))
        PlaySnd(GetPref(gThePreferences, kPrefChimeSound), 0);
    PressSyllableSyncStop();
    if (iscrolled && !GetPref(gThePreferences, kPrefSkipTimerMacro35)) RunMacroByID(kEndOfTextMacro);
    iscrolled = false;
}

} // namespace

void MoveOwedPixels() {
    if (gSpeedDivisor != 0.0) gScrollThis /= gSpeedDivisor;
    gScrollThis = FiniteOrZero(gScrollThis);
    const SInt32 pixels = gInhibitScroll ? 0 : WholePixelsOwed(gScrollThis);
    gIScrolled = 0;
    const SInt32 movable = ScrollScrollThisMuch(pixels, 2);
    StepBackground(movable);
    if (gTheMusic && myScrollWindow) gTheMusic = ContinueMusic(gTheMusic, GetWindowPort(myScrollWindow));
    if (gBallsReady) BallTimerAction();
    if (pixels == 0) {
        CheckSoundsDone();
        gIScrolled = 1;
    } else if (ScrollScrollThisMuch(pixels, 0) != 0 || gTheMusic) {
        // Music keeps the end-of-text actions back until it has played out.
        ++thisscroll;
        iscrolled = true;
        gIScrolled = 1;
        const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
        CheckSyllableStop(direction);
        FireScrolledLinks(direction);
    } else {
        HandleEndOfText();
    }
    gScrollThis -= pixels;
    const SInt32 smoothness = GetPref(gThePreferences, kPrefScrollSmoothness);
    const SInt16 pacing = GetPref(gThePreferences, kPrefPacingMode);
    const bool pacedByLine = pacing == kPaceCharactersPerSecond || pacing == kPaceLinesPerMinute ||
                             pacing == kPaceSyllablesPerMinute || pacing == kPaceSynchronized;
    if ((smoothness == kSmoothLineByLine || smoothness == kSmoothPageByPage) && pacedByLine)
        gScrollDistance = CalculateScrollDistanceThisLine(2);
    if (GetPref(gThePreferences, kPrefDisableScreenSaver)) UpdateSystemActivity(1);
}
