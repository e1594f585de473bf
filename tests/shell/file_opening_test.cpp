// Opening files by type and inserting text: the type rules, the folder search, the line files, the
// document a dropped file becomes, and text with bookmarks inserted into the prompter.
#include "foundation/app_paths.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "scroll/scroll_engine.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/periodic_timer.h"
#include "shell/program_fixture.h"
#include "shell/script_documents.h"
#include "support/port_pixels.h"
#include "support/prompter_text.h"
#include "support/temp_dir.h"
#include "textengine/text_engine.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace {

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// A resource file holding the given resources (type, ID, data).
struct ResourceSpec {
    ResType type;
    ResID id;
    std::vector<UInt8> data;
};
void WriteResourceFile(const std::string& path, const std::vector<ResourceSpec>& resources) {
    const ResFileRefNum saved = CurResFile();
    CreateResFile(path);
    const ResFileRefNum file = OpenResFile(path, fsRdWrPerm);
    ASSERT_NE(file, -1);
    for (const ResourceSpec& spec : resources) {
        Handle h = nullptr;
        ASSERT_EQ(PtrToHand(spec.data.data(), &h, Size(spec.data.size())), noErr);
        const UInt8 noName[1] = {0};
        AddResource(h, spec.type, spec.id, noName);
    }
    CloseResFile(file);
    UseResFile(saved);
}

// Host-order offsets after the bookmarks header, as this machine writes them.
std::vector<UInt8> BookmarkResource(std::initializer_list<SInt32> offsets) {
    std::vector<UInt8> bytes(kDocResourceHeaderSize + offsets.size() * 4);
    WriteDocResourceHeader(bytes.data(), kBookmarkTag);
    size_t at = kDocResourceHeaderSize;
    for (SInt32 offset : offsets) {
        std::memcpy(bytes.data() + at, &offset, 4);
        at += 4;
    }
    return bytes;
}

std::vector<SInt32> BookmarkSlots() {
    std::vector<SInt32> slots(static_cast<size_t>(gNumBookmarks));
    if (gBookmarkList) std::memcpy(slots.data(), *gBookmarkList, slots.size() * 4);
    return slots;
}

void SetBookmarkSlots(const std::vector<SInt32>& slots) {
    if (gBookmarkList) DisposeHandle(gBookmarkList);
    gBookmarkList = nullptr;
    gNumBookmarks = SInt32(slots.size());
    if (!slots.empty()) {
        ASSERT_EQ(PtrToHand(slots.data(), &gBookmarkList, Size(slots.size() * 4)), noErr);
    }
}

// Names handle: count, then length-prefixed names.
void SetBookmarkNames(const std::vector<std::string>& names) {
    if (gBookmarkNames) DisposeHandle(gBookmarkNames);
    std::string bytes(2, '\0');
    const SInt16 count = SInt16(names.size());
    std::memcpy(bytes.data(), &count, 2);
    for (const std::string& name : names)
        bytes += char(name.size()) + name;
    gBookmarkNames = nullptr;
    ASSERT_EQ(PtrToHand(bytes.data(), &gBookmarkNames, Size(bytes.size())), noErr);
}

std::string BookmarkNamesBytes() {
    return gBookmarkNames ? std::string(*gBookmarkNames, size_t(GetHandleSize(gBookmarkNames))) : "";
}

class FileOpeningTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (std::string& slot : gOVPaths)
            slot.clear();
        gIdflag = 0;
    }
    void TearDown() override {
        SetBookmarkSlots({});
        if (gBookmarkNames) DisposeHandle(gBookmarkNames);
        gBookmarkNames = nullptr;
        gIdflag = 0;
        ProgramTest::TearDown();
    }
    TempDir dir;
};

