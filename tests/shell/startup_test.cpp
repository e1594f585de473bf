// Start-up in a fresh home: the folders and the preference file made, the start-up document chosen by the
// settings (older stored values rewritten), the loop timer at thirty calls a second, the drop shadow
// defaults; and quit writing back only the records that changed and that the settings say to keep.
#include "program_fixture.h"

#include "foundation/app_paths.h"
#include "platform/folders.h"
#include "scroll/bookmarks.h"
#include "shell/loop_timer.h"
#include "support/prompter_text.h"
#include "textengine/text_effect_globals.h"
#include "textengine/text_engine.h"

#include <filesystem>

namespace {

TEST_F(ProgramTest, StartUpMakesTheFoldersAndThePreferenceFileAndShowsTheInstructions) {
    Start();
    EXPECT_TRUE(std::filesystem::is_regular_file(PreferencesFolder() + "/Orvalis Preferences"));
    EXPECT_TRUE(FolderExists(DataFolder() + "/Macros"));
    EXPECT_TRUE(FolderExists(DataFolder() + "/Scripts"));
    EXPECT_EQ(gOVPaths[kMacroFolderSlot], DataFolder() + "/Macros/");
    ASSERT_NE(myScrollWindow, nullptr);
    const std::string text = PrompterText();
    EXPECT_EQ(text.rfind("Welcome to Orvalis\r", 0), 0u) << text.substr(0, 40);
    EXPECT_EQ(text.find('\n'), std::string::npos) << "line ends become carriage returns";
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ProgramTest, TheLoopTimerFirstFiresAfterAFifthOfASecondThenThirtyTimesASecond) {
    Start();
    ASSERT_NE(gTheTimer, nullptr);
    const SInt16 first = breakitup;
    PassTicks(11);
    EXPECT_EQ(breakitup, first) << "nothing before 0.2 s";
    PassTicks(1);
    EXPECT_EQ(breakitup, (first + 1) % kRoundRobinSlots);
    // Sixty ticks, one second: thirty more calls, two and a half turns of the round robin.
    PassTicks(60);
    EXPECT_EQ(breakitup, (first + 31) % kRoundRobinSlots);
}

// The start-up document action, as stored and as the record holds it afterwards.
struct StartupDocumentCase {
    SInt16 stored;
    SInt16 afterwards;
    bool showsInstructions;
};

class StartupDocument : public ProgramTest, public ::testing::WithParamInterface<StartupDocumentCase> {};

TEST_P(StartupDocument, FollowsTheStoredActionAndRewritesOlderValues) {
    const StartupDocumentCase c = GetParam();
    PrefsRecord record = gDefaultPreferences;
    SetPref(record, kPrefStartupAction, c.stored);
    StorePreferences(record);
    Start();
    EXPECT_EQ(GetPref(gThePreferences, kPrefStartupAction), c.afterwards);
    EXPECT_FALSE(gPrefsChanged) << "the rewrite alone is not a change to store";
    EXPECT_EQ(PrompterText().rfind("Welcome to Orvalis", 0) == 0, c.showsInstructions);
}

INSTANTIATE_TEST_SUITE_P(Actions, StartupDocument,
                         ::testing::Values(StartupDocumentCase{0, 4, false}, StartupDocumentCase{1, 5, true},
                                           StartupDocumentCase{2, 2, true}, StartupDocumentCase{4, 4, false},
                                           StartupDocumentCase{5, 5, true}));

TEST_F(ProgramTest, DropShadowOffsetsBothZeroBecomeThreeAndMinusThree) {
    // Stored horizontal and vertical offsets, and what start-up leaves in force.
    const struct {
        Fixed h, v, wantH, wantV;
    } cases[] = {
        {0, 0, 0x00030000, Fixed(0xFFFD0000)},
        {0x00020000, 0, 0x00020000, 0},
        {0, 0x00010000, 0, 0x00010000},
    };
    for (const auto& c : cases) {
        PrefsRecord record = gDefaultPreferences;
        SetPref(record, kPrefDropShadowH, c.h);
        SetPref(record, kPrefDropShadowV, c.v);
        StorePreferences(record);
        LoadPreferenceRecords();
        EXPECT_EQ(gDropWidth, c.wantH);
        EXPECT_EQ(gDropHeight, c.wantV);
        EXPECT_EQ(GetPref(gThePreferences, kPrefDropShadowH), c.wantH);
    }
}

TEST_F(ProgramTest, TheStoredMarkCharacterIsTheOneInForce) {
    const struct {
        SInt16 stored;
        UInt8 inForce;
    } cases[] = {{'*', '*'}, {0, 0xB5}, {0x1A5, 0xB5}, {-1, 0xB5}};
    for (const auto& c : cases) {
        gBookmarkCharacter = 0xB5;
        PrefsRecord record = gDefaultPreferences;
        SetPref(record, kPrefBookmarkMarkChar, c.stored);
        StorePreferences(record);
        LoadPreferenceRecords();
        EXPECT_EQ(gBookmarkCharacter, c.inForce) << c.stored;
    }
}

TEST_F(ProgramTest, QuitWritesTheChangedRecordsTheSettingsSayToKeep) {
    // Save-at-quit setting, changed flag, and whether the change reaches the file.
    const struct {
        SInt16 saveAtQuit;
        bool changed;
        bool written;
    } cases[] = {{1, true, true}, {0, true, false}, {1, false, false}};
    for (const auto& c : cases) {
        PrefsRecord record = gDefaultPreferences;
        SetPref(record, kPrefSavePrefsAtQuit, c.saveAtQuit);
        SetPref(record, kPrefScrollSpeed, 40);
        StorePreferences(record);
        Start();
        SetPref(gThePreferences, kPrefScrollSpeed, 77);
        gPrefsChanged = c.changed;
        QuitProgram();
        started = false;
        EXPECT_EQ(GetPref(StoredPreferences(), kPrefScrollSpeed), c.written ? 77 : 40)
            << "save " << c.saveAtQuit << " changed " << c.changed;
        EXPECT_EQ(gTheTimer, nullptr);
        EXPECT_EQ(myScrollWindow, nullptr);
        EXPECT_EQ(gAppEventHandler, nullptr);
    }
}

TEST_F(ProgramTest, QuitWritesChangedWindowPlacesOnlyWhenAskedTo) {
    for (SInt16 savePlaces : {0, 1}) {
        PrefsRecord record = gDefaultPreferences;
        SetPref(record, kPrefSavePositionsAtQuit, savePlaces);
        StorePreferences(record);
        Start();
        const Rect place{100, 120, 300, 420};
        SetWindowPlace(gPositionPreferences, kPlaceBookmark, place);
        gPositionPrefsChanged = true;
        QuitProgram();
        started = false;
        PositionPrefsRecord stored = gPositionPreferences;
        SetWindowPlace(stored, kPlaceBookmark, Rect{});
        DoGetPreferences(&stored, kPrefsKindPosition, nullptr);
        const Rect got = GetWindowPlace(stored, kPlaceBookmark);
        EXPECT_EQ(EqualRect(&got, &place), savePlaces == 1) << "save places " << savePlaces;
    }
}

} // namespace
