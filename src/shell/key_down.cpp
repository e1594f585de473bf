// The key-down dispatcher: each key is offered to a fixed series of stages (command keys, option-digit
// bookmarks, the scroll keys, the general keys, typing) and the first that has a use for it takes it.
#include "shell/input_dispatch.h"

#include "foundation/error_dialog.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "platform/clock.h"
#include "platform/menus.h"
#include "platform/speech.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/nonverbal_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/key_table.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "shell/tool_window_clicks.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cctype>

SInt16 gArrowKeysDuringShift = 0;
UInt16 gLastKeyPressed = 0;

namespace {

// Where the bracket, slash, comma and period keys sit on a US keyboard.
constexpr UInt8 kKeyRightBracket = 0x1E;
constexpr UInt8 kKeyLeftBracket = 0x21;
constexpr UInt8 kKeySlash = 0x2C;

// The end of any text, for moves that go as far as they can.
constexpr SInt32 kFarAway = 1073741823;

bool Held(const PlatformEvent& event, UInt16 modifier) {
    return (event.modifiers & modifier) != 0;
}

bool IsArrow(UInt8 character) {
    return character >= kLeftArrowCharCode && character <= kDownArrowCharCode;
}

void MarkPreferencesChanged() {
    gPrefsChanged = true;
}

void TogglePause() {
    if (!gScrollOn) return;
    if (IsPaused())
        PauseOff(0);
    else
        PauseOn();
}

bool MacroEditorInFront() {
    return myMacroEditorWindow && FrontNonFloatingWindow() == myMacroEditorWindow;
}

// Command and option: the key as a US keyboard would name it, whatever the layout. Every such key ends
// the dispatch.
void CommandOptionKey(const PlatformEvent& event) {
    const bool shift = Held(event, shiftKey);
    const UInt8 character = event.charCode;
    const SInt16 slot = DigitKeySlot(event.keyCode);
    if (slot >= 0) {
        if (gBookmarkList) UnsetBookmark(slot);
    } else if (event.keyCode == kKeyLeftBracket || character == '[' || character == '{') {
        shift ? ClearAllTemporaryBookmarks() : SetTemporaryBookmark();
    } else if (event.keyCode == kKeyRightBracket || character == ']' || character == '}') {
        GoToTemporaryBookmark(shift ? 0 : 1);
    } else if (event.keyCode == kKeySlash || character == '/') {
        ExecuteCmdOpSlashCommand(gCmdOpSlashText);
    } else if (const SInt16 macro = CommandOptionMacro(character, event.keyCode)) {
        RunMacroByID(macro);
    }
}

// Command-W: the front document-like window closes; when the prompter is in front, the front floating
// window does. The prompter itself never closes by a key.
bool CloseFrontWindowByKey() {
    const WindowPtr front = FrontNonFloatingWindow();
    if (!front) return false;
    if (front == myEditWindow) return CloseEditWindow(0), true;
    if (front == myBookmarkWindow) return CloseBookmarkWindow(0), true;
    if (front == myNonverbalWindow) return CloseNonverbalWindow(), true;
    if (front == myScrollMonitorWindow) return CloseScrollMonitorWindow(0), true;
    if (front != myScrollWindow) return false;
    const WindowPtr floating = FrontWindow();
    if (floating && floating == myToolbarWindow) return CloseToolbarWindow(0), true;
    return true;
}

SInt32 MenuKeyCommand(const PlatformEvent& event) {
    return MenuKey(event.charCode, event.modifiers);
}

// Command without option: the rows are tried in order; some act and let later rows act as well.
void CommandKey(const PlatformEvent& event) {
    const bool shift = Held(event, shiftKey);
    const UInt8 character = event.charCode;
    const int key = std::toupper(event.charCode);
    if (key == ' ' && shift) return TogglePause();
    if (shift && (key == 'E' || key == 'F' || key == 'L' || key == 'M')) {
        DoCmdShiftFunction(char(key));
        return;
    }
    if (key == ']' && shift) GoToReturnBookmark(1);
    if (key == 'W' && shift) CloseAllWindows();
    if (key == '.' && gChan && IsSpeaking(gChan)) {
        StopSpeech(gChan);
        return;
    }
    if (key == 'W' && !shift && CloseFrontWindowByKey()) return;
    if (key == 'R') {
        // Compiles the macro being edited; without the editor the key does nothing.
        if (!myMacroEditorWindow) return;
        CompileMacro(1, 1);
        if (CompileMacro(0, 1) != noErr) DoErrorMessageText("Macro not compiled");
        return;
    }
    if (key == 'Z') return void(DoCommand(MakeMenuCommand(kEditMenuID, kUndoItem)));
    if (character == kBackspaceCharCode && gMacroRunning) return FinishAllMacros();
    if (key == '[' || key == '{') return void(DoCommand(MakeMenuCommand(kSizeMenuID, 13)));
    if (key == ']' || key == '}') return void(DoCommand(MakeMenuCommand(kSizeMenuID, 12)));
    if (const SInt32 chosen = MenuKeyCommand(event)) return void(DoCommand(MenuCommand(chosen)));
    // Keys that stand for menu items the menus do not carry a key for.
    if (key == 'K') return void(DoCommand(MakeMenuCommand(kScrollMenuID, kScrollControlItem)));
    if (const SInt16 slot = DigitKeySlot(event.keyCode); slot >= 0)
        DoCommand(MakeMenuCommand(kBookmarksMenuID, SInt16(slot + 1)));
}

void SetSpeedPreset(SInt32 amount) {
    gTimerRunning = false;
    SetScrollAmount(amount, 0);
    CalculateScrollDistance();
    MarkPreferencesChanged();
    gTimerRunning = true;
}

// A shifted left or right arrow steps from a speed that shift's release brings back; only the first step
// of a run records it.
void RememberSpeedBeforeShift(const PlatformEvent& event, SInt32 speed) {
    if (!Held(event, shiftKey) || gArrowandShiftKeyFlag) return;
    gSpeedBeforeShiftKey = speed;
    gArrowandShiftKeyFlag = true;
}

void ShowDirection() {
    UpdateInfoRect(GetPref(gThePreferences, kPrefShowInformation), 1,
                   GetPref(gThePreferences, kPrefInfoShowsTimes));
}

// Jumps to the start of the line before (direction -1) or after (1) the line at the cue.
void JumpToNeighbourLine(SInt16 direction) {
    if (!ScrollWEHandle) return;
    const SInt32 line = WEOffsetToLine(GetScrollCuePositionCharacter(nullptr), ScrollWEHandle);
    SInt32 start = 0;
    SInt32 end = 0;
    if (direction < 0) {
        if (line <= 0) return;
        WEGetLineRange(line - 1, &start, &end, ScrollWEHandle);
    } else {
        if (line >= WECountLines(ScrollWEHandle) - 1) return;
        WEGetLineRange(line, &start, &end, ScrollWEHandle);
        start = end;
    }
    const SInt32 distance = SInt32(CalculateExactDistanceToChar(start));
    if (distance != 0) JumpScroll(distance);
}

// The prompter's keys while it scrolls and the text is not editable; false for keys it leaves to later.
bool ScrollModeKey(const PlatformEvent& event) {
    const UInt8 character = event.charCode;
    if (const SInt32 preset = SpeedPresetForDigit(character)) {
        SetSpeedPreset(preset);
        return true;
    }
    const bool shift = Held(event, shiftKey);
    const bool option = Held(event, optionKey);
    const bool command = Held(event, cmdKey);
    switch (character) {
    case kEscapeCharCode:
        StopScroll();
        return true;
    case kLeftArrowCharCode:
    case kRightArrowCharCode: {
        // Shift and command move the star field behind the text, which is not drawn yet.
        if (shift && command) return true;
        const SInt32 before = gWantScrollAmount;
        if (character == kLeftArrowCharCode)
            DoScrollSlower();
        else
            DoScrollFaster();
        RememberSpeedBeforeShift(event, before);
        return true;
    }
    case kUpArrowCharCode:
    case kDownArrowCharCode: {
        if (shift && command) return true;
        const SInt16 direction = character == kUpArrowCharCode ? -1 : 1;
        if (option && shift) {
            ScrollJumpToBookmark(direction);
        } else if (option) {
            JumpToNeighbourLine(direction);
        } else if (GetPref(gThePreferences, kPrefScrollDirection) != direction) {
            SetScrollAmount(gWantScrollAmount, direction);
            if (direction < 0 || GetPref(gThePreferences, kPrefMomentum)) MarkPreferencesChanged();
            ShowDirection();
        }
        return true;
    }
    case ' ':
    case 'P':
    case 'p':
        TogglePause();
        return true;
    case 'B':
    case kDeleteCharCode:
        return true;
    case 'H':
    case 'h':
        ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
        return true;
    default:
        return false;
    }
}

// While scrolling with the text editable (or with the macro editor in front), option-arrows still jump.
bool EditableScrollKey(const PlatformEvent& event) {
    const UInt8 character = event.charCode;
    if (character == kEscapeCharCode) {
        StopScroll();
        return true;
    }
    if (!Held(event, optionKey) || (character != kUpArrowCharCode && character != kDownArrowCharCode))
        return false;
    const SInt16 direction = character == kUpArrowCharCode ? -1 : 1;
    if (Held(event, shiftKey))
        ScrollJumpToBookmark(direction);
    else
        JumpScroll(direction < 0 ? gScrollPixelSpace : -gScrollPixelSpace);
    return true;
}

// Home, End, Page Up and Page Down move the front window's view; with option the caret goes along.
void PageKey(const PlatformEvent& event) {
    const UInt8 character = event.charCode;
    const bool option = Held(event, optionKey);
    const WindowPtr front = FrontNonFloatingWindow();
    if (front && front == myBookmarkWindow) {
        switch (character) {
        case kHomeCharCode:
            return BookmarkScrollThisMuch(-32767);
        case kEndCharCode:
            return BookmarkScrollThisMuch(32767);
        case kPageUpCharCode:
            return BookmarkScrollThisMuch(SInt16(-gBookmarkPageScrollSize));
        default:
            return BookmarkScrollThisMuch(gBookmarkPageScrollSize);
        }
    }
    if (gDisableScrollKeys || !ScrollWEHandle) return;
    if (front && front != myScrollWindow) return;
    switch (character) {
    case kHomeCharCode:
        ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
        if (option) WESetSelection(0, 0, 0, ScrollWEHandle);
        break;
    case kEndCharCode:
        ScrollScrollThisMuch(-kFarAway, 0);
        if (option) WESetSelection(kFarAway, kFarAway, 0, ScrollWEHandle);
        break;
    default: {
        const SInt32 page = character == kPageUpCharCode ? gScrollPageScrollSize : -gScrollPageScrollSize;
        ScrollScrollThisMuch(page, 0);
        if (option) {
            const SInt32 middle = GetScrollMiddleofScreenCharacter(GetCueScrollRectPosition());
            WESetSelection(middle, middle, 0, ScrollWEHandle);
        }
        break;
    }
    }
    GetCurrentScrollPos();
}

void ToggleFullScreen() {
    const SInt16 full = GetPref(gThePreferences, kPrefFullScreen) ? 0 : 1;
    SetPref(gThePreferences, kPrefFullScreen, full);
    if (full)
        SetScrollWindowToFullScreen(GetPref(gThePreferences, kPrefSeparateEditWindow) == 0);
    else
        SetScrollWindowToNormal();
    MarkPreferencesChanged();
}

// F3 starts the script from the top, forwards.
void StartFromTheTop() {
    if (gWantScrollDir != 1 || GetPref(gThePreferences, kPrefScrollDirection) != 1) {
        gWantScrollDir = 1;
        gSaveScrollDir = 1;
        SetPref(gThePreferences, kPrefScrollDirection, 1);
        MarkPreferencesChanged();
    }
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
    if (gScrollOn != 1) {
        StartScroll(1);
        if (GetPref(gThePreferences, kPrefPositionsFromCue))
            ScrollScrollThisMuch(-GetCueScrollRectPosition(), 0);
    }
}

void FunctionKey(const PlatformEvent& event) {
    switch (event.keyCode) {
    case kKeyF3:
        return StartFromTheTop();
    case kKeyF5:
        return OpenNonverbalWindow();
    case kKeyF6:
        return CloseNonverbalWindow();
    case kKeyF2:
        // F2 starts the scroll from edit mode and ends it while scrolling.
        DoCommand(MakeMenuCommand(kScrollMenuID, gScrollOn ? kEditModeItem : kScrollItem));
        return;
    default:
        return;
    }
}

// A typed key or an arrow in the prompter. Typed text keeps the bookmarks and the edit window's copy of
// the text in step with the prompter's text.
void TypeIntoPrompter(const PlatformEvent& event, UInt8 character) {
    if (gDisableScrollKeys || !ScrollWEHandle) return;
    const bool movement = IsArrow(character);
    if (!movement) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        if (character == kBackspaceCharCode && start != end) {
            // The clear item is enabled by the selection just made.
            ConsistifyMenus();
            DoCommand(MakeMenuCommand(kEditMenuID, 7));
            return;
        }
        StoreUndoInfo(11);
        gDontQuitWithoutSaving = true;
    }
    Handle starts = nullptr;
    Handle ends = nullptr;
    const SInt32 count = movement ? 0 : WESaveSelections(&starts, &ends, ScrollWEHandle, false);
    WEKey(SInt16(character), event.modifiers, ScrollWEHandle);
    if (movement) {
        GetCurrentScrollPos();
        if (Held(event, shiftKey)) gArrowKeysDuringShift = 1;
        return;
    }
    if (gScrollOn == 3) KeepScrollChanges();
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    gWaitToUpdateWordCount = 300;
    gTextHasChanged = true;
    GetNewText(1);
    const SInt32 shift = character == kBackspaceCharCode ? -1 : 1;
    const bool editText = EditWEHandle != nullptr;
    if (count > 0 && starts && ends) {
        WEAdjustManyBookmarks(count, WESelectionField{0, starts}, WESelectionField{0, ends}, shift, shift,
                              !editText);
        if (editText) {
            WERestoreSelections(count, WESelectionField{0, starts}, WESelectionField{0, ends}, EditWEHandle,
                                0, true, false, true);
            WEKey(SInt16(character), event.modifiers, EditWEHandle);
            WEAdjustManyFakeReturns(count, WESelectionField{0, starts}, WESelectionField{0, ends}, shift,
                                    shift, true);
            gReformatEditTextCount = 300;
            KeepFakeReturnsInStep(gEditView);
            EditRecalText();
            SetEditWindowScrolls();
            GetCurrentEditPos();
        }
    } else {
        if (starts) DisposeHandle(starts);
        if (ends) DisposeHandle(ends);
    }
}

