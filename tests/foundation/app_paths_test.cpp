// The folder table in a temporary home: standard folders, the user's support folders made in the data
// folder, media support folders with their fall-backs beside the program, and the chosen media folders.
#include "app_resources.h"

#include "foundation/app_paths.h"
#include "platform/application.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "support/temp_home.h"

#include <filesystem>
#include <string>

namespace {

class AppPaths : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        gPrefsChanged = false;
    }
    void TearDown() override {
        for (std::string& path : gOVPaths)
            path.clear();
        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        gPrefsChanged = false;
        AppResources::TearDown();
    }
    static std::string Stored(PrefString field) {
        Str255 text;
        GetPrefString(gThePreferences, field, text);
        return std::string(PStringView(text));
    }
    TempHome home;
};

TEST_F(AppPaths, TableIsBuiltFromTheHomeAndBesideTheProgram) {
    const std::string documents = home.MakeFolder("Documents");
    const std::string desktop = home.MakeFolder("Desk");
    const std::string pictures = home.MakeFolder("Pictures");
    const std::string sequences = home.MakeFolder("Pictures/Orvalis Pictures");
    const std::string movies = home.MakeFolder("Videos");
    home.WriteFile(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desk\"\n");
    // No music folder at all.

    GetOVPaths();

    const std::string program = ApplicationFolder() + "/";
    const std::string data = home.path() + "/.local/share/Orvalis/";
    struct Case {
        AppPathSlot slot;
        std::string expected;
    };
    const Case cases[] = {
        {kApplicationSlot, program},
        {1, program + "Macros/"},
        {3, program + "Orvalis Movies/"},
        {6, program + "Orvalis Music/"},
        {kDesktopSlot, desktop},
        {kMusicDocumentsSlot, ""},
        {kMovieDocumentsSlot, movies},
        {kPictureDocumentsSlot, pictures},
        {kDocumentsSlot, documents},
        {13, data + "Macros/"},
        {14, data + "Library/"},
        {15, program + "Orvalis Movies/"}, // missing under the movies: the folder beside the program
        {16, data + "Scripts/"},
        {kPictureSequenceSlot, sequences}, // present under the pictures
        {18, program + "Orvalis Music/"},  // no music folder to look in
        {19, data + "Recordings/"},
        {kChosenMoviesSlot, ""},
        {kChosenPicturesSlot, ""},
        {kChosenMusicSlot, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(gOVPaths[c.slot], c.expected);
        EXPECT_EQ(GetAppPathFolder(c.slot), c.expected);
    }
    for (AppPathSlot slot : {13, 14, 16, 19})
        EXPECT_TRUE(FolderExists(gOVPaths[slot])) << slot;
    // The user's standard folders are only looked up, never made.
    EXPECT_FALSE(std::filesystem::exists(home.path() + "/Music"));
    EXPECT_EQ(GetAppPathFolder(-1), "");
    EXPECT_EQ(GetAppPathFolder(kAppPathSlotCount), "");
}

TEST_F(AppPaths, ChosenMediaFoldersThatNoLongerExistLeaveTheirSlotsEmpty) {
    const std::string kept = home.MakeFolder("media/kept");
    const std::string gone = home.MakeFolder("media/gone");
    ASSERT_EQ(ChangeMoviePath(gone), noErr);
    ASSERT_EQ(ChangePicturePath(kept.substr(0, kept.size() - 1)), noErr); // the slash is added
    std::filesystem::remove(gone);

    GetOVPaths();

    EXPECT_EQ(gOVPaths[kChosenMoviesSlot], "");
    EXPECT_EQ(gOVPaths[kChosenPicturesSlot], kept);
    EXPECT_EQ(gOVPaths[kChosenMusicSlot], "");
    // The preference keeps the choice: the folder may come back, on a disk plugged in again.
    EXPECT_EQ(Stored(kPrefMoviesFolder), gone);
}

TEST_F(AppPaths, ChangingAMediaFolderStoresItAndMarksThePreferencesChanged) {
    const std::string music = home.MakeFolder("Music");
    ASSERT_EQ(ChangeMusicPath(music), noErr);
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_EQ(Stored(kPrefMusicFolder), music);
    EXPECT_EQ(gOVPaths[kChosenMusicSlot], music);

    gPrefsChanged = false;
    ASSERT_EQ(ChangeMusicPath(home.path() + "/not-there"), noErr);
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_EQ(Stored(kPrefMusicFolder), home.path() + "/not-there/");
    EXPECT_EQ(gOVPaths[kChosenMusicSlot], "");

    ASSERT_EQ(ChangeMusicPath(""), noErr);
    EXPECT_EQ(Stored(kPrefMusicFolder), "");
    EXPECT_EQ(gOVPaths[kChosenMusicSlot], "");
}

TEST_F(AppPaths, PathsThePreferenceFieldCannotHoldAreRefusedUnchanged) {
    const std::string movies = home.MakeFolder("Videos");
    ASSERT_EQ(ChangeMoviePath(movies), noErr);
    gPrefsChanged = false;
    const std::string tooLong = "/" + std::string(255, 'm');
    const std::string notMacRoman = home.path() + "/\xE6\x98\xA0\xE7\x94\xBB"; // CJK
    for (const std::string& path : {tooLong, notMacRoman}) {
        EXPECT_EQ(ChangeMoviePath(path), bdNamErr);
        EXPECT_EQ(Stored(kPrefMoviesFolder), movies);
        EXPECT_EQ(gOVPaths[kChosenMoviesSlot], movies);
        EXPECT_FALSE(gPrefsChanged);
    }
    // Characters Mac Roman holds are stored in it and read back as they were.
    const std::string accented = home.MakeFolder("Vid\xC3\xA9os");
    ASSERT_EQ(ChangeMoviePath(accented), noErr);
    GetOVPaths();
    EXPECT_EQ(gOVPaths[kChosenMoviesSlot], accented);
}

} // namespace
