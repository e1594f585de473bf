// The preferences dialog's standard controls: which pane shows which items, the check boxes and radio
// groups bound to settings, the typed fields with their ranges, and the arrows beside them.
#include "foundation/arrow_functions.h"
#include "foundation/dialog_items.h"
#include "foundation/error_dialog.h"
#include "foundation/number_text.h"
#include "foundation/program_strings.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"

#include <optional>
#include <string>

namespace {

struct ItemRange {
    SInt16 first, last;
};
// The items of each pane.
const std::initializer_list<ItemRange> kPaneItems[kPrefsPaneCount] = {
    {{11, 27}, {166, 166}, {183, 184}, {210, 217}},
    {{28, 59}, {167, 175}, {192, 209}, {218, 219}},
    {{60, 95}, {220, 234}},
    {{96, 113}, {176, 182}, {185, 190}, {235, 236}, {241, 242}},
    {{114, 165}, {191, 191}, {237, 240}},
};

struct CheckShort {
    SInt16 item;
    PrefShort field;
};
constexpr CheckShort kShortChecks[] = {
    {13, kPrefSavePositionsAtQuit},
    {kShowTimesItem, kPrefInfoShowsTimes},
    {kEditFollowsPrompterItem, kPrefEditFollowsPrompterLines},
    {26, kPrefPrompterFollowsEdit},
    {kOneWindowHidesOtherItem, kPrefPrompterHidesEdit},
    {30, kPrefStyledText},
    {60, kPrefFullScreen},
    {61, kPrefPositionsFromCue},
    {62, kPrefScrollInCapitals},
    {63, kPrefKeepScrollBar},
    {64, kPrefHideBackground},
    {71, kPrefCueMarkerShown},
    {87, kPrefMirror},
    {88, kPrefFlip},
    {96, kPrefDelayedStart},
    {97, kPrefChime},
    {100, kPrefAllowHandTool},
    {kAllowTurboItem, kPrefAllowTurbo},
    {102, kPrefMomentum},
    {103, kPrefSavePrefsAtQuit},
    {104, kPrefNoSkippedTicks},
    {105, kPrefMakeBackups},
    {106, kPrefPauseAtBookmarks},
    {107, kPrefDisableScreenSaver},
    {kOwnScreenSaverItem, kPrefOwnScreenSaver},
    {118, kPrefPictureFillsArea},
    {119, kPrefPictureKeepsProportions},
    {166, kPrefUseScrollMonitor},
    {235, kPrefPlainFontMenus},
    {236, kPrefAllowTextMerge},
    {239, kPrefPictureFlipH},
    {240, kPrefPictureFlipV},
};

struct CheckLong {
    SInt16 item;
    PrefLong field;
};
constexpr CheckLong kLongChecks[] = {
    {kWheelControlItem, kPrefWheelControl},
    {183, kPrefSetScreenSize},
    {185, kPrefSkipStartupMacro34},
    {186, kPrefSkipTimerMacro35},
    {187, kPrefSkipStartupMacro36},
    {188, kPrefSkipIdleMacro37},
    {189, kPrefTimedMacrosOff},
    {190, kPrefSkipStartupMacro39},
    {191, kPrefMovieLoops},
    // Text drawn and measured plainly, without the underline, strike-out, shadow and blur set beside it.
    {193, kPrefClassicText},
};

struct RadioGroup {
    PrefShort field;
    SInt16 count;
    SInt16 items[7];
    SInt16 values[7];
};
const RadioGroup kRadioGroups[] = {
    {kPrefStartScrolling, 2, {11, 12}, {0, 1}},
    {kPrefShowInformation, 4, {14, 210, 211, 217}, {0, 1, 2, 3}},
    {kPrefStartupAction, 5, {19, 20, 21, 212, 213}, {2, 3, 4, 5, 6}},
    {kPrefPicturePosition, 7, {124, 125, 126, 127, 128, 129, 130}, {0, 1, 2, 3, 4, 5, 6}},
};
// The edit choice sets two flags: a separate edit window, a separate text, or neither.
constexpr SInt16 kEditChoiceItems[3] = {22, 23, 24};
// Background picture turns: the button that is on turns it back.
constexpr SInt16 kTurnLeftItem = 237, kTurnRightItem = 238;

// Typed fields, each a whole number in its range.
enum FieldKind : UInt8 { kShortField, kLongField, kRectSide, kOpacity, kFade, kMomentum, kSize, kSpacing };
struct NumberField {
    SInt16 item;
    FieldKind kind;
    UInt16 offset; // of the setting, for short, long and rectangle fields
    SInt16 side;   // of the rectangle: 0 top, 1 left, 2 bottom, 3 right
    SInt32 lowest, highest;
    const char* name;
};
constexpr NumberField kNumberFields[] = {
    {kSizeEditItem, kSize, 0, 0, 1, 32767, "text size"},
    {kSpacingEditItem, kSpacing, 0, 0, 10, 1000, "line spacing"},
    {90, kShortField, kPrefScrollSpeed.offset, 0, 1, 32767, "speed"},
    {kOpacityTextItem, kOpacity, 0, 0, 0, 100, "opacity"},
    {221, kRectSide, kPrefTextMargins.offset, 0, 0, 8191, "top margin"},
    {224, kRectSide, kPrefTextMargins.offset, 1, 0, 8191, "left margin"},
    {227, kRectSide, kPrefTextMargins.offset, 2, 0, 8191, "bottom margin"},
    {230, kRectSide, kPrefTextMargins.offset, 3, 0, 8191, "right margin"},
    {kFadeTextItem, kFade, 0, 0, 0, 100, "fade amount"},
    {kMomentumTextItem, kMomentum, 0, 0, 0, 100, "momentum"},
    {kScreenSaverDelayItem, kLongField, kPrefScreenSaverDelay.offset, 0, 1, 86400, "screen saver delay"},
    {242, kLongField, kPrefSecondsToPause.offset, 0, 0, 3600, "seconds to pause"},
    {133, kRectSide, kPrefTextBoxRect.offset, 0, -32767, 32767, "text box top"},
    {134, kRectSide, kPrefTextBoxRect.offset, 1, -32767, 32767, "text box left"},
    {135, kRectSide, kPrefTextBoxRect.offset, 2, -32767, 32767, "text box bottom"},
    {136, kRectSide, kPrefTextBoxRect.offset, 3, -32767, 32767, "text box right"},
    {149, kRectSide, kPrefPictureRect.offset, 0, -32767, 32767, "picture top"},
    {150, kRectSide, kPrefPictureRect.offset, 1, -32767, 32767, "picture left"},
    {151, kRectSide, kPrefPictureRect.offset, 2, -32767, 32767, "picture bottom"},
    {152, kRectSide, kPrefPictureRect.offset, 3, -32767, 32767, "picture right"},
};

// Arrow buttons and the step codes they run (the codes' table knows each field's range).
struct ArrowItem {
    SInt16 item;
    UInt16 code;
};
constexpr ArrowItem kArrowItems[] = {
    {47, 13},
    {48, 14},
    {49, 15},
    {50, 16},
    {83, 33},
    {85, 34},
    {kMomentumLessItem, 43},
    {kMomentumMoreItem, 44},
    {222, 66},
    {223, 67},
    {225, 68},
    {226, 69},
    {228, 70},
    {229, 71},
    {231, 72},
    {232, 73},
    {141, 17},
    {142, 18},
    {143, 19},
    {144, 20},
    {145, 21},
    {146, 22},
    {147, 23},
    {148, 24},
    {153, 25},
    {154, 26},
    {155, 27},
    {156, 28},
    {157, 29},
    {158, 30},
    {159, 31},
    {160, 32},
};

SInt16 SideOf(const Rect& r, SInt16 side) {
    return side == 0 ? r.top : side == 1 ? r.left : side == 2 ? r.bottom : r.right;
}
void SetSide(Rect& r, SInt16 side, SInt16 v) {
    (side == 0 ? r.top : side == 1 ? r.left : side == 2 ? r.bottom : r.right) = v;
}

SInt32 FieldSetting(const NumberField& f) {
    const PrefsRecord& p = gPrefsWorking;
    const TextFormatBlock format = GetPref(p, PrefsDialogFormatField(gScrollEditRadio));
    switch (f.kind) {
    case kShortField:
        return GetPref(p, PrefShort{f.offset});
    case kLongField:
        return GetPref(p, PrefLong{f.offset});
    case kRectSide:
        return SideOf(GetPref(p, PrefRect{f.offset}), f.side);
    case kOpacity:
        return GetPref(p, kPrefScrollingOpacity);
    case kFade:
        return GetPref(p, gFadedSelectRadio ? kPrefTextFade : kPrefBackgroundFade);
    case kMomentum:
        return GetPref(p, kPrefMomentumAmount);
    case kSize:
        return format.size;
    case kSpacing:
        return format.lineSpacing;
    }
    return 0;
}

void SetFieldSetting(const NumberField& f, SInt32 v) {
    PrefsRecord& p = gPrefsWorking;
    const PrefFormat formatField = PrefsDialogFormatField(gScrollEditRadio);
    TextFormatBlock format = GetPref(p, formatField);
    switch (f.kind) {
    case kShortField:
        SetPref(p, PrefShort{f.offset}, SInt16(v));
        break;
    case kLongField:
        SetPref(p, PrefLong{f.offset}, v);
        break;
    case kRectSide: {
        Rect r = GetPref(p, PrefRect{f.offset});
        SetSide(r, f.side, SInt16(v));
        SetPref(p, PrefRect{f.offset}, r);
        break;
    }
    case kOpacity:
        SetPref(p, kPrefScrollingOpacity, SInt16(v));
        ssaveScrollWinOpacity = SInt16(v);
        break;
    case kFade:
        SetPref(p, gFadedSelectRadio ? kPrefTextFade : kPrefBackgroundFade, SInt16(v));
        (gFadedSelectRadio ? ssaveFadeTextAmount : ssaveFadeBackAmount) = SInt16(v);
        break;
    case kMomentum:
        SetPref(p, kPrefMomentumAmount, v);
        ssaveMomentumAmount = SInt16(v);
        break;
    case kSize:
        format.size = SInt16(v);
        SetPref(p, formatField, format);
        break;
    case kSpacing:
        format.lineSpacing = SInt16(v);
        SetPref(p, formatField, format);
        break;
    }
}

// A whole number, optionally signed, of at most nine digits; blanks around it are allowed.
std::optional<SInt32> WholeNumber(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    std::string s(PStringView(text));
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    const bool negative = s[0] == '-';
    const std::string digits = negative || s[0] == '+' ? s.substr(1) : s;
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const SInt32 value = std::stoi(digits);
    return negative ? -value : value;
}

std::optional<SInt32> ValidField(DialogPtr dialog, const NumberField& f) {
    const std::optional<SInt32> v = WholeNumber(dialog, f.item);
    if (!v || *v < f.lowest || *v > f.highest) return std::nullopt;
    return v;
}

SInt16 PaneOf(SInt16 item) {
    for (SInt16 pane = 0; pane < kPrefsPaneCount; ++pane)
        if (ItemInPane(item, pane)) return pane;
    return sWhichSet;
}

// Refuses a field: the message, then the field shown and selected for correcting.
bool RefuseField(DialogPtr dialog, SInt16 item, const std::string& message) {
    DoErrorMessageText(message);
    if (PaneOf(item) != sWhichSet) {
        sWhichSet = PaneOf(item);
        ShowHidePrefControls(dialog);
        for (SInt16 tab = kFirstTabItem; tab <= kLastTabItem; ++tab)
            RedrawPrefsItem(dialog, tab);
        const Rect frame = PrefsPaneFrame(dialog);
        InvalWindowRect(GetDialogWindow(dialog), &frame);
    }
    SelectDialogItemText(dialog, item, 0, 32767);
    return false;
}

bool RectFieldsAreOrdered(DialogPtr dialog, PrefRect field, SInt16 bottomItem, SInt16 rightItem,
                          const char* what) {
    const Rect r = GetPref(gPrefsWorking, field);
    if (r.bottom < r.top)
        return RefuseField(dialog, bottomItem,
                           std::string("The ") + what + "’s bottom must not be above its top.");
    if (r.right < r.left)
        return RefuseField(dialog, rightItem,
                           std::string("The ") + what + "’s right edge must not be left of its left edge.");
    return true;
}

void SetNumberField(DialogPtr dialog, const NumberField& f) {
    IntSetDlgEditValue(dialog, f.item, FieldSetting(f));
}

const NumberField* FindField(SInt16 item) {
    for (const NumberField& f : kNumberFields)
        if (f.item == item) return &f;
    return nullptr;
}

void SetRadioGroup(DialogPtr dialog, const RadioGroup& g) {
    SInt16 value = GetPref(gPrefsWorking, g.field);
    if (g.field.offset == kPrefStartupAction.offset && (value == 0 || value == 1)) value = SInt16(value + 4);
    for (SInt16 i = 0; i < g.count; ++i)
        SetDialogItemValue(dialog, g.items[i], g.values[i] == value ? 1 : 0);
}

SInt16 EditChoice() {
    if (GetPref(gPrefsWorking, kPrefSeparateEditWindow)) return 0;
    return GetPref(gPrefsWorking, kPrefEditGroupMiddleChoice) ? 1 : 2;
}

void ShowItem(DialogPtr dialog, SInt16 item, bool shown) {
    if (shown)
        ShowDialogItem(dialog, item);
    else
        HideDialogItem(dialog, item);
}

} // namespace

