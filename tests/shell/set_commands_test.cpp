// Settings sets from their menus: saved under a name (typed or given by a macro), loaded back over changed
// settings, and deleted, each reflected in the sets menu.
#include "program_fixture.h"

#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/preference_sets.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"

#include <algorithm>
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
    const SInt16 evening = items[0] == "Evening news (128)" ? 1 : 2, morning = SInt16(3 - evening);
    EXPECT_EQ(items[size_t(evening - 1)], "Evening news (128)");
    EXPECT_EQ(items[size_t(morning - 1)], "Morning (129)");
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
    EXPECT_EQ(gPrefSetResIds, (std::vector<ResID>{kept == "Morning (129)" ? ResID(129) : ResID(128)}));
    SetPref(gThePreferences, kPrefScrollSpeed, 200);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kUserSetsMenuID, 1)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), kept == "Morning (129)" ? 66 : 55)
        << "item 1 is now the remaining set";
}

// Two sets of one name are told apart by their IDs; loading either keeps the script's name in the title.
TEST_F(ProgramTest, SetsOfOneNameShowTheirIDsAndLoadingKeepsTheScriptTitle) {
    Start();
    for (SInt16 speed : {SInt16(31), SInt16(32), SInt16(33)}) {
        SetPref(gThePreferences, kPrefScrollSpeed, speed);
        SetPString(gForceFileName, speed == 33 ? "(Late; news)" : "News");
        ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 17)), 0);
    }
    // In the sets file's order, each name with its own ID.
    std::vector<PreferenceSetEntry> sets;
    ListPreferenceSets(sets);
    std::vector<std::string> shown, quoted{"None"};
    std::vector<ResID> ids;
    for (const PreferenceSetEntry& set : sets) {
        shown.push_back(set.name + " (" + std::to_string(set.id) + ")");
        quoted.push_back("\"" + set.name + "\"");
        ids.push_back(set.id);
    }
    EXPECT_EQ(SetsMenuItems(), shown);
    EXPECT_EQ(gPrefSetResIds, ids);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"(Late; news) (130)", "News (128)", "News (129)"}));

    // The menu as a macro's choices offers the names quoted after its own items, and leaves the IDs.
    MenuRef choices = nullptr;
    ASSERT_EQ(CreateNewMenu(9001, 0, &choices), noErr);
    const UInt8 own[] = {4, 'N', 'o', 'n', 'e'};
    AppendMenuItemText(choices, own);
    SetSetsMenu(choices, false);
    std::vector<std::string> offered;
    for (MenuItemIndex item = 1; item <= CountMenuItems(choices); ++item) {
        Str255 text;
        GetMenuItemText(choices, item, text);
        offered.emplace_back(PStringView(text));
    }
    DisposeMenu(choices);
    EXPECT_EQ(offered, quoted);
    EXPECT_EQ(gPrefSetResIds, ids);

    home.WriteFile("Scripts/Talk.txt", "Opening remarks\r");
    ASSERT_EQ(OpenDocumentsEvent({home.path() + "/Scripts/Talk.txt"}), noErr);
    Str255 before;
    GetWTitle(myScrollWindow, before);
    ASSERT_NE(std::string(PStringView(before)).find("Talk.txt"), std::string::npos);
    const auto second = std::find(ids.begin(), ids.end(), ResID(129));
    ASSERT_NE(second, ids.end());
    ASSERT_EQ(DoCommand(MakeMenuCommand(kUserSetsMenuID, SInt16(second - ids.begin() + 1))), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 32);
    Str255 after;
    GetWTitle(myScrollWindow, after);
    EXPECT_EQ(std::string(PStringView(after)), std::string(PStringView(before)));
}

TEST_F(ProgramTest, BuiltInSetsAreListedAfterTheStartupSettingsAndLoad) {
    Start();
    MenuRef menu = GetProgramMenu(24);
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(CountMenuItems(menu), 2);
    ASSERT_EQ(gBuiltInSetResIds.size(), size_t(CountMenuItems(menu)));
    EXPECT_EQ(gBuiltInSetResIds[0], -1);
    for (MenuItemIndex item = 2; item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        const std::string shown(PStringView(text));
        EXPECT_TRUE(shown.size() >= 2 && shown.front() == '"' && shown.back() == '"') << shown;
    }
    const SInt16 loaded = GetPref(gThePreferences, kPrefScrollSpeed);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kBuiltInSetsMenuID, 2)), 0);
    EXPECT_FALSE(gPrefsChanged);
    SetPref(gThePreferences, kPrefScrollSpeed, SInt16(loaded + 17));
    ASSERT_EQ(DoCommand(MakeMenuCommand(kBuiltInSetsMenuID, 1)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), loaded) << "back to the settings of start-up";
}

} // namespace
