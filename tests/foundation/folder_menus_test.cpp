// Menus filled from a folder: by content with the index list, and text files by name with a filter.
#include "app_resources.h"

#include "foundation/folder_menus.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "support/temp_home.h"

#include <string>
#include <vector>

namespace {

class FolderMenus : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        CreateNewMenu(600, 0, &menu);
        AppendMenuItemText(menu, Pstr("Open…"));
    }
    void TearDown() override {
        DisposeMenu(menu);
        AppResources::TearDown();
    }
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (MenuItemIndex i = 1; i <= CountMenuItems(menu); ++i) {
            Str255 text;
            GetMenuItemText(menu, i, text);
            items.emplace_back(PStringView(text));
        }
        return items;
    }
    static std::vector<SInt16> Entries(Handle list) {
        const SInt16* p = reinterpret_cast<const SInt16*>(*list);
        return {p, p + GetHandleSize(list) / Size(sizeof(SInt16))};
    }
    static ConstStringPtr Pstr(const std::string& text) {
        static Str255 buffer;
        SetPString(buffer, text);
        return buffer;
    }
    TempHome home;
    MenuRef menu = nullptr;
};

TEST_F(FolderMenus, MatchingFilesGetTheirOwnItemsAndIndices) {
    const std::string folder = home.MakeFolder("macros");
    home.WriteFile("macros/a-notes.txt", "plain text");
    home.WriteFile("macros/b-timed", "OMac....");
    home.WriteFile("macros/c-readme", "text");
    home.WriteFile("macros/d-swapped", "caMO....");

    SInt16 count = -1;
    Handle list = AddFilesToMenu(menu, FourCC("OMac"), nullptr, true, folder, &count);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(count, 2);
    // Each name is in the item appended for it, though non-matching files came before.
    EXPECT_EQ(Items(), (std::vector<std::string>{"Open…", "b-timed", "d-swapped"}));
    EXPECT_EQ(Entries(list), (std::vector<SInt16>{2, 4}));

    // A given list grows after its entries; without keepList no list is made.
    AddFilesToMenu(nullptr, FourCC("OMac"), list, true, folder, nullptr);
    EXPECT_EQ(Entries(list), (std::vector<SInt16>{2, 4, 2, 4}));
    DisposeHandle(list);
    EXPECT_EQ(AddFilesToMenu(nullptr, FourCC("OMac"), nullptr, false, folder, &count), nullptr);
    EXPECT_EQ(count, 2);
}

TEST_F(FolderMenus, TextFilesAreListedByNameFilterAndQuotes) {
    const std::string folder = home.MakeFolder("lists");
    for (const char* name : {"a wordlist.txt", "b.png", "c wordlist.jpg", "d notes.txt", "e wordlist.md"})
        home.WriteFile(std::string("lists/") + name, "x");

    EXPECT_EQ(AddFilesofTypeToMenu(menu, folder, true, Pstr("wordlist")), 2);
    EXPECT_EQ(Items(), (std::vector<std::string>{"Open…", "\"a wordlist.txt\"", "\"e wordlist.md\""}));
    EXPECT_EQ(AddFilesofTypeToMenu(menu, folder, false, nullptr), 3);
    EXPECT_EQ(Items().back(), "e wordlist.md");
    EXPECT_EQ(AddFilesofTypeToMenu(menu, folder + "missing/", false, nullptr), 0);
}

} // namespace