// A key that would remove one of the edit window's added returns (which the script does not hold) acts on
// the script character beside it instead, so that both views lose the same character.
void StepOverAddedReturn(UInt8 character) {
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, EditWEHandle);
    if (start != end || WEGetNumberSelections(EditWEHandle) > 1) return;
    const bool back = character == kBackspaceCharCode;
    const SInt32 removed = back ? start - 1 : start;
    const auto& fakes = gEditView.fakes;
    if (removed < 0 || std::find(fakes.begin(), fakes.end(), removed) == fakes.end()) return;
    const SInt32 caret = back ? start - 1 : start + 1;
    WESetSelection(caret, caret, 0, EditWEHandle);
}

// A typed key or an arrow in the edit window: the mirror image of the prompter's typing. The same change
// is made in the prompter's text at the matching script offsets, and the bookmarks follow.
void TypeIntoEditWindow(const PlatformEvent& event, UInt8 character) {
    if (!EditWEHandle) return;
    const bool movement = IsArrow(character);
    if (!movement) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, EditWEHandle);
        if (character == kBackspaceCharCode && start != end) {
            DoCommand(MakeMenuCommand(kEditMenuID, 7));
            return;
        }
        StoreUndoInfo(11);
        gDontQuitWithoutSaving = true;
        if (character == kBackspaceCharCode || character == kDeleteCharCode) StepOverAddedReturn(character);
    }
    Handle starts = nullptr;
    Handle ends = nullptr;
    const SInt32 count = movement ? 0 : WESaveSelections(&starts, &ends, EditWEHandle, true);
    WEKey(SInt16(character), event.modifiers, EditWEHandle);
    if (movement) {
        GetCurrentEditPos();
        if (Held(event, shiftKey)) gArrowKeysDuringShift = 2;
        return;
    }
    if (gScrollOn == 3) KeepScrollChanges();
    EditRecalText();
    SetEditWindowScrolls();
    GetCurrentEditPos();
    if (count <= 0 || !starts || !ends) {
        if (starts) DisposeHandle(starts);
        if (ends) DisposeHandle(ends);
        return;
    }
    const SInt32 shift = character == kBackspaceCharCode ? -1 : 1;
    WEAdjustManyFakeReturns(count, WESelectionField{0, starts}, WESelectionField{0, ends}, shift, shift,
                            false);
    if (ScrollWEHandle) {
        WERestoreSelections(count, WESelectionField{0, starts}, WESelectionField{0, ends}, ScrollWEHandle, 0,
                            false, false, true);
        WEKey(SInt16(character), event.modifiers, ScrollWEHandle);
        ScrollRecalText();
        SetScrollWindowScrolls();
        GetCurrentScrollPos();
    }
    gWaitToUpdateWordCount = 300;
    gTextHasChanged = true;
    GetNewText(1);
    WEAdjustManyBookmarks(count, WESelectionField{0, starts}, WESelectionField{0, ends}, shift, shift, true);
    KeepFakeReturnsInStep(gEditView);
    gReformatEditTextCount = 300;
}

