// The special attribute dialog and the name dialog. Codes of an attribute go where the style-code reader
// takes them: a face code before the others, since after a font-mode code its letter would read as blue,
// colour or size; a font-mode code after the codes already there.
#include "scroll/style_code_dialog.h"

#include "foundation/dialog_filters.h"
#include "foundation/dialog_items.h"
#include "foundation/popup_items.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "scroll/scroll_engine.h"
#include "scroll/text_format_dialogs.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/merge_style_codes.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cstring>
#include <string>

SInt16 gSpecialItemsChoice = 1;
SInt16 gSpecialValuesChoice = 1;

namespace {

constexpr SInt16 kSpecialDialog = 200, kKindsMenu = 386, kValuesMenu = 387;
constexpr SInt16 kSpecialCodes = 146, kSpecialValues = 147;
enum : SInt16 { kOkItem = 1, kCancelItem = 2, kKindItem = 4, kValueLabelItem = 5, kValueItem = 6 };
enum : SInt16 { kValuePopupItem = 7 };
constexpr SInt16 kNameItem = 5, kStyleCodeItem = 6;
enum : SInt16 { kFontKind = 1, kSizeKind = 2, kFirstFaceKind = 3, kLastFaceKind = 9, kColorKind = 10 };
enum : SInt16 { kRedKind = 11, kBlueKind = 13, kFirstSpecialKind = 14, kLastKind = 24 };
enum : SInt16 { kLargerChoice = 1, kSmallerChoice = 2, kOtherColorChoice = 8, kColorListChoice = 9 };
constexpr const char* kFaceLetters = "biusdce";

// The value chosen last for each kind while the program runs (faces start on "On").
constexpr SInt16 kFirstAnswers[kLastKind + 1] = {1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1,
                                                 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
SInt16 defaultAnswers[kLastKind + 1];
bool gAnswersSet = false;

MenuRef gKindsMenu = nullptr;
MenuRef gValuesMenu = nullptr;

void AppendFromList(MenuRef menu, SInt16 first, SInt16 last) {
    Str255 text;
    for (SInt16 index = first; index <= last; ++index)
        if (GetOrvalisString(kSpecialValues, index, text)) AppendMenuItemText(menu, text);
}

std::string PText(ConstStringPtr p) {
    return std::string(PStringView(p));
}

void PutP(StringPtr out, const std::string& s) {
    out[0] = UInt8(std::min<size_t>(s.size(), 255));
    std::memcpy(out + 1, s.data(), out[0]);
}

std::string ItemText(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDText(dialog, item, text);
    return PText(text);
}

void ShowItemText(DialogPtr dialog, SInt16 item, const std::string& s, bool select) {
    Str255 text;
    PutP(text, s);
    SetDText(dialog, item, text, select);
}

void ShowValueItems(DialogPtr dialog, bool shown) {
    for (SInt16 item = kValueLabelItem; item <= kValuePopupItem; ++item)
        shown ? ShowDialogItem(dialog, item) : HideDialogItem(dialog, item);
}

// The remembered choice of the kind, or the first item when the menu is shorter; 0 for an empty menu.
SInt16 RememberedChoice(SInt16 kind, SInt16 count) {
    const SInt16 remembered = kind >= 1 && kind <= kLastKind ? defaultAnswers[kind] : 1;
    if (count <= 0) return 0;
    return remembered >= 1 && remembered <= count ? remembered : 1;
}

// Item 6 and the value items for the kind and value choice now current.
void ShowCurrentValue(DialogPtr dialog) {
    if (gSpecialValuesChoice == 0 || gSpecialItemsChoice >= kFirstSpecialKind) {
        ShowItemText(dialog, kValueItem, "", false);
        ShowValueItems(dialog, gSpecialItemsChoice < kFirstSpecialKind && gSpecialValuesChoice != 0);
        return;
    }
    Str255 text;
    GetSpecialItemText(gSpecialItemsChoice, gSpecialValuesChoice, text);
    ShowItemText(dialog, kValueItem, PText(text), true);
    ShowValueItems(dialog, true);
}

void RedrawItem(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    InvalWindowRect(GetDialogWindow(dialog), &r);
}

// The pop-up shown over the item; the item chosen, 0 when it was dismissed.
SInt16 TrackSpecialPopup(DialogPtr dialog, SInt16 item, MenuRef menu, SInt16 current) {
    if (!menu) return 0;
    const Rect r = GetDialogItemRect(dialog, item);
    Point corner{r.top, r.left};
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    LocalToGlobal(&corner);
    SetPortByReference(saved);
    if (current > 0) CheckMenuItem(menu, MenuItemIndex(current), true);
    gDontInterruptPopup = true;
    const SInt32 result =
        PopUpMenuSelect(menu, corner.v, SInt16(corner.h + 1), MenuItemIndex(std::max<SInt16>(current, 0)));
    gDontInterruptPopup = false;
    if (current > 0) CheckMenuItem(menu, MenuItemIndex(current), false);
    return SInt16(result & 0xFFFF);
}

void ChooseKind(DialogPtr dialog, SInt16 kind) {
    gSpecialItemsChoice = kind;
    const SInt16 count = FillSpecialValuesMenu(gValuesMenu, kind);
    gSpecialValuesChoice = RememberedChoice(kind, count);
    RedrawItem(dialog, kKindItem);
    RedrawItem(dialog, kValuePopupItem);
    ShowCurrentValue(dialog);
}

// Two hexadecimal digits of a colour component: its high byte, which the reader widens back.
std::string HexByte(UInt16 component) {
    static const char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(component >> 12) & 0xF], kDigits[(component >> 8) & 0xF]};
}

