// The questions asked before unsaved text or an unsaved queue is closed, replaced or quit: Save, Cancel or
// Don't Save, taken from a running macro without being shown when it has set the answer.
#include "foundation/app_paths.h"
#include "foundation/dialog_filters.h"
#include "foundation/error_dialog.h"
#include "foundation/file_dialogs.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/dialogs.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "resource_names.h"
#include "shell/command_parts.h"
#include "shell/desktop_events.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"

namespace {

enum : SInt16 { kSaveButtonItem = 1, kCancelItem = 2, kDontSaveItem = 3, kDocumentNameItem = 4 };

// The name a script without one is saved under when no dialog may be shown.
constexpr SInt16 kUntitledNameItem = 5;
// The folder of scripts saved without a dialog.
constexpr AppPathSlot kInstantSaveSlot = 16;

std::string FolderOfSlot(AppPathSlot slot) {
    std::string folder = GetAppPathFolder(slot);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// The answer: the macro's when it set one, else the user's in the dialog. 0 when the dialog cannot be made.
SInt16 TakeAnswer(SInt16 dialogID) {
    const WindowReference saved = GetPortReference();
    DialogPtr dialog = GetNewDialog(dialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) return 0;
    SetWRefCon(GetDialogWindow(dialog), dialogID);
    GetDialogRefandSetPort(dialog);
    if (dialogID == kTextSaveQuestion && !gOutName.empty()) {
        Str255 name;
        SetPString(name, Utf8ToMacRoman(gOutName));
        SetDialogItemText(dialog, kDocumentNameItem, name);
    }
    gIGotCancelled = false;
    SetDialogDefaultItem(dialog, kSaveButtonItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ++gInModal;
    SInt16 item = 0;
    if (gAutoDialogAnswer) {
        item = gAutoDialogAnswer;
    } else {
        ShowWindow(GetDialogWindow(dialog));
        SelectWindow(GetDialogWindow(dialog));
        while (item != kSaveButtonItem && item != kCancelItem && item != kDontSaveItem)
            MovableDialog(nullptr, &item);
    }
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return item;
}

// Saves the script: in its own file when it has one, else under a name the user chooses, or, when a macro
// answered, under the untitled name in the folder of scripts saved without a dialog. True when the caller
// may go on: the text is saved, or its save dialog is up (gSaveInProgress holds the caller back until it
// ends); false when it was not saved.
bool SaveText(bool automatic) {
    const bool hasFile = !gOutName.empty() && !gOutPath.empty();
    if (hasFile || automatic) {
        if (!hasFile) {
            if (gOutName.empty()) {
                Str255 untitled;
                GetOrvalisString(kProgramTexts, kUntitledNameItem, untitled);
                gOutName = MacRomanToUtf8(PStringView(untitled)) + ".text";
            }
            gOutPath = FolderOfSlot(kInstantSaveSlot);
            gIdflag = kSaveScript;
        }
        // A save that failed has said why; what it would have saved is still unsaved, so nothing may close.
        return DoSave(-kSaveScript) == noErr;
    }
    // The save dialog keeps gSaveInProgress raised for as long as it shows as a sheet; a dialog that has
    // already ended either saved the text or left it unsaved.
    DoSave(kSaveScript);
    CreateWindowName(false);
    return gSaveInProgress || !gDontQuitWithoutSaving;
}

bool SaveQueue(bool automatic) {
    if (DoSaveQueue(automatic ? -1 : 1) == noErr) return true;
    DoErrorMessageText("The queue could not be saved, so it stays open.");
    return false;
}

} // namespace

bool DoSaveCancelDialog(SInt16 dialogID) {
    const bool automatic = gAutoDialogAnswer != 0;
    switch (TakeAnswer(dialogID)) {
    case kSaveButtonItem:
        return dialogID == kTextSaveQuestion ? SaveText(automatic) : SaveQueue(automatic);
    case kDontSaveItem:
        if (dialogID == kTextSaveQuestion)
            gDontQuitWithoutSaving = false;
        else
            gQueueIsDirty = false;
        return true;
    case kCancelItem:
        gIGotCancelled = true;
        return false;
    default:
        return false;
    }
}

bool ReadyToReplaceText() {
    if (!gDontQuitWithoutSaving) return true;
    if (gSaveQuestionUp) return false;
    // The question is answered here and now: a save dialog it opens is finished before the text goes.
    const bool modal = gNeedOpenModalDialog;
    gNeedOpenModalDialog = true;
    gSaveQuestionUp = true;
    const bool goOn = DoSaveCancelDialog(kTextSaveQuestion);
    gSaveQuestionUp = false;
    gNeedOpenModalDialog = modal;
    return goOn && !gSaveInProgress && !gDontQuitWithoutSaving;
}

OSErr DoSaveInstant() {
    // A script with a name is written at once: to its own file, or, when it has no folder yet, to the
    // folder of scripts saved without a dialog. A script without a name, or one whose write failed (which
    // has said why), goes to the save dialog so that nothing is left unsaved silently.
    if (!gFileName.empty()) {
        gOutName = gFileName;
        if (gOutPath.empty()) gOutPath = FolderOfSlot(kInstantSaveSlot);
        const OSErr status = DoSave(-kSaveScript);
        // The user said no to the save itself: no dialog comes up in its place.
        if (status == noErr || status == kSaveCancelled) return status;
    }
    return DoSave(kSaveScript);
}
