// What each save purpose saves: its file type, the window its dialog hangs on and the saver that writes
// the file once the user has chosen a name.
#include "foundation/file_dialogs.h"

#include "effects/effect_windows.h"
#include "effects/effects.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "platform/dialogs.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/preferences_dialog.h"
#include "shell/script_documents.h"

namespace {

enum class SaveParent : UInt8 { None, Prompter, QueueDialog, MacroEditor, MandalaEditor, OverlayEditor };

struct SaveKindRow {
    OSType type;
    SaveParent parent;
    OSErr (*saver)(SInt16 kind); // called with the negative kind
};

// Indexed by the save kind, 1 to 9.
const SaveKindRow kSaveKinds[] = {
    {FourCC("TpQu"), SaveParent::Prompter, DoSaveQueue},
    {FourCC("TpQu"), SaveParent::QueueDialog, DoSaveQueue},
    {FourCC("TEXT"), SaveParent::Prompter, DoSave},
    {FourCC("PICT"), SaveParent::Prompter, DoSavePictureSequence},
    {FourCC("MooV"), SaveParent::Prompter, DoSaveMovie},
    {FourCC("OMac"), SaveParent::MacroEditor, DoSaveMacro},
    {FourCC("TEXT"), SaveParent::MacroEditor, DoSaveMacroSource},
    {FourCC("TEXT"), SaveParent::MandalaEditor, DoSaveSpiroFile},
    {FourCC("TEXT"), SaveParent::OverlayEditor, DoSaveOverlayFile},
};

const SaveKindRow* RowOf(SInt16 kind) {
    return kind >= kSaveQueue && kind <= kSaveOverlay ? &kSaveKinds[kind - 1] : nullptr;
}

} // namespace

WindowPtr SaveParentWindow(SInt16 saveKind) {
    const SaveKindRow* row = RowOf(saveKind);
    switch (row ? row->parent : SaveParent::None) {
    case SaveParent::None:
        return nullptr;
    case SaveParent::Prompter:
        return myScrollWindow;
    case SaveParent::QueueDialog:
        return gQueueDialog ? GetDialogWindow(gQueueDialog) : myScrollWindow;
    case SaveParent::MacroEditor:
        return myMacroEditorWindow;
    case SaveParent::MandalaEditor:
        return mySpirographWindow ? mySpirographWindow : myScrollWindow;
    case SaveParent::OverlayEditor:
        return myOverlayWindow ? myOverlayWindow : myScrollWindow;
    }
    return nullptr;
}

OSType SaveFileType(SInt16 saveKind) {
    const SaveKindRow* row = RowOf(saveKind);
    return row ? row->type : FourCC("TEXT");
}

void HandleNavUserAction(FileDialogRef dialog, SInt16 action, SInt16 purpose) {
    if (purpose == 0) return;
    if (gPrefsDialog) {
        ShowWindow(GetDialogWindow(gPrefsDialog));
        SelectWindow(GetDialogWindow(gPrefsDialog));
        GetDialogRefandSetPort(gPrefsDialog);
    }
    switch (action) {
    case kFileDialogSaveAs: {
        SaveReply reply;
        std::string file;
        if (BeginSave(dialog, &reply, &file) != noErr) return;
        const SaveKindRow* row = RowOf(purpose);
        const OSErr status = row ? row->saver(SInt16(-purpose)) : OSErr(paramErr);
        CompleteSave(&reply, file, status == noErr);
        break;
    }
    case kFileDialogSaveChanges:
        DoSave(-1);
        break;
    case kFileDialogCancel:
        // A quit or a macro save waiting for this save is abandoned with it.
        gSaveInProgress = false;
        gQuitting = false;
        gInSave = false;
        gIGotCancelled = true;
        break;
    default:
        break;
    }
}
