// Menu consistency: which items are enabled, checked and how they read as the mode, the modifier keys and
// the script's state change, and that commands whose code is not written yet stay greyed.
#include "program_fixture.h"

#include "foundation/app_paths.h"
#include "platform/pstring.h"
#include "platform/speech.h"
#include "platform/text_encoding.h"
#include "shell/commands.h"
#include "shell/manual.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "textengine/text_engine.h"

namespace {

std::string ItemText(SInt16 menuID, MenuItemIndex item) {
    Str255 text;
    GetMenuItemText(GetMenuHandle(menuID), item, text);
    return MacRomanToUtf8(PStringView(text));
}

bool Enabled(SInt16 menuID, MenuItemIndex item) {
    return IsMenuItemEnabled(GetMenuHandle(menuID), item);
}

bool Checked(SInt16 menuID, MenuItemIndex item) {
    return GetItemMark(GetMenuHandle(menuID), item) != kNoMark;
}

TEST_F(ProgramTest, MenusFollowTheModeTheSelectionAndTheUnsavedState) {
    Start();
    const struct {
        const char* name;
        bool scrolling;
        bool selection;
        bool changed;
        UInt16 modifiers;
        const char* saveText;
        UInt8 saveNeeds;
    } cases[] = {
        {"editing", false, false, false, 0, "Save…", kMenuNoModifiers},
        {"editing with a selection", false, true, false, 0, "Save…", kMenuNoModifiers},
        {"editing a changed script with shift", false, false, true, shiftKey, "Save Instantly",
         kMenuShiftModifier},
        {"scrolling", true, false, false, 0, "Save…", kMenuNoModifiers},
        {"scrolling a changed script with a selection", true, true, true, 0, "Save…", kMenuNoModifiers},
        {"scrolling with shift", true, false, false, shiftKey, "Save Instantly", kMenuShiftModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.scrolling && gScrollOn == 0) StartScroll(1);
        if (!c.scrolling && gScrollOn != 0) StartEdit();
        WESetSelection(0, c.selection ? 5 : 0, 0, ScrollWEHandle);
        gDontQuitWithoutSaving = c.changed;
        curEvent.modifiers = c.modifiers;
        ConsistifyMenus();

        EXPECT_EQ(Checked(kScrollMenuID, kEditModeItem), !c.scrolling);
        EXPECT_EQ(Checked(kScrollMenuID, kScrollItem), c.scrolling);
        EXPECT_FALSE(Checked(kScrollMenuID, kScrollEditableItem));
        // Mirroring, turning and the scroll control change the prompter's layout: only while editing.
        for (MenuItemIndex item : {19, 20, 21, 22})
            EXPECT_EQ(Enabled(kWindowsMenuID, item), !c.scrolling) << "Windows item " << item;
        EXPECT_EQ(Enabled(kScrollMenuID, kScrollControlItem), !c.scrolling);
        EXPECT_EQ(Enabled(kEditMenuID, kPreferencesItem), !c.scrolling) << "preferences";
        EXPECT_EQ(ItemText(kFileMenuID, kSaveItem), c.saveText);
        EXPECT_EQ(GetMenuItemModifiers(GetMenuHandle(kFileMenuID), kSaveItem), c.saveNeeds);
        EXPECT_TRUE(Enabled(kFileMenuID, kSaveItem)) << "a script is open";
        EXPECT_TRUE(Enabled(kScrollMenuID, kScrollItem));
        EXPECT_EQ(Enabled(kEditMenuID, 4), c.selection && !c.scrolling) << "copy";
        // Waiting for code that is not written: greyed whatever the state.
        EXPECT_FALSE(Enabled(kEditMenuID, 11)) << "find and replace";
        EXPECT_FALSE(Enabled(kWindowsMenuID, 13)) << "colour chart";
        // Printing and page setup are offered in every state.
        EXPECT_TRUE(Enabled(kFileMenuID, kPrintItem));
        EXPECT_TRUE(Enabled(kFileMenuID, kPageSetupItem));
        EXPECT_FALSE(Enabled(kWindowsMenuID, 5)) << "instructions";
        EXPECT_TRUE(Enabled(kWindowsMenuID, 4)) << "toolbar";
        EXPECT_TRUE(Enabled(kWindowsMenuID, 2)) << "bookmark list";
        // Without a voice there is nothing to speak with.
        EXPECT_EQ(Enabled(kScrollMenuID, kSpeakItem), gChan != nullptr && IsSpeechAvailable());
    }
    curEvent.modifiers = 0;
}

TEST_F(ProgramTest, TheManualItemIsOfferedOnlyWhileTheManualIsThere) {
    Start();
    gOVPaths[4] = home.path() + "/";
    ConsistifyMenus();
    EXPECT_FALSE(Enabled(kAppleMenuID, kManualItem)) << "no manual to open";
    EXPECT_TRUE(Enabled(kAppleMenuID, kAboutItem));
    home.WriteFile("Orvalis Manual.rtf", "{\\rtf1 Manual}");
    ConsistifyMenus();
    EXPECT_TRUE(Enabled(kAppleMenuID, kManualItem));
}

TEST_F(ProgramTest, MarksFollowThePreferencesAndTheWindowListNamesThePrompter) {
    Start();
    const struct {
        SInt16 rotation;
        bool mirror;
        bool looping;
        bool turnedLeft;
        bool turnedRight;
    } cases[] = {
        {0, false, false, false, false},
        {-1, true, false, true, false},
        {1, false, true, false, true},
    };
    for (const auto& c : cases) {
        SetPref(gThePreferences, kPrefRotation, c.rotation);
        SetPref(gThePreferences, kPrefMirror, c.mirror ? 1 : 0);
        SetPref(gThePreferences, kPrefLoopingText, c.looping ? 1 : 0);
        ConsistifyMenus();
        EXPECT_EQ(Checked(kWindowsMenuID, 19), c.mirror);
        EXPECT_EQ(Checked(kWindowsMenuID, 21), c.turnedLeft) << "rotation " << c.rotation;
        EXPECT_EQ(Checked(kWindowsMenuID, 22), c.turnedRight) << "rotation " << c.rotation;
        EXPECT_EQ(Checked(kScrollMenuID, kLoopingItem), c.looping);
    }
    EXPECT_EQ(CountMenuItems(GetMenuHandle(kWindowListMenuID)), 1) << "no tool window is open";
    EXPECT_EQ(gWindowList[0], myScrollWindow);
    EXPECT_EQ(gWindowList[1], nullptr);
}

} // namespace
