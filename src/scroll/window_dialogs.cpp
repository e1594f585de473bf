// The prompter's small dialogs. Each keeps the caller's port, counts itself as modal while it runs, and
// refuses values the prompter cannot use by selecting the field and beeping, never by storing them.
#include "scroll/window_dialogs.h"

#include "foundation/dialog_items.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/info_strip.h"
#include "scroll/modal_run.h"
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/scroll_tick.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr SInt16 kWindowSizeDialog = 140, kFinishTimeDialog = 142, kContainsStyleDialog = 143,
                 kSaveOptionsDialog = 405;
enum : SInt16 { kOkItem = 1, kCancelItem = 2 };
enum : SInt16 { kWidthItem = 5, kHeightItem = 6 };
enum : SInt16 { kSecondsItem = 5 };
enum : SInt16 { kSaveBookmarksItem = 3, kFirstStorageItem = 4, kLastStorageItem = 5, kSavePrefsItem = 7 };
constexpr SInt16 kSmallestWindowSide = 80;
constexpr SInt16 kFinishTimePacing = 2;

void SetNumber(DialogPtr dialog, SInt16 item, SInt32 value, bool select) {
    const std::string s = std::to_string(value);
    Str255 text;
    text[0] = UInt8(s.size());
    std::memcpy(text + 1, s.data(), s.size());
    SetDText(dialog, item, text, select);
}

// The field's whole number when it holds digits only, at most 32767.
std::optional<SInt32> ReadNumber(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    std::string s(PStringView(text));
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    if (s.empty() || s.size() > 5 || s.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const SInt32 value = std::stoi(s);
    if (value > 32767) return std::nullopt;
    return value;
}

void Refuse(DialogPtr dialog, SInt16 item) {
    SelectDialogItemText(dialog, item, 0, 32767);
    SysBeep(10);
}

} // namespace

SInt16 GetUnusedId(Handle ids, SInt16 start) {
    if (!ids || !*ids) return start;
    const Size count = GetHandleSize(ids) / Size(sizeof(SInt16));
    const auto* list = reinterpret_cast<const SInt16*>(*ids);
    for (SInt32 id = start; id < 32767; ++id) {
        bool taken = false;
        for (Size i = 0; i < count && !taken; ++i)
            taken = list[i] == id;
        if (!taken) return SInt16(id);
    }
    return 32767;
}

void GetNewWindowSize() {
    ModalRun run(kWindowSizeDialog);
    DialogPtr dialog = run.Dialog();
    if (!dialog) {
        SysBeep(10);
        return;
    }
    const Rect content = GetScrollWindowContent();
    SetNumber(dialog, kWidthItem, RectWidth(content), true);
    SetNumber(dialog, kHeightItem, RectHeight(content), false);
    run.Show();
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kCancelItem) return;
        if (item != kOkItem) continue;
        const std::optional<SInt32> width = ReadNumber(dialog, kWidthItem);
        const std::optional<SInt32> height = ReadNumber(dialog, kHeightItem);
        if (!width || *width < kSmallestWindowSide) {
            Refuse(dialog, kWidthItem);
            continue;
        }
        if (!height || *height < kSmallestWindowSide) {
            Refuse(dialog, kHeightItem);
            continue;
        }
        if (myScrollWindow) {
            SetPort(GetWindowPort(myScrollWindow));
            Rect grow{SInt16(content.bottom - 15), SInt16(content.right - 15), content.bottom, content.right};
            InvalWindowRect(myScrollWindow, &grow);
        }
        RestoreScrollWindowSize(SInt16(*width), SInt16(*height), false);
        gPositionPrefsChanged = true;
        return;
    }
}

void GetFinishTime() {
    ModalRun run(kFinishTimeDialog);
    DialogPtr dialog = run.Dialog();
    if (!dialog) {
        SysBeep(10);
        return;
    }
    SetNumber(dialog, kSecondsItem, (GetScrollTicksLeft(0) + 59) / 60, true);
    run.Show();
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kCancelItem) return;
        if (item != kOkItem) continue;
        const std::optional<SInt32> typed = ReadNumber(dialog, kSecondsItem);
        if (!typed || *typed <= 0) {
            Refuse(dialog, kSecondsItem);
            continue;
        }
        // The seconds are for the rest of the text; the pacing takes the time for the whole of it.
        long long seconds = *typed;
        const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
        const double rest = direction > 0   ? gScrollExtraHeight + gScrollCurrentPos
                            : direction < 0 ? -gScrollCurrentPos
                                            : 0;
        const long long distance = (long long)rest;
        if (distance != 0) seconds = (long long)gScrollExtraHeight * seconds / distance;
        // Minutes are stored in 16 bits.
        seconds = std::clamp<long long>(seconds, 1, 32767LL * 60 + 59);
        SetPref(gThePreferences, kPrefPacingMode, kFinishTimePacing);
        SetPref(gThePreferences, kPrefFinishMinutes, SInt16(seconds / 60));
        SetPref(gThePreferences, kPrefFinishSeconds, SInt16(seconds % 60));
        gLastScrollTick = gCurrentScrollTick = TickCount();
        CalculateScrollDistance();
        gPrefsChanged = true;
        return;
    }
}

bool DoSaveOptionsDialog() {
    ModalRun run(kSaveOptionsDialog);
    DialogPtr dialog = run.Dialog();
    if (!dialog) {
        SysBeep(10);
        return false;
    }
    const SInt16 storage = GetPref(gThePreferences, kPrefBookmarkStorage) == 2 ? 2 : 1;
    SetDialogItemValue(dialog, kSaveBookmarksItem, GetPref(gThePreferences, kPrefSaveBookmarks) ? 1 : 0);
    SetDialogItemValue(dialog, SInt16(storage + 3), 1);
    SetDialogItemValue(dialog, kSavePrefsItem, GetPref(gThePreferences, kPrefSaveWithDocument) ? 1 : 0);
    run.Show();
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kCancelItem) return false;
        if (item == kSaveBookmarksItem || item == kSavePrefsItem) {
            SetDialogItemValue(dialog, item, GetDialogItemValue(dialog, item) ? 0 : 1);
        } else if (item >= kFirstStorageItem && item <= kLastStorageItem) {
            for (SInt16 radio = kFirstStorageItem; radio <= kLastStorageItem; ++radio)
                SetDialogItemValue(dialog, radio, radio == item ? 1 : 0);
        } else if (item == kOkItem) {
            auto store = [](PrefShort field, SInt16 value) {
                if (GetPref(gThePreferences, field) == value) return;
                SetPref(gThePreferences, field, value);
                gPrefsChanged = true;
            };
            store(kPrefSaveBookmarks, GetDialogItemValue(dialog, kSaveBookmarksItem));
            store(kPrefBookmarkStorage, GetDialogItemValue(dialog, kLastStorageItem) ? 2 : 1);
            store(kPrefSaveWithDocument, GetDialogItemValue(dialog, kSavePrefsItem));
            return true;
        }
    }
}

bool DoEditCustomWarning(SInt16 dialogID) {
    if (gAutoDialogAnswer != 0) return gAutoDialogAnswer == kOkItem;
    ModalRun run(dialogID);
    DialogPtr dialog = run.Dialog();
    if (!dialog) return false;
    run.Show();
    for (;;) {
        const SInt16 item = run.Next();
        if (item == kOkItem) return true;
        if (item == kCancelItem) return false;
    }
}

bool DoContainsStyleDialog() {
    return DoEditCustomWarning(kContainsStyleDialog);
}
