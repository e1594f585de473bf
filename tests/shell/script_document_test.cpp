// Script documents on disk: loading and saving the text with its side file, side data of every kind kept
// through a round trip, documents of a big-endian writer, damaged side files and failed saves.
#include "foundation/error_dialog.h"
#include "media/media_services.h"
#include "platform/bytes.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resource_format.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

struct Res {
    ResType type;
    ResID id;
    std::string name;
    std::vector<UInt8> data;
    bool operator==(const Res&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Res& r) {
    return out << char(r.type >> 24) << char(r.type >> 16) << char(r.type >> 8) << char(r.type) << " " << r.id
               << " \"" << r.name << "\" " << r.data.size() << " bytes";
}

std::vector<UInt8> SideFileBytes(const std::vector<Res>& resources) {
    ResourceForkContents contents;
    for (const Res& r : resources) {
        ResourceEntry entry;
        entry.type = r.type;
        entry.id = r.id;
        entry.hasName = !r.name.empty();
        entry.name = r.name;
        entry.data = r.data;
        contents.entries.push_back(entry);
    }
    std::vector<UInt8> bytes;
    EXPECT_EQ(SerializeResourceFork(contents, bytes), noErr);
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<UInt8>& bytes) {
    ASSERT_EQ(WriteFileAtomically(path, bytes), noErr) << path;
}

std::vector<UInt8> ReadBytes(const std::string& path) {
    std::vector<UInt8> bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

std::vector<UInt8> Text(const std::string& s) {
    return {s.begin(), s.end()};
}

// The resources of a side file, sorted by type and ID; the check of the text a save adds is left out
// unless asked for.
std::vector<Res> ReadSide(const std::string& path, bool withTextCheck = false) {
    const std::vector<UInt8> bytes = ReadBytes(path);
    ResourceForkContents contents;
    std::vector<Res> out;
    if (ParseResourceFork(bytes, contents) != noErr) return out;
    for (const ResourceEntry& e : contents.entries)
        if (withTextCheck || e.type != kTextCheckType)
            out.push_back({e.type, e.id, e.name, {e.data.begin(), e.data.end()}});
    std::sort(out.begin(), out.end(),
              [](const Res& a, const Res& b) { return std::tie(a.type, a.id) < std::tie(b.type, b.id); });
    return out;
}

// Integers in either byte order, for building resources as a writer of that order would.
struct Writer {
    bool bigEndian;
    std::vector<UInt8> bytes;
    Writer& U32(UInt32 v) {
        UInt8 b[4];
        if (bigEndian)
            WriteBE32(b, v);
        else
            std::memcpy(b, &v, 4);
        bytes.insert(bytes.end(), b, b + 4);
        return *this;
    }
    Writer& U16(UInt16 v) {
        UInt8 b[2];
        if (bigEndian)
            WriteBE16(b, v);
        else
            std::memcpy(b, &v, 2);
        bytes.insert(bytes.end(), b, b + 2);
        return *this;
    }
    Writer& Header(ResType tag) { return U32(tag).U32(kDocResourceVersion); }
    Writer& PString(const std::string& s) {
        bytes.push_back(UInt8(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    Writer& Raw(const std::vector<UInt8>& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
};

// Two style runs (start, line height, ascent, font, face and filler bytes, size, red, green, blue): bold
// 12-pixel red, then plain 18-pixel blue-green.
constexpr UInt8 kBold = 1;
std::vector<UInt8> StoredStyles(bool bigEndian) {
    Writer w{bigEndian, {}};
    w.U16(2);
    w.U32(0).U16(16).U16(12).U16(4).Raw({kBold, 0}).U16(12).U16(0xFFFF).U16(0).U16(0);
    w.U32(9).U16(20).U16(15).U16(3).Raw({0, 0}).U16(18).U16(0).U16(0x8000).U16(0xFFFF);
    return w.bytes;
}

// The face byte of the first run of the memory form (count, format word, then the runs).
UInt8 FirstRunFace(Handle styles) {
    return styles && GetHandleSize(styles) >= 4 + 20 ? UInt8((*styles)[4 + 10]) : 0xFF;
}

// The memory form the text engine takes: count, format word 3, the runs in this machine's order.
std::vector<UInt8> MemoryStyles() {
    const std::vector<UInt8> stored = StoredStyles(false);
    // Sized once and filled in place: the format word goes between the count and the runs.
    std::vector<UInt8> memory(stored.size() + 2);
    const UInt16 format = 3;
    std::copy(stored.begin(), stored.begin() + 2, memory.begin());
    std::memcpy(memory.data() + 2, &format, 2);
    std::copy(stored.begin() + 2, stored.end(), memory.begin() + 4);
    return memory;
}

// The two runs of StoredStyles with the given fonts.
std::vector<UInt8> StoredStylesInFonts(bool bigEndian, SInt16 first, SInt16 second) {
    std::vector<UInt8> styles = StoredStyles(bigEndian);
    for (auto [at, font] : {std::pair{size_t(2 + 8), first}, std::pair{size_t(2 + 20 + 8), second}}) {
        UInt16 stored = UInt16(font);
        if (bigEndian) WriteBE16(reinterpret_cast<UInt8*>(&stored), UInt16(font));
        std::memcpy(&styles[at], &stored, 2);
    }
    return styles;
}

// The fonts of the runs of the memory form.
std::vector<SInt16> RunFonts(Handle styles) {
    std::vector<SInt16> fonts;
    for (Size at = 4 + 8; styles && at + 2 <= GetHandleSize(styles); at += 20) {
        SInt16 font;
        std::memcpy(&font, *styles + at, 2);
        fonts.push_back(font);
    }
    return fonts;
}

std::string FontName(SInt16 font) {
    Str255 name;
    GetFontName(font, name);
    return std::string(reinterpret_cast<const char*>(name + 1), name[0]);
}

// A font table ('FISH') as a writer of that order stores it: the fonts by their numbers there, with names.
std::vector<UInt8> FontTable(bool bigEndian, const std::vector<std::pair<SInt16, std::string>>& fonts) {
    Writer w{bigEndian, {}};
    w.U32(FourCC("FISH")).U32(0x01008000).U32(UInt32(fonts.size())).U32(0);
    UInt32 nameAt = UInt32(16 + 16 * fonts.size());
    std::vector<UInt8> names;
    for (const auto& [font, name] : fonts) {
        w.U16(UInt16(font))
            .U16(UInt16(font))
            .U16(0)
            .Raw(std::vector<UInt8>(6, 0))
            .U32(nameAt + UInt32(names.size()));
        names.push_back(UInt8(name.size()));
        names.insert(names.end(), name.begin(), name.end());
        names.resize((names.size() + 3) & ~size_t(3), 0);
    }
    return w.Raw(names).bytes;
}

// Side data of every kind, as a writer of the given order stores it.
std::vector<Res> EveryKindOfSideData(bool bigEndian) {
    auto w = [bigEndian] { return Writer{bigEndian, {}}; };
    std::vector<UInt8> tabList = w().U32(0).U32(1).bytes;
    tabList.resize(8 + 100 + 100, 0);
    return {
        {FourCC("BkMk"), 128, "Bookmarks", w().Header(FourCC("BkMk")).U32(0).U32(9).bytes},
        {FourCC("BmkN"), 128, "Bookmark Names",
         w().Header(FourCC("BkMk")).U16(2).PString("One").PString("Two").bytes},
        {FourCC("OVTb"), 128, "Tabs", w().Header(FourCC("Tabs")).Raw(tabList).bytes},
        {FourCC("TxMg"), 128, "Text Merge",
         w().Header(FourCC("MerG")).PString("name").PString("").PString("Who?").bytes},
        {FourCC("HyTx"), 128, "Hypertext",
         w().Header(FourCC("HyTx"))
             .U32(0)
             .U32(0)
             .U32(1)
             .U32(2)
             .U32(5)
             .U32(0)
             .U32(0)
             .U32(0)
             .U32(0)
             .U32(0)
             .U32(1)
             .bytes},
        {FourCC("HyDt"), 128, "Hypertext Data", Text("\"/scripts/\" \"Next.txt\"")},
        {FourCC("Mndl"), 128, "Mandala", w().Header(FourCC("Mndl")).Raw(Text("R1 120 R2 45")).bytes},
        {FourCC("Mndl"), 129, "Mandala", w().Header(FourCC("Mndl")).Raw(Text("R1 80 R2 5")).bytes},
        {FourCC("OvLy"), 128, "Overlay", w().Header(FourCC("Over")).Raw(Text("PIC logo.png X 10")).bytes},
        {FourCC("Musc"), 128, "", w().PString("theme.mp3").PString("/music/").bytes},
        {FourCC("cLut"), 128, "Custom Colors", {0, 0, 0, 1, 0xFF, 0xFF, 0, 0}},
        {FourCC("styl"), 128, "", StoredStyles(bigEndian)},
        {FourCC("Xtra"), 300, "Another program's", {1, 2, 3}},
    };
}

std::vector<Res> Sorted(std::vector<Res> resources) {
    std::sort(resources.begin(), resources.end(),
              [](const Res& a, const Res& b) { return std::tie(a.type, a.id) < std::tie(b.type, b.id); });
    return resources;
}

std::vector<UInt8> HandleBytes(Handle h) {
    return h ? std::vector<UInt8>(*h, *h + GetHandleSize(h)) : std::vector<UInt8>();
}

class ScriptDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        SetPref(gThePreferences, kPrefStyledText, 1);
        SetPref(gThePreferences, kPrefSaveWithDocument, 0);
        SetPref(gThePreferences, kPrefMakeBackups, 0);
        SetPref(gThePreferences, kPrefSaveBookmarks, 0);
        gOutPath = dir.path() + "/";
        gIsTextFile = kTextDocument;
        gIsDos = 0;
        gDontQuitWithoutSaving = false;
        gDoOpenChangedFile = false;
    }
    void TearDown() override {
        for (Handle* h : {&myTextResource, &myStyle, &gBookmarkList, &gBookmarkNames})
            if (*h) {
                DisposeHandle(*h);
                *h = nullptr;
            }
        gNumBookmarks = 0;
        if (gTabList) DisposeHandle(gTabList);
        gTabList = nullptr;
        gTabsAreCustom = false;
        gKeptSideResources.clear();
        ClearFileFaults();
        SetErrorMessageRecording(false);
    }

    // Writes the document and its side file (none for an empty list) and loads it.
    bool Load(const std::string& name, const std::string& text, const std::vector<Res>& side) {
        WriteBytes(dir.File(name), Text(text));
        if (!side.empty()) WriteBytes(SideFilePath(dir.File(name)), SideFileBytes(side));
        gOutName = name;
        return GetText(1);
    }

    TempDir dir;
};

TEST(SideFileNames, AppendToTheWholeNameAndNeverNameTheDocument) {
    const std::array<std::array<const char*, 3>, 6> cases = {{
        // document, side file, side file of earlier versions ("" none)
        {"/a/b.c/Talk.txt", "/a/b.c/Talk.txt.rsrc", "/a/b.c/Talk.rsrc"},
        {"/a/b.c/Talk", "/a/b.c/Talk.rsrc", ""},
        {"/a/Talk.final.txt", "/a/Talk.final.txt.rsrc", "/a/Talk.final.rsrc"},
        {"/a/.profile", "/a/.profile.rsrc", ""},
        {"/a/Talk.txt.bak", "/a/Talk.txt.bak.rsrc", "/a/Talk.txt.rsrc"},
        {"/a/Odd.rsrc", "/a/Odd.rsrc.rsrc", ""},
    }};
    for (const auto& [document, side, earlier] : cases) {
        EXPECT_EQ(SideFilePath(document), side) << document;
        EXPECT_EQ(EarlierSideFilePath(document), earlier) << document;
    }
    EXPECT_EQ(AppleDoublePath("/a/b.c/Talk.txt"), "/a/b.c/._Talk.txt");
}

TEST_F(ScriptDocumentTest, SaveAndReopenKeepTheTextAndEverySideResource) {
    const std::string text = "Line one\rLine two\r\xA5 end";
    const std::vector<Res> side = EveryKindOfSideData(false);
    ASSERT_TRUE(Load("Talk.txt", text, side));
    EXPECT_EQ(HandleBytes(myTextResource), Text(text));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());

    gOutName = "Copy.txt";
    ASSERT_EQ(DoSave(-1), noErr);
    EXPECT_EQ(ReadBytes(dir.File("Copy.txt")), Text(text));
    // The side file also holds the length and CRC-32 of the text it was saved with.
    std::vector<Res> saved = side;
    saved.push_back({kTextCheckType, 128, "", {0, 0, 0, 23, 0xF5, 0xDF, 0xBF, 0x98}});
    // ... and the names of the fonts its runs use.
    saved.push_back({FourCC("FISH"), 128, "", FontTable(false, {{4, FontName(4)}, {3, FontName(3)}})});
    EXPECT_EQ(ReadSide(SideFilePath(dir.File("Copy.txt")), true), Sorted(saved));
    EXPECT_EQ(gPathSpec, dir.File("Copy.txt"));

    ASSERT_TRUE(GetText(1));
    EXPECT_EQ(HandleBytes(myTextResource), Text(text));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_FALSE(gDontQuitWithoutSaving);
}

TEST_F(ScriptDocumentTest, ABigEndianWritersDocumentOpensWithTheSameStylesAndBookmarkNames) {
    ASSERT_TRUE(Load("Mac.txt", "Hello world", EveryKindOfSideData(true)));
    EXPECT_EQ(FirstRunFace(myStyle), kBold) << "the face byte is a byte in either order";
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());
    const std::vector<UInt8> names = Writer{false, {}}.U16(2).PString("One").PString("Two").bytes;
    EXPECT_EQ(HandleBytes(gBookmarkNames), names);
    EXPECT_TRUE(gDontQuitWithoutSaving) << "converted side data offers a save in this machine's order";
    EXPECT_TRUE(gDoOpenChangedFile);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptDocumentTest, AppleDoubleCompanionIsReadWhenThereIsNoSideFile) {
    const std::vector<UInt8> fork = SideFileBytes({{FourCC("styl"), 128, "", StoredStyles(false)}});
    std::vector<UInt8> appleDouble(26 + 12, 0);
    WriteBE32(appleDouble.data(), 0x00051607);
    WriteBE32(appleDouble.data() + 4, 0x00020000);
    WriteBE16(appleDouble.data() + 24, 1);
    WriteBE32(appleDouble.data() + 26, 2);
    WriteBE32(appleDouble.data() + 30, UInt32(appleDouble.size()));
    WriteBE32(appleDouble.data() + 34, UInt32(fork.size()));
    appleDouble.insert(appleDouble.end(), fork.begin(), fork.end());
    WriteBytes(dir.File("._Talk.txt"), appleDouble);
    ASSERT_TRUE(Load("Talk.txt", "Hello world", {}));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());
}

TEST_F(ScriptDocumentTest, ADocumentNamedLikeASideFileKeepsItsTextWhenSaved) {
    const std::string text = "Every word of this script";
    ASSERT_TRUE(Load("Odd.rsrc", text, {{FourCC("styl"), 128, "", StoredStyles(false)}}));
    ASSERT_EQ(DoSave(-1), noErr);
    EXPECT_EQ(ReadBytes(dir.File("Odd.rsrc")), Text(text));
    ASSERT_TRUE(GetText(1));
    EXPECT_EQ(HandleBytes(myTextResource), Text(text));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptDocumentTest, ASideFileOfTheEarlierNameIsReadAndThenShadowedBySaves) {
    const std::vector<Res> side = {{FourCC("styl"), 128, "", StoredStyles(false)}};
    WriteBytes(dir.File("Old.txt"), Text("Old text"));
    WriteBytes(dir.File("Old.rsrc"), SideFileBytes(side));
    gOutName = "Old.txt";
    ASSERT_TRUE(GetText(1));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());

