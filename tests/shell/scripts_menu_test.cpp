// The scripts menu of a text document lists the text documents of its folder with the current one checked;
// choosing another shows it and makes it the document that is saved.
#include "program_fixture.h"

#include "platform/menus.h"
#include "platform/pstring.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> ScriptsMenuItems() {
    std::vector<std::string> items;
    for (SInt16 item = 1; item <= CountScriptMenuItems(); ++item)
        items.push_back(GetScriptMenuItemText(item));
    return items;
}

bool Checked(SInt16 item) {
    return GetItemMark(GetProgramMenu(kScriptsMenuSlot), MenuItemIndex(item)) != 0;
}

TEST_F(ProgramTest, ADocumentAloneInItsFolderIsTheOnlyScript) {
    Start();
    home.WriteFile("Alone/Weather.txt", "Rain later.");
    ASSERT_EQ(OpenDocumentsEvent({home.path() + "/Alone/Weather.txt"}), noErr);
    EXPECT_EQ(ScriptsMenuItems(), (std::vector<std::string>{"Weather.txt"}));
    EXPECT_EQ(gSelectText, 1);
    EXPECT_TRUE(Checked(1));
}

TEST_F(ProgramTest, TheTextDocumentsOfTheFolderAreListedAndAnotherCanBeChosen) {
    Start();
    home.WriteFile("Show/Intro.txt", "Good evening.");
    home.WriteFile("Show/News.txt", "The news.");
    home.WriteFile("Show/Sport.txt", "The sport.");
    ASSERT_EQ(OpenDocumentsEvent({home.path() + "/Show/News.txt"}), noErr);
    EXPECT_EQ(ScriptsMenuItems(), (std::vector<std::string>{"Intro.txt", "News.txt", "Sport.txt"}));
    EXPECT_EQ(gSelectText, 2);
    EXPECT_FALSE(Checked(1));
    EXPECT_TRUE(Checked(2));

    ASSERT_EQ(DoCommand(MakeMenuCommand(gScriptsMenuExists, 3)), 0);
    EXPECT_EQ(PrompterText(), "The sport.");
    EXPECT_EQ(gOutName, "Sport.txt") << "a save goes to the script shown";
    EXPECT_TRUE(Checked(3));
    EXPECT_FALSE(Checked(2));
    ASSERT_EQ(DoCommand(MakeMenuCommand(kFileMenuID, kPreviousScriptItem)), 0);
    EXPECT_EQ(PrompterText(), "The news.");
    EXPECT_EQ(gOutName, "News.txt");
}

} // namespace