void StepColorList(DialogPtr dialog) {
    const SInt32 list = GetPref(gThePreferences, kPrefColorListLength);
    SetPref(gThePreferences, kPrefColorListLength, list >= 2 ? 0 : list + 1);
    gPrefsChanged = true;
    CheckColorsInMenu(gValuesMenu);
    CheckColorsInMenu(MenuResToMenuRef(kColorMenuID));
    CheckColorsInFindStyle();
    RedrawItem(dialog, kValuePopupItem);
}

void ChooseValue(DialogPtr dialog, SInt16 choice) {
    const SInt16 kind = gSpecialItemsChoice;
    if (kind == kColorKind && choice == kOtherColorChoice) {
        RGBColor color = gGlobalColors;
        if (GetColorDialog(1, &color)) {
            gGlobalColors = color;
            ShowItemText(dialog, kValueItem,
                         "$" + HexByte(color.red) + HexByte(color.green) + HexByte(color.blue), true);
        }
        return;
    }
    if (kind == kColorKind && choice == kColorListChoice) {
        StepColorList(dialog);
        return;
    }
    if (kind == kColorKind && choice == kOtherColorChoice - 1) return; // the separator
    if (kind == kSizeKind && (choice == kLargerChoice || choice == kSmallerChoice)) {
        SInt32 size = 0;
        IntGetDlgEditValue(dialog, kValueItem, &size);
        if (choice == kLargerChoice && size < 32766) ++size;
        if (choice == kSmallerChoice && size > 1) --size;
        ShowItemText(dialog, kValueItem, std::to_string(size), true);
        return;
    }
    gSpecialValuesChoice = choice;
    if (kind >= 1 && kind <= kLastKind) defaultAnswers[kind] = choice;
    RedrawItem(dialog, kValuePopupItem);
    ShowCurrentValue(dialog);
}

// The code of a kind with its value: a blank ends it, or a closing quotation mark when the value is quoted.
std::string BuildCode(SInt16 kind, const std::string& value) {
    if (kind >= kFirstSpecialKind) {
        Str255 code;
        return GetOrvalisString(kSpecialCodes, SInt16(kind - kFirstSpecialKind + 1), code) ? PText(code) : "";
    }
    if (kind == kFontKind) return "\\fn\"" + value + "\"";
    if (kind == kSizeKind) return "\\fs" + value + " ";
    if (kind <= kLastFaceKind) return std::string("\\") + kFaceLetters[kind - kFirstFaceKind] + value + " ";
    if (kind == kColorKind) {
        const bool number = !value.empty() && value[0] >= '0' && value[0] <= '9';
        return number ? "\\fc" + value + " " : "\\fc\"" + value + "\"";
    }
    return std::string("\\f") + "rgb"[kind - kRedKind] + value + " ";
}