    ASSERT_EQ(DoSave(-1), noErr);
    std::vector<Res> saved = side;
    saved.push_back({FourCC("FISH"), 128, "", FontTable(false, {{4, FontName(4)}, {3, FontName(3)}})});
    EXPECT_EQ(ReadSide(SideFilePath(dir.File("Old.txt"))), Sorted(saved));
    EXPECT_EQ(ReadSide(dir.File("Old.rsrc")), side)
        << "the earlier file may be another document's: left alone";

    // Saved again without styles: the earlier file must not bring them back.
    DisposeHandle(myStyle);
    myStyle = nullptr;
    gKeptSideResources.clear();
    ASSERT_EQ(DoSave(-1), noErr);
    ASSERT_TRUE(GetText(1));
    EXPECT_EQ(myStyle, nullptr);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptDocumentTest, ADocumentOfTheEarlierSideFilesNameIsNotTakenForDamagedSideData) {
    WriteBytes(dir.File("Talk.rsrc"), Text("Another script, not side data"));
    ASSERT_TRUE(Load("Talk.txt", "Talk", {}));
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_EQ(myStyle, nullptr);
}

TEST_F(ScriptDocumentTest, DamagedSideDataOpensTheTextWithOneMessageAndLosesNothing) {
    struct Case {
        const char* name;
        std::vector<Res> side;
        size_t cutFromEnd;
    };
    auto w = [] { return Writer{false, {}}; };
    // A stored stop list of the given count, kinds and positions (the rest of its 50 slots zero).
    auto tabs = [&w](SInt32 count, std::vector<UInt16> kinds, std::vector<UInt16> positions) {
        Writer list = w().Header(FourCC("Tabs")).U32(1).U32(UInt32(count));
        kinds.resize(50, 0);
        positions.resize(50, 0);
        for (UInt16 k : kinds)
            list.U16(k);
        for (UInt16 p : positions)
            list.U16(p);
        return list.bytes;
    };
    const Case cases[] = {
        {"truncated map", EveryKindOfSideData(false), 40},
        {"tab stops out of order", {{FourCC("OVTb"), 128, "Tabs", tabs(2, {0, 0}, {300, 200})}}, 0},
        {"tab stops counting past fifty", {{FourCC("OVTb"), 128, "Tabs", tabs(51, {}, {})}}, 0},
        {"a tab stop of no known kind", {{FourCC("OVTb"), 128, "Tabs", tabs(1, {7}, {100})}}, 0},
        {"hypertext counts past the data",
         {{FourCC("HyTx"), 128, "Hypertext",
           w().Header(FourCC("HyTx")).U32(0).U32(0).U32(1000).U32(1).bytes}},
         0},
        {"bookmark names past the data",
         {{FourCC("BkMk"), 128, "Bookmarks", w().Header(FourCC("BkMk")).U32(1).bytes},
          {FourCC("BmkN"), 128, "Bookmark Names", w().Header(FourCC("BkMk")).U16(5).PString("One").bytes}},
         0},
        {"text merge string past the data",
         {{FourCC("TxMg"), 128, "Text Merge",
           w().Header(FourCC("MerG")).PString("name").Raw({40, 'x'}).bytes}},
         0},
        {"preferences shorter than the record",
         {{FourCC("fPrf"), 128, "Preferences", std::vector<UInt8>(100, 0)}},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearRecordedErrorMessages();
        std::vector<UInt8> sideBytes = SideFileBytes(c.side);
        sideBytes.resize(sideBytes.size() - c.cutFromEnd);
        WriteBytes(dir.File("Talk.txt"), Text("Still here"));
        WriteBytes(SideFilePath(dir.File("Talk.txt")), sideBytes);
        gOutName = "Talk.txt";
        ASSERT_TRUE(GetText(1));
        EXPECT_EQ(HandleBytes(myTextResource), Text("Still here"));
        EXPECT_EQ(RecordedErrorMessages().size(), 1u);
        if (c.side[0].type == FourCC("OVTb")) {
            EXPECT_FALSE(gTabsAreCustom) << "the default stops stand";
            EXPECT_EQ(CurrentTabList().count, gDefaultTabList.count);
        }
        EXPECT_EQ(ReadBytes(SideFilePath(dir.File("Talk.txt"))), sideBytes)
            << "reading never writes the side file";
        if (c.cutFromEnd == 0 && c.side[0].type != FourCC("fPrf")) {
            ASSERT_EQ(DoSave(-1), noErr);
            EXPECT_EQ(ReadSide(SideFilePath(dir.File("Talk.txt"))), Sorted(c.side))
                << "written back as it came";
        }
    }
}

TEST_F(ScriptDocumentTest, TabStopsSetInTheSessionAreSavedAndComeBackWithTheDocument) {
    ASSERT_TRUE(Load("Talk.txt", "a\tb", {}));
    EXPECT_FALSE(gTabsAreCustom);
    gTabBarRect = Rect{0, 10, 16, 800};
    gCurrentTabKind = 2;
    ASSERT_EQ(InsertTab(Point{8, 10 + 250}), 2);
    gCurrentTabKind = 0;
    ASSERT_EQ(DoSave(-1), noErr);

    ASSERT_TRUE(GetText(1));
    EXPECT_TRUE(gTabsAreCustom);
    const TabList& list = CurrentTabList();
    ASSERT_EQ(list.count, 19);
    EXPECT_EQ(list.positions[2], 250);
    EXPECT_EQ(list.kinds[2], 2);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptDocumentTest, DocumentPreferencesReplaceOnlyTheDocumentsSettingsFromEitherWriter) {
    SetPref(gThePreferences, kPrefSaveWithDocument, 1);
    SetPref(gThePreferences, kPrefPacingMode, 3);
    SetPref(gThePreferences, kPrefSavePrefsAtQuit, 1);
    PtrToHand("text", &myTextResource, 4);
    gOutName = "Prefs.txt";
    ASSERT_EQ(DoSave(-1), noErr);
    std::vector<Res> side = ReadSide(SideFilePath(dir.File("Prefs.txt")));
    ASSERT_EQ(side.size(), 2u) << "'Shap' and 'fPrf'";
    ASSERT_EQ(side[1].type, FourCC("fPrf"));
    std::vector<UInt8> bigEndian = side[1].data;
    SwapPrefs(bigEndian.data(), kMainPrefsType, Size(bigEndian.size()));

    for (const auto& [writer, stored] :
         {std::pair{"little-endian", side[1].data}, std::pair{"big-endian", bigEndian}}) {
        SCOPED_TRACE(writer);
        WriteBytes(SideFilePath(dir.File("Prefs.txt")),
                   SideFileBytes({{FourCC("fPrf"), 128, "Preferences", stored}}));
        SetPref(gThePreferences, kPrefPacingMode, 0);  // the document's setting
        SetPref(gThePreferences, kPrefMakeBackups, 1); // the user's own
        SetPref(gThePreferences, kPrefSavePrefsAtQuit, 1);
        ASSERT_TRUE(GetText(1));
        EXPECT_EQ(GetPref(gThePreferences, kPrefPacingMode), 3);
        EXPECT_EQ(GetPref(gThePreferences, kPrefMakeBackups), 1);
        EXPECT_EQ(GetPref(gThePreferences, kPrefSavePrefsAtQuit), 0);
    }
}

TEST_F(ScriptDocumentTest, AFailedSaveReportsAndLeavesTheOldDocument) {
    const std::string readOnly = dir.File("locked");
    std::filesystem::create_directory(readOnly);
    WriteBytes(readOnly + "/Talk.txt", Text("old text"));
    const std::string blocked = dir.File("blocked");
    std::filesystem::create_directory(blocked);
    WriteBytes(blocked + "/Talk.txt", Text("old text"));
    // A folder where the new side file must go: the side file cannot be completed.
    std::filesystem::create_directories(SideFilePath(blocked + "/Talk.txt") + ".saving/inside");
    ::chmod(readOnly.c_str(), 0555);
    struct Case {
        const char* name;
        std::string folder;
    };
    for (const Case& c :
         {Case{"read-only folder", readOnly + "/"}, Case{"side file blocked", blocked + "/"}}) {
        SCOPED_TRACE(c.name);
        // Permissions do not bind root: there the folder refuses the new file as a read-only one would.
        if (c.folder == readOnly + "/" && ::geteuid() == 0) InjectFileFault(FileFaultStep::kOpen);
        ClearRecordedErrorMessages();
        gOutPath = c.folder;
        gOutName = "Talk.txt";
        PtrToHand("new text", &myTextResource, 8);
        gDontQuitWithoutSaving = true;
        const OSErr err = DoSave(-1);
        EXPECT_NE(err, noErr);
        if (c.folder == readOnly + "/") {
            EXPECT_EQ(err, permErr);
        }
        EXPECT_FALSE(FileFaultPending());
        EXPECT_EQ(ReadBytes(c.folder + "Talk.txt"), Text("old text"));
        EXPECT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_TRUE(gDontQuitWithoutSaving);
        size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(c.folder))
            files += entry.is_regular_file();
        EXPECT_EQ(files, 1u) << "no temporary file is left behind";
        DisposeHandle(myTextResource);
        myTextResource = nullptr;
    }
    ::chmod(readOnly.c_str(), 0755);
}