bool ItemInPane(SInt16 item, SInt16 pane) {
    if (item >= 1 && item <= kLastSharedItem) return true;
    if (pane < 0 || pane >= kPrefsPaneCount) return false;
    for (const ItemRange& r : kPaneItems[pane])
        if (item >= r.first && item <= r.last) return true;
    return false;
}

void ShowHidePrefControls(DialogPtr dialog) {
    const PrefsRecord& p = gPrefsWorking;
    for (SInt16 item = kLastSharedItem + 1; item <= kLastPrefsItem; ++item)
        if (!ItemInPane(item, sWhichSet)) HideDialogItem(dialog, item);
    for (SInt16 item = kLastSharedItem + 1; item <= kLastPrefsItem; ++item) {
        if (!ItemInPane(item, sWhichSet)) continue;
        bool shown = true;
        if (item == kShowTimesItem) shown = GetPref(p, kPrefShowInformation) == 1;
        if (item >= kEditFollowsPrompterItem && item <= kOneWindowHidesOtherItem) shown = EditChoice() == 0;
        if (item == 66) shown = GetPref(p, kPrefHideBackground) != 0;
        if (item == kCueIconItem) shown = GetPref(p, kPrefCueMarkerShown) != 0;
        if (item == kChimeItem) shown = GetPref(p, kPrefChime) != 0;
        if (item == kScreenSaverDelayItem || item == kScreenSaverSecondsItem || item == kScreenSaverItem)
            shown = GetPref(p, kPrefOwnScreenSaver) != 0;
        if (item == kMomentumSliderItem || item == kMomentumTextItem || item == kMomentumLessItem ||
            item == kMomentumMoreItem)
            shown = GetPref(p, kPrefMomentum) != 0;
        // The background's own items come with its kind.
        const SInt16 kind = GetPref(p, kPrefBackgroundKind);
        if (item == kKindCheckItem) shown = kind == 1 || kind == 3 || kind == 4;
        if (item == kChooseBackgroundItem) shown = kind == 1 || kind == 3 || kind == 5;
        if (item == 191) shown = kind == 3;
        if (item == kFallingOption1Item || item == kFallingOption2Item || item == 165) shown = kind == 2;
        ShowItem(dialog, item, shown);
    }
    Str255 label;
    if (GetOrvalisString(kProgramTexts, GetPref(p, kPrefHighlightKind) > kHighlightLine ? 226 : 225, label))
        SetDialogItemText(dialog, 69, label);
}

