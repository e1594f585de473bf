// The word swap dialog. Each entry shows its prompt (or its keyword when it has none) and takes the text
// typed for it as its replacement, saved whenever the user moves on, goes back or cancels.
#include "scroll/word_swap_dialog.h"

#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "resource_names.h"
#include "scroll/scroll_windows.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <string>

namespace {

constexpr SInt16 kWordSwapDialogID = 201;
enum : SInt16 {
    kNextItem = 1,
    kCancelItem = 2,
    kBackItem = 3,
    kDocumentItem = 4,
    kPromptItem = 5,
    kTextItem = 6,
    kCountItem = 7,
};
constexpr SInt16 kDoneTitle = 137, kNextTitle = 138;

void SetItem(DialogPtr dialog, SInt16 item, const std::string& text) {
    Str255 s;
    SetPString(s, text.substr(0, 255));
    SetDialogItemText(dialog, item, s);
}

void SetTitleFromList(DialogPtr dialog, SInt16 item, SInt16 index) {
    Str255 title;
    if (GetOrvalisString(kProgramTexts, index, title) && title[0] > 0) SetDialogItemText(dialog, item, title);
}

} // namespace

SInt16 ProcessWordSwapText(DialogPtr dialog, SInt16 n, SInt16 step, bool save) {
    if (!dialog) return n;
    if (save) {
        Str255 typed;
        GetDialogItemText(dialog, kTextItem, typed);
        if (!SetTextMergeText(n, 1, typed)) return n;
    }
    const SInt32 next = SInt32(n) + step;
    if (next < 0 || (step > 0 && next >= gNumTextMerge)) return n;
    Str255 keyword, prompt;
    if (!GetTextMergeText(SInt16(next), keyword, nullptr, prompt)) return n;
    SetItem(dialog, kPromptItem, std::string(PStringView(prompt[0] ? prompt : keyword)));
    SetItem(dialog, kCountItem, std::to_string(next + 1) + " of " + std::to_string(gNumTextMerge));
    SetItem(dialog, kTextItem, "");
    SelectDialogItemText(dialog, kTextItem, 0, 0);
    return SInt16(next);
}

bool DoWordSwapDialog() {
    const WindowReference saved = GetPortReference();
    DialogPtr dialog = GetNewDialog(kWordSwapDialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SetPortByReference(saved);
        return false;
    }
    GetDialogRefandSetPort(dialog);
    SetDialogDefaultItem(dialog, kNextItem);
    SetDialogCancelItem(dialog, kCancelItem);
    SetItem(dialog, kDocumentItem, Utf8ToMacRoman(gFileName));
    SInt16 shown = ProcessWordSwapText(dialog, 0, 0, false);
    if (gNumTextMerge == 1) SetTitleFromList(dialog, kNextItem, kDoneTitle);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    bool completed = false;
    for (;;) {
        SInt16 item = 0;
        ModalDialog(nullptr, &item);
        if (item == kBackItem) {
            const SInt16 before = shown;
            shown = ProcessWordSwapText(dialog, shown, -1, true);
            if (shown != before) SetTitleFromList(dialog, kNextItem, kNextTitle);
        } else if (item == kNextItem) {
            const SInt16 before = shown;
            shown = ProcessWordSwapText(dialog, shown, 1, true);
            if (shown == before) {
                completed = true;
                break;
            }
            if (shown == gNumTextMerge - 1) SetTitleFromList(dialog, kNextItem, kDoneTitle);
        } else if (item == kCancelItem) {
            ProcessWordSwapText(dialog, shown, 0, true);
            break;
        }
    }
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return completed;
}

void RunPendingWordSwap() {
    if (!gFlagDoWordSwap || gNumTextMerge == 0) return;
    // Cleared first: the dialog's own loop runs the timer, which must not open it a second time.
    gFlagDoWordSwap = false;
    if (gScrollOn) StopScroll();
    if (myScrollWindow) HideWindow(myScrollWindow);
    const bool completed = DoWordSwapDialog();
    if (myScrollWindow) ShowWindow(myScrollWindow);
    if (completed) StartScroll(1);
}
