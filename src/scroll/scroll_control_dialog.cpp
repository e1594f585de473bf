// The scroll control dialog: only the chosen pacing mode's fields show; the settings are applied until
// quit, applied and stored at once, or applied with the syllable-sync window to follow. Rates that would
// stop the text or make no sense are refused with a message, never stored.
#include "scroll/scroll_control.h"

#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"
#include "scroll/pause.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/shell_globals.h"

#include <cstring>
#include <optional>
#include <string>

DialogPtr gScrollDialog = nullptr;

namespace {

constexpr SInt16 kScrollControlDialog = 136;
constexpr SInt16 kSmoothnessMenu = 350;
constexpr SInt16 kFindBestSmoothness = 15;
constexpr SInt16 kSmoothnessChoices = 16;
constexpr SInt16 kRecordedTimesMode = 5;

enum : SInt16 {
    kUseAndSaveItem = 1,
    kCancelItem = 2,
    kUseItem = 3,
    kSmoothnessItem = 6,
    kFirstModeItem = 7,
    kSpeedItem = 13,
    kCharactersItem = 14,
    kMinutesItem = 15,
    kLinesItem = 16,
    kSyllablesItem = 17,
    kSecondsItem = 18,
    kFirstArrowItem = 19,
    kLastArrowItem = 30,
    kFindBestNoteItem = 37,
    kRecordTimesItem = 38,
    kHiddenItem = 39,
};

MenuRef gSmoothnessMenuHdl = nullptr;

// The items each pacing mode shows; the others of these are hidden.
struct ModeItems {
    SInt16 items[8];
};
constexpr ModeItems kModeItems[5] = {
    {{13, 19, 20, 31}}, {{14, 21, 22, 32}}, {{15, 18, 23, 24, 29, 30, 33, 36}},
    {{16, 25, 26, 34}}, {{17, 27, 28, 35}},
};

// Each arrow button steps its field by one within the field's bounds.
struct Arrow {
    SInt16 item, field, step;
    SInt32 lowest, highest;
};
constexpr Arrow kArrows[] = {
    {19, kSpeedItem, 1, 1, 32767},       {20, kSpeedItem, -1, 1, 32767},  {21, kCharactersItem, 1, 1, 32767},
    {22, kCharactersItem, -1, 1, 32767}, {23, kMinutesItem, 1, 0, 32767}, {24, kMinutesItem, -1, 0, 32767},
    {25, kLinesItem, 1, 1, 32767},       {26, kLinesItem, -1, 1, 32767},  {27, kSyllablesItem, 1, 1, 32767},
    {28, kSyllablesItem, -1, 1, 32767},  {29, kSecondsItem, 1, 0, 59},    {30, kSecondsItem, -1, 0, 59},
};

// A field's whole number; none for an empty field, anything but digits with an optional leading minus, or
// a number too large for the rates.
std::optional<SInt32> FieldValue(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    std::string s(PStringView(text));
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    const bool negative = !s.empty() && s[0] == '-';
    const std::string digits = negative ? s.substr(1) : s;
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const SInt32 value = std::stoi(digits);
    return negative ? -value : value;
}

void SetFieldValue(DialogPtr dialog, SInt16 item, SInt32 value) {
    const std::string s = std::to_string(value);
    Str255 text;
    text[0] = UInt8(s.size());
    std::memcpy(text + 1, s.data(), s.size());
    SetDialogItemText(dialog, item, text);
}

SInt16 CurrentMode(DialogPtr dialog) {
    for (SInt16 mode = 0; mode <= kRecordedTimesMode; ++mode)
        if (GetDialogItemValue(dialog, SInt16(kFirstModeItem + mode))) return mode;
    return 0;
}

void ChooseMode(DialogPtr dialog, SInt16 mode) {
    for (SInt16 m = 0; m <= kRecordedTimesMode; ++m)
        SetDialogItemValue(dialog, SInt16(kFirstModeItem + m), m == mode ? 1 : 0);
    HiliteScrollControls(mode);
}

struct Field {
    SInt16 item;
    SInt32 lowest, highest;
    const char* message;
};
constexpr Field kSpeedField{kSpeedItem, 1, 32767,
                            "The speed must be a whole number of pixels per second from 1 to 32767."};
constexpr Field kCharactersField{kCharactersItem, 1, 32767,
                                 "The characters per second must be a whole number from 1 to 32767."};
constexpr Field kMinutesField{kMinutesItem, 0, 32767, "The minutes must be a whole number from 0 to 32767."};
constexpr Field kSecondsField{kSecondsItem, 0, 59, "The seconds must be a whole number from 0 to 59."};
constexpr Field kLinesField{kLinesItem, 1, 0x7FFFFFFF,
                            "The lines per minute must be a whole number of 1 or more."};
constexpr Field kSyllablesField{kSyllablesItem, 1, 0x7FFFFFFF,
                                "The syllables per minute must be a whole number of 1 or more."};

std::optional<SInt32> ValidValue(DialogPtr dialog, const Field& field) {
    const std::optional<SInt32> value = FieldValue(dialog, field.item);
    if (!value || *value < field.lowest || *value > field.highest) return std::nullopt;
    return value;
}

// The chosen mode's fields must hold a rate the text can move at; the first that does not is reported,
// selected, and nothing is applied.
bool ChosenRateIsValid(DialogPtr dialog, SInt16 mode) {
    auto refuse = [&](const Field& field, const char* message) {
        DoErrorMessageText(message);
        SelectDialogItemText(dialog, field.item, 0, 32767);
        return false;
    };
    auto check = [&](const Field& field) {
        return ValidValue(dialog, field) ? true : refuse(field, field.message);
    };
    switch (mode) {
    case 0:
        return check(kSpeedField);
    case 1:
        return check(kCharactersField);
    case 2:
        if (!check(kMinutesField) || !check(kSecondsField)) return false;
        if (*ValidValue(dialog, kMinutesField) == 0 && *ValidValue(dialog, kSecondsField) == 0)
            return refuse(kSecondsField, "The finish time must be at least one second.");
        return true;
    case 3:
        return check(kLinesField);
    case 4:
        return check(kSyllablesField);
    default:
        return true;
    }
}

// The chosen mode's rates were checked; another mode's field that does not hold a valid rate keeps the
// stored one.
void Apply(DialogPtr dialog, SInt16 mode) {
    PrefsRecord& p = gThePreferences;
    SetPref(p, kPrefScrollSmoothness, SInt32(gSmoothnessMenuChoice));
    SetPref(p, kPrefPacingMode, mode);
    if (auto speed = ValidValue(dialog, kSpeedField)) SetScrollAmount(*speed, 0);
    const bool finishValid = ValidValue(dialog, kMinutesField) && ValidValue(dialog, kSecondsField) &&
                             *ValidValue(dialog, kMinutesField) + *ValidValue(dialog, kSecondsField) > 0;
    if (finishValid) {
        SetPref(p, kPrefFinishMinutes, SInt16(*ValidValue(dialog, kMinutesField)));
        SetPref(p, kPrefFinishSeconds, SInt16(*ValidValue(dialog, kSecondsField)));
    }
    if (auto v = ValidValue(dialog, kCharactersField)) SetPref(p, kPrefCharactersPerSecond, SInt16(*v));
    if (auto v = ValidValue(dialog, kLinesField)) SetPref(p, kPrefLinesPerMinute, *v);
    if (auto v = ValidValue(dialog, kSyllablesField)) SetPref(p, kPrefSyllablesPerMinute, *v);
}

void FindBestSmoothness() {
    if (gScrollOn) StopScroll();
    gAutoScrollMode = true;
    gSaveLoop = GetPref(gThePreferences, kPrefLoopingText);
    SetPref(gThePreferences, kPrefLoopingText, 1);
    SetPref(gThePreferences, kPrefScrollSmoothness, 1);
    gAutoScrollCount = 25;
    gAutoFailCount = 0;
    StartScroll(kScrollOn);
    gPaused = false;
}

void ShowSmoothnessChoice(DialogPtr dialog) {
    ghost_gadgetX(dialog, kFindBestNoteItem, gSmoothnessMenuChoice == kFindBestSmoothness);
    HiliteScrollControls(CurrentMode(dialog));
    const Rect r = GetDialogItemRect(dialog, kSmoothnessItem);
    InvalWindowRect(GetDialogWindow(dialog), &r);
}

void StepField(DialogPtr dialog, const Arrow& arrow) {
    const SInt32 value = FieldValue(dialog, arrow.field).value_or(arrow.lowest);
    if (arrow.step > 0 ? value <= arrow.highest - 1 : value > arrow.lowest)
        SetFieldValue(dialog, arrow.field, value + arrow.step);
    else if (value < arrow.lowest || value > arrow.highest)
        SetFieldValue(dialog, arrow.field, value < arrow.lowest ? arrow.lowest : arrow.highest);
}

} // namespace