void SetFormatFields(DialogPtr dialog) {
    SetNumberField(dialog, *FindField(kSizeEditItem));
    SetNumberField(dialog, *FindField(kSpacingEditItem));
}

void SetPrefsControls(DialogPtr dialog) {
    const PrefsRecord& p = gPrefsWorking;
    for (const CheckShort& c : kShortChecks)
        SetDialogItemValue(dialog, c.item, GetPref(p, c.field) ? 1 : 0);
    for (const CheckLong& c : kLongChecks)
        SetDialogItemValue(dialog, c.item, GetPref(p, c.field) ? 1 : 0);
    for (const RadioGroup& g : kRadioGroups)
        SetRadioGroup(dialog, g);
    for (SInt16 i = 0; i < 3; ++i)
        SetDialogItemValue(dialog, kEditChoiceItems[i], EditChoice() == i ? 1 : 0);
    SetDialogItemValue(dialog, kTurnLeftItem, GetPref(p, kPrefPictureRotation) == 1 ? 1 : 0);
    SetDialogItemValue(dialog, kTurnRightItem, GetPref(p, kPrefPictureRotation) == 2 ? 1 : 0);
    SetDialogItemValue(dialog, kFadeBackRadio, gFadedSelectRadio == 0 ? 1 : 0);
    SetDialogItemValue(dialog, kFadeTextRadio, gFadedSelectRadio == 1 ? 1 : 0);
    ssaveScrollWinOpacity = GetPref(p, kPrefScrollingOpacity);
    ssaveFadeBackAmount = GetPref(p, kPrefBackgroundFade);
    ssaveFadeTextAmount = GetPref(p, kPrefTextFade);
    ssaveMomentumAmount = SInt16(GetPref(p, kPrefMomentumAmount));
    for (const NumberField& f : kNumberFields)
        SetNumberField(dialog, f);
    SetPrefsChoiceControls(dialog);
}

