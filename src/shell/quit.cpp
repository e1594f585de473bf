// The program's end, after the event loop returns: media, the timer and scroll mode stopped, the changed
// preference records written back, the windows and the patch files closed.
#include "shell/startup.h"

#include "effects/shapes.h"
#include "foundation/app_utils.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/memory.h"
#include "platform/speech.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/tool_windows.h"
#include "shell/desktop_events.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/printing.h"
#include "shell/shell_globals.h"
#include "texttools/help_window.h"

namespace {

void StopMedia() {
    if (playingMovie) killMovies();
    if (gLiveCaptureRunning) StopLiveCapture();
    if (gSoundRecordingRunning) StopRecordSnd();
}

void CloseWindows() {
    CloseHelpWindow(0);
    CloseMacroMonitorWindow(0);
    CloseFunctionsWindow(0);
    CloseMacroEditorWindow(0);
    CloseHideBackgroundWindow();
    CloseNonverbalWindow();
    CloseBookmarkWindow(0);
    CloseToolbarWindow(0);
    CloseEditWindow(0);
    CloseScrollMonitorWindow(0);
    CloseScrollWindow();
}

// What start-up made for the whole run goes with it, so that nothing of the program is left running.
void ReleaseStartupResources() {
    if (gAppEventHandler) RemoveEventHandler(gAppEventHandler);
    gAppEventHandler = nullptr;
    if (gChan) {
        StopSpeech(gChan);
        DisposeSpeechChannel(gChan);
        gChan = nullptr;
    }
    if (gToolbarButtonList) DisposeHandle(gToolbarButtonList);
    gToolbarButtonList = nullptr;
}

} // namespace

void WriteChangedPreferences() {
    if (gPrefsChanged && GetPref(gThePreferences, kPrefSavePrefsAtQuit) &&
        DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr) == noErr)
        gPrefsChanged = false;
    if (gPositionPrefsChanged && GetPref(gThePreferences, kPrefSavePositionsAtQuit) &&
        DoPutPreferences(&gPositionPreferences, kPrefsKindPosition, nullptr) == noErr)
        gPositionPrefsChanged = false;
    if (gClassPrefsChanged && gMacroClasses && GetHandleSize(gMacroClasses) == kMacroClassesSize &&
        DoPutPreferences(*gMacroClasses, kPrefsKindMacroClasses, nullptr) == noErr)
        gClassPrefsChanged = false;
    if (gShapeChanged && DoPutPreferences(gRecentShape, kPrefsKindShape, gShapeName) == noErr)
        gShapeChanged = false;
}

void CloseProgram() {
    WriteChangedPreferences();
    TerminateOpenFileDialog();
    CloseWindows();
    ClosePatchFiles();
    CloseApputils();
    Close_Printing();
    ReleaseStartupResources();
}

void QuitProgram() {
    StopMedia();
    RemoveLoopTimer();
    StopScroll();
    // Leaving scroll mode puts the edit-mode timer back; nothing may fire once the program is ending.
    RemoveLoopTimer();
    gTimerRunning = false;
    if (gTheMovie) gTheMovie = CloseTheMovie(gTheMovie);
    if (gTheMusic) gTheMusic = CloseTheMusic(gTheMusic);
    DestroyOffscreenWindows();
    DestroyTheMatrix();
    CloseProgram();
}
