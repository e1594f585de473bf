// The preferences dialog's pop-up menus: loading them, which item shows each setting, and what a chosen
// item sets. The format pop-ups act on the window chosen in the window pop-up.
#include "foundation/program_colors.h"
#include "foundation/program_strings.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "scroll/scroll_engine.h"
#include "scroll/text_format_dialogs.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"
#include "shell/shell.h"

#include <cctype>
#include <cstdlib>
#include <string>

const PrefsPopup kPrefsPopups[] = {
    {29, 368},  {32, 367}, {34, 370}, {39, 352},  {40, 353},  {41, 354},  {42, 355},  {43, 356},  {44, 357},
    {66, 371},  {68, 361}, {70, 369}, {79, 362},  {192, 351}, {194, 378}, {196, 379}, {198, 380}, {219, 382},
    {234, 384}, {73, 360}, {98, 358}, {112, 364}, {115, 365}, {117, 366}, {161, 372}, {164, 373}, {184, 377},
};
const size_t kPrefsPopupCount = sizeof kPrefsPopups / sizeof kPrefsPopups[0];

namespace {

constexpr SInt16 kReadingWidthMenu = 392;
constexpr SInt16 kSizes[10] = {9, 10, 12, 18, 24, 36, 48, 50, 62, 74};
constexpr SInt16 kSpacings[4] = {100, 130, 150, 200};
constexpr SInt16 kJustifications[4] = {kJustifyLeft, kJustifyCentre, kJustifyRight, kJustifyFull};
// A menu item's style byte keeps the outline face in bit 8 (the text faces use that bit for strike-out).
constexpr SInt16 kOutlineItemStyle = 8;

MenuRef gPopupMenus[sizeof kPrefsPopups / sizeof kPrefsPopups[0]] = {};
MenuRef gReadingWidthMenu = nullptr;

// A colour menu's items are the program colours by number, except 7 (a line), 8 (the colour picker) and 9
// (the list length). A colour the menu does not list shows as the picker's item.
constexpr SInt16 kOtherColorItem = 8, kColorListItem = 9;
SInt16 ItemOfColorNumber(MenuRef menu, SInt16 number) {
    if (!menu) return 0;
    if (number < 1 || number == kNotAColor || number == kOtherColorItem || number == kColorListItem ||
        number > SInt16(CountMenuItems(menu)))
        return kOtherColorItem;
    return number;
}

bool IsColorMenu(SInt16 menuID) {
    switch (menuID) {
    case 356:
    case 357:
    case 369:
    case 370:
    case 371:
    case 378:
    case 379:
    case 380:
    case 384:
        return true;
    default:
        return false;
    }
}

void FillFontMenu(MenuRef menu) {
    for (SInt16 family : ListFontFamilies()) {
        Str255 name;
        GetFontName(family, name);
        if (name[0] > 0) AppendMenuItemText(menu, name);
    }
}

SInt16 ItemOfColor(MenuRef menu, const RGBColor& rgb) {
    return ItemOfColorNumber(menu, FindColorInClut(&rgb, 0));
}

// The colour a colour menu's item gives: a listed colour, or one from the colour picker starting at the
// current colour. The list-length item lengthens or shortens every colour menu and gives none.
bool ColorOfChoice(SInt16 choice, RGBColor* rgb) {
    if (choice == kOtherColorItem) return GetColorDialog(0, rgb);
    if (choice == kColorListItem) {
        const SInt32 list = GetPref(gThePreferences, kPrefColorListLength);
        const SInt32 next = list >= kFullColorList ? kShortColorList : list + 1;
        // A setting of the colour menus, not of the dialog: it holds whatever the dialog's answer.
        SetPref(gThePreferences, kPrefColorListLength, next);
        SetPref(gPrefsWorking, kPrefColorListLength, next);
        for (size_t i = 0; i < sizeof kPrefsPopups / sizeof kPrefsPopups[0]; ++i)
            if (IsColorMenu(kPrefsPopups[i].menuID)) CheckColorsInMenu(gPopupMenus[i]);
        return false;
    }
    if (choice < 1 || choice == kNotAColor) return false;
    return GetOVColor(choice, rgb, 0);
}

// The size menu shows in outline each of its sizes that the edited window's font has as a real size.
void OutlineRealSizes() {
    MenuRef menu = PrefsPopupMenu(39);
    if (!menu) return;
    const SInt16 font = GetPref(gPrefsWorking, PrefsDialogFormatField(gScrollEditRadio)).font;
    for (UInt16 i = 1; i <= 10 && i <= CountMenuItems(menu); ++i) {
        const SInt16 others = SInt16(GetItemStyle(menu, i) & ~kOutlineItemStyle);
        SetItemStyle(menu, i, SInt16(others | (RealFont(font, kSizes[i - 1]) ? kOutlineItemStyle : 0)));
    }
}

// A speed-reading width item: the words before "/" (5 when none), the characters after it (30 when none).
void ReadingWidthOfItem(SInt16 item, SInt16* words, SInt16* characters) {
    Str255 text;
    GetMenuItemText(gReadingWidthMenu, MenuItemIndex(item), text);
    const std::string s(PStringView(text));
    const size_t slash = s.find('/');
    *words = s.empty() || !std::isdigit(UInt8(s[0])) ? 5 : SInt16(std::atoi(s.c_str()));
    *characters = slash == std::string::npos ? 30 : SInt16(std::atoi(s.c_str() + slash + 1));
}

bool ShowsReadingWidth() {
    return GetPref(gPrefsWorking, kPrefHighlightKind) > kHighlightLine && gReadingWidthMenu;
}

// The RGB colour setting a colour pop-up edits (the format ones act on the chosen window).
struct ColorSetting {
    SInt16 item;
    PrefColor field;
};
constexpr ColorSetting kColorSettings[] = {
    {34, kPrefTextRectBackColor}, {66, kPrefHideBackgroundColor}, {70, kPrefHighlightColor},
    {194, kPrefStrikeColor},      {196, kPrefUnderlineColor},     {198, kPrefDropShadowColor},
};
struct ShortSetting {
    SInt16 item;
    PrefShort field;
    SInt16 highest;
};
constexpr ShortSetting kShortSettings[] = {
    {29, kPrefTextColorStyle, 7},
    {32, kPrefTextRectBackStyle, 6},
    {68, kPrefHighlightKind, 4},
    {79, kPrefCuePositionKind, 7},
};

} // namespace