// Typing: text views take typed keys in edit mode (and while the text scrolls editable); elsewhere typed
// keys are dropped.
void TypedKey(const PlatformEvent& event, UInt8 character) {
    const bool editing = gEditOn != 0 || gScrollOn != kScrollOn;
    if (!editing) return;
    const WindowPtr front = FrontNonFloatingWindow();
    if (!front || front == myScrollWindow)
        TypeIntoPrompter(event, character);
    else if (front == myEditWindow)
        TypeIntoEditWindow(event, character);
}

// Keys that reach the general stage, by character code.
void GeneralKey(const PlatformEvent& event) {
    UInt8 character = event.charCode;
    switch (character) {
    case 0:
    case 5:
    case 7:
    case 10:
    case kDeleteCharCode:
        return;
    case kHomeCharCode:
    case kEndCharCode:
    case kPageUpCharCode:
    case kPageDownCharCode:
        return PageKey(event);
    case kEnterCharCode:
        character = kReturnCharCode;
        break;
    case kTabCharCode:
        if (gScrollOn) return ToggleFullScreen();
        break;
    case kFunctionKeyCharCode:
        return FunctionKey(event);
    case kEscapeCharCode:
        if (gScrollOn) StopScroll();
        return;
    default:
        break;
    }
    TypedKey(event, character);
}

