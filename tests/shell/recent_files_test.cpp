// The recent-files list survives a restart; a file removed meanwhile is greyed in the menu and, when it is
// chosen all the same, reported without the current script being lost.
#include "program_fixture.h"

#include "platform/menus.h"
#include "platform/pstring.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> RecentMenuItems() {
    std::vector<std::string> items;
    MenuRef menu = MenuResToMenuRef(kRecentFilesMenuID);
    for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        items.emplace_back(PStringView(text));
    }
    return items;
}

TEST_F(ProgramTest, RecentFilesSurviveARestartAndAFileRemovedMeanwhileIsGreyedAndReported) {
    Start();
    for (const char* name : {"A.txt", "B.txt", "C.txt"})
        home.WriteFile(std::string("Scripts/") + name, std::string("The script ") + name);
    const std::string folder = home.path() + "/Scripts/";
    // Opened a second time, a file is moved to the top rather than listed twice.
    for (const char* name : {"A.txt", "B.txt", "C.txt", "A.txt"})
        ASSERT_EQ(OpenDocumentsEvent({folder + name}), noErr) << name;
    EXPECT_EQ(RecentMenuItems(), (std::vector<std::string>{"A.txt", "C.txt", "B.txt"}));

    QuitProgram();
    started = false;
    std::filesystem::remove(folder + "B.txt");
    SetRecentCount(gRecentPreferences, 0);
    Start();
    ASSERT_EQ(CountRecentFiles(), 3) << "read back from the preference file";
    EXPECT_EQ(RecentMenuItems(),
              (std::vector<std::string>{"A.txt", "C.txt", "B.txt", "-", "Try to find missing files"}));
    MenuRef menu = MenuResToMenuRef(kRecentFilesMenuID);
    EXPECT_TRUE(IsMenuItemEnabled(menu, 1));
    EXPECT_TRUE(IsMenuItemEnabled(menu, 2));
    EXPECT_FALSE(IsMenuItemEnabled(menu, 3)) << "the removed file";

    ASSERT_EQ(DoCommand(MakeMenuCommand(kRecentFilesMenuID, 2)), 0);
    EXPECT_EQ(PrompterText(), "The script C.txt");
    EXPECT_EQ(gOutName, "C.txt");
    EXPECT_EQ(RecentMenuItems()[0], "C.txt") << "opened again, it is the most recent";

    // Chosen after it went (a macro does not look at the menu): said clearly, and the script stays.
    ClearRecordedErrorMessages();
    LoadRecentFile(2);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("B.txt"), std::string::npos);
    EXPECT_EQ(PrompterText(), "The script C.txt");
    EXPECT_EQ(gOutName, "C.txt");
}

TEST_F(ProgramTest, TheSixteenthFilePushesTheOldestOffTheList) {
    Start();
    const std::string folder = home.path() + "/Many/";
    for (int n = 1; n <= 16; ++n) {
        const std::string name = "S" + std::to_string(n) + ".txt";
        home.WriteFile("Many/" + name, name);
        ASSERT_EQ(OpenDocumentsEvent({folder + name}), noErr);
    }
    const std::vector<std::string> items = RecentMenuItems();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(CountRecentFiles(), 15);
    EXPECT_EQ(items.front(), "S16.txt");
    EXPECT_EQ(items.back(), "S2.txt");
}

// Names told apart only by case or accents are one entry; other letters keep them apart. The names are
// UTF-8 here, Mac Roman in the list.
TEST_F(ProgramTest, NamesDifferingOnlyInAccentsOrCaseAreOneRecentEntry) {
    Start();
    const struct {
        const char* first;
        const char* second;
        bool same;
    } cases[] = {
        {"Café.txt", "Cafe.txt", true}, {"Río.txt", "rio.txt", true},     {"Ñandú.txt", "nandu.txt", true},
        {"Über.txt", "uber.txt", true}, {"Ça.txt", "ca.txt", true},       {"Café.txt", "Cafc.txt", false},
        {"Año.txt", "Ano.txt", true},   {"Señor.txt", "Senor.txt", true}, {"Açaí.txt", "Acai.txt", true},
        {"Öl.txt", "Ol.txt", true},     {"Ílha.txt", "ilha.txt", true},   {"Bar.txt", "Baz.txt", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        SetRecentCount(gRecentPreferences, 0);
        gOutPath = home.path() + "/Folder/";
        for (const char* name : {c.first, c.second}) {
            gOutName = name;
            AddToRecentFiles();
        }
        EXPECT_EQ(CountRecentFiles(), c.same ? 1 : 2);
    }
}

} // namespace
