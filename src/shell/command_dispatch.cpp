// DoCommand: one menu command from the menu bar, a key equivalent, the toolbar or a macro, carried out or
// deferred to the timer when it would replace a script that has unsaved changes.
#include "shell/commands.h"
#include "shell/manual.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "foundation/app_paths.h"
#include "foundation/file_dialogs.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/web.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/tool_windows.h"
#include "scroll/window_dialogs.h"
#include "shell/about_box.h"
#include "shell/command_parts.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/preferences_dialog.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/speech.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cstring>

SInt16 gLasttheMenu = 0;
SInt16 gLasttheItem = 0;
SInt16 gTrickingMenu = 0;

namespace {

constexpr SInt16 kNotDone = -1;

bool ShiftHeld() {
    return curEvent.modifiers & shiftKey;
}
bool OptionHeld() {
    return curEvent.modifiers & optionKey;
}
bool ControlHeld() {
    return curEvent.modifiers & controlKey;
}

void MarkPrefsChanged() {
    gPrefsChanged = true;
}

void TogglePref(PrefShort field) {
    SetPref(gThePreferences, field, GetPref(gThePreferences, field) ? 0 : 1);
    MarkPrefsChanged();
}

// Menus whose items are tested for being enabled before they run; the scripts menus, the built-in sets
// and the spelling menus are not.
bool TestedForEnabling(SInt16 menu) {
    return (menu >= kAppleMenuID && menu <= kWindowsMenuID) || menu == kScrollMenuID ||
           menu == kBookmarksMenuID || (menu >= kRecentFilesMenuID && menu <= kColorMenuID) ||
           menu == kUserSetsMenuID || (menu >= kMacroMenuID && menu <= kBookmarkToolsMenuID) ||
           menu == kWindowListMenuID;
}

// A command that would replace the text (and with `queue` the queue) waits for the save questions while
// there are unsaved changes: the timer's slot 0 asks them and issues the command again.
bool DeferForSaveQuestions(SInt16 menu, SInt16 item, bool text, bool queue) {
    if (text && gDontQuitWithoutSaving) gNeedToCheckText = true;
    if (queue && gQueueIsDirty) gNeedToCheckQueue = true;
    if (!gNeedToCheckText && !gNeedToCheckQueue) return false;
    gSavedMid = menu;
    gSavedMitem = item;
    gSaveAutoDialogAnswer = menu == kRecentFilesMenuID ? SInt16(0) : gAutoDialogAnswer;
    return true;
}

void StopScrollingIfOn() {
    if (gScrollOn) StopScroll();
}

// The script named by a scripts-menu item becomes the current one and is shown.
void MakeScriptCurrent(SInt16 item) {
    CheckScriptMenuItem(SInt16(gSelectText));
    gSelectText = item;
    CheckScriptMenuItem(item);
    gCurrentScriptName = GetScriptMenuItemText(item);
    // A folder's documents are files of their own: the one chosen is read, and later saved, by its name.
    // A queue's element and a resource script's text are found by their number.
    if (!gQueue && gIsTextFile == kTextDocument) gFileName = gOutName = gCurrentScriptName;
    EnableWhenSelect();
    RegisterQueueElement(SInt16(item - 1));
    ShowText(item);
}

SInt32 AppleMenuCommand(SInt16 item) {
    switch (item) {
    case kAboutItem:
        DoAbout(129);
        return 0;
    case kManualItem: {
        // The manual beside the program's support files opens in the desktop's reader.
        const std::string manual = ManualPath();
        if (FileExists(manual)) OpenURL(("file://" + manual).c_str());
        return kNotDone;
    }
    default:
        return kNotDone;
    }
}

SInt32 StepScript(SInt16 item, SInt16 step) {
    const SInt16 target = SInt16(gSelectText + step);
    if (gSelectText < 1 || target < 1 || target > CountScriptMenuItems()) return kNotDone;
    if (DeferForSaveQuestions(kFileMenuID, item, true, false)) return kNotDone;
    MakeScriptCurrent(target);
    return 0;
}

SInt32 Revert() {
    StopScrollingIfOn();
    StoreUndoInfo(15);
    const SInt32 current = gSelectText;
    gSelectText = -1;
    if (!GetText(SInt16(current))) return kNotDone;
    gSelectText = current;
    PutScrollTextInBox(true);
    gDontQuitWithoutSaving = false;
    return 0;
}

SInt32 FileMenuCommand(SInt16 item) {
    switch (item) {
    case kNewItem:
        if (DeferForSaveQuestions(kFileMenuID, item, true, true)) return kNotDone;
        return DoNewDocument();
    case kOpenItem:
        if (!gDontCheckSaveStatus && DeferForSaveQuestions(kFileMenuID, item, true, true)) return kNotDone;
        if (!gDontCheckSaveStatus) {
            StopScrollingIfOn();
            StoreUndoInfo(15);
        }
        DoOpen(gGlobalSpecPtr ? *gGlobalSpecPtr : std::string());
        return 0;
    case 3:
        return 0;
    case kInsertTextItem:
        DoInsertText(std::string());
        return 0;
    case kSaveItem:
        if (ShiftHeld())
            DoSaveInstant();
        else
            DoSave(kSaveScript);
        return 0;
    case kSaveSwappedItem:
        gSaveAsWordSwapFlag = true;
        return FileMenuCommand(kSaveItem);
    case kSaveOptionsItem:
        DoSaveOptionsDialog();
        return 0;
    case kNewQueueItem:
        if (DeferForSaveQuestions(kFileMenuID, item, false, true)) return kNotDone;
        DoNewQueue();
        return 0;
    case kOpenIntoQueueItem:
        if (!gQueue) return kNotDone;
        DoOpenIntoQueue();
        return 0;
    case kSaveQueueItem:
        DoSaveQueue(1);
        return 0;
    case kEditQueueItem:
        DoQueueDialog();
        return 0;
    case kPreviousScriptItem:
        return StepScript(item, -1);
    case kNextScriptItem:
        return StepScript(item, 1);
    case kReturnBookmarkItem:
        GoToReturnBookmark(1);
        return kNotDone;
    case kRevertItem:
        return Revert();
    case kPageSetupItem:
        DoPageSetup();
        return 0;
    case kPrintItem:
        DoPrint(gForceCommandFromMacro);
        return 0;
    case kQuitItem:
        gQuitting = true;
        StopLiveCapture();
        return 0;
    default:
        return kNotDone;
    }
}

// The tool windows the Windows menu opens and closes: some close only when they are the front window
// (else they come to the front by opening), the others whenever they are showing.
struct ToolWindowItem {
    SInt16 item;
    WindowPtr* window;
    void (*open)();
    void (*close)(SInt16);
    bool closesOnlyInFront;
    SInt32 result;
};

void OpenFormatPalette() {
    OpenFormatPalWindow(1);
}

const ToolWindowItem kToolWindowItems[] = {
    {7, &myTextMergeWindow, OpenTextMergeWindow, CloseTextMergeWindow, true, 0},
    {8, &myRecordWindow, OpenRecordWindow, CloseRecordWindow, false, 0},
    {9, &myMediaQueueWindow, OpenMediaQueueWindow, CloseMediaQueueWindow, true, 0},
    {10, &myCommandWindow, OpenCommandWindow, CloseCommandWindow, false, 0},
    {11, &myHypertextWindow, OpenHypertextWindow, CloseHypertextWindow, false, -1},
    {12, &myKeyEquivWindow, OpenKeyEquivWindow, CloseKeyEquivWindow, true, 0},
    {13, &myColorChartWindow, OpenColorChartWindow, CloseColorChartWindow, true, 0},
    {24, &myFormatPalWindow, OpenFormatPalette, CloseFormatPalWindow, false, -1},
    {25, &myOverlayWindow, OpenOverlayWindow, CloseOverlayWindow, false, -1},
    {26, &mySpirographWindow, OpenSpirographWindow, CloseSpirographWindow, false, -1},
};

SInt32 ToggleToolWindow(const ToolWindowItem& row) {
    WindowPtr window = *row.window;
    const bool close = window && (row.closesOnlyInFront ? FrontWindow() == window : IsWindowVisible(window));
    if (close)
        row.close(0);
    else
        row.open();
    return row.result;
}

SInt32 WindowsMenuCommand(SInt16 item) {
    switch (item) {
    case kBookmarkListItem:
        SetPref(gThePreferences, kPrefBookmarkWindowOpen, myBookmarkWindow ? 0 : 1);
        if (myBookmarkWindow)
            CloseBookmarkWindow(0);
        else
            OpenBookmarkWindow();
        MarkPrefsChanged();
        return kNotDone;
    case kCueMarkerItem: {
        TogglePref(kPrefCueMarkerShown);
        const Rect content = GetScrollWindowContent();
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
        if (myScrollWindow) InvalWindowRect(myScrollWindow, &gCueRect);
        gWaitingForUpdate = true;
        return 0;
    }
    case kToolbarItem:
        SetPref(gThePreferences, kPrefToolbarOpen, myToolbarWindow ? 0 : 1);
        if (myToolbarWindow)
            CloseToolbarWindow(0);
        else
            OpenToolbarWindow();
        MarkPrefsChanged();
        return 0;
    case kInstructionsItem:
        ToggleInstructions();
        return kNotDone;
    case kTabRulerItem: {
        gTabBarShowing = !gTabBarShowing;
        const Rect content = GetScrollWindowContent();
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
        // The edit window shows the same bar above its text.
        if (myEditWindow) NewEditWindowSize(0, 0);
        gWaitingForUpdate = true;
        MarkPrefsChanged();
        return 0;
    }
    case kEditWindowItem:
        return DoCmdShiftFunction('e');
    case kPrompterItem:
        return DoCmdShiftFunction('l');
    case kFunctionsItem:
        return DoCmdShiftFunction('f');
    case kScrollMonitorItem:
        return DoCmdShiftFunction('m');
    case kMirrorItem:
        TogglePref(kPrefMirror);
        return 0;
    case kFlipItem:
        TogglePref(kPrefFlip);
        return 0;
    case kWindowsTurnLeftItem:
        SetPref(gThePreferences, kPrefRotation, GetPref(gThePreferences, kPrefRotation) == -1 ? 0 : -1);
        MarkPrefsChanged();
        return 0;
    case kWindowsTurnRightItem:
        SetPref(gThePreferences, kPrefRotation, GetPref(gThePreferences, kPrefRotation) == 1 ? 0 : 1);
        MarkPrefsChanged();
        return 0;
    default:
        for (const ToolWindowItem& row : kToolWindowItems)
            if (row.item == item) return ToggleToolWindow(row);
        return kNotDone;
    }
}

SInt32 ScrollMenuCommand(SInt16 item) {
    switch (item) {
    case kEditModeItem:
        if (gScrollOn) StartEdit();
        return 0;
    case kScrollItem:
        if (gScrollOn != 1) StartScroll(1);
        return 0;
    case kScrollEditableItem:
        if (gScrollOn != 3) StartScroll(3);
        return 0;
    case kLoopingItem: {
        const SInt16 on = GetPref(gThePreferences, kPrefLoopingText) ? 0 : 1;
        SetPref(gThePreferences, kPrefLoopingText, on);
        SetPref(gThePreferences, kPrefMusicLoops, on);
        if (gScrollOn) on ? AddScrollLoopingText() : RemoveScrollLoopingText();
        MarkPrefsChanged();
        return 0;
    }
    case kScrollControlItem:
        DoScrollControl();
        return 0;
    case 9:
        GetMarkCharacter();
        return 0;
    case kPauseToggleItem:
        if (gScrollOn) IsPaused() ? PauseOff(0) : PauseOn();
        return 0;
    case 12:
        DoSavePictureSequence(4);
        return 0;
    case 13:
        DoSaveMovie(5);
        return 0;
    case kSpeakItem:
        if (!gChan) return kNotDone;
        StartSpeakingSelected(-1, -1, kSpeakScript);
        return 0;
    case kSpeakWhileScrollingItem: {
        const SInt32 on = GetPref(gThePreferences, kPrefSpeakSelections) ? 0 : 1;
        SetPref(gThePreferences, kPrefSpeakSelections, on);
        if (on) {
            gSelectedSpeakStart = gSelectedSpeakEnd = 0;
        } else if (gChan) {
            StopSpeech(gChan);
        }
        MarkPrefsChanged();
        return 0;
    }
    case kMusicItem:
        if (OptionHeld() && gTheMusic) {
            gTheMusic = CloseTheMusic(gTheMusic);
            CreateWindowName(0);
        } else {
            DoOpenMusic();
        }
        return 0;
    case 18:
        if (gSynciTunes) {
            CloseiTunes();
            gSynciTunes = false;
        } else {
            gSynciTunes = initiTunes();
        }
        return kNotDone;
    default:
        return kNotDone;
    }
}

SInt32 BookmarksMenuCommand(SInt16 item) {
    // The running clock stands still while a bookmark command works.
    const bool clockWasRunning = gScrollOn && gTimerRunning;
    if (clockWasRunning) StopTimer();
    SInt32 result = 0;
    const SInt16 slot = SInt16(item - 1);
    if (ControlHeld()) {
        Str255 name = {0};
        if (ScrollWEHandle) {
            SInt32 start = 0, end = 0;
            WEGetSelection(&start, &end, 0, ScrollWEHandle);
            Handle text = WEGetText(ScrollWEHandle);
            const SInt32 length = std::min<SInt32>(end - start, 63);
            if (text && length > 0) {
                name[0] = UInt8(length);
                std::memcpy(name + 1, *text + start, size_t(length));
            }
        }
        SetBookmarkName(slot, name);
        SetBookmarkMenuItem(GetBookmarkOffset(slot), item, 0);
        SetBookmarkListText(slot);
        gDontQuitWithoutSaving = true;
    } else if (OptionHeld()) {
        if (gBookmarkList) UnsetBookmark(slot);
    } else {
        result = item > gNumBookmarks || !GoToBookmark(slot) ? kNotDone : 0;
    }
    if (clockWasRunning) StartTimer();
    return result;
}

SInt32 ScriptsMenuCommand(SInt16 item) {
    if (item == gSelectText) return 0;
    if (item < 1 || item > CountScriptMenuItems()) return kNotDone;
    // A script chosen from any of the scripts menus waits, when it must, as the document's.
    if (DeferForSaveQuestions(kDocumentScriptsMenuID, item, true, false)) return kNotDone;
    if (ScrollWEHandle) ScrollScrollToCharacter(0, 0);
    MakeScriptCurrent(item);
    return 0;
}

SInt32 WindowListCommand(SInt16 item) {
    WindowPtr window = item == 1 ? myScrollWindow : nullptr;
    if (item > 1 && item - 1 < SInt16(gWindowList.size())) window = gWindowList[size_t(item - 1)];
    if (window) {
        ShowWindow(window);
        SelectWindow(window);
    }
    return kNotDone;
}

// While a transformed text scrolls, the dialog works on the document's own text and the scroll takes up
// the new settings afterwards.
SInt32 PreferencesCommand() {
    SuspendScroll();
    DoPreferences();
    ResumeScroll();
    return 0;
}

SInt32 Dispatch(SInt16 menu, SInt16 item) {
    switch (menu) {
    case kAppleMenuID:
        return AppleMenuCommand(item);
    case kFileMenuID:
        return FileMenuCommand(item);
    case kEditMenuID:
        if (item == kPreferencesItem) return PreferencesCommand();
        if (item == 17 || item == 18 || item == 20) return DoSetEditCommand(item);
        return DoEditCommand(menu, item);
    case kCopySpecialMenuID:
    case kPasteSpecialMenuID:
    case kSelectionMenuID:
    case kBookmarkToolsMenuID:
    case kTextTransformsMenuID:
        return DoEditCommand(menu, item);
    case kStyledTextMenuID:
        return 0;
    case kFontMenuID:
    case kSizeMenuID:
    case kStyleMenuID:
    case kColorMenuID:
    case kJustificationMenuID:
    case kUserSetsMenuID:
    case kBuiltInSetsMenuID:
        return DoFormatCommand(menu, item);
    case kWindowsMenuID:
        return WindowsMenuCommand(item);
    case kScrollMenuID:
        return ScrollMenuCommand(item);
    case kBookmarksMenuID:
        return BookmarksMenuCommand(item);
    case kDocumentScriptsMenuID:
    case kQueueScriptsMenuID:
    case kScriptsMenuID:
        return ScriptsMenuCommand(item);
    case kRecentFilesMenuID:
        if (item > CountRecentFiles()) {
            TryToFindMissingFiles();
            return 0;
        }
        if (DeferForSaveQuestions(menu, item, true, true)) return kNotDone;
        LoadRecentFile(SInt16(item - 1));
        return 0;
    case kWindowListMenuID:
        return WindowListCommand(item);
    case kMacroMenuID:
    case kMacroFilesMenuID:
        return DoMacroMenuCommand(menu, item, OptionHeld());
    case kFindToolsMenuID:
    case kSpellingDictionariesMenuID:
        return ChooseSpellCheckDictionary(item);
    case kSpellingMenuID:
    case kSpellingOptionsMenuID:
        return DoTextToolsCommand(menu, item);
    default:
        return kNotDone;
    }
}

} // namespace

