// The media folders dialog and the answers of the folder dialogs it opens.
#include "media/media_folders_dialog.h"
#include "foundation/dialog_filters.h"

#include "foundation/dialog_items.h"
#include "foundation/file_dialogs.h"
#include "foundation/folder_files.h"
#include "foundation/machine_features.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "resource_names.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kMediaFoldersDialogID = 161;
constexpr SInt16 kOkItem = 1;
constexpr SInt16 kCancelItem = 2;

struct FolderLine {
    SInt16 pathItem;
    SInt16 chooseItem;
    SInt16 purpose;
    SInt16 prompt; // item of the program texts
};
constexpr FolderLine kLines[] = {
    {4, 6, kChooseMusicFolder, 90},
    {7, 9, kChoosePictureFolder, 91},
    {10, 12, kChooseMovieFolder, 92},
};

// The dialog while it runs, so that a folder dialog's answer finds it.
DialogPtr gMediaFoldersDialog = nullptr;

void ShowPath(DialogPtr dialog, SInt16 item, const std::string& path) {
    Str255 text;
    SetPString(text, Utf8ToMacRoman(path));
    SetDialogItemText(dialog, item, text);
}

std::string ShownPath(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    return MacRomanToUtf8(PStringView(text));
}

} // namespace

bool GetNewPathsDialog(std::string& music, std::string& pictures, std::string& movies) {
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kMediaFoldersDialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) return false;
    SetWRefCon(GetDialogWindow(dialog), kMediaFoldersDialogID);
    GetDialogRefandSetPort(dialog);
    std::string* paths[] = {&music, &pictures, &movies};
    for (size_t i = 0; i < 3; ++i)
        ShowPath(dialog, kLines[i].pathItem, *paths[i]);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    DrawDialog(dialog);
    if (!gOSXOK) OutlineButton(dialog, kOkItem);
    gMediaFoldersDialog = dialog;
    ++gInModal;

    bool accepted = false;
    for (SInt16 item = 0; item != kOkItem && item != kCancelItem;) {
        MovableDialog(nullptr, &item);
        for (const FolderLine& line : kLines) {
            if (item != line.chooseItem) continue;
            Str255 prompt;
            GetOrvalisString(kProgramTexts, line.prompt, prompt);
            const Str255 noDefaultName = {0};
            GetFileName(prompt, noDefaultName, FourCC("Dir "), line.purpose);
        }
        if (item == kOkItem) {
            for (size_t i = 0; i < 3; ++i)
                *paths[i] = ShownPath(dialog, kLines[i].pathItem);
            accepted = true;
        }
    }

    --gInModal;
    gMediaFoldersDialog = nullptr;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return accepted;
}

OSErr CompleteGettingFolder(const std::string& chosen) {
    if (!gMediaFoldersDialog) return paramErr;
    for (const FolderLine& line : kLines) {
        if (gIdflag != line.purpose) continue;
        if (!FolderExists(chosen)) return fnfErr;
        std::string path = chosen;
        if (path.back() != '/') path += '/';
        // The line holds Mac Roman text of at most 255 bytes: a path it would mangle is not shown.
        if (!FitsPString(path)) return bdNamErr;
        ShowPath(gMediaFoldersDialog, line.pathItem, path);
        DrawDialog(gMediaFoldersDialog);
        return noErr;
    }
    return paramErr;
}
