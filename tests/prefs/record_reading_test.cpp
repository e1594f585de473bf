// Reading a stored main record: the version 1 upgrade in either byte order, and the rule that gives a
// record without colour settings the default colours.
#include "prefs_test_support.h"

namespace {

struct Span {
    size_t first, last; // inclusive
};
// What version 2 added, taken from the defaults when a version 1 record is upgraded.
constexpr Span kAddedInVersion2[] = {{622, 623},   {632, 633},   {666, 667},   {1988, 2095},
                                     {2100, 2103}, {2106, 2177}, {2194, 2243}, {4158, 4159}};

struct Unit {
    size_t offset;
    int width;
    UInt32 value;
};

// A user's version 1 record: its own settings, and stale values where version 2 has new ones.
constexpr Unit kVersion1Record[] = {
    {0, 4, 1},         {4, 2, 77},        {618, 2, 1},      {626, 2, 0xFFFF},  {4132, 4, 45},
    {622, 2, 0x5A5A},  {632, 2, 0x5A5A},  {666, 2, 0x5A5A}, {2000, 2, 0x5A5A}, {2096, 2, 1},
    {2098, 2, 0},      {2100, 2, 0x5A5A}, {2104, 2, 0},     {2106, 2, 0x5A5A}, {2194, 2, 0x5A5A},
    {2240, 2, 0x5A5A}, {4158, 2, 0x5A5A}, {2182, 2, 9},
};

std::vector<UInt8> Image(const Unit* units, size_t count, bool otherOrder) {
    std::vector<UInt8> image(kPrefsRecordBytes, 0);
    for (size_t i = 0; i < count; ++i) {
        if (units[i].width == 2) Put16(image, units[i].offset, UInt16(units[i].value), otherOrder);
        if (units[i].width == 4) Put32(image, units[i].offset, units[i].value, otherOrder);
    }
    return image;
}

TEST_F(PrefsFileTest, Version1RecordIsUpgradedInEitherByteOrder) {
    std::vector<UInt8> expected = Image(kVersion1Record, std::size(kVersion1Record), false);
    StoreHost32(expected.data(), 2);
    for (const Span& s : kAddedInVersion2)
        std::memcpy(expected.data() + s.first, gDefaultPreferences.bytes + s.first, s.last - s.first + 1);
    StoreHost16(expected.data() + 2096, 0);
    StoreHost16(expected.data() + 2098, 1);
    StoreHost16(expected.data() + 2104, 1);
    // No colour settings yet (2178 and 2188-2191 are 0): the eight colours come from the defaults.
    std::memcpy(expected.data() + 2178, gDefaultPreferences.bytes + 2178, 16);

    for (bool otherOrder : {false, true}) {
        SCOPED_TRACE(otherOrder ? "written in the other order" : "written in this order");
        WriteResourceFile(PrefsPath(), {{kMainPrefsType, 128,
                                         Image(kVersion1Record, std::size(kVersion1Record), otherOrder),
                                         "Orvalis Preferences"}});
        PrefsRecord record = gDefaultPreferences;
        ASSERT_EQ(DoGetPreferences(&record, kPrefsKindMain, nullptr), noErr);
        EXPECT_EQ(BytesOf(record.bytes, kPrefsRecordBytes), expected);
        EXPECT_EQ(GetPref(record, kPrefScrollSpeed), 77);
        EXPECT_EQ(GetPref(record, kPrefScrollDirection), -1);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(PrefsFileTest, ColourRuleFiresOnlyWhenBothColourFieldsAreZero) {
    struct Case {
        UInt16 at2178, at2188, at2190;
        bool fires;
    };
    const Case cases[] = {{0, 0, 0, true}, {1, 0, 0, false}, {0, 4, 0, false}, {0, 0, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at2178 << " " << c.at2188 << " " << c.at2190);
        const Unit units[] = {{0, 4, 2},           {2178, 2, c.at2178}, {2180, 2, 9},
                              {2182, 2, 9},        {2184, 2, 9},        {2186, 2, 9},
                              {2188, 2, c.at2188}, {2190, 2, c.at2190}, {2192, 2, 9}};
        const std::vector<UInt8> stored = Image(units, std::size(units), false);
        WriteResourceFile(PrefsPath(), {{kMainPrefsType, 128, stored, "Orvalis Preferences"}});

        PrefsRecord record = gDefaultPreferences;
        ASSERT_EQ(DoGetPreferences(&record, kPrefsKindMain, nullptr), noErr);
        const UInt8* source = c.fires ? gDefaultPreferences.bytes : stored.data();
        EXPECT_EQ(BytesOf(record.bytes + 2178, 16), BytesOf(source + 2178, 16));
        EXPECT_EQ(BytesOf(record.bytes + 2194, kPrefsRecordBytes - 2194),
                  BytesOf(stored.data() + 2194, kPrefsRecordBytes - 2194));
    }
}

} // namespace
