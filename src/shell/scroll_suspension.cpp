// Suspending a scroll that shows a transformed text so that a command can edit the user's own text, and
// resuming it; only the outer pair of nested suspensions takes the text apart and rebuilds it.
#include "shell/mode_switching.h"

#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/loop_timer.h"
#include "shell/mode_steps.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

namespace {

// The prompter text's scroll position and selections across a change of its text.
struct KeptView {
    SInt32 count = 0;
    Handle starts = nullptr;
    Handle ends = nullptr;
};

KeptView KeepView() {
    SaveScrollPositionandReset();
    KeptView kept;
    if (ScrollWEHandle) kept.count = WESaveSelections(&kept.starts, &kept.ends, ScrollWEHandle, false);
    return kept;
}

void RestoreView(KeptView& kept) {
    if (ScrollWEHandle && kept.starts && kept.ends) {
        WERestoreSelections(kept.count, WESelectionField{0, kept.starts}, WESelectionField{0, kept.ends},
                            ScrollWEHandle, 0, false, true, false);
    } else {
        if (kept.starts) DisposeHandle(kept.starts);
        if (kept.ends) DisposeHandle(kept.ends);
    }
    RestoreScrollPosition();
    if (myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
}

} // namespace

void SuspendScroll() {
    static bool busy = false;
    if (busy) return;
    if (!gScrollOn || (!gTextHasMerged && !gHypertextHasDisplayed && gScrollSuspended == 0)) return;
    busy = true;
    if (gScrollSuspended == 0) {
        KeptView kept = KeepView();
        RestoreScrollBackups();
        ClearMergeTextRecord();
        EndScrollHighlight();
        RemoveLoopTimer();
        if (myScrollMonitorWindow) CloseScrollMonitorWindow(0);
        gTimerRunning = false;
        gTextHasChanged = false;
        PutScrollTextInBox(false);
        gTextHasMerged = gHypertextHasDisplayed = false;
        RestoreView(kept);
        InstallModeTimer(kEditTimerInterval);
    }
    ++gScrollSuspended;
    busy = false;
}

void ResumeScroll() {
    static bool busy = false;
    if (busy || gScrollSuspended == 0) return;
    if (--gScrollSuspended > 0) return;
    busy = true;
    RemoveLoopTimer();
    const SInt32 cueCharacter = GetScrollCuePositionCharacter(0);
    KeptView kept = KeepView();
    const bool backedUp = BackUpBeforeTransforming();
    GetCurrentScrollPos();
    if (GetPref(gThePreferences, kPrefPositionsFromCue)) ScrollScrollToCharacter(cueCharacter, 1);
    if (backedUp) ShowMergesAndLinks();
    gTimer = SaveTimertoTimerDelay(GetPref(gThePreferences, kPrefScrollSmoothness), 1);
    MeasureAndValidateScriptText();
    gTimerRunning = true;
    StartScrollHighlight();
    OpenScrollMonitorIfUsed();
    RestoreView(kept);
    if (myScrollWindow) SetWindowAlpha(myScrollWindow, ScrollingOpacity());
    InstallModeTimer(kScrollTimerInterval);
    busy = false;
}

void KeepScrollChanges() {
    if (!gScrollOn || !ScrollTextIsTransformed()) return;
    FreeScrollBackups();
    ClearMergeTextRecord();
}