TEST_F(FileOpeningTest, TypeComesFromTheEndingThenFromTheContent) {
    const std::string queueFile = dir.File("Show.dat");
    WriteResourceFile(queueFile, {{FourCC("OvQu"), 128, std::vector<UInt8>(780, 0)}});
    const std::string scriptsFile = dir.File("Scripts");
    WriteResourceFile(scriptsFile, {{FourCC("TEXT"), 128, {'H', 'i'}}});
    struct Case {
        std::string name;
        std::string bytes;
        OSType type;
        SInt16 isTextFile;
        SInt16 isDos;
    };
    const Case cases[] = {
        {"Talk.txt", "one\ntwo\n", kTextFileType, 1, 0},
        {"Talk CR.txt", "one\rtwo\r", kTextFileType, 1, 0},
        {"Windows.txt", "one\r\ntwo\r\n", kDosTextFileType, 1, 1},
        {"Wide.txt", std::string("o\0\r\0\n\0", 6), kDosTextFileType, 1, 1},
        {"Empty.txt", "", kTextFileType, 1, 0},
        {"Side.RSRC", "anything", kResourceScriptFileType, 0, 0},
        {"Evening.queue", "", kQueueFileType, 1, 0},
        {"Clip.MOV", "", kMovieFileType, 1, 0},
        {"Tune.mp3", "", kMovieFileType, 1, 0},
        {"Backdrop.png", "", kPictureFileType, 1, 0},
        // A text whose first bytes merely resemble a resource file's header.
        {"Numbers.txt", std::string("\0\0\1\0\0\0\1\0\0\0\0\0\0\0\0\x20", 16), kTextFileType, 1, 0},
    };
    for (const Case& c : cases) {
        WriteFile(dir.File(c.name), c.bytes);
        const OSType type = GetFileTypeOfPath(dir.File(c.name));
        EXPECT_EQ(type, c.type) << c.name;
        SetDocumentKindFromType(type);
        EXPECT_EQ(gIsTextFile, c.isTextFile) << c.name;
        EXPECT_EQ(gIsDos, c.isDos) << c.name;
    }
    EXPECT_EQ(GetFileTypeOfPath(scriptsFile), kResourceScriptFileType);
    EXPECT_EQ(GetFileTypeOfPath(queueFile), kQueueFileType);
    EXPECT_EQ(GetFileTypeOfPath(dir.File("missing.txt")), kTextFileType);
}

TEST_F(FileOpeningTest, FileNotWhereItsPathSaysIsFoundInTheSearchFoldersInOrder) {
    TempDir first, second, third;
    gOVPaths[16] = first.path() + "/";
    gOVPaths[14] = second.path() + "/";
    gOVPaths[kApplicationSlot] = third.path() + "/";
    WriteFile(second.File("Notes.txt"), "second");
    WriteFile(third.File("Notes.txt"), "third");
    std::filesystem::create_directory(first.File("Notes.txt.d"));

    std::string found;
    EXPECT_EQ(LocateFile("/nowhere/Notes.txt", kOpenSearchSlots, found), noErr);
    EXPECT_EQ(found, second.File("Notes.txt"));
    EXPECT_EQ(LocateFile(third.File("Notes.txt"), kOpenSearchSlots, found), noErr);
    EXPECT_EQ(found, third.File("Notes.txt")) << "a file where its path says is taken from there";
    EXPECT_EQ(LocateFile("/nowhere/Notes.txt.d", kOpenSearchSlots, found), fnfErr) << "a folder is no file";
    EXPECT_EQ(LocateFile("/nowhere/Other.txt", kOpenSearchSlots, found), fnfErr);

    // The music folder is searched only by DoOpen.
    TempDir music;
    gOVPaths[kChosenMusicSlot] = music.path() + "/";
    WriteFile(music.File("Song.txt"), "la");
    EXPECT_EQ(LocateFile("/nowhere/Song.txt", kOpenSearchSlots, found), noErr);
    EXPECT_EQ(LocateFile("/nowhere/Song.txt", kInsertSearchSlots, found), fnfErr);
}

