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
#include "foundation/file_dialogs.h"
#include "macros/macro_services.h"
#include "platform/file_io.h"
#include "platform/memory.h"
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
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/printing.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "textengine/text_engine.h"

// Quitting, opening a script, the scroll control dialog, the pause toggle and going to a bookmark are the
// commands before the command dispatch exists. Opening replaces the
// text, so with unsaved changes it waits for the save question that the timer asks first.
SInt32 DoCommand(MenuCommand command) {
    if (command == MakeMenuCommand(kFileMenuID, kQuitItem)) gQuitting = true;
    if (command == MakeMenuCommand(kScrollMenuID, kScrollControlItem)) DoScrollControl();
    if (command == MakeMenuCommand(kScrollMenuID, kPauseToggleItem) && gScrollOn)
        IsPaused() ? PauseOff(0) : PauseOn();
    if (SInt16(command >> 16) == kBookmarksMenuID)
        return GoToBookmark(SInt16((command & 0xFFFF) - 1)) ? 0 : -1;
    if (command == MakeMenuCommand(kFileMenuID, kOpenItem)) {
        if (gDontQuitWithoutSaving) gNeedToCheckText = true;
        if (gQueueIsDirty) gNeedToCheckQueue = true;
        if (gNeedToCheckText || gNeedToCheckQueue) {
            gSavedMid = kFileMenuID;
            gSavedMitem = kOpenItem;
            gSaveAutoDialogAnswer = gAutoDialogAnswer;
            return -1;
        }
        DoOpen(std::string());
    }
    return 0;
}

// Command-Q quits, F2 starts scrolling and escape stops it, command-O opens, command-S saves (with shift:
// under another name), the bookmark and pause keys; in edit mode other keys type into the prompter.
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
    // While scrolling: space pauses and resumes, option-shift up and down jump between bookmarks.
    if (gScrollOn && (event.keyCode == kKeySpace || event.charCode == 'p' || event.charCode == 'P'))
        return DoCommand(MakeMenuCommand(kScrollMenuID, kPauseToggleItem)), noErr;
    if (gScrollOn && (event.modifiers & optionKey) && (event.modifiers & shiftKey) &&
        (event.keyCode == kKeyUp || event.keyCode == kKeyDown))
        return ScrollJumpToBookmark(event.keyCode == kKeyUp ? -1 : 1), noErr;
    // Option and a digit set that bookmark (option-0 the tenth) at the reading position; command and a
    // digit go to it.
    constexpr UInt8 kDigitKeys[10] = {kKey1, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7, kKey8, kKey9, kKey0};
    for (SInt16 slot = 0; slot < 10; ++slot) {
        if (event.keyCode != kDigitKeys[slot] || !(event.modifiers & (optionKey | cmdKey))) continue;
        if (event.modifiers & optionKey)
            SetBookmark(slot, -1, 1);
        else
            DoCommand(MakeMenuCommand(kBookmarksMenuID, SInt16(slot + 1)));
        return noErr;
    }
    // Command-K opens the scroll control dialog until the scroll menu holds it.
    if ((event.modifiers & cmdKey) && (event.charCode == 'k' || event.charCode == 'K'))
        return DoCommand(MakeMenuCommand(kScrollMenuID, kScrollControlItem)), noErr;
    if (event.modifiers & cmdKey) {
        switch (event.charCode) {
        case 'o':
        case 'O':
            DoCommand(MakeMenuCommand(kFileMenuID, kOpenItem));
            return noErr;
        case 's':
        case 'S':
            // Save As with shift, or when the script has no file yet.
            if ((event.modifiers & shiftKey) || gOutName.empty())
                DoSave(kSaveScript);
            else
                DoSave(-kSaveScript);
            return noErr;
        default:
            return eventNotHandledErr;
        }
    }
    // In edit mode the script is typed straight into the prompter.
    if (!gScrollOn && ScrollWEHandle) {
        WEKey(SInt16(event.charCode), event.modifiers, ScrollWEHandle);
        gTextHasChanged = true;
        gDontQuitWithoutSaving = true;
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

bool gDontQuitWithoutSaving = false;
bool gQueueIsDirty = false;

void ReloadLastFile(SInt16) {}

void Initialize_Printing() {}
void Close_Printing() {}

void DoAbout(SInt16) {}
void SetUpMenus() {}
void ConsistifyMenus() {}

void InitTimers() {
    gTimer = 0;
}

void SetMyScriptsPath() {}

// ---- The file menu's save kinds, as the document saver reaches them ----

#include "foundation/file_dialogs.h"
#include "platform/pstring.h"

// The save dialog of every kind offers the document's name for a text file until the save-kind table
// of the file menu exists.
void GetOutFile(SInt16 kind) {
    Str255 prompt;
    Str255 name;
    SetPString(prompt, "Save the script as:");
    SetPString(name, Utf8ToMacRoman(gOutName));
    GetFileName(prompt, name, FourCC("TEXT"), kind);
}

// ---- The scripts menu: until it is built, it lists the current document alone ----

#include "platform/events.h"

SInt32 gSelectText = 0;
std::string gCurrentScriptName;
namespace {
std::string gScriptMenuItem;
}
bool SetScriptMenu(bool) {
    gScriptMenuItem.clear();
    if (gOutName.empty()) {
        SysBeep(1);
        return false;
    }
    if (gIsTextFile == kTextDocument) gCurrentScriptName = gOutName;
    gScriptMenuItem = gOutName;
    gSelectText = gIsTextFile == kTextDocument ? 1 : -1;
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
void CheckScriptMenuItem(SInt16) {}
void EnableWhenFile(bool) {}
void EnableWhenSelect() {}

// The per-second figures are not drawn yet; the switch exists for those who draw beside them.
#include "shell/periodic_timer.h"
bool gShowSpeed = false;
bool gShowSize = false;

bool turboing = false;
void DoApp1Event() {}
Point geeMouseDownPosition{};
void DoTextPopup(Point, SInt16, UInt32, WindowPtr, bool) {}
