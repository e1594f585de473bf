// The dictionaries menu lists one language per dictionary the spell checker has, by its readable name, and
// keeps the chosen one checked, falling back to the first when the chosen one has gone.
#include "program_fixture.h"

#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/spelling.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "texttools/spell_dictionaries.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The dictionaries menu sits in slot 27 of the program's menus, beyond the slots menu IDs are looked up in.
MenuRef DictionariesMenu() {
    return myMenus[27];
}

std::vector<std::string> DictionaryItems() {
    std::vector<std::string> items;
    MenuRef menu = DictionariesMenu();
    for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        items.emplace_back(PStringView(text));
    }
    return items;
}

TEST_F(ProgramTest, TheDictionariesMenuNamesEachLanguageAndChecksTheChosenOne) {
    const std::string folder = home.path() + "/dictionaries";
    for (const char* file : {"fr.dic", "en_US.dic", "de_DE.dic", "en_US.aff", "notes.txt"})
        home.WriteFile(std::string("dictionaries/") + file, "x");
    SetSpellCheckerFolders({folder, folder});
    gSpellCheckDictionaryValue = 3;
    Start();
    // Sorted by file name, each once although its folder is listed twice; the .aff and .txt files are not
    // dictionaries.
    EXPECT_EQ(DictionaryItems(),
              (std::vector<std::string>{"German (Germany)", "English (United States)", "French"}));
    MenuRef menu = DictionariesMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(GetItemMark(menu, 3) != 0);
    EXPECT_FALSE(GetItemMark(menu, 1) != 0);

    ASSERT_EQ(DoCommand(MakeMenuCommand(kSpellingDictionariesMenuID, 2)), 0);
    EXPECT_EQ(gSpellCheckDictionaryValue, 2);
    EXPECT_TRUE(GetItemMark(menu, 2) != 0);
    EXPECT_FALSE(GetItemMark(menu, 3) != 0);

    // A language that has gone since it was chosen gives way to the first.
    std::filesystem::remove(folder + "/fr.dic");
    std::filesystem::remove(folder + "/en_US.dic");
    AddDictionariesToSpellCheckMenu();
    EXPECT_EQ(DictionaryItems(), (std::vector<std::string>{"German (Germany)"}));
    EXPECT_EQ(gSpellCheckDictionaryValue, 1);
    EXPECT_TRUE(GetItemMark(menu, 1) != 0);

    SetSpellCheckerFolders({});
}

} // namespace
