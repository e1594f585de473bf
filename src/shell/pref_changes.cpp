// Re-applying changed settings to a running scroll, and rebuilding the prompter after a whole new
// preference record was put in place.
#include "shell/mode_switching.h"

#include "media/media_services.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/window_settings.h"
#include "shell/loop_timer.h"
#include "shell/mode_steps.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

void RegisterPrefChanges() {
    static bool busy = false;
    ReentryGuard guard(busy);
    if (!guard.Entered() || !gScrollOn) return;
    EndScrollHighlight();
    RemoveLoopTimer();
    RemoveLoopingText();
    FlipScreenRects(0);
    SetPref(gThePreferences, kPrefTextBoxRect, gScrollStartScrollingRect);
    SetPref(gThePreferences, kPrefPictureRect, gScrollStartPictureRect);
    SetPref(gThePreferences, kPrefCueRect, gScrollStartRectCue);
    gCueRect = gScrollStartRectCue;
    DestroyOffscreenWindows();
    ErasePrompter();
    SetScrollWindowToNormal();
    // The copies go only when nothing transformed shows: while something does, they are the user's own
    // text, and the scroll's stop must still be able to put them back.
    if (!ScrollTextIsTransformed()) FreeScrollBackups();
    // Going back to the normal size while scrolling mirrors the rectangles again; the ones kept for the
    // scroll's end must be their own values.
    FlipScreenRects(0);
    SaveStartRects();
    if (RequiresOffscreens()) {
        CreateOffscreenWindows();
        FlipScreenRects(1);
    }
    const Rect content = GetScrollWindowContent();
    if (GetPref(gThePreferences, kPrefFullScreen))
        SetScrollWindowToFullScreen(true);
    else
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
    if (gOffscreenScrollWindow && GetPref(gThePreferences, kPrefBackgroundKind) == 0)
        PreparePlainBackgroundWorld();
    AddLoopingText();
    gTimer = SaveTimertoTimerDelay(GetPref(gThePreferences, kPrefScrollSmoothness), 1);
    StartScrollHighlight();
    if (GetPref(gThePreferences, kPrefHighlightKind) == kHighlightBall) InitializeBalls();
    if (myScrollWindow) SelectWindow(myScrollWindow);
    InstallModeTimer(kScrollTimerInterval);
}

void ResetForNewPrefs() {
    if (myHideWindow) CloseHideBackgroundWindow();
    if (myBookmarkWindow) CloseBookmarkWindow(0);
    if (myScrollMonitorWindow) CloseScrollMonitorWindow(0);
    if (myEditWindow) CloseEditWindow(0);
    CloseScrollWindow();
    SetTextEffectsFromPrefs();
    OpenScrollWindow();
    gCueSpotChanged = true;
    if (!myScrollWindow) return;
    SetScrollWindowToNormal();
    PutScrollTextInBox(false);
    if (GetPref(gThePreferences, kPrefSeparateEditWindow)) OpenTextEditWindow();
    if (GetPref(gThePreferences, kPrefHideBackground)) OpenHideBackgroundWindow();
    if (!GetPref(gThePreferences, kPrefStartScrolling)) {
        StartEdit();
        ScrollScrollThisMuch(-gScrollCurrentPos, 0);
    } else {
        StartScroll(kScrollOn);
    }
    if (GetPref(gThePreferences, kPrefBookmarkWindowOpen)) OpenBookmarkWindow();
    // The prompter was opened anew under its bare title: it names the script again.
    CreateWindowName(1);
}
