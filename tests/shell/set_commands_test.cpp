// Settings sets from their menus: saved under a name (typed or given by a macro), loaded back over changed
// settings, and deleted, each reflected in the sets menu.
#include "program_fixture.h"

#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"

#include <string>
#include <vector>

namespace {

// Answers the first dialog that comes to the front: types a name into item 5 (the name dialog's field)
// when given one, or ticks item 4 (the first set), then presses item 1.
struct DialogAnswer {
    std::string name;
    bool ticked = false;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<DialogAnswer*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontWindow());
        if (!dialog || !IsWindowVisible(GetDialogWindow(dialog))) {
            SetEventLoopTimerNextFireTime(timer, 0);
            return;
        }
        if (self->name.empty() && !self->ticked) {
            // One press per look: the dialog takes the tick before the button.
            PressDialogItem(dialog, 4);
            self->ticked = true;
            SetEventLoopTimerNextFireTime(timer, 0);
            return;
        }
        if (!self->name.empty()) {
            Str255 text;
            SetPString(text, self->name);
            SetDialogItemText(dialog, 5, text);
        }
        PressDialogItem(dialog, 1);
    }
    explicit DialogAnswer(std::string typed) : name(std::move(typed)) {
        InstallEventLoopTimer(0, 0, Look, this, &timer);
    }
    ~DialogAnswer() { RemoveEventLoopTimer(timer); }
};

std::vector<std::string> SetsMenuItems() {
    std::vector<std::string> items;
    MenuRef menu = MenuResToMenuRef(kUserSetsMenuID);
    for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        items.emplace_back(PStringView(text));
    }
    return items;
}

TEST_F(ProgramTest, ASetIsSavedLoadedBackOverChangesAndDeleted) {
    Start();
    EXPECT_TRUE(SetsMenuItems().empty());
    SetPref(gThePreferences, kPrefScrollSpeed, 44);
    DoCommand(MakeMenuCommand(kUserSetsMenuID, 1));
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 44) << "no sets: nothing to load";

    SetPref(gThePreferences, kPrefScrollSpeed, 55);
    {
        DialogAnswer answer("Evening news");
        ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 17)), 0);
    }
    // A macro names its set without a dialog.
    SetPref(gThePreferences, kPrefScrollSpeed, 66);
    SetPString(gForceFileName, "Morning");
    ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 17)), 0);
    EXPECT_EQ(gForceFileName[0], 0);
    // Listed in the sets file's order, each item with its own ID.
    const std::vector<std::string> items = SetsMenuItems();
    ASSERT_EQ(items.size(), 2u);
    const SInt16 evening = items[0] == "Evening news" ? 1 : 2, morning = SInt16(3 - evening);
    EXPECT_EQ(items[size_t(morning - 1)], "Morning");
    EXPECT_EQ(gPrefSetResIds[size_t(evening - 1)], 128);
    EXPECT_EQ(gPrefSetResIds[size_t(morning - 1)], 129);

    SetPref(gThePreferences, kPrefScrollSpeed, 200);
    gPrefsChanged = true;
    ASSERT_EQ(DoCommand(MakeMenuCommand(kUserSetsMenuID, evening)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 55);
    EXPECT_FALSE(gPrefsChanged) << "the loaded set is what the file holds";
    ASSERT_EQ(DoCommand(MakeMenuCommand(kUserSetsMenuID, morning)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 66);

    {
        DialogAnswer answer(""); // ticks the first set listed
        ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 18)), 0);
    }
    const std::string kept = items[1];
    EXPECT_EQ(SetsMenuItems(), (std::vector<std::string>{kept}));
    EXPECT_EQ(gPrefSetResIds, (std::vector<ResID>{kept == "Morning" ? ResID(129) : ResID(128)}));
    SetPref(gThePreferences, kPrefScrollSpeed, 200);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kUserSetsMenuID, 1)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), kept == "Morning" ? 66 : 55)
        << "item 1 is now the remaining set";
}

TEST_F(ProgramTest, BuiltInSetsAreListedAfterTheStartupSettingsAndLoad) {
    Start();
    MenuRef menu = GetProgramMenu(24);
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(CountMenuItems(menu), 2);
    ASSERT_EQ(gBuiltInSetResIds.size(), size_t(CountMenuItems(menu)));
    EXPECT_EQ(gBuiltInSetResIds[0], -1);
    const SInt16 loaded = GetPref(gThePreferences, kPrefScrollSpeed);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kBuiltInSetsMenuID, 2)), 0);
    EXPECT_FALSE(gPrefsChanged);
    SetPref(gThePreferences, kPrefScrollSpeed, SInt16(loaded + 17));
    ASSERT_EQ(DoCommand(MakeMenuCommand(kBuiltInSetsMenuID, 1)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), loaded) << "back to the settings of start-up";
}

} // namespace
