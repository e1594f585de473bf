// The size, spacing and colour dialogs of the text windows. Each keeps the caller's port and counts
// itself as modal while it runs; typed numbers are kept within what a 16-bit size or spacing can hold.
#include "scroll/text_format_dialogs.h"

#include "ebook/ebook_windows.h"
#include "foundation/arrow_functions.h"
#include "foundation/dialog_filters.h"
#include "foundation/dialog_items.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "macros/macro_windows.h"
#include "platform/color_picker.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/modal_run.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_dialogs.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <string>

DialogPtr gSizeDialog = nullptr;
DialogPtr gSpacingDialog = nullptr;

namespace {

constexpr SInt16 kSizeDialogID = 132, kSpacingDialogID = 133;
enum : SInt16 { kOkItem = 1, kCancelItem = 2, kValueItem = 4, kApplyItem = 5, kUpItem = 6, kDownItem = 7 };
// The arrow functions that step the size and the spacing fields.
constexpr UInt16 kSizeUp = 9, kSizeDown = 10, kSpacingUp = 11, kSpacingDown = 12;
constexpr SInt16 kProgramTexts = 129, kForegroundPrompt = 22, kBackgroundPrompt = 23;
constexpr SInt16 kSizeOfItem[] = {9, 10, 12, 18, 24, 36, 48, 50, 62, 74};

// The field as a number with an optional sign, held to 0..32767 however many digits were typed; text
// that is no number reads as 0.
SInt16 ReadLimitedNumber(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDText(dialog, item, text);
    size_t i = 1;
    while (i <= text[0] && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i <= text[0] && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    SInt32 value = 0;
    for (; i <= text[0] && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<SInt32>(value * 10 + (text[i] - '0'), 32767);
    return negative ? 0 : SInt16(value);
}

void ShowNumber(DialogPtr dialog, SInt16 item, SInt32 value, bool select) {
    const std::string s = std::to_string(value);
    Str255 text;
    text[0] = UInt8(s.size());
    std::copy(s.begin(), s.end(), text + 1);
    SetDText(dialog, item, text, select);
}

// The size the dialog starts from for the window; windows without a size of their own show the
// prompter's.
SInt16 StartingSize(WindowPtr window, UInt16 mode) {
    const PrefsRecord& p = gThePreferences;
    if (window == myScrollWindow) {
        const bool styled = GetPref(p, kPrefStyledText) != 0;
        if (ScrollWEHandle && (mode == 1 || (mode == 0 && styled))) {
            SInt32 start = 0, end = 0;
            WEGetSelection(&start, &end, 0, ScrollWEHandle);
            WERunInfo run;
            WEGetRunInfo(start, &run, ScrollWEHandle);
            return run.style.style.size;
        }
        return GetPref(p, kPrefPrompterFormat).size;
    }
    if (window && window == myEditWindow) return GetPref(p, kPrefEditFormat).size;
    if (window && window == myNonverbalWindow) return GetPref(p, kPrefNonverbalFormat).size;
    if (window && window == myBookmarkWindow) return GetPref(p, kPrefBookmarkFormat).size;
    if (window && window == myScrollMonitorWindow) return GetPref(p, kPrefScrollMonitorFormat).size;
    if (window && window == myMacroEditorWindow) return GetPref(p, kPrefMacroEditorFormat).size;
    if (window && window == myFormatPalWindow) return SInt16(mode);
    return GetPref(p, kPrefPrompterFormat).size;
}

void InvalidateWholeWindow(WindowPtr window) {
    if (!window) return;
    SetPort(GetWindowPort(window));
    Rect content;
    GetPortBounds(GetWindowPort(window), &content);
    EraseRect(&content);
    InvalWindowRect(window, &content);
}

// Shows a new spacing at once, keeping the window's place in the text.
void ApplySpacing(WindowPtr window, SInt16 spacing) {
    const WindowReference saved = GetPortReference();
    if (window == myScrollWindow) {
        SaveScrollPositionandReset();
        TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
        format.lineSpacing = spacing;
        SetPref(gThePreferences, kPrefPrompterFormat, format);
        if (GetPref(gThePreferences, kPrefStyledText) == 0) SetScrollSpacing();
        ScrollRecalText();
        InvalidateWholeWindow(myScrollWindow);
        SetScrollWindowScrolls();
        GetCurrentScrollPos();
        RestoreScrollPosition();
    } else {
        SaveEditPositionandReset();
        TextFormatBlock format = GetPref(gThePreferences, kPrefEditFormat);
        format.lineSpacing = spacing;
        SetPref(gThePreferences, kPrefEditFormat, format);
        SetEditSpacing();
        EditRecalText();
        InvalidateWholeWindow(myEditWindow);
        SetEditWindowScrolls();
        GetCurrentEditPos();
        RestoreEditPosition();
    }
    gPrefsChanged = true;
    SetPortByReference(saved);
}

} // namespace

bool GenericFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    return StandardFilter(dialog, event, itemHit);
}

SInt16 TextSizetoSizeMenuChoice(SInt16 size) {
    for (SInt16 item = 1; item <= SInt16(std::size(kSizeOfItem)); ++item)
        if (kSizeOfItem[item - 1] == size) return item;
    return 0;
}

SInt16 DoSizeDialog(WindowPtr window, UInt16 mode) {
    if (!window) return 0;
    return DoSizeDialogStartingAt(StartingSize(window, mode));
}

SInt16 DoSizeDialogStartingAt(SInt16 size) {
    ModalRun run(kSizeDialogID, GenericFilter, &gSizeDialog);
    DialogPtr dialog = run.Dialog();
    if (!dialog) {
        SysBeep(10);
        return 0;
    }
    ShowNumber(dialog, kValueItem, size, true);
    HideDialogItem(dialog, kApplyItem);
    run.Show();
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kOkItem) return ReadLimitedNumber(dialog, kValueItem);
        if (item == kCancelItem) return 0;
        if (item == kUpItem) PerformFunction(kSizeUp);
        if (item == kDownItem) PerformFunction(kSizeDown);
    }
}

