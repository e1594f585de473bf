// The preference file: where it lives, the first run, and storing, reading and removing each kind.
#include "prefs_test_support.h"

namespace {

TEST_F(PrefsFileTest, FirstRunCreatesTheFileHoldingTheDefaults) {
    ASSERT_FALSE(FileExists(Folder()));
    PrefsRecord record = gDefaultPreferences;
    Str255 name;
    ASSERT_EQ(DoGetPreferences(&record, kPrefsKindMain, name), noErr);

    EXPECT_EQ(std::memcmp(record.bytes, gDefaultPreferences.bytes, kPrefsRecordBytes), 0);
    EXPECT_EQ(PStringView(name), "Orvalis Preferences");
    const auto stored = ReadResources(PrefsPath(), kMainPrefsType);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].id, 128);
    EXPECT_EQ(stored[0].name, "Orvalis Preferences");
    EXPECT_EQ(stored[0].bytes, BytesOf(gDefaultPreferences.bytes, kPrefsRecordBytes));
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(PrefsFileTest, PutTwiceLeavesOneRecordHoldingTheLast) {
    PrefsRecord record = gDefaultPreferences;
    SetPref(record, kPrefScrollSpeed, 90);
    ASSERT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), noErr);
    SetPref(record, kPrefScrollSpeed, 120);
    ASSERT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), noErr);

    const auto stored = ReadResources(PrefsPath(), kMainPrefsType);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].id, 128);
    EXPECT_EQ(stored[0].bytes, BytesOf(record.bytes, kPrefsRecordBytes));
}

TEST_F(PrefsFileTest, EachKindReadsBackWhatWasStored) {
    RecentPrefsRecord recent = gRecentPreferences;
    SetRecentCount(recent, 2);
    SetRecentEntryKind(recent, 1, 2);
    Str255 text;
    SetPString(text, "Speech.txt");
    SetRecentEntryName(recent, 0, text);
    PositionPrefsRecord places = gPositionPreferences;
    SetWindowPlace(places, kPlaceOverlay, Rect{40, 50, 300, 420});
    std::vector<UInt8> classes(kMacroClassesSize, 0x3C);
    std::vector<UInt8> shape(kShapeRecordMaxSize, 0);
    Put32(shape, 0, FourCC("Shap"), false);
    Put32(shape, 4, 0x00010000, false);
    Put32(shape, 16, 2, false);
    for (size_t i = 36; i < 100; ++i)
        shape[i] = UInt8(i);
    Handle spare = NewHandleClear(6);
    (*spare)[1] = 9;

    struct Case {
        const char* name;
        SInt16 kind;
        void* record;
        size_t size;
    };
    const Case cases[] = {
        {"recent", kPrefsKindRecent, &recent, sizeof recent},
        {"positions", kPrefsKindPosition, &places, sizeof places},
        {"classes", kPrefsKindMacroClasses, classes.data(), classes.size()},
        {"shape", kPrefsKindShape, shape.data(), 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<UInt8> written = BytesOf(c.record, c.size);
        ASSERT_EQ(DoPutPreferences(c.record, c.kind, nullptr), noErr);
        std::memset(static_cast<UInt8*>(c.record) + 8, 0, c.size - 8); // keep the version words only
        ASSERT_EQ(DoGetPreferences(c.record, c.kind, nullptr), noErr);
        EXPECT_EQ(BytesOf(c.record, c.size), written);
    }

    ASSERT_EQ(DoPutPreferences(spare, kPrefsKindSpare, nullptr), noErr);
    Handle read = NewHandleClear(2);
    ASSERT_EQ(DoGetPreferences(read, kPrefsKindSpare, nullptr), noErr);
    ASSERT_EQ(GetHandleSize(read), 6); // takes the stored size
    EXPECT_EQ((*read)[1], 9);
    DisposeHandle(spare);
    DisposeHandle(read);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(PrefsFileTest, RemoveTakesOneRecordAndCreatesNoFile) {
    EXPECT_NE(DoRemovePreferences(128, kPrefsKindMain), noErr);
    EXPECT_FALSE(FileExists(PrefsPath()));

    ASSERT_EQ(DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr), noErr);
    ASSERT_EQ(DoPutPreferences(&gPositionPreferences, kPrefsKindPosition, nullptr), noErr);
    ASSERT_EQ(DoRemovePreferences(128, kPrefsKindMain), noErr);
    EXPECT_TRUE(ReadResources(PrefsPath(), kMainPrefsType).empty());
    EXPECT_EQ(ReadResources(PrefsPath(), kPositionPrefsType).size(), 1u);
}

TEST_F(PrefsFileTest, UnknownKindTouchesNothing) {
    PrefsRecord record = gDefaultPreferences;
    EXPECT_EQ(DoGetPreferences(&record, 6, nullptr), paramErr);
    EXPECT_EQ(DoPutPreferences(&record, -1, nullptr), paramErr);
    EXPECT_EQ(DoRemovePreferences(128, 9), paramErr);
    EXPECT_FALSE(FileExists(Folder()));
}

// The layer makes its file current while it works and gives the caller's current file back.
TEST_F(PrefsFileTest, CallersCurrentResourceFileIsKept) {
    ASSERT_EQ(CurResFile(), appFile);
    PrefsRecord record = gDefaultPreferences;
    ASSERT_EQ(DoGetPreferences(&record, kPrefsKindMain, nullptr), noErr);
    EXPECT_EQ(CurResFile(), appFile);
    ASSERT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), noErr);
    EXPECT_EQ(CurResFile(), appFile);
}

// A shape whose count is beyond its block would store bytes from past the block's end.
TEST_F(PrefsFileTest, ShapeWithTooManyEntriesIsNotStored) {
    std::vector<UInt8> shape(kShapeRecordMaxSize, 0);
    Put32(shape, 4, 0x00010000, false);
    Put32(shape, 16, 101, false);
    EXPECT_EQ(DoPutPreferences(shape.data(), kPrefsKindShape, nullptr), paramErr);
    EXPECT_TRUE(ReadResources(PrefsPath(), kShapePrefsType).empty());
}

// A store that cannot reach the disk leaves the file as it was, tells the user once and answers the
// error; the next store goes through.
TEST_F(PrefsFileTest, AFailedWriteLeavesTheOldFileAndIsReported) {
    PrefsRecord record = gDefaultPreferences;
    SetPref(record, kPrefScrollSpeed, 90);
    ASSERT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), noErr);
    const std::vector<UInt8> before = FileBytes(PrefsPath());
    SetPref(record, kPrefScrollSpeed, 120);
    struct Case {
        FileFaultStep step;
        OSErr expected;
    };
    for (const Case& c : {Case{FileFaultStep::kOpen, permErr}, Case{FileFaultStep::kWrite, dskFulErr},
                          Case{FileFaultStep::kSync, ioErr}, Case{FileFaultStep::kRename, permErr}}) {
        SCOPED_TRACE(int(c.step));
        ClearRecordedErrorMessages();
        InjectFileFault(c.step);
        EXPECT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), c.expected);
        EXPECT_FALSE(FileFaultPending());
        EXPECT_EQ(FileBytes(PrefsPath()), before);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_NE(RecordedErrorMessages()[0].find("Orvalis Preferences"), std::string::npos);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 1)
            << "no temporary file is left";
        EXPECT_EQ(CurResFile(), appFile);
    }
    ASSERT_EQ(DoPutPreferences(&record, kPrefsKindMain, nullptr), noErr);
    EXPECT_EQ(ReadResources(PrefsPath(), kMainPrefsType)[0].bytes, BytesOf(record.bytes, kPrefsRecordBytes));
}

} // namespace
