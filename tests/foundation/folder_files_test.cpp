// Files of a folder by index and by content, unused names, and splitting full names.
#include "foundation/folder_files.h"
#include "platform/pstring.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(ConstStringPtr s) {
    return s ? std::string(PStringView(s)) : std::string("(null)");
}

struct Pstr {
    explicit Pstr(const std::string& text) { SetPString(bytes, text); }
    Str255 bytes;
};

TEST(FolderFiles, FullNamesSplitAtTheLastSlash) {
    struct Case {
        const char* full;
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"/home/ann/Scripts/news.txt", "/home/ann/Scripts/", "news.txt"},
        {"/news.txt", "/", "news.txt"},
        {"/home/ann/Scripts/", "/home/ann/Scripts/", ""},
        {"news.txt", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.full);
        Str255 file;
        SetPString(file, "stale");
        std::string folder = "stale";
        GetFileandPathFromFullName(Pstr(c.full).bytes, file, folder);
        EXPECT_EQ(folder, c.folder);
        EXPECT_EQ(Text(file), c.file);
    }
    // The Mac Roman name comes out as UTF-8 in the folder and stays Mac Roman in the file name.
    Str255 file;
    std::string folder;
    GetFileandPathFromFullName(Pstr("/Caf\x8E/r\x8Esum\x8E.txt").bytes, file, folder);
    EXPECT_EQ(folder, "/Caf\xC3\xA9/");
    EXPECT_EQ(Text(file), "r\x8Esum\x8E.txt");
}

TEST(FolderFiles, OnlyFilesInsideTheFolderExist) {
    TempHome home;
    const std::string folder = home.MakeFolder("a/b");
    home.WriteFile("a/b/take.txt", "x");
    home.WriteFile("a/outside.txt", "x");
    home.MakeFolder("a/b/sub");
    EXPECT_TRUE(DoesFileExist(Pstr("take.txt").bytes, folder));
    for (const char* name : {"missing.txt", "sub", "../outside.txt", "..", ""})
        EXPECT_FALSE(DoesFileExist(Pstr(name).bytes, folder)) << name;
    EXPECT_FALSE(DoesFileExist(Pstr("take.txt").bytes, ""));
}

TEST(FolderFiles, FilesAndSubfoldersAreCountedFromOneInNameOrder) {
    TempHome home;
    const std::string folder = home.MakeFolder("f");
    for (const char* name : {"c.txt", "a.txt", "b.txt"})
        home.WriteFile(std::string("f/") + name, "x");
    home.WriteFile("f/\xE6\x96\x87.txt", "x"); // a name Mac Roman cannot hold is not counted
    home.MakeFolder("f/zz");
    home.MakeFolder("f/mm");

    EXPECT_EQ(Text(GetDirectoryFiles(0, folder)), "(null)");
    EXPECT_EQ(Text(GetDirectoryFiles(1, folder)), "a.txt");
    EXPECT_EQ(Text(GetDirectoryFiles(3, folder)), "c.txt");
    EXPECT_EQ(Text(GetDirectoryFiles(4, folder)), "(null)");
    EXPECT_EQ(Text(GetDirFiles(folder, 1)), "mm");
    EXPECT_EQ(Text(GetDirFiles(folder, 2)), "zz");
    EXPECT_EQ(Text(GetDirFiles(folder, 3)), "(null)");
    EXPECT_EQ(Text(GetDirectoryFiles(1, folder + "missing/")), "(null)");
}

TEST(FolderFiles, FilesAreFoundByTheirMagicInEitherByteOrder) {
    TempHome home;
    const std::string folder = home.MakeFolder("m");
    home.WriteFile("m/1-other", "TEXTmore");
    home.WriteFile("m/2-big", "OMacbody");
    home.WriteFile("m/3-short", "OM");
    home.WriteFile("m/4-little", "caMObody");
    home.WriteFile("m/5-other", "abcd");
    const UInt32 magic = FourCC("OMac");

    Str255 name;
    SInt16 index = 1;
    ASSERT_TRUE(GetNameNumFromDir(folder, name, &index, magic));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(Text(name), "2-big");
    ++index;
    ASSERT_TRUE(GetNameNumFromDir(folder, name, &index, magic));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(Text(name), "4-little");
    ++index;
    EXPECT_FALSE(GetNameNumFromDir(folder, name, &index, magic));
    EXPECT_EQ(index, 6); // past the last file
}

TEST(FolderFiles, UnusedNamesSkipTheNamesTaken) {
    TempHome home;
    const std::string folder = home.MakeFolder("seq");
    Str255 name;
    ASSERT_EQ(GetNextUnusedName(folder, Pstr("frame").bytes, Pstr(".jpg").bytes, name), noErr);
    EXPECT_EQ(Text(name), "frame0000.jpg");
    home.WriteFile("seq/frame0000.jpg", "x");
    home.WriteFile("seq/frame0001.jpg", "x");
    home.WriteFile("seq/frame0003.jpg", "x");
    ASSERT_EQ(GetNextUnusedName(folder, Pstr("frame").bytes, Pstr(".jpg").bytes, name), noErr);
    EXPECT_EQ(Text(name), "frame0002.jpg");
    ASSERT_EQ(GetNextUnusedName(folder, Pstr("take").bytes, Pstr("").bytes, name), noErr);
    EXPECT_EQ(Text(name), "take0000");
}

} // namespace