TEST_F(FileOpeningTest, BookmarkNamesFileNamesOnlyTheSlotsThereAreAndSkipsBlankLines) {
    const std::string text = "  Opening\r\r\t \rMiddle part\r\rClosing words\rEncore\r";
    EXPECT_EQ(GetBookmarkNamesFromText(text, 3),
              (std::vector<std::string>{"Opening", "Middle part", "Closing words"}));
    EXPECT_EQ(GetBookmarkNamesFromText(text, 0), std::vector<std::string>{});
    const std::string longLine(100, 'x');
    EXPECT_EQ(GetBookmarkNamesFromText(longLine + "\n", 5), std::vector<std::string>{std::string(63, 'x')});
}

TEST_F(FileOpeningTest, TextMergeFileOfSevenLinesGivesTwoEntriesAndAKeyword) {
    const std::string text = "NAME\r  Ann\rWho is speaking?\rCITY\r\rWhere?\rDATE\r";
    const std::vector<TextMergeLines> entries = GetTextMergeEntriesFromText(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].keyword, "NAME");
    EXPECT_EQ(entries[0].replaceWith, "Ann");
    EXPECT_EQ(entries[0].prompt, "Who is speaking?");
    EXPECT_EQ(entries[1].keyword, "CITY");
    EXPECT_EQ(entries[1].replaceWith, "") << "a blank line is an empty field";
    EXPECT_EQ(entries[1].prompt, "Where?");
    EXPECT_EQ(entries[2].keyword, "DATE");
    EXPECT_EQ(entries[2].replaceWith, "");
    EXPECT_EQ(entries[2].prompt, "");
    // CR-LF and LF line ends count one line each; a long line is cut to 254.
    EXPECT_EQ(GetTextMergeEntriesFromText("A\r\nB\nC").size(), 1u);
    EXPECT_EQ(GetTextMergeEntriesFromText(std::string(300, 'k'))[0].keyword.size(), 254u);
}

TEST_F(FileOpeningTest, FileFoundNowhereShowsTheCurrentScriptAgainAndReturnsOne) {
    const std::string path = dir.File("Current.txt");
    WriteFile(path, "Current script\r");
    ASSERT_EQ(DoOpen(path), 1);
    const std::string name = gOutName;
    const std::string folder = gOutPath;

    EXPECT_EQ(DoOpen("/nowhere/Gone.txt"), 1);
    EXPECT_EQ(gOutName, name);
    EXPECT_EQ(gOutPath, folder);
    EXPECT_EQ(gPathSpec, path);
    EXPECT_EQ(gSelectText, 1);
    EXPECT_EQ(gCurrentScriptName, "Current.txt");
}

TEST_F(FileOpeningTest, ScriptDocumentBecomesTheDocumentWithItsKind) {
    const std::string path = dir.File("Talk.txt");
    WriteFile(path, "Line one\r\nLine two\r\n");
    gSaveInProgress = true;
    EXPECT_EQ(DoOpen(path), 1);
    EXPECT_FALSE(gSaveInProgress);
    EXPECT_EQ(gOutName, "Talk.txt");
    EXPECT_EQ(gFileName, "Talk.txt");
    EXPECT_EQ(gOutPath, dir.path() + "/");
    EXPECT_EQ(gInPath, dir.path() + "/");
    EXPECT_EQ(gPathSpec, path);
    EXPECT_EQ(gIsTextFile, kTextDocument);
    EXPECT_EQ(gIsDos, 1);
    EXPECT_EQ(gSelectText, 1);
}

TEST_F(FileOpeningTest, FileChosenForAPurposeLeavesTheDocumentAlone) {
    const std::string document = dir.File("Talk.txt");
    WriteFile(document, "Script\r");
    ASSERT_EQ(DoOpen(document), 1);
    const std::string names = dir.File("Names.txt");
    WriteFile(names, "First\rSecond\r");
    for (SInt16 purpose : {kOpenBookmarkNames, kOpenTextMerge, kOpenNonverbalText, kOpenMusic}) {
        gIdflag = purpose;
        EXPECT_EQ(DoOpen(names), 0) << purpose;
        EXPECT_EQ(gOutName, "Talk.txt") << purpose;
        EXPECT_EQ(gPathSpec, document) << purpose;
    }
    // Movies go to the media list and pictures to the prompter's window, whatever the purpose.
    gIdflag = 0;
    for (const char* media : {"Clip.mov", "Backdrop.png"}) {
        WriteFile(dir.File(media), "not really media");
        EXPECT_EQ(DoOpen(dir.File(media)), 0) << media;
        EXPECT_EQ(gOutName, "Talk.txt") << media;
    }
}

