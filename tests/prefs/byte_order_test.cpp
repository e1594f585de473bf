// Records written in the other byte order: converted on reading into exactly what this machine writes,
// with text, reserved bytes and the style bytes of the text formats left where they are.
#include "prefs_test_support.h"

#include "prefs/prefs_byte_order.h"

namespace {

enum FieldKind { kByte, kUnit16, kUnit32 };

struct HandField {
    size_t offset;
    FieldKind kind;
    UInt32 value;
};

// One or more fields in every region of the record's layout, with values whose bytes differ. The colour
// at 2178 is set, so the rule for records without colour settings leaves the record alone.
constexpr HandField kMainFields[] = {
    {0, kUnit32, 2},
    {4, kUnit16, 0x1234},
    {6, kByte, 0xAB},
    {7, kByte, 0xCD},
    {8, kUnit32, 0x01020304},
    {12, kUnit16, 0xFFFE},
    {16, kUnit16, 0x0515},
    {18, kByte, kFaceBold | kFaceItalic | kFaceShadow},
    {19, kByte, 0x77},
    {20, kUnit16, 0x0048},
    {62, kByte, kFaceUnderline},
    {96, kUnit16, 0x0F01},
    {102, kByte, 0x11},
    {103, kByte, 0x22},
    {104, kUnit32, 0xA1B2C3D4},
    {612, kUnit32, 0x0A0B0C0D},
    {618, kUnit16, 0x0102},
    {660, kByte, 0x33},
    {661, kByte, 0x44},
    {672, kUnit16, 0xFFFF},
    {708, kByte, 3},
    {709, kByte, 'a'},
    {1990, kByte, kFaceBold | kFaceCondensed},
    {1991, kByte, 0x88},
    {2056, kByte, kFaceExtended},
    {2178, kUnit16, 0x0178},
    {2244, kByte, 2},
    {2245, kByte, 'O'},
    {3780, kByte, 1},
    {4042, kUnit16, 0xBEEF},
    {4048, kUnit32, 0x000186A0},
    {4108, kUnit16, 0x0203},
    {4120, kUnit32, 0x00000E10},
    {4128, kUnit16, 0x0304},
    {4130, kByte, 0x55},
    {4131, kByte, 0x66},
    {4136, kUnit32, 0x000000A0},
    {4140, kUnit16, 0xFFFF},
    {4228, kUnit32, 0x0001C520},
    {4266, kUnit16, 0x0405},
    {4272, kUnit32, 0xFFFD0000},
    {4290, kUnit16, 0x0506},
    {4328, kUnit32, 0x0708090A},
};

std::vector<UInt8> MainImage(bool otherOrder) {
    std::vector<UInt8> image(kPrefsRecordBytes, 0);
    for (const HandField& f : kMainFields) {
        if (f.kind == kByte) image[f.offset] = UInt8(f.value);
        if (f.kind == kUnit16) Put16(image, f.offset, UInt16(f.value), otherOrder);
        if (f.kind == kUnit32) Put32(image, f.offset, f.value, otherOrder);
    }
    return image;
}

TEST_F(PrefsFileTest, MainRecordOfTheOtherOrderReadsBackAsWrittenHere) {
    const std::vector<UInt8> ours = MainImage(false), theirs = MainImage(true);
    ASSERT_NE(ours, theirs);
    WriteResourceFile(PrefsPath(), {{kMainPrefsType, 128, theirs, "Orvalis Preferences"}});

    PrefsRecord record = gDefaultPreferences;
    ASSERT_EQ(DoGetPreferences(&record, kPrefsKindMain, nullptr), noErr);
    EXPECT_EQ(BytesOf(record.bytes, kPrefsRecordBytes), ours);
    EXPECT_EQ(GetPref(record, kPrefPrompterFormat).face, kFaceBold | kFaceItalic | kFaceShadow);
    EXPECT_EQ(GetPref(record, kPrefOtherWindowsFormat).face, kFaceExtended);
    EXPECT_EQ(GetPref(record, kPrefRotation), -1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST(SwapPrefs, TwiceGivesBackTheRecordAndNeverTouchesTextOrReservedBytes) {
    PrefsRecord record;
    for (size_t i = 0; i < kPrefsRecordBytes; ++i)
        record.bytes[i] = UInt8(i * 37 + 11);
    const PrefsRecord original = record;

    SwapPrefs(record.bytes, kMainPrefsType, kPrefsRecordSize);
    struct Span {
        size_t first, last;
    };
    const Span kept[] = {{6, 7},       {18, 19},     {40, 41},     {62, 63},     {102, 103},
                         {660, 661},   {708, 1987},  {1990, 1991}, {2012, 2013}, {2034, 2035},
                         {2056, 2057}, {2244, 4035}, {4130, 4131}};
    for (const Span& s : kept)
        for (size_t i = s.first; i <= s.last; ++i)
            EXPECT_EQ(record.bytes[i], original.bytes[i]) << "byte " << i;
    EXPECT_NE(record.bytes[4], original.bytes[4]);

    SwapPrefs(record.bytes, kMainPrefsType, kPrefsRecordSize);
    EXPECT_EQ(std::memcmp(record.bytes, original.bytes, kPrefsRecordBytes), 0);
}

// The other kinds, each built by hand in both orders from its unit map.
struct KindCase {
    const char* name;
    SInt16 kind;
    ResType type;
    size_t size;
    std::vector<std::pair<size_t, int>> units; // offset, width; bytes elsewhere are kept as they are
};

std::vector<KindCase> OtherKinds() {
    std::vector<KindCase> cases;
    KindCase recent{"recent", kPrefsKindRecent, kRecentPrefsType, size_t(kRecentPrefsSize), {{0, 4}, {4, 2}}};
    for (size_t i = 0; i < 15; ++i)
        recent.units.insert(recent.units.end(), {{6 + 2 * i, 2}, {36 + 2 * i, 2}});
    recent.units.insert(recent.units.end(), {{66, 2}, {68, 2}, {72, 4}});
    cases.push_back(recent);

    KindCase position{
        "position", kPrefsKindPosition, kPositionPrefsType, size_t(kPositionPrefsSize), {{0, 4}}};
    for (size_t at = 4; at < 228; at += 2)
        position.units.push_back({at, 2});
    cases.push_back(position);

    KindCase classes{"classes", kPrefsKindMacroClasses, kMacroClassesType, size_t(kMacroClassesSize), {}};
    for (size_t at = 0; at < 6148; at += 4)
        classes.units.push_back({at, 4});
    cases.push_back(classes);
    return cases;
}

TEST_F(PrefsFileTest, CompanionRecordsOfTheOtherOrderReadBackAsWrittenHere) {
    for (const KindCase& c : OtherKinds()) {
        SCOPED_TRACE(c.name);
        std::vector<UInt8> ours(c.size), theirs(c.size);
        for (size_t i = 0; i < c.size; ++i)
            ours[i] = theirs[i] = UInt8(i * 13 + 5); // text and spare bytes
        const UInt32 version = c.kind == kPrefsKindRecent ? 1 : c.kind == kPrefsKindPosition ? 3 : 0x00C0FFEE;
        UInt32 n = 0;
        for (auto [at, width] : c.units) {
            const UInt32 v = at == 0 ? version : (width == 2 ? 0x8100u : 0x01028100u) + 7 * n++;
            if (width == 2) {
                Put16(ours, at, UInt16(v), false);
                Put16(theirs, at, UInt16(v), true);
            } else {
                Put32(ours, at, v, false);
                Put32(theirs, at, v, true);
            }
        }
        WriteResourceFile(PrefsPath(), {{c.type, 128, theirs, "x"}});

        std::vector<UInt8> record(c.size, 0);
        Put32(record, 0, version, false); // the caller's version, as its defaults carry it
        ASSERT_EQ(DoGetPreferences(record.data(), c.kind, nullptr), noErr);
        EXPECT_EQ(record, ours);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

// A shape's header words and the first six words of each entry are numbers; the 16 bytes after the
// header words and the last 8 bytes of each entry are not.
TEST_F(PrefsFileTest, ShapeOfTheOtherOrderConvertsOnlyItsNumbers) {
    constexpr size_t kEntries = 5, kStored = 36 + 32 * kEntries;
    std::vector<UInt8> ours(kStored), theirs(kStored);
    for (size_t i = 0; i < kStored; ++i)
        ours[i] = theirs[i] = UInt8(i * 29 + 3);
    const UInt32 header[] = {FourCC("Shap"), 0x00010000, 0, 100, UInt32(kEntries)};
    for (size_t w = 0; w < 5; ++w) {
        Put32(ours, 4 * w, header[w], false);
        Put32(theirs, 4 * w, header[w], true);
    }
    for (size_t e = 0; e < kEntries; ++e)
        for (size_t w = 0; w < 6; ++w) {
            const size_t at = 36 + 32 * e + 4 * w;
            Put32(ours, at, UInt32(0x00320000 + 0x1000 * e + w), false);
            Put32(theirs, at, UInt32(0x00320000 + 0x1000 * e + w), true);
        }
    WriteResourceFile(PrefsPath(), {{kShapePrefsType, 128, theirs, "Wedge"}});

    std::vector<UInt8> shape(kShapeRecordMaxSize, 0xEE);
    Put32(shape, 4, 0x00010000, false);
    Str255 name;
    ASSERT_EQ(DoGetPreferences(shape.data(), kPrefsKindShape, name), noErr);
    EXPECT_EQ(std::vector<UInt8>(shape.begin(), shape.begin() + kStored), ours);
    EXPECT_EQ(shape[kStored], 0xEE) << "only the stored entries are read";
    EXPECT_EQ(PStringView(name), "Wedge");
}

} // namespace
