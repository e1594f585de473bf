// The question whether to save changes before a document closes or the program quits: Save, Don't
// Save or Cancel, answered by a running macro when it names the button.
#include "foundation/file_dialogs.h"

#include "macros/macro_services.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"

#include <memory>

namespace {

// The buttons as a macro numbers them: 1 Save, 2 Cancel, 3 Don't Save.
SInt16 ActionOfAutoAnswer(SInt16 item) {
    switch (item) {
    case 1:
        return kFileDialogSaveChanges;
    case 3:
        return kFileDialogDontSaveChanges;
    default:
        return kFileDialogCancel;
    }
}

void ConfirmDialogTerminated(FileDialogRef dialog) {
    if (dialog == gOpenFileDialog) gOpenFileDialog = nullptr;
    DisposeFileDialog(dialog);
}

} // namespace

OSStatus UniversalConfirmSaveDialog(WindowPtr parent, ConstStr255Param documentName, bool quitting,
                                    SInt16 saveKind, FileDialogRef* dialogOut, SInt16* userActionOut) {
    if (dialogOut) *dialogOut = nullptr;
    if (userActionOut) *userActionOut = kFileDialogNoAction;
    if (gAutoDialogAnswer) {
        const SInt16 action = ActionOfAutoAnswer(gAutoDialogAnswer);
        if (saveKind)
            HandleNavUserAction(nullptr, action, saveKind);
        else if (action == kFileDialogCancel)
            gIGotCancelled = true;
        if (userActionOut) *userActionOut = action;
        return noErr;
    }
    FileDialogOptions options;
    options.kind = FileDialogKind::ConfirmSave;
    options.title = kDialogClientName;
    options.message = documentName ? MacRomanToUtf8(PStringView(documentName)) : std::string();
    options.quitting = quitting;
    options.parent = parent;
    options.applicationModal = !parent;
    auto chosen = std::make_shared<SInt16>(kFileDialogNoAction);
    FileDialogCallbacks callbacks;
    callbacks.userAction = [saveKind, chosen](FileDialogRef dialog, const FileDialogAnswer& answer) {
        *chosen = answer.action;
        if (saveKind)
            HandleNavUserAction(dialog, answer.action, saveKind);
        else if (answer.action == kFileDialogCancel)
            gIGotCancelled = true;
    };
    callbacks.terminated = ConfirmDialogTerminated;
    FileDialogRef dialog = CreateFileDialog(options, std::move(callbacks));
    const OSStatus status = RunFileDialog(dialog);
    if (status != noErr) {
        DisposeFileDialog(dialog);
        return status;
    }
    if (IsFileDialogShowing(dialog)) {
        if (dialogOut) *dialogOut = dialog;
    } else if (userActionOut) {
        *userActionOut = *chosen;
    }
    return noErr;
}

OSStatus ConfirmSaveDialog(WindowPtr parent, ConstStr255Param documentName, bool quitting, SInt16 saveKind,
                           FileDialogRef* dialogOut) {
    return UniversalConfirmSaveDialog(parent, documentName, quitting, saveKind, dialogOut, nullptr);
}

OSStatus ModalConfirmSaveDialog(ConstStr255Param documentName, bool quitting) {
    return UniversalConfirmSaveDialog(nullptr, documentName, quitting, 0, nullptr, nullptr);
}
