// The menu bar: built from the program's menus at start-up, and a damaged menu resource reported once and
// left out while the other menus stand.
#include "program_fixture.h"

#include "platform/memory.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<SInt16> BarMenuIDs() {
    std::vector<SInt16> ids;
    for (UInt16 i = 0; i < CountMenuBarMenus(); ++i)
        ids.push_back(GetMenuID(GetMenuBarMenu(i)));
    return ids;
}

TEST_F(ProgramTest, TheBarHoldsTheMenusInOrderAndTheirSubmenus) {
    SetPref(gThePreferences, kPrefStyledText, 1);
    Start();
    EXPECT_EQ(BarMenuIDs(), (std::vector<SInt16>{128, 129, 130, 131, 132, 133, 135, 138}));
    for (SInt16 id :
         {200, 201, 202, 203, 204, 207, 209, 210, 211, 212, 213, 214, 215, 216, 218, 219, 220, 221, 222, 223})
        EXPECT_NE(GetMenuHandle(id), nullptr) << "submenu " << id;
    EXPECT_EQ(MenuResToMenuRef(kScrollMenuID), GetProgramMenu(kScrollMenuSlot));
    EXPECT_EQ(MenuResToMenuRef(134), nullptr);
    EXPECT_GT(CountMenuItems(GetMenuHandle(kFontMenuID)), 0) << "the installed fonts";
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ProgramTest, ADamagedMenuIsReportedOnceAndLeftOut) {
    Start();
    TempDir dir;
    const std::string patch = dir.File("patch.res");
    CreateResFile(patch);
    const ResFileRefNum file = OpenResFile(patch, fsRdWrPerm);
    ASSERT_GT(file, 0);
    // A menu record cut short inside its title.
    Handle damaged = NewHandle(14);
    std::fill(*damaged, *damaged + 14, char(0));
    (*damaged)[13] = 40;
    AddResource(damaged, FourCC("MENU"), kWindowsMenuID, nullptr);
    ClearRecordedErrorMessages();
    SetUpMenus();
    SetUpMenus();
    CloseResFile(file);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u) << "once, however often the menus are built";
    EXPECT_NE(RecordedErrorMessages()[0].find("132"), std::string::npos);
    EXPECT_EQ(GetProgramMenu(kWindowsMenuSlot), nullptr);
    const std::vector<SInt16> ids = BarMenuIDs();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), kWindowsMenuID), 0);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), kScrollMenuID), 1) << "the others stand";
    EXPECT_EQ(DoCommand(MakeMenuCommand(kWindowsMenuID, 19)), 0) << "its commands still work from macros";
    SetUpMenus();
}

} // namespace
