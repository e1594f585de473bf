// The question asked before an edit of the script throws away its hand-recorded syllable times.
#include "shell/edit_commands.h"

#include "foundation/dialog_filters.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kCustomTimingDialogID = 153;
constexpr SInt16 kCancelItem = 1;
constexpr SInt16 kEditItem = 2;

} // namespace

bool AskToDropCustomTiming() {
    if (gAutoDialogAnswer) return gAutoDialogAnswer != kCancelItem;
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kCustomTimingDialogID, nullptr, kFirstWindowOfClass);
    // Without the question the times are worth more than the edit.
    if (!dialog) return false;
    GetDialogRefandSetPort(dialog);
    SetDialogDefaultItem(dialog, kEditItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    SInt16 item = 0;
    while (item != kCancelItem && item != kEditItem)
        MovableDialog(nullptr, &item);
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return item == kEditItem;
}
