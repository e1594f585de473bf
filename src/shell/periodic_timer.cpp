// TimerAction: one call of the heartbeat, in its fixed order of countdowns, the round robin, the running
// macros, the mode's own work and the once-a-second jobs.
#include "shell/periodic_timer.h"

#include "foundation/global_lists.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_lines_ahead.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/word_swap_dialog.h"
#include "shell/frame_clock.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/scroll_tick.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/speech.h"
#include "textengine/text_engine.h"

namespace {

constexpr SInt32 kCueLightBlinkCalls = 10;
RESETTABLE(SInt32, blinklight, kCueLightBlinkCalls);

// While a macro runs it keeps clicks and keys off the prompter for as long as it asked; otherwise one step
// of the countdown is enough to let the input through again.
void CountDownInputBlock(SInt32& countdown) {
    if (countdown == 0) return;
    if (--countdown != 0 && !gMacroRunning) countdown = 0;
}

void ApplyLoadedTextPrefs() {
    if (gFlagTextPrefsLoaded == 0 || --gFlagTextPrefsLoaded != 0) return;
    const SInt16 width = GetPref(gThePreferences, kPrefStoredPrompterWidth);
    if (width != 0 &&
        !RestoreScrollWindowSize(width, GetPref(gThePreferences, kPrefStoredPrompterHeight), true))
        ScaleElementsToFit();
    ResetForNewPrefs();
}

// The cue light shows only while a sound recording runs.
void BlinkCueLight() {
    if (!myCueLightWindow || --blinklight > 0) return;
    if (gSoundRecordingRunning) {
        ShowWindow(myCueLightWindow);
        BringToFront(myCueLightWindow);
    } else {
        HideWindow(myCueLightWindow);
    }
    blinklight = kCueLightBlinkCalls;
}

// The edit text is laid out again to its window's size when the settings ask for it, keeping the selection.
void ReformatEditText() {
    if (gReformatEditTextCount == 0 || --gReformatEditTextCount != 0) return;
    if (!EditWEHandle || !myEditWindow || !GetPref(gThePreferences, kPrefEditFollowsPrompterLines)) return;
    Handle starts = nullptr;
    Handle ends = nullptr;
    const SInt32 count = WESaveSelections(&starts, &ends, EditWEHandle, false);
    Rect bounds;
    GetWindowBounds(myEditWindow, kWindowContentRgn, &bounds);
    NewEditWindowSize(SInt16(bounds.right - bounds.left), SInt16(bounds.bottom - bounds.top));
    if (count > 0) WERestoreSelections(count, {0, starts}, {0, ends}, EditWEHandle, 1, false, true, false);
}

// A selection made with shift and the arrows is spoken when shift is let go, if the settings ask for it.
void SpeakShiftSelection() {
    if (gArrowKeysDuringShift == 0 || !GetPref(gThePreferences, kPrefSpeakSelections)) return;
    if (GetCurrentKeyModifiers() & shiftKey) return;
    SInt32 start = 0;
    SInt32 end = 0;
    if (gArrowKeysDuringShift == 2 && EditWEHandle) {
        WEGetSelection(&start, &end, 0, EditWEHandle);
        start = GetRealEditPosition(start);
        end = GetRealEditPosition(end);
        if (start != end) StartSpeakingSelected(start, end, kSpeakPrompterScript);
    } else if (gArrowKeysDuringShift == 1 && ScrollWEHandle) {
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        if (start != end) StartSpeakingSelected(start, end, kSpeakScript);
    }
    gArrowKeysDuringShift = 0;
}

void RunTimerStep() {
    if (gUpdateWindowBounds != 0) --gUpdateWindowBounds;
    ApplyLoadedTextPrefs();
    if (gForceBreakUpReset) {
        breakitup = 0;
        gForceBreakUpReset = false;
    }
    CountDownInputBlock(gDisableScrollClicks);
    CountDownInputBlock(gDisableScrollKeys);
    if (gArrowandShiftKeyFlag && !(GetCurrentKeyModifiers() & shiftKey)) {
        ChangeScrollSpeed(gSpeedBeforeShiftKey);
        gArrowandShiftKeyFlag = false;
    }
    RunPendingWordSwap();
    BlinkCueLight();

    RunRoundRobinSlot(breakitup);
    if (++breakitup >= kRoundRobinSlots) breakitup = 0;
    if (gMacroRunning) KeepMacroRunning();

    const UInt32 now = TickCount();
    if (gScrollOn == kScrollOff)
        DoEditChores();
    else
        DoScrollTick(ScrollFrameTick(now));
    PaintScrollLinesAhead();
    if (SInt32(now - (gCurrentTick + 60)) >= 0) DoOncePerSecond(now);
    ContinueScrollTextLayout();
    ReformatEditText();
    SpeakShiftSelection();
}

} // namespace

void TimerAction() {
    // Tracking loops, delays and dialogs call the timer step from inside whatever a step may be doing (a
    // save question it asked, say); a second step must never start inside the first.
    static bool running = false;
    if (running) return;
    running = true;
    RunTimerStep();
    running = false;
}