void RecordKey(const PlatformEvent& event) {
    gUpdateWindowBounds = 0;
    gNothingHappened = 0;
    curEvent.what = keyDown;
    curEvent.message = event.charCode | (UInt32(event.keyCode) << 8);
    curEvent.when = TickCount();
    curEvent.where = Point{0, 0};
    curEvent.modifiers = event.modifiers;
    stopEvent = curEvent;
    gLastKeyPressed = event.charCode;
}

} // namespace

OSStatus DoKeyDown(const PlatformEvent& event) {
    RecordKey(event);
    ForgetStaleSearchFocus();
    const UInt8 character = event.charCode;
    const bool command = Held(event, cmdKey);
    const bool option = Held(event, optionKey);
    if (command && !IsArrow(character)) {
        // Menu key equivalents are looked up in menus that are up to date.
        ConsistifyMenus();
        if (option)
            CommandOptionKey(event);
        else
            CommandKey(event);
        return noErr;
    }
    if (ToolWindowTakesKey(event)) return noErr;
    if (option && !command) {
        const SInt16 slot = OptionDigitBookmarkSlot(character, event.keyCode);
        if (slot >= 0) {
            SetBookmark(slot, -1, 1);
            return noErr;
        }
    }
    if (gScrollOn == kScrollOn && !MacroEditorInFront()) {
        if (ScrollModeKey(event)) return noErr;
    } else if (gScrollOn && EditableScrollKey(event)) {
        return noErr;
    }
    GeneralKey(event);
    return noErr;
}
