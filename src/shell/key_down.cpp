// The key-down dispatcher: each key is offered to a fixed series of stages (command keys, option-digit
// bookmarks, the scroll keys, the general keys, typing) and the first that has a use for it takes it.
#include "shell/input_dispatch.h"

#include "effects/effects.h"
#include "foundation/error_dialog.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
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
#include "scroll/window_dialogs.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/edit_commands.h"
#include "shell/key_stages.h"
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
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cctype>

namespace {

// Where the bracket, slash, comma and period keys sit on a US keyboard.
constexpr UInt8 kKeyRightBracket = 0x1E;
constexpr UInt8 kKeyLeftBracket = 0x21;
constexpr UInt8 kKeySlash = 0x2C;

// The end of any text, for moves that go as far as they can.
constexpr SInt32 kFarAway = 1073741823;

// The standard macro run once merge fields have their values.
constexpr SInt16 kMergeDoneMacro = 41;
// The background kind that shows the star field, and how far a key moves the field.
constexpr SInt16 kStarFieldBackground = 4;
constexpr double kStarFieldStep = 5.0;
// The undo kind of a key typed into the macro editor.
constexpr SInt16 kMacroEditorUndo = 240;

bool Held(const PlatformEvent& event, UInt16 modifier) {
    return (event.modifiers & modifier) != 0;
}

bool IsArrow(UInt8 character) {
    return character >= kLeftArrowCharCode && character <= kDownArrowCharCode;
}

bool IsPageKey(UInt8 character) {
    return character == kHomeCharCode || character == kEndCharCode || character == kPageUpCharCode ||
           character == kPageDownCharCode;
}

// Keys that move the caret in a text rather than change it.
bool IsMovementKey(UInt8 character) {
    return IsArrow(character) || IsPageKey(character);
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

SInt32 MenuKeyCommand(const PlatformEvent& event) {
    return MenuKey(event.charCode, event.modifiers);
}

// Command-shift-G with merge fields: their values are asked for afresh and merged into the script, with the
// prompter out of sight while the questions are up.
void MergeAgain() {
    if (myScrollWindow) HideWindow(myScrollWindow);
    ClearTextMergeReplaceWith();
    if (myTextMergeWindow) CloseTextMergeWindow(0);
    const SInt16 merged = PerformMergeFunction(gTextMergeList, gNumTextMerge);
    if (myScrollWindow) ShowWindow(myScrollWindow);
    if (merged != 0) RunMacroByID(kMergeDoneMacro);
}

// Command-period stops whatever media runs; true when it stopped speech, which ends the key.
bool StopMediaByKey() {
    if (gLiveCaptureRunning) StopLiveCapture();
    if (playingMovie) {
        killMovies();
        if (myMediaQueueWindow) PutMediaQueueInList();
    }
    if (gChan && IsSpeaking(gChan)) {
        StopSpeech(gChan);
        return true;
    }
    return false;
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
    if (key == 'G' && shift && gTextMergeList && gNumTextMerge > 0) MergeAgain();
    if ((key == ']' || key == '}') && shift) GoToReturnBookmark(1);
    if (key == 'W' && shift) CloseAllWindows();
    if (key == '.' && StopMediaByKey()) return;
    if (key == ',' && playingMovie) {
        finishAMovie();
        if (myMediaQueueWindow) PutMediaQueueInList();
        return;
    }
    if (key == 'G') return FindWithoutDialog(&curEvent, nullptr);
    if (key == 'R') {
        // Compiles the macro being edited; without the editor the key does nothing.
        if (!myMacroEditorWindow) return;
        CompileMacro(1, 1);
        if (CompileMacro(0, 1) != noErr) DoErrorMessageText("Macro not compiled");
        return;
    }
    if (key == 'W') return CloseFrontWindowByKey();
    if (key == 'Z') return void(DoCommand(MakeMenuCommand(kEditMenuID, kUndoItem)));
    if (character == kBackspaceCharCode && gMacroRunning) return FinishAllMacros();
    if (key == '[' || key == '{') return void(DoCommand(MakeMenuCommand(kSizeMenuID, kSmallerItem)));
    if (key == ']' || key == '}') return void(DoCommand(MakeMenuCommand(kSizeMenuID, kLargerItem)));
    if (const SInt32 chosen = MenuKeyCommand(event)) return void(DoCommand(MenuCommand(chosen)));
    // Keys that stand for menu items the menus do not carry a key for.
    if (key == 'K') return void(DoCommand(MakeMenuCommand(kScrollMenuID, kScrollControlItem)));
    if (const SInt16 slot = DigitKeySlot(event.keyCode); slot >= 0)
        DoCommand(MakeMenuCommand(kBookmarksMenuID, SInt16(slot + 1)));
}

// Command-shift-arrows move the star field behind the text (by its offset from the centre).
void MoveStarField(UInt8 arrow) {
    if (GetPref(gThePreferences, kPrefBackgroundKind) != kStarFieldBackground) return;
    switch (arrow) {
    case kLeftArrowCharCode:
        gStarOffsetX += kStarFieldStep;
        break;
    case kRightArrowCharCode:
        gStarOffsetX -= kStarFieldStep;
        break;
    case kUpArrowCharCode:
        gStarOffsetY += kStarFieldStep;
        break;
    default:
        gStarOffsetY -= kStarFieldStep;
        break;
    }
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
    if (IsArrow(character) && shift && command) {
        MoveStarField(character);
        return true;
    }
    switch (character) {
    case kEscapeCharCode:
        StopScroll();
        return true;
    case kLeftArrowCharCode:
    case kRightArrowCharCode: {
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

// Home, End, Page Up and Page Down in a text view, which scrolls by pixels (negative towards the end); with
// option the caret goes to the start, the end or the middle of the view.
struct TextPageView {
    WEReference text;
    SInt32 currentPos;
    SInt32 pageSize;
    void (*scroll)(SInt32 pixels);
    SInt32 (*middleCharacter)();
};

void PageTextView(const TextPageView& view, UInt8 character, bool option) {
    SInt32 caret = -1;
    switch (character) {
    case kHomeCharCode:
        view.scroll(-view.currentPos);
        caret = 0;
        break;
    case kEndCharCode:
        view.scroll(-kFarAway);
        caret = kFarAway;
        break;
    default:
        view.scroll(character == kPageUpCharCode ? view.pageSize : -view.pageSize);
        if (option) caret = view.middleCharacter();
        break;
    }
    if (option && view.text && caret >= 0) WESetSelection(caret, caret, 0, view.text);
}

// The same keys in a list, which scrolls by rows (positive towards the end).
void PageList(void (*scroll)(SInt32 rows), SInt32 home, SInt16 pageSize, UInt8 character) {
    switch (character) {
    case kHomeCharCode:
        return scroll(home);
    case kEndCharCode:
        return scroll(32767);
    case kPageUpCharCode:
        return scroll(-pageSize);
    default:
        return scroll(pageSize);
    }
}

// Home, End, Page Up and Page Down move the front window's view.
void PageKey(const PlatformEvent& event) {
    const UInt8 character = event.charCode;
    const bool option = Held(event, optionKey);
    const WindowPtr front = FrontNonFloatingWindow();
    const WindowPtr frontOfAll = FrontWindow();
    if (!front || front == myScrollWindow) {
        if (gDisableScrollKeys || !ScrollWEHandle) return;
        PageTextView({ScrollWEHandle, SInt32(gScrollCurrentPos), gScrollPageScrollSize,
                      [](SInt32 pixels) { ScrollScrollThisMuch(pixels, 0); },
                      [] { return GetScrollMiddleofScreenCharacter(GetCueScrollRectPosition()); }},
                     character, option);
        GetCurrentScrollPos();
    } else if (front && front == myEditWindow) {
        PageTextView({EditWEHandle, gEditView.currentPos, gEditView.pageScrollSize, EditScrollThisMuch,
                      [] { return GetEditMiddleofScreenCharacter(GetCueScreenPosition()); }},
                     character, option);
    } else if (front && front == myMacroEditorWindow) {
        PageTextView({MacroEditWEHandle, gMacroEditCurrentPos, gMacroEditPageScrollSize,
                      MacroEditorScrollThisMuch,
                      [] { return GetMacroEditorMiddleofScreenCharacter(GetCueScreenPosition()); }},
                     character, option);
    } else if (front && front == myBookmarkWindow) {
        PageList([](SInt32 rows) { BookmarkScrollThisMuch(SInt16(rows)); }, -32767, gBookmarkPageScrollSize,
                 character);
    } else if (frontOfAll && frontOfAll == myFunctionsWindow) {
        PageList(FunctionsScrollThisMuch, -SInt16(gFunctionsCurrentPos / 12), gFunctionsPageScrollSize,
                 character);
    } else if (frontOfAll && (frontOfAll == hypertextDrawerWindow || frontOfAll == myHypertextWindow)) {
        PageList(HypertextScrollThisMuch, -32767, gHypertextPageScrollSize, character);
    }
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

// Function keys while the nonverbal text is typed: F5 brings its window forward and F2 starts the scroll.
void NonverbalFunctionKey(const PlatformEvent& event) {
    switch (event.keyCode) {
    case kKeyF3:
        return StartFromTheTop();
    case kKeyF5:
        ShowWindow(myNonverbalWindow);
        SelectWindow(myNonverbalWindow);
        SetPort(GetWindowPort(myNonverbalWindow));
        return;
    case kKeyF6:
        return CloseNonverbalWindow();
    case kKeyF2:
        if (gScrollOn != kScrollOn) StartScroll(1);
        return;
    default:
        return;
    }
}

// Until its text is moved to the display place, the open nonverbal window takes the typed keys; return
// or enter moves it there. The moving keys go on to the general stage. False for keys it leaves.
bool NonverbalTypingKey(const PlatformEvent& event) {
    if (!myNonverbalWindow || !NonverbalWEHandle || !gNonverbalHasntMoved) return false;
    const UInt8 character = event.charCode;
    switch (character) {
    case 0:
    case 5:
    case 7:
    case kTabCharCode:
    case 10:
    case kDeleteCharCode:
        return true;
    case kEnterCharCode:
    case kReturnCharCode:
        MoveNonverbalToDisplayPosition(false);
        MoveNonverbalToDisplayPosition(true);
        return true;
    case kEscapeCharCode:
        if (gScrollOn) StopScroll();
        return true;
    case kFunctionKeyCharCode:
        NonverbalFunctionKey(event);
        return true;
    case kHomeCharCode:
    case kEndCharCode:
    case kPageUpCharCode:
    case kPageDownCharCode:
        return false;
    default:
        if (IsArrow(character)) return false;
        TypeIntoNonverbalText(character, event.modifiers);
        return true;
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

// One of the two views of the script that take typing: the prompter's text, which holds the script as it
// is, and the edit window's, which may add returns of its own (its offsets differ from the script's).
struct ScriptTypingView {
    WEReference* text;
    bool addsReturns;
    // What gArrowKeysDuringShift records when a shifted arrow moves this view's caret.
    SInt16 shiftArrowView;
    // The caret's place after a move; the view laid out afresh after a change.
    void (*caretMoved)();
    void (*textChanged)();
};

void PrompterTextChanged() {
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
}

void EditWindowTextChanged() {
    EditRecalText();
    SetEditWindowScrolls();
    GetCurrentEditPos();
}

const ScriptTypingView kPrompterTyping{&ScrollWEHandle, false, 1, GetCurrentScrollPos, PrompterTextChanged};
const ScriptTypingView kEditWindowTyping{&EditWEHandle, true, 2, GetCurrentEditPos, EditWindowTextChanged};

// The script changed: the word count is brought up to date in a while and the document keeps the text.
void ScriptTextChanged() {
    gWaitToUpdateWordCount = 300;
    gTextHasChanged = true;
    GetNewText(1);
}

// A typed key or an arrow in one view of the script. A change is made in the other view's text too, at the
// matching script offsets, and the bookmarks and the edit window's added returns follow it.
void TypeIntoScriptView(const ScriptTypingView& view, const ScriptTypingView& other,
                        const PlatformEvent& event, UInt8 character) {
    const WEReference text = *view.text;
    if (!text) return;
    const bool movement = IsMovementKey(character);
    if (!movement) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, text);
        if (character == kBackspaceCharCode && start != end) {
            // The clear item is enabled by the selection just made.
            ConsistifyMenus();
            DoCommand(MakeMenuCommand(kEditMenuID, kClearItem));
            return;
        }
        StoreUndoInfo(11);
        gDontQuitWithoutSaving = true;
        if (view.addsReturns && (character == kBackspaceCharCode || character == kDeleteCharCode))
            StepOverAddedReturn(character);
    }
    Handle starts = nullptr;
    Handle ends = nullptr;
    // The selections are kept as script offsets, which both views can place.
    const SInt32 count = movement ? 0 : WESaveSelections(&starts, &ends, text, view.addsReturns);
    WEKey(SInt16(character), event.modifiers, text);
    if (movement) {
        view.caretMoved();
        if (Held(event, shiftKey)) gArrowKeysDuringShift = view.shiftArrowView;
        return;
    }
    if (gScrollOn == 3) KeepScrollChanges();
    view.textChanged();
    if (count <= 0 || !starts || !ends) {
        if (starts) DisposeHandle(starts);
        if (ends) DisposeHandle(ends);
        return ScriptTextChanged();
    }
    const WESelectionField saved[2] = {{0, starts}, {0, ends}};
    const SInt32 shift = character == kBackspaceCharCode ? -1 : 1;
    const WEReference otherText = *other.text;
    if (otherText) {
        // The edit window's added returns still stand where the saved offsets were taken.
        WERestoreSelections(count, saved[0], saved[1], otherText, 0, other.addsReturns, false, true);
        WEKey(SInt16(character), event.modifiers, otherText);
    }
    if (EditWEHandle) {
        WEAdjustManyFakeReturns(count, saved[0], saved[1], shift, shift, false);
        KeepFakeReturnsInStep(gEditView);
        gReformatEditTextCount = 300;
    }
    if (otherText) other.textChanged();
    ScriptTextChanged();
    WEAdjustManyBookmarks(count, saved[0], saved[1], shift, shift, true);
}

// A typed key or an arrow in the macro editor, which keeps its own text apart from the script.
void TypeIntoMacroEditor(const PlatformEvent& event, UInt8 character) {
    if (!MacroEditWEHandle) return;
    const bool movement = IsMovementKey(character);
    if (!movement) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, MacroEditWEHandle);
        if (character == kBackspaceCharCode && start != end) {
            DoCommand(MakeMenuCommand(kEditMenuID, kClearItem));
            return;
        }
        StoreUndoInfo(kMacroEditorUndo);
    }
    WEKey(SInt16(character), event.modifiers, MacroEditWEHandle);
    if (movement) {
        GetCurrentMacroEditorPos();
        if (Held(event, shiftKey)) gArrowKeysDuringShift = 8;
        return;
    }
    WECalText(MacroEditWEHandle);
    MacroEditorRecalText();
    SetMacroEditorWindowScrolls();
    GetCurrentMacroEditorPos();
    GetNewMacroEditorText();
}

// Custom syllable times belong to the text as it is: a key that would change the script asks first.
// False when the answer keeps the times, which drops the key.
bool CustomTimesMayGo() {
    if (!gSyllableArrayCustom) return true;
    if (DoEditCustomWarning(kCustomTimingDialogID)) return false;
    gSyllableArrayCustom = false;
    return true;
}

// Typing: the script's views take typed keys in edit mode (and while the text scrolls editable); the
// macro editor takes them whenever it is in front; elsewhere typed keys are dropped.
void TypedKey(const PlatformEvent& event, UInt8 character) {
    if (MacroEditorInFront()) return TypeIntoMacroEditor(event, character);
    const bool editing = gEditOn != 0 || gScrollOn != kScrollOn;
    if (!editing) return;
    if (!CustomTimesMayGo()) return;
    const WindowPtr front = FrontNonFloatingWindow();
    if (!front || front == myScrollWindow) {
        if (!gDisableScrollKeys) TypeIntoScriptView(kPrompterTyping, kEditWindowTyping, event, character);
    } else if (front == myEditWindow) {
        TypeIntoScriptView(kEditWindowTyping, kPrompterTyping, event, character);
    }
}

// Home, End and the page keys move the caret, as in any editor, in a text view that takes typing; shift
// extends the selection and command goes to the text's ends. While the prompter scrolls they go on moving
// its view unless shift or command asks for the caret, and with option they keep placing the caret where
// they move the view.
bool PageKeyMovesCaret(const PlatformEvent& event) {
    if (Held(event, optionKey)) return false;
    if (MacroEditorInFront()) return true;
    if (gEditOn == 0 && gScrollOn == kScrollOn) return false;
    const WindowPtr front = FrontNonFloatingWindow();
    if (front && front == myEditWindow) return true;
    if (front && front != myScrollWindow) return false;
    return gScrollOn == 0 || Held(event, shiftKey | cmdKey);
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
        if (!PageKeyMovesCaret(event)) return PageKey(event);
        break;
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
    if (TapSyllableKey(event)) return noErr;
    const UInt8 character = event.charCode;
    const bool command = Held(event, cmdKey);
    const bool option = Held(event, optionKey);
    if (command && !IsMovementKey(character)) {
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
    if (NonverbalTypingKey(event)) return noErr;
    if (gScrollOn == kScrollOn && !MacroEditorInFront()) {
        if (ScrollModeKey(event)) return noErr;
    } else if (gScrollOn && EditableScrollKey(event)) {
        return noErr;
    }
    GeneralKey(event);
    return noErr;
}