SInt16 DoSpacingDialog(WindowPtr window) {
    if (!window || (window != myScrollWindow && window != myEditWindow)) return 0;
    const SInt16 old =
        GetPref(gThePreferences, window == myScrollWindow ? kPrefPrompterFormat : kPrefEditFormat)
            .lineSpacing;
    ModalRun run(kSpacingDialogID, GenericFilter, &gSpacingDialog);
    DialogPtr dialog = run.Dialog();
    if (!dialog) {
        SysBeep(10);
        return 0;
    }
    ShowNumber(dialog, kValueItem, old, true);
    run.Show();
    bool applied = false;
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kOkItem) return ReadLimitedNumber(dialog, kValueItem);
        if (item == kCancelItem) return applied ? old : 0;
        if (item == kUpItem) PerformFunction(kSpacingUp);
        if (item == kDownItem) PerformFunction(kSpacingDown);
        if (item == kApplyItem) {
            const SInt16 spacing = ReadLimitedNumber(dialog, kValueItem);
            ShowNumber(dialog, kValueItem, spacing, true);
            ApplySpacing(window, spacing);
            applied = true;
        }
    }
}

bool GetColorDialog(SInt16 whichPrompt, RGBColor* color) {
    if (!color) return false;
    Str255 prompt;
    if (!GetOrvalisString(kProgramTexts, whichPrompt ? kForegroundPrompt : kBackgroundPrompt, prompt))
        prompt[0] = 0;
    const WindowReference saved = GetPortReference();
    ++gInModal;
    const bool chosen = PickColor(Point{150, 150}, prompt, color, color);
    --gInModal;
    SetPortByReference(saved);
    return chosen;
}
