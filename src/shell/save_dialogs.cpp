// The save dialog: the chosen folder and name become the save target, the saver of the purpose runs
// inside the dialog's answer, and a save that failed to a new name leaves nothing behind.
#include "foundation/file_dialogs.h"

#include "foundation/file_types.h"
#include "media/media_services.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "shell/desktop_events.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <filesystem>

namespace {

// The format menu of a picture sequence: item 0 JPEG, item 1 PICT.
void SaveFormatChosen(FileDialogRef, SInt16 item) {
    gChosenSequenceType = item == 0 ? 3 : 1;
}

void SaveDialogTerminated(FileDialogRef dialog) {
    if (dialog == gOpenFileDialog) {
        gOpenFileDialog = nullptr;
        gSaveInProgress = false;
    }
    DisposeFileDialog(dialog);
}

// Plain-text files by the endings of the text table, without those read as rich text or word-processor
// files: a script is written as plain text unless it came as RTF.
FileDialogFilter PlainTextFilter() {
    FileDialogFilter filter{"Text documents", {"*.txt", "*.text"}};
    SInt16 count = 0;
    GetThisFileTypeFileExt(kTextFileTypes, 0, &count);
    for (SInt16 i = 0; i < count; ++i) {
        const std::string ending =
            MacRomanToUtf8(PStringView(GetThisFileTypeFileExt(kTextFileTypes, i, nullptr)));
        const std::string pattern = "*" + ending;
        if (ending.empty() || ending == ".rtf" || ending == ".wri" || ending == ".doc" || ending == ".cwk" ||
            std::find(filter.patterns.begin(), filter.patterns.end(), pattern) != filter.patterns.end())
            continue;
        filter.patterns.push_back(pattern);
    }
    return filter;
}

// The type menu of a save dialog: the kind of file the save writes, then all files.
std::vector<FileDialogFilter> SaveFilters(SInt16 saveKind) {
    switch (saveKind) {
    case kSaveScript:
        if (gScriptFileFormat.encoding == TextFileEncoding::Rtf)
            return {{"Rich text", {"*.rtf"}}, PlainTextFilter()};
        return {PlainTextFilter()};
    case kSaveMacroSource:
    case kSaveMandala:
    case kSaveOverlay:
        return {PlainTextFilter()};
    case kSaveQueue:
    case kSaveQueueFromQueueDialog:
        return {{"Queues", {"*.queue"}}};
    case kSaveMacro:
        return {{"Macros", {"*.macro"}}};
    default:
        return {};
    }
}

bool PathExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace

OSStatus SaveFileDialog(WindowPtr parent, ConstStr255Param defaultName, OSType, OSType, SInt16 saveKind,
                        FileDialogRef* dialogOut) {
    gIGotCancelled = false;
    FileDialogOptions options;
    options.kind = FileDialogKind::Save;
    options.title = kDialogClientName;
    options.defaultName = defaultName ? MacRomanToUtf8(PStringView(defaultName)) : std::string();
    options.folder = gOutPath;
    options.parent = parent;
    options.applicationModal = gNeedOpenModalDialog || !parent;
    if (saveKind == kSavePictureSequence) options.formats = {"JPEG", "PICT"};
    options.filters = SaveFilters(saveKind);
    options.companionEnding = SideFilePath("");
    FileDialogCallbacks callbacks;
    callbacks.userAction = [saveKind](FileDialogRef dialog, const FileDialogAnswer& answer) {
        HandleNavUserAction(dialog, answer.action, saveKind);
    };
    callbacks.formatChosen = SaveFormatChosen;
    callbacks.terminated = SaveDialogTerminated;
    FileDialogRef dialog = CreateFileDialog(options, std::move(callbacks));
    if (dialogOut) *dialogOut = dialog;
    const OSStatus status = RunFileDialog(dialog);
    if (status != noErr) DisposeFileDialog(dialog);
    // An application-modal dialog is over when running returns; a sheet keeps its reference.
    if (dialogOut && (status != noErr || !IsFileDialogShowing(dialog))) *dialogOut = nullptr;
    if (status == noErr && IsFileDialogShowing(dialog)) gSaveInProgress = true;
    return status;
}

OSErr BeginSave(FileDialogRef dialog, SaveReply* replyOut, std::string* fileOut) {
    if (!dialog || !replyOut || !fileOut) return paramErr;
    const FileDialogAnswer* answer = GetFileDialogAnswer(dialog);
    if (!answer || answer->name.empty() || answer->folder.empty()) return paramErr;
    gOutName = answer->name;
    gOutPath = answer->folder;
    if (gOutPath.back() != '/') gOutPath += '/';
    replyOut->file = gOutPath + gOutName;
    // Whether the names are taken now, before the saver writes: only what the save itself created is
    // removed when it fails.
    replyOut->replacing = PathExists(replyOut->file);
    replyOut->replacingSideFile = PathExists(SideFilePath(replyOut->file));
    replyOut->valid = true;
    *fileOut = replyOut->file;
    return noErr;
}

OSErr CompleteSave(SaveReply* reply, const std::string& file, bool succeeded) {
    if (!reply || !reply->valid) return paramErr;
    if (!succeeded && !file.empty()) {
        std::error_code error;
        if (!reply->replacing) std::filesystem::remove(file, error);
        if (!reply->replacingSideFile) std::filesystem::remove(SideFilePath(file), error);
    }
    reply->valid = false;
    return noErr;
}
