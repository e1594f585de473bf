// Damaged preference files and records: the defaults stay in force, the user hears of it once, and what
// the file held is kept beside it.
#include "prefs_test_support.h"

namespace {

std::vector<UInt8> NativeRecord(size_t size, UInt32 version) {
    std::vector<UInt8> bytes(size, 0);
    Put32(bytes, 0, version, false);
    Put16(bytes, 4, 77, false); // a scroll speed that is not the default
    return bytes;
}

struct DamageCase {
    const char* name;
    std::vector<UInt8> record;
    bool truncateMap;
    const char* expectedMessage;
};

TEST_F(PrefsFileTest, DamagedFileGivesDefaultsOneMessageAndKeepsTheOriginal) {
    const DamageCase cases[] = {
        {"wrong size", NativeRecord(4000, 2), false,
         "“Orvalis Preferences” holds preferences of the wrong size. Orvalis uses its standard settings "
         "instead, and has kept the file as it was under the name “Orvalis Preferences (damaged)”."},
        {"unknown version", NativeRecord(kPrefsRecordBytes, 7), false,
         "“Orvalis Preferences” holds preferences written by a version of Orvalis that this one does not "
         "know. Orvalis uses its standard settings instead, and has kept the file as it was under the name "
         "“Orvalis Preferences (damaged)”."},
        {"truncated resource map", NativeRecord(kPrefsRecordBytes, 2), true,
         "The preference file “Orvalis Preferences” is damaged and cannot be read. Orvalis uses its standard "
         "settings instead, and has kept the file as it was under the name “Orvalis Preferences (damaged)”."},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Folder());
        ClearRecordedErrorMessages();
        WriteResourceFile(PrefsPath(),
                          {{kMainPrefsType, 128, c.record, "Orvalis Preferences"},
                           {kRecentPrefsType, 128, BytesOf(&gRecentPreferences, kRecentPrefsSize), ""}});
        if (c.truncateMap)
            std::filesystem::resize_file(PrefsPath(), std::filesystem::file_size(PrefsPath()) - 20);
        const std::vector<UInt8> original = FileBytes(PrefsPath());

        PrefsRecord record = gDefaultPreferences;
        DoGetPreferences(&record, kPrefsKindMain, nullptr);
        EXPECT_EQ(std::memcmp(record.bytes, gDefaultPreferences.bytes, kPrefsRecordBytes), 0);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_EQ(RecordedErrorMessages()[0], Utf8ToMacRoman(c.expectedMessage));
        EXPECT_EQ(FileBytes(PrefsPath() + " (damaged)"), original);

        // The next start reads the file without a word: the damage was dealt with once.
        PrefsRecord again = gDefaultPreferences;
        EXPECT_EQ(DoGetPreferences(&again, kPrefsKindMain, nullptr), noErr);
        EXPECT_EQ(std::memcmp(again.bytes, gDefaultPreferences.bytes, kPrefsRecordBytes), 0);
        EXPECT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_EQ(FileBytes(PrefsPath() + " (damaged)"), original);
        EXPECT_FALSE(FileExists(PrefsPath() + " (damaged 2)"));
    }
}

// A bad record leaves the rest of the file in use.
TEST_F(PrefsFileTest, BadRecordLeavesTheOtherRecordsOfTheFile) {
    RecentPrefsRecord recent = gRecentPreferences;
    SetRecentCount(recent, 3);
    WriteResourceFile(PrefsPath(), {{kMainPrefsType, 128, NativeRecord(100, 2), "Orvalis Preferences"},
                                    {kRecentPrefsType, 128, BytesOf(&recent, kRecentPrefsSize), ""}});
    PrefsRecord record = gDefaultPreferences;
    EXPECT_EQ(DoGetPreferences(&record, kPrefsKindMain, nullptr), badPrefsRecordErr);
    RecentPrefsRecord read = gRecentPreferences;
    ASSERT_EQ(DoGetPreferences(&read, kPrefsKindRecent, nullptr), noErr);
    EXPECT_EQ(GetRecentCount(read), 3);
}

// An earlier kept file is not overwritten: the next one takes a new name.
TEST_F(PrefsFileTest, KeptFilesNeverReplaceEachOther) {
    WriteResourceFile(PrefsPath() + " (damaged)", {});
    const std::vector<UInt8> earlier = FileBytes(PrefsPath() + " (damaged)");
    WriteResourceFile(PrefsPath(), {{kMainPrefsType, 128, NativeRecord(kPrefsRecordBytes, 9), "x"}});
    PrefsRecord record = gDefaultPreferences;
    DoGetPreferences(&record, kPrefsKindMain, nullptr);
    EXPECT_EQ(FileBytes(PrefsPath() + " (damaged)"), earlier);
    EXPECT_TRUE(FileExists(PrefsPath() + " (damaged 2)"));
}

// A stored shape whose count its bytes do not hold, or which is beyond the caller's block, is unusable.
TEST_F(PrefsFileTest, ShapeWhoseCountDoesNotFitIsRefused) {
    for (UInt32 count : {3u, 101u}) {
        SCOPED_TRACE(count);
        ClearRecordedErrorMessages();
        std::vector<UInt8> stored(36 + 32 * 2, 0x44);
        Put32(stored, 4, 0x00010000, false);
        Put32(stored, 16, count, false);
        WriteResourceFile(PrefsPath(), {{kShapePrefsType, 128, stored, "Bent"}});

        std::vector<UInt8> shape(kShapeRecordMaxSize, 0);
        Put32(shape, 4, 0x00010000, false);
        const std::vector<UInt8> before = shape;
        EXPECT_EQ(DoGetPreferences(shape.data(), kPrefsKindShape, nullptr), badPrefsRecordErr);
        EXPECT_EQ(shape, before);
        EXPECT_EQ(RecordedErrorMessages().size(), 1u);
    }
}

} // namespace