// The name with the code put in: in place of a code of the same attribute, else where the reader takes
// it, and special texts at the caret.
std::string NameWithCode(const std::string& name, SInt16 kind, const std::string& code, SInt16 selStart,
                         SInt16 selEnd, size_t* caret) {
    Str255 text;
    PutP(text, name);
    std::string result = name;
    size_t at = 0;
    if (kind >= kFirstSpecialKind) {
        at = size_t(std::clamp<SInt16>(selStart, 0, SInt16(name.size())));
        const size_t end = size_t(std::clamp<SInt16>(selEnd, SInt16(at), SInt16(name.size())));
        result.erase(at, end - at);
    } else {
        SInt16 start = 0, end = 0;
        GetTextMergeAttributes(text, nullptr, nullptr, UInt16(SpecialToAttributeFlag(kind)), &start, &end);
        if (start > 0) {
            at = size_t(start - 1);
            result.erase(at, size_t(end - start + 1));
        } else if (kind < kFirstFaceKind || kind > kLastFaceKind) {
            GetTextMergeAttributes(text, nullptr, nullptr, 0xFFFF, &start, &end);
            at = size_t(std::max<SInt16>(end, 0));
        }
    }
    result.insert(at, code);
    if (result.size() > 255) result.resize(255);
    *caret = std::min<size_t>(at + code.size(), result.size());
    return result;
}

} // namespace

void ForgetSpecialAnswers() {
    std::copy(std::begin(kFirstAnswers), std::end(kFirstAnswers), std::begin(defaultAnswers));
    gAnswersSet = true;
    gSpecialItemsChoice = 1;
    gSpecialValuesChoice = 1;
}

SInt16 SpecialToAttributeFlag(SInt16 kind) {
    if (kind < 0 || kind > kLastKind) return kind;
    if (kind == 0 || kind >= kFirstSpecialKind) return 0;
    if (kind == kFontKind) return kMergeFont;
    if (kind == kSizeKind) return kMergeSize;
    if (kind <= kLastFaceKind) return SInt16(kMergeBold << (kind - kFirstFaceKind));
    if (kind == kColorKind) return SInt16(kMergeColor);
    return SInt16(kMergeRed << (kind - kRedKind));
}

SInt16 FillSpecialValuesMenu(MenuRef menu, SInt16 kind) {
    if (!menu) return 0;
    DeleteMenuItems(menu, 1, CountMenuItems(menu));
    if (kind == kFontKind) {
        for (SInt16 family : ListFontFamilies()) {
            Str255 name;
            GetFontName(family, name);
            if (name[0] > 0) AppendMenuItemText(menu, name);
        }
    } else if (kind == kSizeKind) {
        AppendFromList(menu, 1, 11);
    } else if (kind >= kFirstFaceKind && kind <= kLastFaceKind) {
        AppendFromList(menu, 12, 13);
    } else if (kind == kColorKind) {
        AppendFromList(menu, 31, 39);
        CheckColorsInMenu(menu);
    } else if (kind >= kRedKind && kind <= kBlueKind) {
        AppendFromList(menu, 14, 30);
    }
    return SInt16(CountMenuItems(menu));
}

void GetSpecialItemText(SInt16 kind, SInt16 choice, StringPtr text) {
    text[0] = 0;
    if (kind >= kFirstFaceKind && kind <= kLastFaceKind) {
        PutP(text, std::to_string(choice - 1));
        return;
    }
    if (kind < 1 || kind >= kFirstSpecialKind || choice < 1) return;
    MenuRef menu = gValuesMenu;
    MenuRef made = nullptr;
    if (!menu && CreateNewMenu(kValuesMenu, 0, &made) == noErr) {
        FillSpecialValuesMenu(made, kind);
        menu = made;
    }
    if (menu && choice <= SInt16(CountMenuItems(menu))) GetMenuItemText(menu, MenuItemIndex(choice), text);
    if (made) DisposeMenu(made);
}

void DrawSpecialItemsPopup(DialogPtr dialog, SInt16 item) {
    DrawPopup(dialog, item, kKindsMenu, gSpecialItemsChoice, gKindsMenu);
}

void DrawSpecialValuesPopup(DialogPtr dialog, SInt16 item) {
    DrawPopup(dialog, item, kValuesMenu, gSpecialValuesChoice, gValuesMenu);
}

