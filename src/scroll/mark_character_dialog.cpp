// The dialog that chooses the character marking bookmarks in a document's text: typed as a character or
// as its code, each field following the other while the user types.
#include "foundation/character_classes.h"
#include "foundation/dialog_filters.h"
#include "foundation/dialog_items.h"
#include "foundation/error_dialog.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/bookmarks.h"
#include "scroll/text_format_dialogs.h"
#include "shell/shell_globals.h"

#include <string>

namespace {

constexpr SInt16 kMarkCharacterDialog = 139;
constexpr SInt16 kMarkTexts = 161, kRefusedText = 1;
enum : SInt16 { kOkItem = 1, kCancelItem = 2, kCharacterItem = 5, kCodeItem = 6, kSaveItem = 9 };

// What the fields held when last looked at, so that the filter sees which one the user changed.
struct MarkFields {
    UInt8 value = 0;
    std::string character, code;
};
MarkFields gMarkFields;

std::string FieldText(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDText(dialog, item, text);
    return std::string(PStringView(text));
}

void PutFieldText(DialogPtr dialog, SInt16 item, const std::string& s) {
    Str255 text;
    text[0] = UInt8(std::min<size_t>(s.size(), 255));
    std::copy(s.begin(), s.begin() + text[0], text + 1);
    SetDText(dialog, item, text, false);
}

void ShowValue(DialogPtr dialog, UInt8 value, bool character, bool code) {
    gMarkFields.value = value;
    if (character) PutFieldText(dialog, kCharacterItem, value ? std::string(1, char(value)) : std::string());
    if (code) PutFieldText(dialog, kCodeItem, std::to_string(value));
    gMarkFields.character = FieldText(dialog, kCharacterItem);
    gMarkFields.code = FieldText(dialog, kCodeItem);
}

// A changed character field gives its first character; a changed code field its number (low 8 bits).
void FollowTyping(DialogPtr dialog) {
    const std::string character = FieldText(dialog, kCharacterItem);
    const std::string code = FieldText(dialog, kCodeItem);
    if (character != gMarkFields.character) {
        if (!character.empty())
            ShowValue(dialog, UInt8(character[0]), false, true);
        else
            gMarkFields.character = character;
    } else if (code != gMarkFields.code) {
        SInt32 number = 0;
        IntGetDlgEditValue(dialog, kCodeItem, &number);
        ShowValue(dialog, UInt8(number & 0xFF), true, false);
    }
}

void ReportRefusedMark() {
    Str255 text;
    if (!GetOrvalisString(kMarkTexts, kRefusedText, text) || text[0] == 0)
        SetPString(text, "That character cannot mark bookmarks. Choose another character.");
    DoErrorMessage(text);
}

bool MarkCharacterFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    FollowTyping(dialog);
    return GenericFilter(dialog, event, itemHit);
}

} // namespace

bool IsUsableMarkCharacter(UInt8 c) {
    constexpr UInt8 kNonBreakingSpace = 0xCA;
    return c > 0x20 && c != 0x7F && c != kNonBreakingSpace && !IsAlpha(c);
}

bool GetMarkCharacter() {
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kMarkCharacterDialog, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SetPortByReference(saved);
        SysBeep(10);
        return false;
    }
    SetWRefCon(GetDialogWindow(dialog), kMarkCharacterDialog);
    GetDialogRefandSetPort(dialog);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowValue(dialog, gBookmarkCharacter, true, true);
    SelectDialogItemText(dialog, kCharacterItem, 0, 255);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    SInt16 item = 0;
    for (;;) {
        ModalDialog(MarkCharacterFilter, &item);
        FollowTyping(dialog);
        if (item == kCancelItem) break;
        if (item != kOkItem && item != kSaveItem) continue;
        // Code 0 stands for no character chosen, which would have the next save ask again.
        if (gMarkFields.value == 0) {
            SelectDialogItemText(dialog, kCodeItem, 0, 255);
            SysBeep(10);
            continue;
        }
        if (IsUsableMarkCharacter(gMarkFields.value)) break;
        ReportRefusedMark();
        SelectDialogItemText(dialog, kCharacterItem, 0, 255);
    }
    if (item != kCancelItem) {
        gBookmarkCharacter = gMarkFields.value;
        SetPref(gThePreferences, kPrefBookmarkMarkChar, SInt16(gMarkFields.value));
        gPrefsChanged = true;
        if (item == kSaveItem) {
            DoPutPreferences(&gThePreferences, 0, nullptr);
            gPrefsChanged = false;
        }
    }
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return item != kCancelItem;
}
