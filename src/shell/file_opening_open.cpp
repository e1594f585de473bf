// DoOpen: a chosen or dropped file becomes the script document, a queue, a movie of the media list or a
// picture in the prompter, or serves the purpose its open dialog was started for.
#include "foundation/file_dialogs.h"
#include "foundation/program_strings.h"
#include "foundation/rect_fitting.h"
#include "foundation/script_file_checks.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "resource_names.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kOpenScriptPrompt = 6;
constexpr SInt16 kOpenTextDocumentKind = -3;

// Fitted into the room the prompter offers, drawn there; the picture itself is not kept.
void ShowPictureInPrompter(const std::string& folder, const std::string& name) {
    Str255 macName, macFolder;
    SetPString(macName, Utf8ToMacRoman(name));
    SetPString(macFolder, Utf8ToMacRoman(folder));
    PicHandle picture = GetThePicture(macName, macFolder, nullptr, nullptr, 0, 0, 0);
    if (!picture) return;
    Rect bounds;
    QDGetPictureBounds(picture, &bounds);
    FitRectToRect(&bounds, &gAvailableRect, 0, kFitCentred);
    DrawPictureToScrollWindow(picture, &bounds);
    DisposeHandle(picture);
}

// By the file's type: 1 when it became the document (or a queue of documents), 0 when it went elsewhere,
// userCanceledErr when the text had unsaved changes that were not let go, the refusal (reported) of a
// file that cannot be a script.
SInt16 OpenFileByType(const std::string& path) {
    std::string folder, name;
    SplitFilePath(path, folder, name);
    const OSType type = GetFileTypeOfPath(path);
    if (type == kMovieFileType) {
        LogMovie(path);
        return 0;
    }
    if (type == kPictureFileType) {
        ShowPictureInPrompter(folder, name);
        return 0;
    }
    // A file that cannot become the script is refused before anything of the current one is let go.
    const bool asText = type == kTextFileType || type == kDosTextFileType;
    if (const OSErr err = CheckScriptFile(path, asText); err != noErr) {
        ReportScriptFileProblem(path, err);
        return err;
    }
    // The file replaces the text there and then, whoever opened it (the open dialog, the desktop, another
    // start, a macro): unsaved changes are asked about first, and a cancel leaves the text as it is.
    if (!ReadyToReplaceText()) return userCanceledErr;
    DisposeQueue();
    // Only a file that becomes the document names it: a file used for a purpose leaves gPathSpec alone.
    gPathSpec = path;
    if (type == kQueueFileType) {
        gQueue = LoadQueueFile(name, folder);
        SetDocumentFromQueueElement(0);
        gCurrentScriptName.clear();
    } else {
        gFileName = gOutName = name;
        gInPath = gOutPath = folder;
        SetDocumentKindFromType(type);
    }
    if (SetScriptMenu(true)) EnableWhenFile(false);
    ShowScriptOfScriptsMenu();
    AddToRecentFiles();
    return 1;
}

} // namespace

OSStatus StartTextOpenDialog(SInt16 promptItem, SInt16 purpose) {
    Str255 prompt;
    GetOrvalisString(kProgramTexts, promptItem, prompt);
    const UInt8 noName[1] = {0};
    return GetFileName(prompt, noName, kTextFileType, purpose);
}

SInt16 DoOpen(const std::string& file) {
    if (file.empty()) return SInt16(StartTextOpenDialog(kOpenScriptPrompt, kOpenTextDocumentKind));
    gSaveInProgress = false;
    std::string path;
    SInt16 result = 1;
    if (LocateFile(file, kOpenSearchSlots, path) != noErr) {
        // A folder (or anything else that is no file) by that name is said to be one; the script stays.
        if (const OSErr err = CheckScriptFile(file, false); err == kNotAFileErr) {
            ReportScriptFileProblem(file, err);
            DrawTextSizesIfShown();
            return err;
        }
        // Showing the current script again reads it from its file: unsaved changes stay on screen instead.
        if (!gDontQuitWithoutSaving) ShowScriptOfScriptsMenu();
    } else {
        result = UseFileForPurpose(path);
        if (result == kNotAPurposeFile) result = OpenFileByType(path);
    }
    DrawTextSizesIfShown();
    return result;
}

void ShowScriptOfScriptsMenu() {
    if (myScrollWindow) {
        Rect content;
        GetPortBounds(GetWindowPort(myScrollWindow), &content);
        ValidWindowRect(myScrollWindow, &content);
    }
    if (CountScriptMenuItems() > 0) {
        SInt16 item = gCurrentScriptName.empty() ? 0 : FindScriptMenuItem(gCurrentScriptName);
        // A name the menu does not list (the file was renamed meanwhile) falls back to the first item
        // rather than to no script at all.
        if (item <= 0) {
            item = 1;
            gCurrentScriptName = GetScriptMenuItemText(1);
        }
        gSelectText = item;
        RegisterQueueElement(gSelectText - 1);
        ShowText(item);
        CheckScriptMenuItem(item);
        EnableWhenSelect();
    }
    ScrollScrollThisMuch(-SInt32(gScrollCurrentPos), 0);
}
