// File kinds by ending, from the application's tables and from tables of the test's own.
#include "foundation/file_types.h"

#include "app_resources.h"
#include "platform/pstring.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Name {
    Str255 s;
    explicit Name(const std::string& text) { SetPString(s, text); }
    operator ConstStringPtr() const { return s; }
};

std::string P(ConstStringPtr s) {
    return std::string(PStringView(s));
}

// A table entry: a length byte and seven bytes.
void AddEntry(std::vector<UInt8>& table, UInt8 length, const std::string& text) {
    table.push_back(length);
    for (size_t i = 0; i < 7; ++i)
        table.push_back(i < text.size() ? UInt8(text[i]) : 0);
}

class FileTypes : public AppResources {
  protected:
    void SetUp() override {
        ForgetFileTypeTables();
        AppResources::SetUp();
    }
    void TearDown() override {
        ForgetFileTypeTables();
        AppResources::TearDown();
    }
};

TEST_F(FileTypes, EndingTestsIgnoreTheNamesCase) {
    struct Case {
        const char* ending;
        const char* name;
        bool want;
    } cases[] = {
        {".txt", "Talk.TXT", true}, {".txt", "TXT", false},  {".txt", "talk.txtx", false},
        {"txt", "mytxt", true},     {"txt", "my.txt", true}, {".rtf", "a.RtF", true},
        {".txt", "", false},        {"", "anything", false}, {"a.txt", "x.txt", true}, // stops at the dot
        {".txt", ".txt", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFileType(Name(c.ending), Name(c.name)), c.want) << c.ending << " " << c.name;
}

TEST_F(FileTypes, TheApplicationsTablesKnowTheCommonEndings) {
    struct Case {
        bool (*test)(ConstStringPtr);
        const char* name;
        bool want;
    } cases[] = {
        {IsTextFile, "Script.TXT", true},        {IsTextFile, "notes.rtf", true},
        {IsTextFile, "photo.jpg", false},        {IsSoundFile, "song.MP3", true},
        {IsSoundFile, "clip.mov", false},        {IsPictureFile, "slide.png", true},
        {IsPictureFile, "slide.jpeg", true},     {IsjpegPictureFile, "slide.JPG", true},
        {IsjpegPictureFile, "slide.png", false}, {IsMacroFile, "a.macro", true},
        {IsShapeFile, "star.ovshap", true},      {IsSpriteFile, "star.mapf", true},
        {IsColoringBook, "farm.ovcolr", true},   {IsGameFile, "quiz.ovgame", true},
        {IsPullTabFile, "door.ovpull", true},    {IsFlapFile, "lid.ovflap", true},
        {IsFlapFile, "lid.ovgame", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.test(Name(c.name)), c.want) << c.name;

    EXPECT_TRUE(IsMovieFile(Name("talk.mp4"), false));
    EXPECT_FALSE(IsMovieFile(Name("talk.wav"), false));
    EXPECT_TRUE(IsMovieFile(Name("talk.wav"), true)) << "sounds count as movies when asked";
}

TEST_F(FileTypes, EntriesAreFetchedByIndexWithTheCount) {
    SInt16 count = -1;
    EXPECT_EQ(P(GetThisFileTypeFileExt(kTextFileTypes, 0, &count)), ".txt");
    EXPECT_GT(count, 1);
    EXPECT_EQ(P(GetThisFileTypeFileExt(kTextFileTypes, count, nullptr)), "") << "past the end";
    EXPECT_EQ(P(GetThisFileTypeFileExt(kTextFileTypes, -1, nullptr)), "");
    count = -1;
    EXPECT_EQ(P(GetThisFileTypeFileExt(127, 0, &count)), "") << "not a table";
    EXPECT_EQ(count, -1);

    // Every entry of every table is a dot and a lower-case ending of at most six letters.
    for (SInt16 table = kTextFileTypes; table <= kFlapFileTypes; ++table) {
        GetThisFileTypeFileExt(table, 0, &count);
        ASSERT_GT(count, 0) << table;
        for (SInt16 i = 0; i < count; ++i) {
            const std::string ending = P(GetThisFileTypeFileExt(table, i, nullptr));
            EXPECT_EQ(ending[0], '.') << table << " " << ending;
            for (char c : ending.substr(1))
                EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) << ending;
        }
    }
}

TEST_F(FileTypes, AMissingTableMatchesNoFile) {
    CloseResFile(appFile);
    appFile = -1;
    SInt16 count = -1;
    EXPECT_EQ(P(GetThisFileTypeFileExt(kTextFileTypes, 0, &count)), "");
    EXPECT_EQ(count, -1);
    EXPECT_FALSE(IsTextFile(Name("talk.txt")));
    EXPECT_FALSE(IsTextFile(Name("anything")));
}

TEST_F(FileTypes, OverlongEntriesAreClampedAndEmptyOnesMatchNothing) {
    TempDir dir;
    std::vector<UInt8> table;
    AddEntry(table, 200, ".abcdefgh"); // a length byte far past the entry
    AddEntry(table, 0, "");
    AddEntry(table, 4, ".xyz");
    table.push_back(4); // a partial entry at the end is not counted
    const ResFileRefNum file =
        OpenResourceFileWith(dir.File("patch.res"), {{FourCC("FTyp"), kGameFileTypes, table}});
    ASSERT_GT(file, 0);

    SInt16 count = 0;
    EXPECT_EQ(P(GetThisFileTypeFileExt(kGameFileTypes, 0, &count)), ".abcdef");
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(IsGameFile(Name("x.abcdef")));
    EXPECT_TRUE(IsGameFile(Name("x.xyz")));
    EXPECT_FALSE(IsGameFile(Name("x.ovgame"))) << "the patch file's table replaces the application's";
    EXPECT_FALSE(IsGameFile(Name("plain"))) << "the empty entry matches nothing";
    CloseResFile(file);
}

TEST_F(FileTypes, ChangeExtensionCutsAtTheLastDotOfTheFileName) {
    struct Case {
        const char* name;
        const char* ending;
        const char* want;
    } cases[] = {
        {"talk.v2.txt", ".rtf", "talk.v2.rtf"},
        {"talk", ".txt", "talk.txt"},
        {"my.folder/talk", ".txt", "my.folder/talk.txt"},
        {".profile", ".txt", ".profile.txt"},
        {"a.b", "", "a"},
    };
    for (const Case& c : cases) {
        Str255 name;
        SetPString(name, c.name);
        ChangeExtension(name, Name(c.ending));
        EXPECT_EQ(P(name), c.want) << c.name;
    }
    Str255 full;
    SetPString(full, std::string(252, 'n') + ".t");
    ChangeExtension(full, Name(".movie"));
    EXPECT_EQ(P(full), std::string(252, 'n') + ".mo");
}

} // namespace
