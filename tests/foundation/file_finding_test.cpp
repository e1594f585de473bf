// Finding files by name: the folder orders of each kind, recursive searches, full paths, and retrying
// with the other endings of the kind.
#include "app_resources.h"

#include "foundation/app_paths.h"
#include "foundation/file_finding.h"
#include "platform/pstring.h"
#include "shell/shell_globals.h"
#include "support/temp_home.h"

#include <filesystem>
#include <string>

namespace {

class FileFinding : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        gOutPath.clear();
        for (std::string& path : gOVPaths)
            path.clear();
    }
    void TearDown() override {
        gOutPath.clear();
        for (std::string& path : gOVPaths)
            path.clear();
        AppResources::TearDown();
    }
    // Points the slot at a new folder of the home.
    std::string Slot(AppPathSlot slot, const std::string& relative) {
        return gOVPaths[slot] = home.MakeFolder(relative);
    }
    static std::string Text(ConstStringPtr s) { return std::string(PStringView(s)); }
    TempHome home;
    Str255 name;
    std::string folder;
};

TEST_F(FileFinding, DirectFoldersAreTriedInTheirOrderBeforeAnySearch) {
    const std::string current = home.MakeFolder("current");
    const std::string scripts = Slot(16, "scripts");
    const std::string docs = Slot(kDocumentsSlot, "docs");
    for (const char* where : {"current", "scripts", "docs", "docs/deep"})
        home.WriteFile(std::string(where) + "/news.txt", "x");

    SetPString(name, "news.txt");
    ASSERT_EQ(FindTextFile(name, folder), noErr);
    EXPECT_EQ(folder, scripts);
    gOutPath = current; // the current document's folder comes first
    ASSERT_EQ(FindTextFile(name, folder), noErr);
    EXPECT_EQ(folder, current);
    EXPECT_EQ(Text(name), "news.txt");
}

TEST_F(FileFinding, RecursiveSearchGivesTheFolderWhereTheFileWasFound) {
    Slot(kDocumentsSlot, "docs");
    const std::string deep = home.MakeFolder("docs/a/b");
    home.MakeFolder("docs/0-empty");
    home.WriteFile("docs/a/b/intro.txt", "x");
    // A link back up must not send the search round for ever.
    std::filesystem::create_directory_symlink(home.path() + "/docs", home.path() + "/docs/a/loop");

    SetPString(name, "intro.txt");
    ASSERT_EQ(FindTextFile(name, folder), noErr);
    EXPECT_EQ(folder, deep);
    SetPString(name, "absent.txt");
    EXPECT_EQ(FindTextFile(name, folder), fnfErr);
}

TEST_F(FileFinding, EachKindSearchesItsOwnFolders) {
    // The chosen music folder is searched for texts but not for pictures; support folder 2 beside the
    // program is tried for music but not for texts.
    const std::string pictures = Slot(kChosenPicturesSlot, "chosen-pictures");
    const std::string music = Slot(kChosenMusicSlot, "chosen-music");
    const std::string beside = Slot(2, "beside/Library");
    for (const char* file :
         {"chosen-pictures/inner/logo.png", "chosen-music/inner/cover.png", "chosen-music/inner/lyrics.txt",
          "beside/Library/song.mp3", "beside/Library/song.txt"})
        home.WriteFile(file, "x");
    struct Case {
        OSErr (*find)(StringPtr, std::string&);
        const char* name;
        std::string folder; // empty: not found
    };
    const Case cases[] = {
        {FindPictureFile, "logo.png", pictures + "inner/"},
        {FindPictureFile, "cover.png", ""},
        {FindTextFile, "lyrics.txt", music + "inner/"},
        {FindMusicFile, "song.mp3", beside},
        {FindTextFile, "song.txt", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPString(name, c.name);
        folder.clear();
        EXPECT_EQ(c.find(name, folder), c.folder.empty() ? fnfErr : noErr);
        EXPECT_EQ(folder, c.folder);
    }
}

TEST_F(FileFinding, FullPathsAreTakenAsTheyAreOrSearchedByTheirBareName) {
    const std::string elsewhere = home.MakeFolder("elsewhere");
    home.WriteFile("elsewhere/speech.txt", "x");
    const std::string scripts = Slot(16, "scripts");
    home.WriteFile("scripts/moved.txt", "x");

    SetPString(name, elsewhere + "speech.txt");
    ASSERT_EQ(FindTextFile(name, folder), noErr);
    EXPECT_EQ(folder, elsewhere);
    EXPECT_EQ(Text(name), "speech.txt");

    SetPString(name, home.path() + "/gone/moved.txt");
    ASSERT_EQ(FindTextFile(name, folder), noErr);
    EXPECT_EQ(folder, scripts);
    EXPECT_EQ(Text(name), "moved.txt");
}

TEST_F(FileFinding, OtherEndingsOfTheKindAreTriedInTurn) {
    Slot(kDocumentsSlot, "docs");
    home.WriteFile("docs/sub/letter.md", "x");
    const std::string pictures = Slot(kPictureSequenceSlot, "pictures");
    home.WriteFile("pictures/clip.jpeg", "x");

    struct Case {
        const char* asked;
        OSErr (*find)(StringPtr, std::string&);
        const char* found;
        std::string folder;
    };
    const Case cases[] = {
        {"letter.doc", FindTextFile, "letter.md", home.path() + "/docs/sub/"},
        {"letter", FindTextFile, "letter.md", home.path() + "/docs/sub/"},
        {"clip.png", FindPictureFile, "clip.jpeg", pictures},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        SetPString(name, c.asked);
        ASSERT_EQ(c.find(name, folder), noErr);
        EXPECT_EQ(Text(name), c.found);
        EXPECT_EQ(folder, c.folder);
    }
    // Not found under any ending: the name asked for comes back unchanged.
    SetPString(name, "nowhere.txt");
    EXPECT_EQ(FindTextFile(name, folder), fnfErr);
    EXPECT_EQ(Text(name), "nowhere.txt");
}

} // namespace
