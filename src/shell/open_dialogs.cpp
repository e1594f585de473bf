// The open dialog: one at a time, a sheet on the window that asked unless dialogs must be modal; the
// chosen files come back as an open-documents event to the program itself.
#include "foundation/file_dialogs.h"

#include "effects/effect_windows.h"
#include "foundation/file_types.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/preferences_dialog.h"
#include "shell/script_documents.h"
#include "texttools/text_tool_windows.h"

#include <algorithm>

FileDialogRef gOpenFileDialog = nullptr;

namespace {

// A four-character type as the endings that stand for it on disk: the kind tables of the resource file
// where one fits, else the usual endings.
struct TypeEndings {
    OSType type;
    const char* label;
    SInt16 table; // 0: the fixed endings alone
    const char* endings;
};

constexpr TypeEndings kTypeEndings[] = {
    {FourCC("TEXT"), "Text documents", kTextFileTypes, ".txt .text"},
    {FourCC("rtf "), "Rich text", 0, ".rtf"},
    {FourCC("TpQu"), "Queues", 0, ".queue"},
    {FourCC("OMac"), "Macros", kMacroFileTypes, ".macro"},
    {FourCC("rsrc"), "Resource script files", 0, ".rsrc"},
    {FourCC("HTML"), "Web pages", 0, ".html .htm"},
    {FourCC("PICT"), "Pictures", kPictureFileTypes, ".pict .pct"},
    {FourCC("JPEG"), "Pictures", kJpegFileTypes, ".jpg .jpeg"},
    {FourCC("TIFF"), "Pictures", 0, ".tif .tiff"},
    {FourCC("PNG "), "Pictures", 0, ".png"},
    {FourCC("BMP "), "Pictures", 0, ".bmp"},
    {FourCC("GIF "), "Pictures", 0, ".gif"},
    {FourCC("MooV"), "Movies", kMovieFileTypes, ".mov .mp4 .m4v .avi"},
    {FourCC("mp3 "), "Sounds", kSoundFileTypes, ".mp3"},
    {FourCC("mp4 "), "Sounds", 0, ".mp4"},
    {FourCC("aif "), "Sounds", 0, ".aif"},
    {FourCC("aiff"), "Sounds", 0, ".aiff"},
    {FourCC("snd "), "Sounds", 0, ".snd"},
    {FourCC("wma "), "Sounds", 0, ".wma"},
    {FourCC("m4a "), "Sounds", 0, ".m4a"},
    {FourCC("m4p "), "Sounds", 0, ".m4p"},
    {FourCC("wav "), "Sounds", 0, ".wav"},
    {FourCC("midi"), "Sounds", 0, ".mid .midi"},
    {FourCC("au  "), "Sounds", 0, ".au"},
};

void AddPattern(std::vector<std::string>& patterns, const std::string& ending) {
    if (ending.empty()) return;
    const std::string pattern = "*" + ending;
    if (std::find(patterns.begin(), patterns.end(), pattern) == patterns.end()) patterns.push_back(pattern);
}

void AddEndingsOf(const TypeEndings& entry, std::vector<std::string>& patterns) {
    if (entry.table) {
        SInt16 count = 0;
        GetThisFileTypeFileExt(entry.table, 0, &count);
        for (SInt16 i = 0; i < count; ++i)
            AddPattern(patterns,
                       MacRomanToUtf8(PStringView(GetThisFileTypeFileExt(entry.table, i, nullptr))));
    }
    std::string_view endings = entry.endings;
    while (!endings.empty()) {
        const size_t space = endings.find(' ');
        AddPattern(patterns, std::string(endings.substr(0, space)));
        endings = space == std::string_view::npos ? std::string_view() : endings.substr(space + 1);
    }
}

// The type menu: all readable documents first (selected), then one line per kind, by their endings.
std::vector<FileDialogFilter> FiltersForTypes(SInt16 count, const OSType* types) {
    std::vector<FileDialogFilter> kinds;
    FileDialogFilter readable{"All readable documents", {}};
    for (SInt16 i = 0; i < count; ++i) {
        for (const TypeEndings& entry : kTypeEndings) {
            if (entry.type != types[i]) continue;
            auto kind = std::find_if(kinds.begin(), kinds.end(),
                                     [&](const FileDialogFilter& f) { return f.label == entry.label; });
            if (kind == kinds.end()) kind = kinds.insert(kinds.end(), FileDialogFilter{entry.label, {}});
            AddEndingsOf(entry, kind->patterns);
            AddEndingsOf(entry, readable.patterns);
        }
    }
    if (kinds.empty()) return kinds;
    if (kinds.size() > 1) kinds.insert(kinds.begin(), readable);
    return kinds;
}

// What the purposes that take any file open by their kind, offered in the type menu (all of them still
// open through "All files"): documents, scripts to insert or to add to a queue.
std::vector<OSType> KindsOpenedFor(SInt16 openKind) {
    const OSType scripts[] = {FourCC("TEXT"), FourCC("rtf "), FourCC("rsrc")};
    switch (openKind) {
    case -3:
        return {scripts[0], scripts[1], scripts[2], FourCC("TpQu"), FourCC("MooV"), FourCC("PICT")};
    case -4:
    case -8:
        return {std::begin(scripts), std::end(scripts)};
    default:
        return {};
    }
}

std::string Utf8Of(ConstStr255Param text) {
    return text ? MacRomanToUtf8(PStringView(text)) : std::string();
}

WindowPtr WindowOfDialog(DialogPtr dialog) {
    return dialog ? GetDialogWindow(dialog) : nullptr;
}

struct OpenPlace {
    WindowPtr parent = nullptr;
    bool withTypes = true;
    bool folder = false;
    bool modal = false;
};

// Where the dialog hangs and whether it filters by type, first match wins.
OpenPlace ChooseOpenPlace(SInt16 kind) {
    if (kind <= -10 && kind >= -12) return {FrontWindow(), false, true, false};
    if (gPrefsDialog) return {WindowOfDialog(gPrefsDialog), false, false, false};
    if (gQueueDialog) return {WindowOfDialog(gQueueDialog), false, false, false};
    if (kind == -16 && myTextMergeWindow) return {myTextMergeWindow, true, false, true};
    if ((kind == -6 || kind == -7) && myMacroEditorWindow) return {myMacroEditorWindow, true, false, false};
    if (kind <= -17 && kind >= -22 && myHypertextWindow) return {myHypertextWindow, true, false, false};
    if (kind == -23) return {mySpirographWindow ? mySpirographWindow : myScrollWindow, false, false, false};
    if (kind != -25 && kind != -24) return {myScrollWindow, true, false, false};
    return {myOverlayWindow ? myOverlayWindow : myScrollWindow, false, false, false};
}

// The ended dialog was the open dialog: the window that was in front before gets the focus back.
void OpenDialogTerminated(FileDialogRef dialog) {
    if (dialog == gOpenFileDialog) {
        gOpenFileDialog = nullptr;
        gSaveInProgress = false;
        if (DialogPtr front = gPrefsDialog ? gPrefsDialog : gQueueDialog) {
            SelectWindow(GetDialogWindow(front));
            GetDialogRefandSetPort(front);
        } else {
            SetPortByReference(1);
        }
    }
    DisposeFileDialog(dialog);
}

void OpenDialogAction(FileDialogRef, const FileDialogAnswer& answer) {
    if (answer.action == kFileDialogOpen || answer.action == kFileDialogChoose) {
        SendOpenAE(answer.files);
    } else if (answer.action == kFileDialogCancel) {
        gIGotCancelled = true;
        gRunMacroOnOpen = true;
    }
}

void DeliverOpenEvent(void* userData) {
    auto* files = static_cast<std::vector<std::string>*>(userData);
    HandleDesktopRequest(FourCC("aevt"), FourCC("odoc"), *files);
    delete files;
}

} // namespace