void ghost_gadgetX(DialogPtr dialog, SInt16 item, bool show) {
    if (!dialog) return;
    if (show)
        ShowDialogItem(dialog, item);
    else
        HideDialogItem(dialog, item);
}

void HiliteScrollControls(SInt16 mode) {
    DialogPtr dialog = gScrollDialog;
    if (!dialog) return;
    for (SInt16 item = kSpeedItem; item <= 36; ++item) {
        bool shown = false;
        if (mode >= 0 && mode < 5)
            for (SInt16 i : kModeItems[mode].items)
                shown = shown || i == item;
        ghost_gadgetX(dialog, item, shown);
    }
    ghost_gadgetX(dialog, kRecordTimesItem,
                  mode == kRecordedTimesMode && gSmoothnessMenuChoice != kFindBestSmoothness);
}

void DrawSmoothnessPopup(DialogPtr dialog, SInt16 item) {
    Rect r = GetDialogItemRect(dialog, item);
    EraseRect(&r);
    FrameRect(&r);
    Str255 text = {0};
    if (gSmoothnessMenuHdl)
        GetMenuItemText(gSmoothnessMenuHdl, MenuItemIndex(gSmoothnessMenuChoice + 1), text);
    MoveTo(SInt16(r.left + 6), SInt16(r.bottom - 5));
    DrawString(text);
    // The pop-up's triangle.
    for (SInt16 row = 0; row < 4; ++row) {
        MoveTo(SInt16(r.right - 16 + row), SInt16(r.top + 8 + row));
        LineTo(SInt16(r.right - 10 - row), SInt16(r.top + 8 + row));
    }
}

