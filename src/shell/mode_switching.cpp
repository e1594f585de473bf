// Entering and leaving scroll mode and edit mode: the mode values, the text shown, the worlds, the window
// size and the loop timer's rate. Each switch ignores a call made while it is already at work.
#include "shell/mode_switching.h"

#include "effects/effects.h"
#include "foundation/error_dialog.h"
#include "media/media_services.h"
#include "platform/clock.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/display_modes.h"
#include "scroll/edit_window.h"
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/window_settings.h"
#include "shell/loop_timer.h"
#include "shell/mode_steps.h"
#include "shell/offscreen_worlds.h"
#include "shell/periodic_timer.h"
#include "shell/scroll_tick.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

void StartScroll(SInt16 mode) {
    static bool busy = false;
    ReentryGuard guard(busy);
    if (!guard.Entered()) return;
    if (gScrollOn) {
        if (mode != gScrollOn) {
            gScrollOn = mode;
            TellEditors();
        }
        return;
    }
    RemoveLoopTimer();
    if (myNonverbalWindow) CloseNonverbalWindow();
    const SInt32 cueCharacter = GetScrollCuePositionCharacter(0);
    if (mode == 1 && gEditOn)
        StopEdit();
    else if (mode == 3)
        StartEdit();
    if (GetPref(gThePreferences, kPrefSetScreenSize)) {
        gUpdateWindowBounds = 90;
        SInt32 settings[5];
        ScreenModeSettings(settings);
        ChangeScreenResolution(myScrollDevice, settings, 1);
    }
    // The edit-mode speed is what the scroll ramps up to; keep it before the speed setting goes to 0.
    if (const SInt16 speed = GetPref(gThePreferences, kPrefScrollSpeed)) gSaveScrollAmount = speed;
    SetPref(gThePreferences, kPrefScrollSpeed, 0);
    SetScrollAmount(gSaveScrollAmount, 0);
    gScrollOn = mode;
    TellEditors();
    gFrontWhenScroll = (myScrollWindow && FrontNonFloatingWindow() == myScrollWindow) ? 1 : 2;
    SelectHideOtherWindow(myScrollWindow);
    SaveStartRects();
    gMyBitWidth = 32;
    if (RequiresOffscreens()) {
        CreateOffscreenWindows();
        FlipScreenRects(1);
    }
    const bool backedUp = BackUpBeforeTransforming();
    if (myScrollWindow) SizeWindowForScrolling();
    GetCurrentScrollPos();
    if (GetPref(gThePreferences, kPrefPositionsFromCue)) ScrollScrollToCharacter(cueCharacter, 1);
    if (backedUp) {
        ShowMergesAndLinks();
        if (GetPref(gThePreferences, kPrefOverlaysOn)) gTextHasFlowed = DoTextFlowAroundPictures();
    }
    if (gOffscreenScrollWindow && GetPref(gThePreferences, kPrefBackgroundKind) == 0)
        PreparePlainBackgroundWorld();
    AddLoopingText();
    gTimer = SaveTimertoTimerDelay(GetPref(gThePreferences, kPrefScrollSmoothness), 1);
    gScrollThis = 0;
    MeasureAndValidateScriptText();
    PauseOn();
    gTimerRunning = true;
    if (GetPref(gThePreferences, kPrefDelayedStart) && gDelayScroll == 0) gDelayScroll = 60;
    const UInt32 now = TickCount();
    StartScrollTickClock(now);
    // The once-a-second jobs run on the first tick.
    gCurrentTick = now - 60;
    gTimeScrollStarted = now;
    if (GetPref(gThePreferences, kPrefHighlightKind) == kHighlightBall) InitializeBalls();
    StartScrollHighlight();
    if (myScrollWindow) SelectWindow(myScrollWindow);
    OpenScrollMonitorIfUsed();
    CreateWindowName(1);
    SetScrollOpacity(ScrollingOpacity());
    InstallModeTimer(kScrollTimerInterval);
}

void StopScroll() {
    static bool busy = false;
    ReentryGuard guard(busy);
    if (!guard.Entered()) return;
    if (gArrowandShiftKeyFlag) {
        SetScrollAmount(gSpeedBeforeShiftKey, 0);
        gArrowandShiftKeyFlag = false;
    }
    const SInt32 cueCharacter = GetScrollCuePositionCharacter(0);
    DisposeOverlayRectangles();
    const bool transformed = ScrollTextIsTransformed();
    if (transformed) {
        RestoreScrollBackups();
        ClearMergeTextRecord();
    }
    gUpdateWindowBounds = 90;
    ChangeScreenResolution(myScrollDevice, nullptr, 0);
    SetScrollOpacity(1.0f);
    if (GetPref(gThePreferences, kPrefHighlightKind) == kHighlightBall) finishballs();
    EndScrollHighlight();
    RemoveLoopTimer();
    if (myNonverbalWindow) CloseNonverbalWindow();
    if (myScrollMonitorWindow) CloseScrollMonitorWindow(0);
    if (gScrollOn) {
        gTimerRunning = false;
        gScrollOn = kScrollOff;
        TellEditors();
        gTimer = 0;
        PauseOff(0);
        CreateWindowName(1);
        SetPref(gThePreferences, kPrefScrollSpeed, SInt16(gSaveScrollAmount));
        RemoveLoopingText();
        // The box shows a copy of the script; capitals live only in that copy, so filling the box again
        // gives back the user's own text.
        if (transformed || gScrollingInAllCAPS) {
            gTextHasChanged = false;
            PutScrollTextInBox(false);
            gTextHasMerged = gHypertextHasDisplayed = gTextHasFlowed = false;
        }
        if (gAutoScrollMode) {
            gAutoScrollMode = false;
            SetPref(gThePreferences, kPrefLoopingText, gSaveLoop);
        }
        FlipScreenRects(0);
        DestroyOffscreenWindows();
        DestroyTheMatrix();
        ErasePrompter();
        StartEdit();
        SetScrollWindowToNormal();
        gUpdateWindowBounds = 0;
        SetOtherWindowsToNirmalLocation();
        WindowPtr front = gFrontWhenScroll == 1 || !myEditWindow ? myScrollWindow : myEditWindow;
        if (front) SelectWindow(front);
    }
    if (GetPref(gThePreferences, kPrefPositionsFromCue)) ScrollScrollToCharacter(cueCharacter, 1);
    InstallModeTimer(kEditTimerInterval);
}

void StartEdit() {
    static bool busy = false;
    ReentryGuard guard(busy);
    if (!guard.Entered()) return;
    if (!gEditOn) {
        gEditOn = 1;
        StopScroll();
        SetAutoScroll(EditWEHandle ? EditWEHandle : ScrollWEHandle, 1);
    }
    if (myEditWindow) SelectHideOtherWindow(myEditWindow);
}

void StopEdit() {
    static bool busy = false;
    ReentryGuard guard(busy);
    if (!guard.Entered()) return;
    if (gEditOn) {
        gEditOn = 0;
        SetAutoScroll(ScrollWEHandle, 0);
        SetAutoScroll(EditWEHandle, 0);
    }
    StartScroll(kScrollOn);
}