// Every file of a folder with its bytes.
std::map<std::string, std::vector<UInt8>> FolderContents(const std::string& folder) {
    std::map<std::string, std::vector<UInt8>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename()] = ReadBytes(entry.path());
    return files;
}

// Each write of a save fails in turn: creating, writing or syncing the new text, the new side file or the
// kept copy of the old text, and renaming any of them into place. Whichever fails, the folder holds what it
// held before, byte for byte, the user is told once and the error is answered. Only the backup, made once
// the new document is in place, can fail with the save done; that too is told.
TEST_F(ScriptDocumentTest, ASaveFailingAtAnyStepLeavesTheFolderAsItWas) {
    struct Variant {
        const char* name;
        const char* saveAs;
        bool backups;
    };
    struct Step {
        FileFaultStep step;
        OSErr expected;
        int atLeast; // steps of the kind a save takes: text, side file (created, then filled), renames
    };
    for (const Variant& v : {Variant{"over the document", "Talk.txt", false},
                             Variant{"over the document, keeping a backup", "Talk.txt", true},
                             Variant{"under a new name", "Copy.txt", false}}) {
        for (const Step& s :
             {Step{FileFaultStep::kOpen, permErr, 3}, Step{FileFaultStep::kWrite, dskFulErr, 3},
              Step{FileFaultStep::kSync, ioErr, 3}, Step{FileFaultStep::kRename, permErr, 4}}) {
            int failed = 0;
            for (int skip = 0;; ++skip) {
                SCOPED_TRACE(std::string(v.name) + ", step " + std::to_string(int(s.step)) + ", skip " +
                             std::to_string(skip));
                for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                    std::filesystem::remove(entry.path());
                WriteBytes(dir.File("Talk.txt.bak"), Text("an older backup"));
                ASSERT_TRUE(Load("Talk.txt", "old text", EveryKindOfSideData(false)));
                SetPref(gThePreferences, kPrefMakeBackups, v.backups);
                SetHandleSize(myTextResource, 8);
                std::memcpy(*myTextResource, "new text", 8);
                gOutName = v.saveAs;
                gDontQuitWithoutSaving = true;
                ClearRecordedErrorMessages();
                const auto before = FolderContents(dir.path());

                InjectFileFault(s.step, skip);
                const OSErr err = DoSave(-1);
                if (FileFaultPending()) { // the save has fewer steps of the kind: all have failed once
                    ClearFileFaults();
                    EXPECT_EQ(err, noErr);
                    break;
                }
                ++failed;
                const auto after = FolderContents(dir.path());
                EXPECT_EQ(RecordedErrorMessages().size(), 1u);
                if (err != noErr) {
                    EXPECT_EQ(err, s.expected);
                    EXPECT_TRUE(gDontQuitWithoutSaving);
                    EXPECT_TRUE(after == before) << "the old document, its side file and the backup stay";
                    continue;
                }
                EXPECT_TRUE(v.backups) << "only the backup may fail with the save done";
                EXPECT_EQ(ReadBytes(dir.File("Talk.txt")), Text("new text"));
                for (const auto& [name, bytes] : after)
                    EXPECT_EQ(name.find("saving"), std::string::npos) << name << " is left behind";
            }
            EXPECT_GE(failed, s.atLeast) << v.name << ", step " << int(s.step);
        }
    }
}