SInt32 DoCommand(MenuCommand command) {
    const SInt16 menu = CommandMenu(command);
    const SInt16 item = CommandItem(command);
    stopEvent.what = keyDown;
    if (!gForceCommandFromMacro) {
        if (!(menu == kEditMenuID && item == kUndoItem) && gTrickingMenu == 0 && menu != 0) {
            gLasttheMenu = menu;
            gLasttheItem = item;
        }
        if (TestedForEnabling(menu)) {
            MenuRef ref = MenuResToMenuRef(menu);
            if (ref && !IsMenuItemEnabled(ref, MenuItemIndex(item))) return kNotDone;
        }
    }
    const SInt32 result =
        menu >= kAppleMenuID && menu <= kSpellingOptionsMenuID ? Dispatch(menu, item) : kNotDone;
    // A document loaded by these commands stays unsaved only when it was opened with its changes.
    const bool loadedDocument = (menu == kFileMenuID && (item == kPreviousScriptItem ||
                                                         item == kNextScriptItem || item == kRevertItem)) ||
                                menu == kRecentFilesMenuID;
    if (loadedDocument && result == 0) {
        if (!gDoOpenChangedFile) gDontQuitWithoutSaving = false;
        gDoOpenChangedFile = false;
    }
    return result;
}

std::string ManualPath() {
    return GetAppPathFolder(AppPathSlot(4)) + "Orvalis Manual.rtf";
}
