// What the timer does on each call in edit mode: finished sounds, the rectangles that blink while a
// modifier key is held over the prompter, the script measured again after typing, and the idle macro.
#include "shell/periodic_timer.h"

#include "foundation/global_lists.h"
#include "foundation/text_counting.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/event_handlers.h"
#include "shell/rect_tracking.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kBlinkPhases = 10;
constexpr SInt16 kIdleMacro = 37;

RESETTABLE(SInt16, gScrollingRectOn, 0);
RESETTABLE(SInt16, gPictureRectOn, 0);

// The rectangle is framed on the first call of every ten, so it blinks while the key is held.
void BlinkEveryTenCalls(SInt16& phase, const Rect& rectangle, SInt16 markSize) {
    if (phase == 0) BlinkRects(&rectangle, nullptr, markSize);
    if (++phase >= kBlinkPhases) phase = 0;
}

// Option shows where the text scrolls and command where the background picture stands, while a
// background is set and the prompter is in front.
void BlinkLayoutRectangles() {
    if (inBackground || GetPref(gThePreferences, kPrefBackgroundKind) == 0) return;
    if (!myScrollWindow || FrontNonFloatingWindow() != myScrollWindow || geeMouseIsDown) return;
    const UInt16 modifiers = GetCurrentKeyModifiers();
    if (modifiers & optionKey)
        BlinkEveryTenCalls(gScrollingRectOn, GetPref(gThePreferences, kPrefTextBoxRect), 6);
    if (modifiers & cmdKey) BlinkEveryTenCalls(gPictureRectOn, gPictureRect, 6);
}

// Macro 37 runs once after the set number of idle calls; input starts the count again.
void RunIdleMacro() {
    const SInt32 rounds = GetPref(gThePreferences, kPrefIdleMacroRounds);
    if (rounds == 0 || rounds == gNothingHappened) return;
    if (++gNothingHappened == rounds && GetPref(gThePreferences, kPrefSkipIdleMacro37) == 0 && !inBackground)
        RunMacroByID(kIdleMacro);
}

// The script is measured again once typing has paused for a while, not on every key.
void RecountScript() {
    if (gWaitToUpdateWordCount == 0 || --gWaitToUpdateWordCount != 0) return;
    MeasureScriptText();
}

} // namespace

void DoEditChores() {
    CheckSoundsDone();
    BlinkLayoutRectangles();
    RecountScript();
    RunIdleMacro();
}