MenuRef PrefsPopupMenu(SInt16 item) {
    if (item == 70 && ShowsReadingWidth()) return gReadingWidthMenu;
    for (size_t i = 0; i < kPrefsPopupCount; ++i)
        if (kPrefsPopups[i].item == item) return gPopupMenus[i];
    return nullptr;
}

void LoadPrefsPopupMenus() {
    for (size_t i = 0; i < kPrefsPopupCount; ++i) {
        MenuRef menu = GetMenu(kPrefsPopups[i].menuID);
        if (!menu) continue;
        if (IsColorMenu(kPrefsPopups[i].menuID)) {
            CheckColorsInMenu(menu);
            AddColorMenu(menu);
        }
        if (kPrefsPopups[i].menuID == 351 && CountMenuItems(menu) == 0) FillFontMenu(menu);
        FillPrefsChoiceMenu(kPrefsPopups[i].menuID, menu);
        gPopupMenus[i] = menu;
    }
    gReadingWidthMenu = GetMenu(kReadingWidthMenu);
    OutlineRealSizes();
}

void DisposePrefsPopupMenus() {
    for (MenuRef& menu : gPopupMenus) {
        RemoveColorMenu(menu);
        if (menu) DisposeMenu(menu);
        menu = nullptr;
    }
    if (gReadingWidthMenu) DisposeMenu(gReadingWidthMenu);
    gReadingWidthMenu = nullptr;
}

SInt16 PrefsPopupChoice(SInt16 item) {
    const PrefsRecord& p = gPrefsWorking;
    const TextFormatBlock format = GetPref(p, PrefsDialogFormatField(gScrollEditRadio));
    auto indexOf = [](const SInt16* values, SInt16 count, SInt16 value) {
        for (SInt16 i = 0; i < count; ++i)
            if (values[i] == value) return SInt16(i + 1);
        return SInt16(0);
    };
    switch (item) {
    case 219:
        return SInt16(gScrollEditRadio + 1);
    case 192: {
        // Fonts are matched by family: a stored family may be shown under its installed name.
        MenuRef menu = PrefsPopupMenu(item);
        if (!menu) return 0;
        for (UInt16 i = 1; i <= CountMenuItems(menu); ++i)
            if (GetFontFamilyFromMenuSelection(menu, i) == format.font) return SInt16(i);
        // A classic family standing in for an installed one is listed under its own name too.
        Str255 name;
        GetFontName(format.font, name);
        if (name[0] == 0) return 0;
        AppendMenuItemText(menu, name);
        return SInt16(CountMenuItems(menu));
    }
    case 39:
        return indexOf(kSizes, 10, format.size);
    case 40:
        for (SInt16 bit = 0; bit < 7; ++bit)
            if (format.face & (1 << bit)) return SInt16(bit + 2);
        return 1;
    case 41:
        return indexOf(kSpacings, 4, format.lineSpacing);
    case 42:
        return indexOf(kJustifications, 4, format.justification);
    case 43:
        return ItemOfColor(PrefsPopupMenu(item), format.textColor);
    case 44:
        return ItemOfColor(PrefsPopupMenu(item), format.backColor);
    case 234:
        return ItemOfColorNumber(PrefsPopupMenu(item), GetPref(p, kPrefTabBarColor));
    default:
        break;
    }
    if (const std::optional<SInt16> shown = PrefsChoiceShown(item)) return *shown;
    if (item == 70 && ShowsReadingWidth()) {
        for (UInt16 i = 1; i <= CountMenuItems(gReadingWidthMenu); ++i) {
            SInt16 words = 0, characters = 0;
            ReadingWidthOfItem(SInt16(i), &words, &characters);
            if (words == GetPref(p, kPrefSpeedReadingWords) &&
                characters == GetPref(p, kPrefSpeedReadingFade))
                return SInt16(i);
        }
        return 0;
    }
    for (const ColorSetting& c : kColorSettings)
        if (c.item == item) return ItemOfColor(PrefsPopupMenu(item), GetPref(p, c.field));
    for (const ShortSetting& s : kShortSettings)
        if (s.item == item) {
            const SInt16 v = GetPref(p, s.field);
            return v >= 0 && v <= s.highest ? SInt16(v + 1) : 0;
        }
    return 0;
}