void DoScrollControl() {
    if (myTextResource) MeasureScriptText();
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kScrollControlDialog, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SetPortByReference(saved);
        SysBeep(10);
        return;
    }
    SetWRefCon(GetDialogWindow(dialog), kScrollControlDialog);
    GetDialogRefandSetPort(dialog);
    gScrollDialog = dialog;
    gSmoothnessMenuHdl = GetMenu(kSmoothnessMenu);
    const PrefsRecord& p = gThePreferences;
    gSmoothnessMenuChoice = SInt16(GetPref(p, kPrefScrollSmoothness) & 0xFFFF);
    if (gSmoothnessMenuChoice < 0 || gSmoothnessMenuChoice >= kSmoothnessChoices) gSmoothnessMenuChoice = 1;
    SetDialogItemUserProc(dialog, kSmoothnessItem, DrawSmoothnessPopup);
    ghost_gadgetX(dialog, kFindBestNoteItem, gSmoothnessMenuChoice == kFindBestSmoothness);
    SetFieldValue(dialog, kSpeedItem, gWantScrollAmount);
    SetFieldValue(dialog, kCharactersItem, GetPref(p, kPrefCharactersPerSecond));
    SetFieldValue(dialog, kMinutesItem, GetPref(p, kPrefFinishMinutes));
    SetFieldValue(dialog, kLinesItem, GetPref(p, kPrefLinesPerMinute));
    SetFieldValue(dialog, kSyllablesItem, GetPref(p, kPrefSyllablesPerMinute));
    SetFieldValue(dialog, kSecondsItem, GetPref(p, kPrefFinishSeconds));
    ghost_gadgetX(dialog, kHiddenItem, false);
    SInt16 mode = GetPref(p, kPrefPacingMode);
    if (mode < 0 || mode > kRecordedTimesMode) mode = 0;
    ChooseMode(dialog, mode);
    SetDialogDefaultItem(dialog, kUseAndSaveItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;

    SInt16 applied = 0;
    for (SInt16 item = 0; item != kCancelItem && applied == 0;) {
        ModalDialog(nullptr, &item);
        if (item >= kFirstModeItem && item <= kFirstModeItem + kRecordedTimesMode) {
            ChooseMode(dialog, SInt16(item - kFirstModeItem));
        } else if (item == kSmoothnessItem) {
            // Each click shows the next setting (shift: the one before).
            const bool back = (GetCurrentKeyModifiers() & shiftKey) != 0;
            gSmoothnessMenuChoice =
                SInt16((gSmoothnessMenuChoice + (back ? kSmoothnessChoices - 1 : 1)) % kSmoothnessChoices);
            ShowSmoothnessChoice(dialog);
        } else if (item >= kFirstArrowItem && item <= kLastArrowItem) {
            for (const Arrow& arrow : kArrows)
                if (arrow.item == item) StepField(dialog, arrow);
        } else if (item == kUseAndSaveItem || item == kUseItem || item == kRecordTimesItem) {
            mode = CurrentMode(dialog);
            if (!ChosenRateIsValid(dialog, mode)) continue;
            Apply(dialog, mode);
            if (item == kUseAndSaveItem) {
                DoPutPreferences(&gThePreferences, 0, nullptr);
                gPrefsChanged = false;
            } else {
                gPrefsChanged = true;
            }
            ScrollRecalText();
            SetScrollWindowScrolls();
            GetCurrentScrollPos();
            applied = item;
        }
    }

    --gInModal;
    if (gSmoothnessMenuHdl) DisposeMenu(gSmoothnessMenuHdl);
    gSmoothnessMenuHdl = nullptr;
    gScrollDialog = nullptr;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    if (applied != 0 && gSmoothnessMenuChoice == kFindBestSmoothness) FindBestSmoothness();
    // The syllable-sync window, where the recorded times are made, opens with the text tools' windows.
}
