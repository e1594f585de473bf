// Pausing the text without leaving scroll mode, resuming it, and the delay before the text starts.
#include "scroll/pause.h"

#include "foundation/dialog_items.h"
#include "foundation/number_text.h"
#include "foundation/window_references.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/pacing.h"
#include "scroll/scroll_engine.h"
#include "shell/scroll_tick.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"

#include <cstring>
#include <string>

namespace {

constexpr SInt16 kBeginDelayDialog = 141;
enum : SInt16 { kOkItem = 1, kCancelItem = 2, kSecondsItem = 5 };

bool SpeedRamps() {
    return GetPref(gThePreferences, kPrefMomentum) != 0;
}

} // namespace

void PauseOn() {
    gPaused = true;
    // With ramping the timer now runs the speed down to 0.
    gWantScrollAmount = 0;
    CreateWindowName(1);
}

void PauseOff(SInt16) {
    gPaused = false;
    if (!SpeedRamps()) SetPref(gThePreferences, kPrefScrollSpeed, SInt16(gSaveScrollAmount));
    gWantScrollAmount = gSaveScrollAmount;
    // The bookmark the text stopped at is not the next one to stop at.
    gPausedHere = GetScrollAdjustedCharacter();
    CreateWindowName(1);
}

bool IsPaused() {
    if (!SpeedRamps()) return gPaused;
    return gPaused && GetPref(gThePreferences, kPrefScrollSpeed) == 0;
}

void DelayScrollStart(SInt32 seconds) {
    if (seconds < 0) seconds = 0;
    if (seconds > kMaxDelaySeconds) seconds = kMaxDelaySeconds;
    gDelayScroll = seconds * 60;
    StartScrollTickClock(TickCount());
    PauseOn();
}

void GetBeginDelay() {
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kBeginDelayDialog, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SysBeep(10);
        return;
    }
    SetWRefCon(GetDialogWindow(dialog), kBeginDelayDialog);
    GetDialogRefandSetPort(dialog);
    Str255 text;
    const std::string seconds = std::to_string(gDelayScroll / 60);
    text[0] = UInt8(seconds.size());
    std::memcpy(text + 1, seconds.data(), seconds.size());
    SetDText(dialog, kSecondsItem, text, true);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    for (SInt16 item = 0; item != kCancelItem;) {
        ModalDialog(nullptr, &item);
        if (item != kOkItem) continue;
        GetDialogItemText(dialog, kSecondsItem, text);
        const std::string typed(PStringView(text));
        const bool number = !typed.empty() && typed.find_first_not_of("0123456789") == std::string::npos;
        if (!number) {
            SelectDialogItemText(dialog, kSecondsItem, 0, 32767);
            SysBeep(10);
            continue;
        }
        // More digits than any delay needs are read as the longest delay, never as a wrapped count.
        DelayScrollStart(typed.size() > 9 ? kMaxDelaySeconds : TextToWholeNumber(typed.c_str()));
        break;
    }
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
}