SInt16 MarkPrefsPopupMenu(SInt16 item) {
    MenuRef menu = PrefsPopupMenu(item);
    const SInt16 shown = PrefsPopupChoice(item);
    if (!menu) return shown;
    if (item == 39 || item == 192) OutlineRealSizes();
    for (UInt16 i = 1; i <= CountMenuItems(menu); ++i)
        CheckMenuItem(menu, i, false);
    if (item == 40) {
        // Every face bit that is on is checked; plain only when none is.
        const UInt8 face = GetPref(gPrefsWorking, PrefsDialogFormatField(gScrollEditRadio)).face;
        CheckMenuItem(menu, 1, face == 0);
        for (SInt16 bit = 0; bit < 7; ++bit)
            CheckMenuItem(menu, MenuItemIndex(bit + 2), (face & (1 << bit)) != 0);
    } else if (shown > 0) {
        CheckMenuItem(menu, MenuItemIndex(shown), true);
    }
    return shown;
}

void ChoosePrefsPopupItem(DialogPtr dialog, SInt16 item, SInt16 choice) {
    PrefsRecord& p = gPrefsWorking;
    const PrefFormat formatField = PrefsDialogFormatField(gScrollEditRadio);
    TextFormatBlock format = GetPref(p, formatField);
    MenuRef menu = PrefsPopupMenu(item);
    switch (item) {
    case 219:
        if (choice >= 1 && choice <= 7) gScrollEditRadio = SInt16(choice - 1);
        SetFormatFields(dialog);
        for (SInt16 each : {39, 40, 41, 42, 43, 44, 192})
            RedrawPrefsItem(dialog, each);
        break;
    case 192:
        if (menu) format.font = GetFontFamilyFromMenuSelection(menu, MenuItemIndex(choice));
        break;
    case 39:
        if (choice >= 1 && choice <= 10) format.size = kSizes[choice - 1];
        if (choice == kLargerItem && format.size < 32767) ++format.size;
        if (choice == kSmallerItem && format.size > 1) --format.size;
        if (choice == kOtherSizeItem) {
            // The size dialog starts from the size being edited; its 0 (cancelled) keeps it.
            const SInt16 asked = DoSizeDialogStartingAt(format.size);
            if (asked > 0) format.size = asked;
        }
        break;
    case 40:
        format.face = choice == 1 ? 0 : UInt8(format.face ^ (1 << (choice - 2)));
        break;
    case 41:
        if (choice >= 1 && choice <= 4) format.lineSpacing = kSpacings[choice - 1];
        break;
    case 42:
        if (choice >= 1 && choice <= 4) format.justification = kJustifications[choice - 1];
        break;
    case 43:
        ColorOfChoice(choice, &format.textColor);
        break;
    case 44:
        ColorOfChoice(choice, &format.backColor);
        break;
    case 234: {
        // The tab bar keeps a colour number: a picked colour counts only when the table has it.
        RGBColor rgb{};
        GetOVColor(GetPref(p, kPrefTabBarColor), &rgb, 0);
        if (ColorOfChoice(choice, &rgb))
            if (const SInt16 number = FindColorInClut(&rgb, 0)) SetPref(p, kPrefTabBarColor, number);
        break;
    }
    default:
        if (ChoosePrefsChoice(dialog, item, choice)) {
            RedrawPrefsItem(dialog, item);
            return;
        }
        break;
    }
    if ((item >= 39 && item <= 44) || item == 192) {
        SetPref(p, formatField, format);
        SetFormatFields(dialog);
    }
    if (item == 192 || item == 219) OutlineRealSizes();
    if (item == 70 && ShowsReadingWidth()) {
        SInt16 words = 0, characters = 0;
        ReadingWidthOfItem(choice, &words, &characters);
        SetPref(p, kPrefSpeedReadingWords, words);
        SetPref(p, kPrefSpeedReadingFade, characters);
    } else {
        for (const ColorSetting& c : kColorSettings)
            if (c.item == item) {
                RGBColor rgb = GetPref(p, c.field);
                if (ColorOfChoice(choice, &rgb)) SetPref(p, c.field, rgb);
            }
    }
    for (const ShortSetting& s : kShortSettings)
        if (s.item == item && choice >= 1 && choice <= s.highest + 1) SetPref(p, s.field, SInt16(choice - 1));
    if (item == 68) {
        ShowHidePrefControls(dialog);
        RedrawPrefsItem(dialog, 70);
    }
    RedrawPrefsItem(dialog, item);
    RedrawPrefsItem(dialog, kTextSampleItem);
}
