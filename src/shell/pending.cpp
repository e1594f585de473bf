// What the shell offers the rest of the program before its own code is written, in the least form that
// is safe. Each definition moves to its own file when that code is built.
#include "shell/shell.h"

// ---- Start-up, the timer and the event handlers reach these before their own code exists ----

#include "foundation/app_paths.h"
#include "foundation/file_dialogs.h"
#include "macros/macro_services.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "scroll/bookmarks.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/about_box.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/printing.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

bool gSaveInProgress = false;
bool gNeedOpenModalDialog = false;
Str255 gForceFileName = {0};
const std::string* gGlobalSpecPtr = nullptr;

bool gDontQuitWithoutSaving = false;
bool gQueueIsDirty = false;

void ReloadLastFile(SInt16) {}

void Initialize_Printing() {}
void Close_Printing() {}

// ---- The scripts menu: until it is built, it lists the current document alone ----

#include "platform/events.h"

SInt32 gSelectText = 0;
std::string gCurrentScriptName;
namespace {
std::string gScriptMenuItem;
}
namespace {
// The scripts menu lists the one document, checked while it is the current script.
void FillScriptMenu() {
    MenuRef menu = GetProgramMenu(kScriptsMenuSlot);
    if (!menu) return;
    DeleteMenuItems(menu, 1, CountMenuItems(menu));
    if (gScriptMenuItem.empty()) return;
    Str255 text;
    SetPString(text, Utf8ToMacRoman(gScriptMenuItem));
    AppendMenuItemText(menu, text);
    CheckMenuItem(menu, 1, gSelectText == 1);
}
} // namespace
bool SetScriptMenu(bool) {
    gScriptMenuItem.clear();
    if (gOutName.empty()) {
        FillScriptMenu();
        SysBeep(1);
        return false;
    }
    if (gIsTextFile == kTextDocument) gCurrentScriptName = gOutName;
    gScriptMenuItem = gOutName;
    gSelectText = gIsTextFile == kTextDocument ? 1 : -1;
    FillScriptMenu();
    return true;
}
SInt16 CountScriptMenuItems() {
    return gScriptMenuItem.empty() ? 0 : 1;
}
SInt16 FindScriptMenuItem(const std::string& name) {
    return !gScriptMenuItem.empty() && name == gScriptMenuItem ? 1 : 0;
}
std::string GetScriptMenuItemText(SInt16 item) {
    return item == 1 ? gScriptMenuItem : std::string();
}
void CheckScriptMenuItem(SInt16 item) {
    if (MenuRef menu = GetProgramMenu(kScriptsMenuSlot))
        for (MenuItemIndex i = 1; i <= CountMenuItems(menu); ++i)
            CheckMenuItem(menu, i, i == item);
}

// The per-second figures are not drawn yet; the switch exists for those who draw beside them.
#include "shell/periodic_timer.h"
bool gShowSpeed = false;
bool gShowSize = false;

Point geeMouseDownPosition{};

// ---- Commands of the menus whose code is not written yet: each does nothing and says so ----

#include "shell/command_parts.h"

bool gSaveAsWordSwapFlag = false;
bool gDontCheckSaveStatus = false;
SInt32 gSelectedSpeakStart = 0;
SInt32 gSelectedSpeakEnd = 0;

// Saves without a dialog when the script has a file to go to, else asks for one.
OSErr DoSaveInstant() {
    return DoSave(gOutName.empty() ? SInt16(kSaveScript) : SInt16(-kSaveScript));
}
void DoSaveOptionsDialog() {}
void DoPageSetup() {}
void DoPrint(SInt32) {}
SInt32 DoEditCommand(SInt16, SInt16) {
    return -1;
}
SInt32 DoFormatCommand(SInt16, SInt16) {
    return -1;
}
SInt16 CountRecentFiles() {
    return 0;
}
void LoadRecentFile(SInt16) {}
void TryToFindMissingFiles() {}
