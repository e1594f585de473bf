// The data folder, the user's standard folders as user-dirs.dirs names them, and folder listings.
#include "platform/folders.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class StandardFolders : public ::testing::Test {
  protected:
    std::string Make(const std::string& relative) {
        std::string folder = home.MakeFolder(relative);
        folder.pop_back();
        return folder;
    }
    void WriteUserDirs(const std::string& text) { home.WriteFile(".config/user-dirs.dirs", text); }
    TempHome home;
};

TEST_F(StandardFolders, DataFolderFollowsTheVariableOnlyWhenAbsolute) {
    EXPECT_EQ(DataFolder(), home.path() + "/.local/share/Orvalis");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(DataFolder(), home.path() + "/.local/share/Orvalis");
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DataFolder(), "/srv/data/Orvalis");
}

TEST_F(StandardFolders, UserDirsFileNamesTheFoldersAndMissingOnesAreEmpty) {
    const std::string desk = Make("Schreibtisch");
    const std::string docs = Make("Documents");
    const std::string elsewhere = Make("elsewhere/Bilder");
    Make("Music");
    WriteUserDirs("# written by the desktop\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                  "XDG_PICTURES_DIR=\"" +
                  elsewhere +
                  "\"\n"
                  "XDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                  "XDG_VIDEOS_DIR=\"relative/Videos\"\n");
    struct Case {
        StandardFolderKind kind;
        std::string expected;
    };
    const Case cases[] = {
        {kDesktopFolder, desk},       // $HOME/ prefix
        {kPicturesFolder, elsewhere}, // absolute
        {kDocumentsFolder, docs},     // not named: the usual folder
        {kMusicFolder, ""},           // named but missing: not made, and no fallback to ~/Music
        {kMoviesFolder, ""},          // a relative value is ignored; ~/Videos does not exist
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        EXPECT_EQ(StandardFolder(c.kind), c.expected);
    }
    EXPECT_FALSE(std::filesystem::exists(home.path() + "/Musik"));
}

TEST_F(StandardFolders, ListingIsSortedSplitByKindAndSkipsHiddenEntries) {
    const std::string root = Make("list");
    for (const char* folder : {"b-folder", "A-folder", ".hidden-folder"})
        Make(std::string("list/") + folder);
    for (const char* file : {"zeta.txt", "alpha.txt", ".hidden.txt", "Beta.txt"})
        std::ofstream(root + "/" + file) << "x";
    std::filesystem::create_directory_symlink(root + "/b-folder", root + "/c-link");
    std::filesystem::create_symlink(root + "/nowhere", root + "/broken-link");

    EXPECT_EQ(ListFolder(root, kListFiles), (std::vector<std::string>{"Beta.txt", "alpha.txt", "zeta.txt"}));
    EXPECT_EQ(ListFolder(root, kListSubfolders),
              (std::vector<std::string>{"A-folder", "b-folder", "c-link"}));
    EXPECT_TRUE(ListFolder(root + "/missing", kListFiles).empty());
    EXPECT_EQ(CanonicalFolder(root + "/c-link"), CanonicalFolder(root + "/b-folder"));
    EXPECT_EQ(CanonicalFolder(root + "/missing"), "");
}

} // namespace