bool HandlePrefsControlItem(DialogPtr dialog, SInt16 item) {
    if (HandlePrefsChoiceItem(dialog, item)) return true;
    PrefsRecord& p = gPrefsWorking;
    for (const CheckShort& c : kShortChecks) {
        if (c.item != item) continue;
        SetPref(p, c.field, GetPref(p, c.field) ? 0 : 1);
        // The own screen saver's setting is also its choice: switched on again, it takes the choice the
        // settings hold rather than the first.
        if (item == kOwnScreenSaverItem && GetPref(p, c.field)) {
            const SInt16 held = GetPref(gThePreferences, kPrefOwnScreenSaver);
            if (held >= 1 && held <= 4) SetPref(p, c.field, held);
        }
        SetDialogItemValue(dialog, item, GetPref(p, c.field) ? 1 : 0);
        // Scroll-wheel control and turbo exclude each other.
        if (item == kAllowTurboItem && GetPref(p, c.field)) {
            SetPref(p, kPrefWheelControl, 0);
            SetDialogItemValue(dialog, kWheelControlItem, 0);
        }
        ShowHidePrefControls(dialog);
        RedrawPrefsItem(dialog, kTextSampleItem);
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    }
    for (const CheckLong& c : kLongChecks) {
        if (c.item != item) continue;
        SetPref(p, c.field, GetPref(p, c.field) ? 0 : 1);
        SetDialogItemValue(dialog, item, GetPref(p, c.field) ? 1 : 0);
        if (item == kWheelControlItem && GetPref(p, c.field)) {
            SetPref(p, kPrefAllowTurbo, 0);
            SetDialogItemValue(dialog, kAllowTurboItem, 0);
        }
        return true;
    }
    for (const RadioGroup& g : kRadioGroups)
        for (SInt16 i = 0; i < g.count; ++i)
            if (g.items[i] == item) {
                SetPref(p, g.field, g.values[i]);
                SetRadioGroup(dialog, g);
                ShowHidePrefControls(dialog);
                RedrawPrefsItem(dialog, kScreenSampleItem);
                return true;
            }
    for (SInt16 i = 0; i < 3; ++i)
        if (kEditChoiceItems[i] == item) {
            SetPref(p, kPrefSeparateEditWindow, i == 0 ? 1 : 0);
            SetPref(p, kPrefEditGroupMiddleChoice, i == 1 ? 1 : 0);
            for (SInt16 j = 0; j < 3; ++j)
                SetDialogItemValue(dialog, kEditChoiceItems[j], i == j ? 1 : 0);
            ShowHidePrefControls(dialog);
            return true;
        }
    if (item == kTurnLeftItem || item == kTurnRightItem) {
        const SInt16 turn = item == kTurnLeftItem ? 1 : 2;
        SetPref(p, kPrefPictureRotation, GetPref(p, kPrefPictureRotation) == turn ? 0 : turn);
        SetPrefsControls(dialog);
        RedrawPrefsItem(dialog, kScreenSampleItem);
        return true;
    }
    if (item == kFadeBackRadio || item == kFadeTextRadio) {
        // The field shown holds the other fade from now on: what was typed for this one counts first.
        if (auto v = ValidField(dialog, *FindField(kFadeTextItem)))
            SetFieldSetting(*FindField(kFadeTextItem), *v);
        gFadedSelectRadio = item == kFadeTextRadio ? 1 : 0;
        SetDialogItemValue(dialog, kFadeBackRadio, gFadedSelectRadio == 0 ? 1 : 0);
        SetDialogItemValue(dialog, kFadeTextRadio, gFadedSelectRadio == 1 ? 1 : 0);
        SetNumberField(dialog, *FindField(kFadeTextItem));
        RedrawPrefsItem(dialog, kFadeSliderItem);
        return true;
    }
    const UInt16 fadeDown = gFadedSelectRadio ? 41 : 39;
    UInt16 code = item == 170 ? fadeDown : item == 172 ? UInt16(fadeDown + 1) : 0;
    for (const ArrowItem& a : kArrowItems)
        if (a.item == item) code = a.code;
    if (code == 0) return false;
    PerformFunction(code);
    // The step leaves its result in the field; the working settings and the samples follow it.
    for (const NumberField& f : kNumberFields)
        if (auto v = ValidField(dialog, f);
            v && (f.kind == kSize || f.kind == kSpacing || f.kind == kOpacity || f.kind == kFade ||
                  f.kind == kMomentum || f.kind == kRectSide))
            SetFieldSetting(f, *v);
    RedrawPrefsItem(dialog, kTextSampleItem);
    RedrawPrefsItem(dialog, kScreenSampleItem);
    return true;
}

bool ReadFormatFieldsQuietly(DialogPtr dialog) {
    bool changed = false;
    for (SInt16 item : {kSizeEditItem, kSpacingEditItem}) {
        const NumberField& f = *FindField(item);
        if (auto v = ValidField(dialog, f); v && *v != FieldSetting(f)) {
            SetFieldSetting(f, *v);
            changed = true;
        }
    }
    return changed;
}

bool ReadPrefsFields(DialogPtr dialog) {
    for (const NumberField& f : kNumberFields) {
        const std::optional<SInt32> v = ValidField(dialog, f);
        if (!v)
            return RefuseField(dialog, f.item,
                               std::string("The ") + f.name + " must be a whole number from " +
                                   std::to_string(f.lowest) + " to " + std::to_string(f.highest) + ".");
        SetFieldSetting(f, *v);
    }
    return RectFieldsAreOrdered(dialog, kPrefTextBoxRect, 135, 136, "text box") &&
           RectFieldsAreOrdered(dialog, kPrefPictureRect, 151, 152, "picture rectangle");
}
