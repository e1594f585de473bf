// Command dispatch: a command reaches its handler from the menu bar, from its key and from a macro; a
// greyed command does nothing; a command that would replace unsaved text waits for the timer's slot 0.
#include "program_fixture.h"

#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"

namespace {

TEST_F(ProgramTest, EachCommandReachesItsHandler) {
    Start();
    const struct {
        SInt16 menu;
        SInt16 item;
        PrefShort field;
        SInt16 before;
        SInt16 after;
    } cases[] = {
        {kWindowsMenuID, 19, kPrefMirror, 0, 1},    {kWindowsMenuID, 19, kPrefMirror, 1, 0},
        {kWindowsMenuID, 20, kPrefFlip, 0, 1},      {kWindowsMenuID, 21, kPrefRotation, 1, -1},
        {kWindowsMenuID, 21, kPrefRotation, -1, 0}, {kWindowsMenuID, 22, kPrefRotation, -1, 1},
        {kWindowsMenuID, 22, kPrefRotation, 1, 0},  {kScrollMenuID, kLoopingItem, kPrefLoopingText, 0, 1},
    };
    for (const auto& c : cases) {
        SetPref(gThePreferences, c.field, c.before);
        gPrefsChanged = false;
        // Through the menu bar, as a click on the item gives it: the menu is brought up to date first.
        ASSERT_TRUE(ChooseMenuBarItem(c.menu, MenuItemIndex(c.item)));
        EXPECT_EQ(GetPref(gThePreferences, c.field), c.after) << "menu " << c.menu << " item " << c.item;
        EXPECT_TRUE(gPrefsChanged);
        EXPECT_EQ(gLasttheMenu, c.menu);
        EXPECT_EQ(gLasttheItem, c.item);
    }
    EXPECT_EQ(GetPref(gThePreferences, kPrefMusicLoops), 1) << "looping the text loops the music too";
}

TEST_F(ProgramTest, GreyedCommandsDoNothingUnlessAMacroForcesThem) {
    Start();
    SetPref(gThePreferences, kPrefMirror, 0);
    StartScroll(1);
    ConsistifyMenus();
    EXPECT_FALSE(ChooseMenuBarItem(kWindowsMenuID, 19)) << "mirroring is greyed while scrolling";
    EXPECT_EQ(DoCommand(MakeMenuCommand(kWindowsMenuID, 19)), -1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefMirror), 0);
    gForceCommandFromMacro = 1;
    EXPECT_EQ(DoCommand(MakeMenuCommand(kWindowsMenuID, 19)), 0);
    gForceCommandFromMacro = 0;
    EXPECT_EQ(GetPref(gThePreferences, kPrefMirror), 1);
    // No entry, and IDs outside the program's menus.
    for (MenuCommand command : {MakeMenuCommand(kWindowsMenuID, 18), MakeMenuCommand(127, 1),
                                MakeMenuCommand(224, 1), MakeMenuCommand(0, 0)})
        EXPECT_EQ(DoCommand(command), -1) << std::hex << command;
}

TEST_F(ProgramTest, KeyEquivalentsAndFunctionKeysRunTheirMenuCommands) {
    Start();
    ASSERT_EQ(gScrollOn, 0);
    PostKeyEvent(myScrollWindow, EventKind::KeyDown, 16, kKeyF2, 0);
    ProcessPendingEvents();
    EXPECT_EQ(gScrollOn, 1) << "F2 is the Scroll item";
    PostKeyEvent(myScrollWindow, EventKind::KeyDown, kEscapeCharCode, kKeyEscape, 0);
    ProcessPendingEvents();
    EXPECT_EQ(gScrollOn, 0) << "escape is the Edit item";
    EXPECT_EQ(MenuKey('q', cmdKey), SInt32(MakeMenuCommand(kFileMenuID, kQuitItem)));
    EXPECT_EQ(MenuKey('Q', cmdKey | shiftKey), 0) << "quit needs no shift";
    EXPECT_EQ(MenuKey('s', cmdKey), SInt32(MakeMenuCommand(kFileMenuID, kSaveItem)));
    PostKeyEvent(myScrollWindow, EventKind::KeyDown, 'q', kKeyQ, cmdKey);
    ProcessPendingEvents();
    EXPECT_TRUE(gQuitting);
}

TEST_F(ProgramTest, ANewDocumentOverUnsavedTextWaitsForTheTimersFirstSlot) {
    Start();
    gDontQuitWithoutSaving = true;
    EXPECT_EQ(DoCommand(MakeMenuCommand(kFileMenuID, kNewItem)), -1) << "deferred";
    EXPECT_EQ(gSavedMid, kFileMenuID);
    EXPECT_EQ(gSavedMitem, kNewItem);
    EXPECT_NE(gOutName, "Untitled.text") << "nothing happens before the timer asks";
    // The macro's answer to the save question: don't save.
    gSaveAutoDialogAnswer = 3;
    PassTicks(40);
    EXPECT_EQ(gSavedMid, 0);
    EXPECT_EQ(gOutName, "Untitled.text");
    EXPECT_FALSE(gDontQuitWithoutSaving);
    EXPECT_EQ(GetHandleSize(myTextResource), 0);

    // Without unsaved changes the command runs at once.
    EXPECT_EQ(DoCommand(MakeMenuCommand(kFileMenuID, kNewItem)), 0);
    EXPECT_EQ(gSavedMid, 0);
}

} // namespace
