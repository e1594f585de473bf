// What the shell offers the rest of the program before its own code is written, in the least form that
// is safe. Each definition moves to its own file when that code is built.
#include "shell/shell.h"

void CheckColorsInMenu(MenuRef) {}

void MyLiveScrollProc(SInt16, SInt16) {}

#include "shell/menus.h"

MenuRef GetProgramMenu(int) {
    return nullptr;
}

void CreateWindowName(SInt16) {}

// ---- Start-up, the timer and the event handlers reach these before their own code exists ----

#include "foundation/app_paths.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/text_encoding.h"
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
#include "shell/about_box.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/printing.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"

namespace {

// A text file becomes the script shown in the prompter: its UTF-8 in the program's own character set,
// every line end a carriage return, no styles.
OSErr LoadScriptFile(const std::string& path) {
    std::vector<UInt8> bytes;
    if (path.empty()) return fnfErr;
    if (OSErr error = ReadWholeFile(path, bytes); error != noErr) return error;
    const std::string text =
        Utf8ToMacRoman(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::string script;
    script.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        script += text[i] == '\n' ? '\r' : text[i];
    }
    Handle handle = nullptr;
    if (OSErr error = PtrToHand(script.data(), &handle, Size(script.size())); error != noErr) return error;
    if (myTextResource) DisposeHandle(myTextResource);
    myTextResource = handle;
    PutScrollTextInBox(false);
    return noErr;
}

} // namespace

// Only quitting is a command before the command dispatch exists.
SInt32 DoCommand(MenuCommand command) {
    if (command == MakeMenuCommand(kFileMenuID, kQuitItem)) gQuitting = true;
    return 0;
}

// Command-Q quits, F2 starts scrolling and escape stops it; no other key does anything yet.
OSStatus DoKeyDown(const PlatformEvent& event) {
    if ((event.modifiers & cmdKey) && (event.charCode == 'q' || event.charCode == 'Q')) {
        DoCommand(MakeMenuCommand(kFileMenuID, kQuitItem));
        return noErr;
    }
    if (event.keyCode == kKeyF2) {
        if (gScrollOn != 1) StartScroll(1);
        return noErr;
    }
    if (event.keyCode == kKeyEscape) {
        if (gScrollOn) StopScroll();
        return noErr;
    }
    return eventNotHandledErr;
}

void DoMouseDown(const PlatformEvent&) {}

SInt16 gArrowKeysDuringShift = 0;

bool gSaveInProgress = false;
bool gNeedOpenModalDialog = false;
Str255 gForceFileName = {0};
const std::string* gGlobalSpecPtr = nullptr;

void InitAEHandlers() {}

// Each file is opened as the script in turn, so the last one shows.
OSErr OpenDocumentsEvent(const std::vector<std::string>& files) {
    OSErr result = noErr;
    for (const std::string& file : files)
        result = LoadScriptFile(file);
    gIdflag = 0;
    return result;
}

OSErr HandleQuitApp() {
    gQuitting = true;
    return noErr;
}

void TerminateOpenFileDialog() {}

bool gDontQuitWithoutSaving = false;
bool gQueueIsDirty = false;

void ShowInstructions(SInt16) {
    LoadScriptFile(GetInstructionsBundlePath());
}

void ReloadLastFile(SInt16) {}

// Nothing can be saved yet, so there is nothing to ask: the operation goes on.
bool DoSaveCancelDialog(SInt16) {
    return true;
}

void Initialize_Printing() {}
void Close_Printing() {}

void DoAbout(SInt16) {}
void SetUpMenus() {}
void ConsistifyMenus() {}

void InitTimers() {
    gTimer = 0;
}

void SetMyScriptsPath() {}
