// The round robin of idle jobs: one slot per timer call, so that a call stays short at sixty a second.
#include "shell/periodic_timer.h"

#include "controls/control_records.h"
#include "controls/edit_fields.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/speech.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/event_handlers.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

namespace {

// The speech block is freed once the channel has said it.
void ReleaseFinishedSpeech() {
    if (!gSpeechBuffer || !gChan || IsSpeaking(gChan)) return;
    DisposePtr(gSpeechBuffer);
    gSpeechBuffer = nullptr;
    gSpeakingHelpText = false;
}

void RunDueTimedMacro() {
    if (GetPref(gThePreferences, kPrefTimedMacrosOff) != 0) return;
    if (gNextTimedMacroTime == 0 || gNextTimedMacroTime >= CurrentDateTime()) return;
    RunMacroByName(gTimedMacroName);
    gNextTimedMacroTime = GetNextTimedMacro(gTimedMacroName);
    UpdateMacroExecutingInfo(-1);
}

// The caret of a text blinks from the timer; the port it draws in is the text's own, and a window shows
// what was drawn only once its port is flushed.
void BlinkCaret(WEReference text, GrafPtr port, WindowPtr window) {
    if (!text || !port || gInModal != 0 || gFunctionsSearchHasFocus) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    UInt32 sleep = 0;
    WEIdle(&sleep, text);
    if (window && port == GetWindowPort(window)) QDFlushPortBuffer(port, nullptr);
    SetPort(saved);
}

} // namespace

void RunRoundRobinSlot(SInt16 slot) {
    switch (slot) {
    case 0:
        RunDeferredCommand();
        break;
    case 1:
        // A tool window's field holding the keyboard focus blinks its caret instead of the prompter's.
        if (gHasfocus && gInModal == 0)
            IdleMyEditFields();
        else if (gScrollOn == kScrollOff || gScrollOn == kScrollOnEditable)
            BlinkCaret(ScrollWEHandle, myScrollWindowAlias, myScrollWindow);
        break;
    case 2:
        if (gScrollOn == kScrollOff && myEditWindow)
            BlinkCaret(EditWEHandle, GetWindowPort(myEditWindow), myEditWindow);
        break;
    case 4:
        if (playingMovie) playMovies();
        break;
    case 5:
        if (gTheMovie && gMatrixPort) gTheMovie = ContinueMovie(gTheMovie, gMatrixPort);
        break;
    case 6:
        if (gTheMusic)
            gTheMusic = ContinueMusic(gTheMusic, myScrollWindow ? GetWindowPort(myScrollWindow) : nullptr);
        break;
    case 8:
        ReleaseFinishedSpeech();
        break;
    case 10:
        RunDueTimedMacro();
        break;
    default:
        // Slot 3 blinks the macro editor's caret, 7 compiles a pending macro, 9 serves the functions
        // search field and the colour chart, 11 the help and record movies: each belongs to a window that
        // is not part of the program yet.
        break;
    }
}