OSStatus OpenFileDialog(OSType, SInt16 typeCount, const OSType* types, FileDialogRef* dialogOut,
                        SInt16 openKind, ConstStr255Param message, ConstStr255Param name, UInt32) {
    if (gOpenFileDialog) {
        SelectFileDialog(gOpenFileDialog);
        return noErr;
    }
    const OpenPlace place = ChooseOpenPlace(openKind);
    FileDialogOptions options;
    options.kind = place.folder ? FileDialogKind::ChooseFolder : FileDialogKind::Open;
    options.title = Utf8Of(message);
    if (options.title.empty()) options.title = kDialogClientName;
    options.message = Utf8Of(name);
    if (place.withTypes && typeCount > 0 && types) {
        options.filters = FiltersForTypes(typeCount, types);
    } else if (place.withTypes) {
        const std::vector<OSType> kinds = KindsOpenedFor(openKind);
        options.filters = FiltersForTypes(SInt16(kinds.size()), kinds.data());
    }
    // A document's side file opens with the document, never on its own.
    options.companionEnding = SideFilePath("");
    options.parent = place.parent;
    options.applicationModal = gNeedOpenModalDialog || place.modal || !place.parent;
    FileDialogCallbacks callbacks;
    callbacks.userAction = OpenDialogAction;
    callbacks.terminated = OpenDialogTerminated;
    FileDialogRef dialog = CreateFileDialog(options, std::move(callbacks));
    gOpenFileDialog = dialog;
    if (dialogOut) *dialogOut = dialog;
    const OSStatus status = RunFileDialog(dialog);
    if (status != noErr) {
        DisposeFileDialog(dialog);
        gOpenFileDialog = nullptr;
        if (dialogOut) *dialogOut = nullptr;
        gSaveInProgress = false;
        return status;
    }
    // A sheet stays open after it starts: deferred commands and quitting wait for it.
    if (gOpenFileDialog) gSaveInProgress = true;
    return noErr;
}

OSErr SendOpenAE(const std::vector<std::string>& selection) {
    if (!IsPlatformStarted()) return paramErr;
    CallAfterCurrentEvent(DeliverOpenEvent, new std::vector<std::string>(selection));
    return noErr;
}

void TerminateDialog(FileDialogRef dialog) {
    if (dialog) TerminateFileDialog(dialog);
}

void TerminateOpenFileDialog() {
    if (!gOpenFileDialog) return;
    FileDialogRef dialog = gOpenFileDialog;
    TerminateFileDialog(dialog);
    gOpenFileDialog = nullptr;
    gSaveInProgress = false;
}