TEST_F(ScriptDocumentTest, BackupIsReplacedOnTheSecondSave) {
    SetPref(gThePreferences, kPrefMakeBackups, 1);
    ASSERT_TRUE(Load("Talk.txt", "first", {{FourCC("Xtra"), 128, "", {7}}}));
    for (const char* version : {"second", "third"}) {
        const std::vector<UInt8> before = ReadBytes(dir.File("Talk.txt"));
        SetHandleSize(myTextResource, Size(std::strlen(version)));
        std::memcpy(*myTextResource, version, std::strlen(version));
        ASSERT_EQ(DoSave(-1), noErr);
        EXPECT_EQ(ReadBytes(dir.File("Talk.txt")), Text(version));
        EXPECT_EQ(ReadBytes(dir.File("Talk.txt.bak")), before);
        EXPECT_TRUE(FileExists(dir.File("Talk.txt.rsrc"))) << "the backup keeps its side file";
    }
}

TEST_F(ScriptDocumentTest, StoredBookmarksOpenSlotForSlotAndAreSavedAsTheListNowStands) {
    SetPref(gThePreferences, kPrefSaveBookmarks, 1);
    SetPref(gThePreferences, kPrefBookmarkStorage, 2);
    const auto w = [] { return Writer{false, {}}; };
    const std::vector<UInt8> names = w().U16(3).PString("Intro").PString("").PString("End").bytes;
    const std::vector<Res> side = {
        {FourCC("BkMk"), 128, "Bookmarks", w().Header(FourCC("BkMk")).U32(9).U32(UInt32(-1)).U32(2).bytes},
        {FourCC("BmkN"), 128, "Bookmark Names", w().Header(FourCC("BkMk")).Raw(names).bytes}};
    ASSERT_TRUE(Load("Old.txt", "0123456789", side));
    ASSERT_EQ(gNumBookmarks, 3) << "an empty slot stays a slot, so the names keep their bookmarks";
    EXPECT_EQ(GetBookmarkOffset(0), 9);
    EXPECT_EQ(GetBookmarkOffset(1), -1);
    EXPECT_EQ(GetBookmarkOffset(2), 2);
    EXPECT_EQ(HandleBytes(gBookmarkNames), names);

    ASSERT_EQ(DoSave(-1), noErr);
    EXPECT_EQ(ReadSide(SideFilePath(dir.File("Old.txt"))), side) << "saved unchanged, byte for byte";

    UnsetBookmark(2);
    ASSERT_EQ(DoSave(-1), noErr);
    const std::vector<Res> saved = ReadSide(SideFilePath(dir.File("Old.txt")));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].data, w().Header(FourCC("BkMk")).U32(9).bytes)
        << "the removed bookmarks do not return";
    EXPECT_EQ(saved[1].data, w().Header(FourCC("BkMk")).U16(1).PString("Intro").bytes);
}

