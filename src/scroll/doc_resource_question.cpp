// The question of how to convert a bookmark list written before the side-data header existed.
#include "foundation/dialog_filters.h"
#include "foundation/dialog_items.h"
#include "foundation/global_lists.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "scroll/doc_resource_header.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kConvertDialogID = 145;
enum : SInt16 {
    kConvertItem = 1,
    kCancelItem = 2,
    kLooks16Item = 5,
    kOutOfRangeItem = 6,
    kNotAscendingItem = 7,
    kWidenItem = 9,
    kSwapItem = 10,
    kDocumentNameItem = 11,
};

RESETTABLE(bool, gAnswering, false);
RESETTABLE(bool, gAnswerConfirm, false);
RESETTABLE(bool, gAnswerWiden, false);
RESETTABLE(bool, gAnswerSwap, false);
BookmarkConversionQuestion gLastQuestion;

bool AskInDialog(bool looks16, bool notAscending, bool outOfRange, bool* widen, bool* swap) {
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kConvertDialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) return false;
    GetDialogRefandSetPort(dialog);
    if (!looks16) HideDialogItem(dialog, kLooks16Item);
    if (!outOfRange) HideDialogItem(dialog, kOutOfRangeItem);
    if (!notAscending) HideDialogItem(dialog, kNotAscendingItem);
    if (!gFileName.empty()) {
        Str255 name;
        SetPString(name, Utf8ToMacRoman(gFileName));
        SetDialogItemText(dialog, kDocumentNameItem, name);
    }
    SetDialogDefaultItem(dialog, kConvertItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    SInt16 item = 0;
    while (item != kConvertItem && item != kCancelItem) {
        if (gAutoDialogAnswer) {
            item = gAutoDialogAnswer == kConvertItem ? kConvertItem : kCancelItem;
            break;
        }
        MovableDialog(nullptr, &item);
        if (item == kWidenItem || item == kSwapItem)
            SetDialogItemValue(dialog, item, SInt16(!GetDialogItemValue(dialog, item)));
    }
    --gInModal;
    *widen = GetDialogItemValue(dialog, kWidenItem) != 0;
    *swap = GetDialogItemValue(dialog, kSwapItem) != 0;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return item == kConvertItem;
}

} // namespace

bool PleaseConvertBookmarks(bool looks16, bool notAscending, bool outOfRange, bool* widen, bool* swap) {
    gLastQuestion = {true, looks16, notAscending, outOfRange};
    *widen = false;
    *swap = false;
    if (gAnswering) {
        *widen = gAnswerWiden;
        *swap = gAnswerSwap;
        return gAnswerConfirm;
    }
    return AskInDialog(looks16, notAscending, outOfRange, widen, swap);
}

void AnswerBookmarkConversionForTesting(bool answer, bool confirm, bool widen, bool swap) {
    gAnswering = answer;
    gAnswerConfirm = confirm;
    gAnswerWiden = widen;
    gAnswerSwap = swap;
    gLastQuestion = {};
}

BookmarkConversionQuestion LastBookmarkConversionQuestion() {
    return gLastQuestion;
}