TEST_F(FileOpeningTest, SizeDisplayIsDrawnBesideTheMiddleOfTheTextRectangleWhenOn) {
    TestWorld world(400, 200);
    RGBForeColor(&kBlackRGB);
    const Rect all{0, 0, 200, 400};
    PaintRect(&all);
    gScrollTextRect = all;
    gShowSpeed = false;
    DoOpen("/nowhere/Gone.txt");
    EXPECT_EQ(world.At(380, 80), kBlackPixel) << "nothing is drawn while the display is off";

    gShowSpeed = true;
    gShowSize = true;
    DoOpen("/nowhere/Gone.txt");
    EXPECT_EQ(world.At(380, 80), kWhitePixel) << "the figures' background is erased";
    EXPECT_EQ(world.At(189, 100), kBlackPixel);
    EXPECT_EQ(world.At(380, 125), kBlackPixel) << "24 pixels below the middle at most";
    EXPECT_FALSE(gShowSize);
}

class FileInsertingTest : public FileOpeningTest {
  protected:
    void SetUp() override {
        FileOpeningTest::SetUp();
        Start();
        ASSERT_NE(ScrollWEHandle, nullptr);
        WESetSelection(0, WEGetTextLength(ScrollWEHandle), 0, ScrollWEHandle);
        WEInsert("Hello world", 11, nullptr, nullptr, ScrollWEHandle, 0);
        gDontQuitWithoutSaving = false;
        gTextHasChanged = false;
        gWaitToUpdateWordCount = 0;
    }
};

TEST_F(FileInsertingTest, InsertedFileGoesAtTheSelectionAndMarksTheTextChanged) {
    const std::string path = dir.File("Insert.txt");
    WriteFile(path, "big ");
    WESetSelection(6, 6, 0, ScrollWEHandle);
    gSyllableArrayCustom = true;
    EXPECT_EQ(DoInsertText(path), noErr);
    EXPECT_EQ(PrompterText(), "Hello big world");
    EXPECT_TRUE(gDontQuitWithoutSaving);
    EXPECT_TRUE(gTextHasChanged);
    EXPECT_EQ(gWaitToUpdateWordCount, 300);
    EXPECT_FALSE(gSyllableArrayCustom);

    // A selection is replaced; the start comes back; noUndo and keepSaved leave the flags alone.
    gDontQuitWithoutSaving = false;
    gTextHasChanged = false;
    WESetSelection(0, 5, 0, ScrollWEHandle);
    SInt32 start = -1;
    FinishInsertText("Goodbye", 7, nullptr, ScrollWEHandle, &start, true, true, true);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(PrompterText(), "goodbye big world");
    EXPECT_FALSE(gDontQuitWithoutSaving);
    EXPECT_FALSE(gTextHasChanged);

    EXPECT_EQ(DoInsertText("/nowhere/Missing.txt"), fnfErr);
    EXPECT_EQ(PrompterText(), "goodbye big world");
}