TEST_F(ScriptDocumentTest, BookmarkMarkersBecomeBookmarksAndAreSavedAsMarkersAgain) {
    SetPref(gThePreferences, kPrefSaveBookmarks, 1);
    SetPref(gThePreferences, kPrefBookmarkStorage, 1);
    gBookmarkCharacter = 0xB5;
    const std::string marked = "\xB5"
                               "abc\xB5"
                               "def\xB5";
    ASSERT_TRUE(Load("Marks.txt", marked, {}));
    EXPECT_EQ(HandleBytes(myTextResource), Text("abcdef"));
    ASSERT_EQ(gNumBookmarks, 3);
    EXPECT_EQ(std::vector<SInt32>(reinterpret_cast<SInt32*>(*gBookmarkList),
                                  reinterpret_cast<SInt32*>(*gBookmarkList) + 3),
              (std::vector<SInt32>{0, 3, 6}))
        << "each marker's place in the text without the markers before it, the very end included";
    ASSERT_EQ(DoSave(-1), noErr);
    EXPECT_EQ(ReadBytes(dir.File("Marks.txt")), Text(marked));
    EXPECT_EQ(HandleBytes(myTextResource), Text("abcdef")) << "the text in memory never holds the markers";
    EXPECT_FALSE(FileExists(dir.File("Marks.txt.rsrc"))) << "marks go into the text only";

    // A marker-like character the user typed stays in memory across a save with marks.
    SetHandleSize(myTextResource, 7);
    (*myTextResource)[6] = char(0xB5);
    ASSERT_EQ(DoSave(-1), noErr);
    EXPECT_EQ(HandleBytes(myTextResource), Text("abcdef\xB5"));

    SetPref(gThePreferences, kPrefBookmarkStorage, 2);
    ASSERT_TRUE(Load("Micro.txt", marked, {}));
    EXPECT_EQ(HandleBytes(myTextResource), Text(marked))
        << "the character is ordinary text in a document not saved with marks";
    EXPECT_EQ(gNumBookmarks, 0);
}

