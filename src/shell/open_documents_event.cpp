// The desktop's requests: files to open, dispatched by the purpose of the dialog that asked for them,
// quitting, and a refusal for everything else (printing among them).
#include "shell/desktop_events.h"

#include "effects/effects.h"
#include "foundation/file_types.h"
#include "macros/macro_file_version.h"
#include "macros/macro_services.h"
#include "media/media_folders_dialog.h"
#include "media/media_services.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "shell/file_opening.h"
#include "shell/preferences_dialog.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

using DesktopHandler = OSErr (*)(const std::vector<std::string>& files);

OSErr OpenDocumentsHandler(const std::vector<std::string>& files) {
    return OpenDocumentsEvent(files);
}
OSErr QuitHandler(const std::vector<std::string>&) {
    return HandleQuitApp();
}
// Printing and the object requests of scripting clients are not offered.
OSErr DummyHandler(const std::vector<std::string>&) {
    return errAEEventNotHandled;
}

struct DesktopHandlerEntry {
    OSType eventClass;
    OSType eventID;
    DesktopHandler handler;
};

constexpr OSType kCoreEventClass = FourCC("aevt");
constexpr OSType kCoreSuite = FourCC("core");

constexpr DesktopHandlerEntry kDesktopHandlers[] = {
    {kCoreEventClass, FourCC("odoc"), OpenDocumentsHandler},
    {kCoreEventClass, FourCC("pdoc"), DummyHandler},
    {kCoreEventClass, FourCC("quit"), QuitHandler},
    {kCoreSuite, FourCC("clon"), DummyHandler},
    {kCoreSuite, FourCC("clos"), DummyHandler},
    {kCoreSuite, FourCC("delo"), DummyHandler},
    {kCoreSuite, FourCC("cnte"), DummyHandler},
    {kCoreSuite, FourCC("crel"), DummyHandler},
    {kCoreSuite, FourCC("doex"), DummyHandler},
    {kCoreSuite, FourCC("getd"), DummyHandler},
    {kCoreSuite, FourCC("dsiz"), DummyHandler},
    {kCoreSuite, FourCC("qobj"), DummyHandler},
    {kCoreSuite, FourCC("gtei"), DummyHandler},
    {kCoreSuite, FourCC("save"), DummyHandler},
    {kCoreSuite, FourCC("move"), DummyHandler},
    {kCoreSuite, FourCC("setd"), DummyHandler},
};

bool gDesktopHandlersInstalled = false;

bool NameEndsWithMacro(const std::string& file) {
    std::string name = std::filesystem::path(file).filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    constexpr std::string_view kMacroEnding = ".macro";
    return name.size() > kMacroEnding.size() && name.ends_with(kMacroEnding);
}

// A compiled macro: its name ends in ".macro", or a name that merely mentions it ("notes.macro.bak")
// holds compiled macro data. "my.macros.txt" is a document like any other.
bool IsCompiledMacroFile(const std::string& file) {
    if (NameEndsWithMacro(file)) return true;
    if (std::filesystem::path(file).filename().string().find(".macro") == std::string::npos) return false;
    std::vector<UInt8> bytes;
    if (ReadWholeFile(file, bytes) != noErr || bytes.empty()) return false;
    Handle data = nullptr;
    if (PtrToHand(bytes.data(), &data, Size(bytes.size())) != noErr) return false;
    const bool isMacro = GetMacroFileVersion(-1, data) != 0;
    DisposeHandle(data);
    return isMacro;
}

// The opened file becomes the document; a document opened as such counts as saved unless opening it
// changed it (a conversion the user should be offered to save). A file found nowhere leaves the changes
// of the script still open unsaved.
OSErr OpenAsDocument(const std::string& file, bool markSaved) {
    std::string found;
    const bool exists = LocateFile(file, kOpenSearchSlots, found) == noErr;
    const SInt16 status = DoOpen(file);
    if (status < 0) return status;
    if (markSaved && exists) {
        if (gDoOpenChangedFile)
            gDoOpenChangedFile = false;
        else
            gDontQuitWithoutSaving = false;
    }
    return noErr;
}

// What a file opened for the purpose is used for; the status of that use.
OSErr OpenFileForPurpose(SInt16 purpose, const std::string& file) {
    switch (purpose) {
    case -25:
        return DoOpenOverlayPic(file);
    case -24:
        return DoOpenOverlayFile(file);
    case -23:
        return DoOpenSpiroFile(file);
    case -22:
    case -21:
    case -20:
    case -19:
    case -18:
    case -17:
        return CompleteGettingHypertextFile(file);
    case -16:
    case -15:
    case -5:
    case -4:
    case -3:
    case -2:
    case 0:
        return OpenAsDocument(file, true);
    case -14:
        return CompleteGettingAutoFile(file);
    case -13:
        return noErr;
    case -12:
    case -11:
    case -10:
        return CompleteGettingFolder(file);
    case -9:
        return OpenAsDocument(file, false);
    case -8:
        return DoInsertText(file);
    case -7:
        return DoOpenMacroSource(file);
    case -6:
        return gRunMacroOnOpen ? DoRunMacro(file, 0, 0) : DoEditMacro(file);
    case -1:
        return CompleteGettingPrefPicture(file);
    default:
        return noErr; // an unknown purpose ignores the file
    }
}

} // namespace

void InitAEHandlers() {
    gDesktopHandlersInstalled = true;
}

OSErr HandleDesktopRequest(OSType eventClass, OSType eventID, const std::vector<std::string>& files) {
    if (!gDesktopHandlersInstalled) return errAEEventNotHandled;
    for (const DesktopHandlerEntry& entry : kDesktopHandlers)
        if (entry.eventClass == eventClass && entry.eventID == eventID) return entry.handler(files);
    return errAEEventNotHandled;
}

SInt16 PurposeForOpenedFile(SInt16 purpose, const std::string& file) {
    // The hypertext, mandala and overlay purposes take whatever file was chosen for them.
    return purpose > -17 && IsCompiledMacroFile(file) ? SInt16(-6) : purpose;
}

OSErr OpenDocumentsEvent(const std::vector<std::string>& files) {
    OSErr result = noErr;
    for (const std::string& file : files) {
        if (file.empty() || file.front() != '/') {
            result = paramErr; // not a file: skipped
            continue;
        }
        result = OpenFileForPurpose(PurposeForOpenedFile(gIdflag, file), file);
    }
    gIdflag = 0;
    return result;
}

OSErr HandleQuitApp() {
    gQuitting = true;
    if (gLiveCaptureRunning) StopLiveCapture();
    return noErr;
}