TEST_F(FileInsertingTest, ResourceScriptFileInsertsItsFirstScriptOrReportsItCannotBeOpened) {
    const std::string scripts = dir.File("Scripts.rsrc");
    WriteResourceFile(
        scripts, {{FourCC("BkMk"), 128, BookmarkResource({})}, {FourCC("TEXT"), 130, {'O', 'n', 'e', ' '}}});
    WESetSelection(0, 0, 0, ScrollWEHandle);
    EXPECT_EQ(DoInsertText(scripts), noErr);
    EXPECT_EQ(PrompterText(), "One Hello world");
    EXPECT_EQ(gIsTextFile, kResourceScriptFile);

    const std::string damaged = dir.File("Damaged.rsrc");
    WriteFile(damaged, "not a resource file");
    const ResFileRefNum current = CurResFile();
    EXPECT_EQ(DoInsertText(damaged), fnfErr);
    EXPECT_EQ(CurResFile(), current);
    EXPECT_EQ(PrompterText(), "One Hello world");
}

TEST_F(FileInsertingTest, DroppedScriptShowsInThePrompterThroughTheOpenDocumentsEvent) {
    const std::string path = dir.File("Speech.txt");
    WriteFile(path, "First line\nSecond line\n");
    gIdflag = 0;
    EXPECT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(PrompterText(), "First line\rSecond line\r");
    EXPECT_EQ(gOutName, "Speech.txt");
    EXPECT_FALSE(gDontQuitWithoutSaving);
}

TEST_F(FileInsertingTest, InsertedDocumentBringsItsBookmarksAfterTheDocumentsOwn) {
    const std::string path = dir.File("Part.txt");
    WriteFile(path, "ABCDEFGHIJ");
    std::vector<UInt8> names(kDocResourceHeaderSize + 2);
    WriteDocResourceHeader(names.data(), kBookmarkTag);
    const UInt16 count = 2;
    std::memcpy(names.data() + kDocResourceHeaderSize, &count, 2);
    for (const char* name : {"\x03One", "\x03Two"})
        names.insert(names.end(), name, name + 4);
    WriteResourceFile(SideFilePath(path),
                      {{FourCC("BkMk"), 128, BookmarkResource({2, -1, 99})}, {FourCC("BmkN"), 128, names}});
    SetBookmarkSlots({1, 3});
    SetBookmarkNames({"a", "b"});
    WESetSelection(11, 11, 0, ScrollWEHandle);
    EXPECT_EQ(DoInsertText(path), noErr);
    EXPECT_EQ(PrompterText(), "Hello worldABCDEFGHIJ");
    // -1 stays an empty slot and an offset past the inserted text becomes one.
    EXPECT_EQ(BookmarkSlots(), (std::vector<SInt32>{1, 3, 13, -1, -1}));
    EXPECT_EQ(BookmarkNamesBytes(), std::string("\4\0\1a\1b\3One\3Two", 14))
        << "names past the count need no splice; the inserted names follow their bookmarks";
}

TEST_F(FileOpeningTest, InsertedBookmarksTakeTheirPlaceAmongTheOldOnesPast32767) {
    struct Case {
        std::vector<SInt32> slots;
        std::vector<SInt32> inserted;
        SInt32 insertAt;
        std::vector<SInt32> expected;
        SInt32 firstSlot;
    };
    const Case cases[] = {
        {{10, 50}, {0, 5}, 20, {10, 20, 25, 50}, 1},
        {{10, 50}, {0}, 60, {10, 50, 60}, 2},
        {{40000, 70000, 30000}, {100, 200}, 50000, {40000, 50100, 50200, 70000, 30000}, 1},
        {{5}, {-1, 3}, 0, {-1, 3, 5}, 0},
    };
    for (const Case& c : cases) {
        SetBookmarkSlots(c.slots);
        SetBookmarkNames({"s0", "s1", "s2"});
        EXPECT_EQ(SpliceInsertedBookmarks(c.inserted, c.insertAt, 1000), c.firstSlot);
        EXPECT_EQ(BookmarkSlots(), c.expected) << c.insertAt;
        // The names move with their slots: as many empty names as new slots, before the first new one.
        std::string names = BookmarkNamesBytes();
        SInt16 namedCount;
        std::memcpy(&namedCount, names.data(), 2);
        EXPECT_EQ(namedCount, SInt16(c.firstSlot < 3 ? 3 + c.inserted.size() : 3));
    }
}

} // namespace