TEST_F(ScriptDocumentTest, RunsKeepTheirFontsByNameWhereTheFontsAreNumberedDifferently) {
    // Saved here, the side file names the fonts of the runs beside them.
    ASSERT_TRUE(Load("Fonts.txt", "Hello world",
                     {{FourCC("styl"), 128, "", StoredStylesInFonts(false, kFontCourier, kFontTimes)}}));
    ASSERT_EQ(DoSave(-1), noErr);
    const std::vector<Res> saved = ReadSide(SideFilePath(dir.File("Fonts.txt")));
    const Res table{
        FourCC("FISH"), 128, "",
        FontTable(false, {{kFontCourier, FontName(kFontCourier)}, {kFontTimes, FontName(kFontTimes)}})};
    EXPECT_NE(std::find(saved.begin(), saved.end(), table), saved.end());

    // Opened where the fonts carry other numbers (Courier 300 and Times 301 where the script was saved).
    struct Case {
        const char* name;
        bool bigEndian;
        std::vector<UInt8> table;
        std::vector<SInt16> fonts;
        size_t messages;
    };
    const std::string courier = FontName(kFontCourier), times = FontName(kFontTimes);
    std::vector<UInt8> longCount = FontTable(false, {{300, courier}, {301, times}});
    longCount[8] = 3;
    std::vector<UInt8> nameOutside = FontTable(false, {{300, courier}, {301, times}});
    nameOutside[16 + 12] = 0xF0;
    std::vector<UInt8> version2 = FontTable(false, {{300, courier}, {301, times}});
    version2[7] = 2;
    const Case cases[] = {
        {"numbered differently",
         false,
         FontTable(false, {{300, courier}, {301, times}}),
         {kFontCourier, kFontTimes},
         0},
        {"written in the other byte order",
         true,
         FontTable(true, {{300, courier}, {301, times}}),
         {kFontCourier, kFontTimes},
         0},
        {"a font this machine lacks",
         false,
         FontTable(false, {{300, "Nowhere Grotesk Qz"}, {301, times}}),
         {applicationFont, kFontTimes},
         0},
        {"more entries than the table holds", false, longCount, {300, 301}, 1},
        {"a name outside the table", false, nameOutside, {300, 301}, 1},
        {"a table of an unknown version", false, version2, {300, 301}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearRecordedErrorMessages();
        ASSERT_TRUE(Load("Fonts.txt", "Hello world",
                         {{FourCC("styl"), 128, "", StoredStylesInFonts(c.bigEndian, 300, 301)},
                          {FourCC("FISH"), 128, "", c.table}}));
        EXPECT_EQ(HandleBytes(myTextResource), Text("Hello world"));
        EXPECT_EQ(RunFonts(myStyle), c.fonts);
        EXPECT_EQ(FirstRunFace(myStyle), kBold);
        EXPECT_EQ(RecordedErrorMessages().size(), c.messages);
    }
}

TEST_F(ScriptDocumentTest, AResourceScriptFileLoadsTheScriptByIndexWithItsCompanions) {
    std::vector<UInt8> oneRun = StoredStyles(false);
    const std::vector<Res> scripts = {
        {FourCC("TEXT"), 128, "First", Text("one")},
        {FourCC("TEXT"), 200, "Second", Text("two")},
        {FourCC("TEXT"), 300, "Third", Text("three")},
        {FourCC("styl"), 200, "", oneRun},
        {FourCC("BkMk"), 128, "Bookmarks", Writer{false, {}}.Header(FourCC("BkMk")).U32(1).bytes},
    };
    WriteBytes(dir.File("Scripts"), SideFileBytes(scripts));
    gIsTextFile = kResourceScriptFile;
    gOutName = "Scripts";
    ASSERT_TRUE(GetText(2));
    EXPECT_EQ(HandleBytes(myTextResource), Text("two"));
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles());
    ASSERT_EQ(gKeptSideResources.size(), 1u) << "the shared side data, not the other scripts";
    EXPECT_EQ(gKeptSideResources[0].type, FourCC("BkMk"));
    EXPECT_FALSE(GetText(4));
}