SInt16 GetSpecialAttribute(StringPtr code) {
    if (code) code[0] = 0;
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(kSpecialDialog, nullptr, kFirstWindowOfClass);
    gKindsMenu = GetMenu(kKindsMenu);
    gValuesMenu = GetMenu(kValuesMenu);
    if (!gValuesMenu) CreateNewMenu(kValuesMenu, 0, &gValuesMenu);
    const auto dispose = [&] {
        if (gKindsMenu) DisposeMenu(gKindsMenu);
        if (gValuesMenu) DisposeMenu(gValuesMenu);
        gKindsMenu = gValuesMenu = nullptr;
        if (dialog) DisposeDialog(dialog);
        SetPortByReference(saved);
    };
    if (!dialog || !gKindsMenu || !gValuesMenu) {
        dispose();
        SysBeep(10);
        return 0;
    }
    SetWRefCon(GetDialogWindow(dialog), kSpecialDialog);
    GetDialogRefandSetPort(dialog);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    SetDialogItemUserProc(dialog, kKindItem, DrawSpecialItemsPopup);
    SetDialogItemUserProc(dialog, kValuePopupItem, DrawSpecialValuesPopup);
    if (!gAnswersSet) ForgetSpecialAnswers();
    if (gSpecialItemsChoice < 1 || gSpecialItemsChoice > kLastKind) gSpecialItemsChoice = 1;
    ChooseKind(dialog, gSpecialItemsChoice);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;

    SInt16 result = 0;
    for (;;) {
        SInt16 item = 0;
        ModalDialog(GenericFilter, &item);
        if (item == kCancelItem) break;
        if (item == kKindItem) {
            const SInt16 kind = TrackSpecialPopup(dialog, kKindItem, gKindsMenu, gSpecialItemsChoice);
            if (kind > 0) ChooseKind(dialog, kind);
        } else if (item == kValuePopupItem) {
            const SInt16 choice =
                TrackSpecialPopup(dialog, kValuePopupItem, gValuesMenu, gSpecialValuesChoice);
            if (choice > 0) ChooseValue(dialog, choice);
        } else if (item == kOkItem) {
            const std::string value = ItemText(dialog, kValueItem);
            if (gSpecialItemsChoice < kFirstSpecialKind && value.empty()) {
                SysBeep(10);
                continue;
            }
            // The code goes to the caller, which puts it in the name: the operator's clipboard stays.
            ShowItemText(dialog, kValueItem, BuildCode(gSpecialItemsChoice, value), true);
            if (code) GetDText(dialog, kValueItem, code);
            result = gSpecialItemsChoice;
            break;
        }
    }
    --gInModal;
    dispose();
    return result;
}

bool GetFontSetName(StringPtr name, SInt16 dialogID) {
    const WindowReference saved = GetPortReference();
    InitCursor();
    DialogPtr dialog = GetNewDialog(dialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SetPortByReference(saved);
        return false;
    }
    SetWRefCon(GetDialogWindow(dialog), dialogID);
    GetDialogRefandSetPort(dialog);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    if (name && name[0] > 0) SetDText(dialog, kNameItem, name, true);
    SelectDialogItemText(dialog, kNameItem, 0, 255);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    const bool offersCodes = CountDITL(dialog) >= kStyleCodeItem;
    SInt16 item = 0;
    while (item != kOkItem && item != kCancelItem) {
        MovableDialog(nullptr, &item);
        if (item != kStyleCodeItem || !offersCodes) continue;
        SInt16 selStart = 0, selEnd = 0;
        GetDialogItemSelection(dialog, kNameItem, &selStart, &selEnd);
        HideWindow(GetDialogWindow(dialog));
        Str255 code;
        const SInt16 kind = GetSpecialAttribute(code);
        GetDialogRefandSetPort(dialog);
        if (kind > 0) {
            size_t caret = 0;
            const std::string named =
                NameWithCode(ItemText(dialog, kNameItem), kind, PText(code), selStart, selEnd, &caret);
            ShowItemText(dialog, kNameItem, named, false);
            SelectDialogItemText(dialog, kNameItem, SInt16(caret), SInt16(caret));
        }
        ShowWindow(GetDialogWindow(dialog));
        SelectWindow(GetDialogWindow(dialog));
    }
    if (item == kOkItem && name) GetDText(dialog, kNameItem, name);
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    return item == kOkItem;
}
