// The about box: the program's name and version, and the credits of the people who made it, read from
// the program's resource file so that a patch file can bring them up to date.
#include "shell/about_box.h"

#include "foundation/dialog_filters.h"
#include "foundation/window_references.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "platform/windows.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr SInt16 kAboutBox = 129;
constexpr SInt16 kOkItem = 1;
constexpr SInt16 kCreditsItem = 5;
constexpr ResID kCreditsText = 128;

void ShowCredits(DialogPtr dialog) {
    Handle credits = GetResource(FourCC("TEXT"), kCreditsText);
    if (!credits) return;
    Str255 text;
    const size_t length = std::min<size_t>(size_t(GetHandleSize(credits)), 255);
    text[0] = UInt8(length);
    std::memcpy(text + 1, *credits, length);
    SetDialogItemText(dialog, kCreditsItem, text);
}

} // namespace

void DoAbout(SInt16 dialogID) {
    DialogPtr dialog = GetNewDialog(dialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SysBeep(10);
        return;
    }
    SetWRefCon(GetDialogWindow(dialog), dialogID);
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    if (dialogID == kAboutBox) ShowCredits(dialog);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    SetMessageButton(dialog, kOkItem);
    ++gInModal;
    for (SInt16 item = 0; item != kOkItem;)
        ModalDialog(nullptr, &item);
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
}