TEST_F(ScriptDocumentTest, AQueueLoadsItsNthElementFromTheQueuesFolderWhenTheElementsMoved) {
    TempDir moved;
    WriteBytes(dir.File("First.txt"), Text("first"));
    WriteBytes(moved.File("Second.txt"), Text("second"));
    WriteBytes(moved.File("Second.rsrc"), SideFileBytes({{FourCC("styl"), 128, "", StoredStyles(false)}}));
    std::vector<UInt8> queue(780 + 2 * 1060, 0);
    auto put = [&queue](size_t at, const std::string& s) {
        queue[at] = UInt8(s.size());
        std::memcpy(queue.data() + at + 1, s.data(), s.size());
    };
    put(512, moved.path() + "/"); // the queue's own folder
    const UInt32 count = 2;
    std::memcpy(queue.data() + 768, &count, 4);
    for (size_t i = 0; i < 2; ++i) {
        const size_t element = 780 + i * 1060;
        put(element + 256, i == 0 ? "First.txt" : "Second.txt");
        put(element + 512, dir.path() + "/"); // where the second one no longer is
        const UInt16 isText = 1;
        std::memcpy(queue.data() + element + 1042, &isText, 2);
    }
    PtrToHand(queue.data(), &gQueue, Size(queue.size()));
    gIsTextFile = ThisIsQueueFile;
    EXPECT_TRUE(GetText(2));
    EXPECT_EQ(HandleBytes(myTextResource), Text("second"));
    EXPECT_EQ(gOutName, "Second.txt");
    EXPECT_EQ(HandleBytes(myStyle), MemoryStyles()) << "its side file is read from where the text was found";
    EXPECT_EQ(gIsTextFile, kTextDocument);
    SInt32 current;
    std::memcpy(&current, *gQueue + 772, 4);
    EXPECT_EQ(current, 1);
    gIsTextFile = ThisIsQueueFile;
    EXPECT_FALSE(GetText(3));
    DisposeHandle(gQueue);
    gQueue = nullptr;
}

