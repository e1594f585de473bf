// The spell checker's dictionaries menu: one item per language the spell checker offers, the chosen one
// checked.
#include "shell/script_documents.h"

#include "foundation/program_strings.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "resource_names.h"
#include "shell/menus.h"
#include "texttools/spell_dictionaries.h"

namespace {

constexpr int kDictionariesMenuSlot = 27;
constexpr SInt16 kLanguageItemText = 32;

} // namespace

void AddDictionariesToSpellCheckMenu() {
    MenuRef menu = myMenus[kDictionariesMenuSlot];
    if (!menu) return;
    DeleteMenuItems(menu, 1, CountMenuItems(menu));
    Str255 name;
    for (SInt16 n = 0; GetDictionaryName(n, name); ++n) {
        // The item is made with a plain title and then renamed, so that characters of the language's name
        // are never read as menu item marks.
        Str255 placeholder;
        GetOrvalisString(kProgramTexts, kLanguageItemText, placeholder);
        if (placeholder[0] == 0) SetPString(placeholder, "x");
        AppendMenuItemText(menu, placeholder);
        SetMenuItemText(menu, CountMenuItems(menu), name);
    }
    const SInt16 count = SInt16(CountMenuItems(menu));
    if (gSpellCheckDictionaryValue > count) gSpellCheckDictionaryValue = 1;
    if (count == 0) return;
    CheckMenuItem(menu, 1, false);
    CheckMenuItem(menu, MenuItemIndex(gSpellCheckDictionaryValue), true);
}

SInt32 ChooseSpellCheckDictionary(SInt16 item) {
    MenuRef menu = myMenus[kDictionariesMenuSlot];
    if (!menu || item < 1 || item > SInt16(CountMenuItems(menu))) return 0;
    CheckMenuItem(menu, MenuItemIndex(gSpellCheckDictionaryValue), false);
    gSpellCheckDictionaryValue = item;
    CheckMenuItem(menu, MenuItemIndex(item), true);
    return 0;
}