// A save writes the text and then the side file beside the document and renames them into place one after
// the other. Ended between the two, it leaves the new text with the old side file (and the new side file
// it built). The next load finishes that save; without the new side file it does not use the old one.
TEST_F(ScriptDocumentTest, ASaveCutShortBetweenItsRenamesNeverPairsTheNewTextWithTheOldSideFile) {
    const std::string path = dir.File("Talk.txt");
    const std::string side = SideFilePath(path);
    ASSERT_TRUE(Load("Talk.txt", "First version", {{FourCC("Xtra"), 128, "", {1}}}));
    ASSERT_EQ(DoSave(-1), noErr);
    const std::vector<UInt8> firstSide = ReadBytes(side);
    SetHandleSize(myTextResource, 14);
    std::memcpy(*myTextResource, "Second version", 14);
    gKeptSideResources[0].data = {2};
    ASSERT_EQ(DoSave(-1), noErr);
    const std::vector<UInt8> secondSide = ReadBytes(side);

    // Cut short after the text's rename.
    WriteBytes(side, firstSide);
    WriteBytes(side + ".saving", secondSide);
    ClearRecordedErrorMessages();
    ASSERT_TRUE(GetText(1));
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_EQ(ReadBytes(side), secondSide) << "the side file built for the new text is put in place";
    EXPECT_FALSE(FileExists(side + ".saving"));
    ASSERT_NE(FindKeptSideResource(FourCC("Xtra"), 128), nullptr);
    EXPECT_EQ(FindKeptSideResource(FourCC("Xtra"), 128)->data, std::vector<UInt8>{2});

    // Cut short with no side file built, or the text changed elsewhere: the old side file is not used.
    WriteBytes(side, firstSide);
    ClearRecordedErrorMessages();
    ASSERT_TRUE(GetText(1));
    EXPECT_EQ(HandleBytes(myTextResource), Text("Second version"));
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(FindKeptSideResource(FourCC("Xtra"), 128), nullptr);
    EXPECT_EQ(ReadBytes(side), firstSide) << "it stays on disk until the script is saved";
}

// Only files named as saves of this document name their temporary files go, whether the next load or the
// next save finds them.
TEST_F(ScriptDocumentTest, LeftoversOfSavesCutShortAreRemovedByTheNextLoadOrSaveAndNothingElseIs) {
    const char* leftovers[] = {"Talk.txt.saving-Ab12Cd", "Talk.txt.rsrc.saving",
                               "Talk.txt.rsrc.saving-XyZ789", "Talk.txt.rsrc.saving.saving-000000"};
    const char* others[] = {"Talk.txt.saving-Ab12C",
                            "Talk.txt.saving-Ab12Cde",
                            "Talk.txt.saving-Ab_2Cd",
                            "Talk.txt.saving-Ab12Cd.txt",
                            "Other.txt.saving-Ab12Cd",
                            "My Talk.txt.saving-Ab12Cd",
                            "Talk.txt.bak",
                            "Talk.txt.rsrc.saving-Ab12C",
                            "Talk.txt.saving"};
    for (bool bySave : {false, true}) {
        SCOPED_TRACE(bySave ? "save" : "load");
        for (const char* name : leftovers)
            WriteBytes(dir.File(name), Text("part of a save"));
        for (const char* name : others)
            WriteBytes(dir.File(name), Text("keep"));
        std::filesystem::create_directory(dir.File("Talk.txt.saving-Folder"));
        std::filesystem::create_symlink(dir.File("Talk.txt.bak"), dir.File("Talk.txt.saving-Link00"));
        if (bySave) {
            gOutName = "Talk.txt";
            ASSERT_EQ(DoSave(-1), noErr);
        } else {
            ASSERT_TRUE(Load("Talk.txt", "The script", {}));
        }
        for (const char* name : leftovers)
            EXPECT_FALSE(FileExists(dir.File(name))) << name;
        for (const char* name : others)
            EXPECT_EQ(ReadBytes(dir.File(name)), Text("keep")) << name;
        EXPECT_TRUE(std::filesystem::is_directory(dir.File("Talk.txt.saving-Folder")));
        EXPECT_TRUE(std::filesystem::is_symlink(dir.File("Talk.txt.saving-Link00")));
        std::filesystem::remove(dir.File("Talk.txt.saving-Folder"));
        std::filesystem::remove(dir.File("Talk.txt.saving-Link00"));
    }
}

} // namespace
