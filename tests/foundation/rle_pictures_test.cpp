// Run-length encoded pictures drawn into worlds and read back pixel by pixel, in both byte orders and all
// three encodings, clipped, scaled, from files, and damaged in the ways that must not read outside them.
#include "app_resources.h"
#include "foundation/program_colors.h"
#include "foundation/rle_pictures.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's runtime counts the bytes its allocator has handed out and not taken back.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif
#include <string>
#include <unistd.h>
#include <vector>

namespace {
constexpr UInt32 kHeaderSize = 30;
constexpr UInt32 kBackground = 0x123456;

struct PictureSpec {
    SInt16 width;
    SInt16 depth = 8;
    SInt16 encoding = 0; // 0: packed runs, 2: pairs
    SInt16 transparent = 255;
    std::vector<std::vector<UInt8>> rows; // each row's run bytes
    UInt32 headerLength = kHeaderSize;
};

void Put(std::vector<UInt8>& b, size_t at, UInt32 value, int size, bool big) {
    for (int i = 0; i < size; ++i)
        b[at + size_t(i)] = UInt8(value >> (8 * (big ? size - 1 - i : i)));
}

// The picture file's bytes and its row map's, in the given byte order.
std::pair<std::vector<UInt8>, std::vector<UInt8>> PictureBytes(const PictureSpec& spec, bool big) {
    std::vector<UInt8> bytes(spec.headerLength, 0), map;
    Put(bytes, 0, spec.headerLength, 4, big);
    Put(bytes, 4, UInt16(spec.width), 2, big);
    Put(bytes, 10, UInt16(spec.rows.size()), 2, big); // bounds bottom
    Put(bytes, 12, UInt16(spec.width), 2, big);       // bounds right
    Put(bytes, 14, UInt16(spec.depth), 2, big);
    Put(bytes, 20, UInt16(spec.transparent), 2, big);
    if (spec.headerLength >= 30) Put(bytes, 28, UInt16(spec.encoding), 2, big);
    for (const auto& row : spec.rows) {
        map.resize(map.size() + 4);
        Put(map, map.size() - 4, UInt32(bytes.size() - spec.headerLength), 4, big);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return {bytes, map};
}

Handle MakePicture(const PictureSpec& spec, bool big = false, bool withMap = true) {
    const auto [bytes, map] = PictureBytes(spec, big);
    Handle picture = NewHandle(Size(bytes.size()));
    std::memcpy(*picture, bytes.data(), bytes.size());
    if (withMap) {
        Handle rowMap = NewHandle(Size(map.size()));
        std::memcpy(*rowMap, map.data(), map.size());
        SetRLERowMap(picture, rowMap);
    }
    return picture;
}

// Bytes the program holds on the heap now, to see whether loading and disposing leaves something behind.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

UInt32 StandardPixel(int index) {
    RGBColor c;
    GetStandardColor(SInt16(index), &c, true);
    return UInt32(c.red >> 8) << 16 | UInt32(c.green >> 8) << 8 | UInt32(c.blue >> 8);
}

class RLEPictureTest : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        const Rect bounds{0, 0, 40, 80};
        ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
        Clear();
        gInvisible = -1;
    }
    void TearDown() override {
        DisposeGWorld(world);
        gInvisible = -1;
        AppResources::TearDown();
    }
    void Clear() {
        auto* pixels = GetPixBaseAddr(world);
        for (int i = 0; i < 40 * GetPixRowBytes(world) / 4; ++i)
            pixels[i] = 0xFF000000 | kBackground;
    }
    UInt32 At(int x, int y) const { return GetPortPixel(world, SInt16(x), SInt16(y)) & 0xFFFFFF; }
    // The picture's indexes as drawn at (left + 1, top + 1); -1 where the background shows.
    std::vector<std::vector<int>> Drawn(int left, int top, int width, int rows) const {
        std::vector<std::vector<int>> out(size_t(rows), std::vector<int>(size_t(width), -1));
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x) {
                const UInt32 pixel = At(left + 1 + x, top + 1 + y);
                if (pixel == kBackground) continue;
                for (int index = 0; index < 256; ++index)
                    if (StandardPixel(index) == pixel) {
                        out[size_t(y)][size_t(x)] = index;
                        break;
                    }
            }
        return out;
    }
    GWorldPtr world = nullptr;
};

// Three rows of 6: a literal of 3 then a short run of 3; alternating 5/6 (n = 0), then 7, then
// transparent 255 x 2; a long run would cover 64, so row 2 is two short runs of 3.
const PictureSpec kPacked{
    6, 8, 0, 255, {{0x02, 1, 2, 3, 0x82, 4}, {0x40, 5, 6, 0x80, 7, 0x81, 7, 0x81, 255}, {0x82, 9, 0x82, 10}}};
const std::vector<std::vector<int>> kPackedIndexes{
    {1, 2, 3, 4, 4, 4}, {5, 6, 7, 7, 7, 255}, {9, 9, 9, 10, 10, 10}};
} // namespace

TEST_F(RLEPictureTest, EveryEncodingDrawsAndReadsBackItsIndexesInEitherByteOrder) {
    const PictureSpec pairs{6, 8, 2, 255, {{3, 1, 3, 2}, {1, 4, 2, 255, 3, 5}, {6, 6}}};
    const PictureSpec nibbles{6, 4, 0, 15, {{0x31, 0x32}, {0x14, 0x2F, 0x35}, {0x66}}};
    struct Case {
        const char* name;
        PictureSpec spec;
        std::vector<std::vector<int>> indexes; // as stored; the transparent index is not drawn
    };
    const Case cases[] = {
        {"packed", kPacked, kPackedIndexes},
        {"pairs", pairs, {{1, 1, 1, 2, 2, 2}, {4, 255, 255, 5, 5, 5}, {6, 6, 6, 6, 6, 6}}},
        {"nibbles", nibbles, {{1, 1, 1, 2, 2, 2}, {4, 15, 15, 5, 5, 5}, {6, 6, 6, 6, 6, 6}}},
    };
    for (const Case& test : cases) {
        for (bool big : {false, true}) {
            SCOPED_TRACE(std::string(test.name) + (big ? " big-endian" : " native"));
            Clear();
            Handle picture = MakePicture(test.spec, big);
            const Rect destination{10, 20, 13, 26};
            DrawRLEN(picture, &destination, world);
            // A second draw finds the order already normal and does not swap it back.
            DrawRLEN(picture, &destination, world);
            auto expected = test.indexes;
            for (auto& row : expected)
                for (int& index : row)
                    if (index == test.spec.transparent) index = -1;
            EXPECT_EQ(Drawn(20, 10, 6, 3), expected);
            EXPECT_EQ(At(20, 10), kBackground);
            for (int v = 0; v < 3; ++v)
                for (int h = 0; h < 6; ++h)
                    EXPECT_EQ(GetRLENPixel(picture, nullptr, SInt16(h), SInt16(v)),
                              test.indexes[size_t(v)][size_t(h)]);
            DisposeRLEPicture(picture);
        }
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(RLEPictureTest, LookUpCountsTheEdgesAsInsideAndTellsWhatItCannotRead) {
    Handle picture = MakePicture(kPacked);
    const Rect frame{100, 200, 103, 206};
    EXPECT_EQ(GetRLENPixel(picture, &frame, 200, 100), 1);
    EXPECT_EQ(GetRLENPixel(picture, &frame, 206, 100), 4);  // right edge: past the row's end, its last run
    EXPECT_EQ(GetRLENPixel(picture, &frame, 206, 103), 10); // bottom edge: the last row
    EXPECT_EQ(GetRLENPixel(picture, &frame, 207, 100), -1);
    EXPECT_EQ(GetRLENPixel(picture, &frame, 200, 99), -1);
    DisposeRLEPicture(picture);

    Handle withoutMap = MakePicture(kPacked, false, false);
    EXPECT_EQ(GetRLENPixel(withoutMap, nullptr, 0, 0), 0);
    const Rect destination{0, 0, 3, 6};
    DrawRLEN(withoutMap, &destination, world);
    DrawRLENScaled(withoutMap, &destination, world, 0);
    EXPECT_EQ(At(1, 1), kBackground);
    DisposeRLEPicture(withoutMap);

    PictureSpec deep = kPacked;
    deep.depth = 2;
    Handle unsupported = MakePicture(deep);
    EXPECT_EQ(GetRLENPixel(unsupported, nullptr, 0, 0), -1);
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"Unsupport bit depth in GetRLENPixel"});
    DisposeRLEPicture(unsupported);
}

TEST_F(RLEPictureTest, PicturesPartlyOutsideThePortDrawTheRestInPlace) {
    const PictureSpec wide{70, 8, 0, 255, {{0xC0, 3, 0x85, 8}, {0x45, 1, 2, 0x80, 4, 0x80, 4, 0xC0, 9}}};
    Handle picture = MakePicture(wide);
    // Above and left of the port: the rows and columns that remain land where an unclipped draw puts them.
    const Rect destination{-2, -30, 0, 40};
    DrawRLEN(picture, &destination, world);
    EXPECT_EQ(At(0, 0), StandardPixel(9)); // row 1, column 29: in the long run of 9 from column 14
    EXPECT_EQ(GetRLENPixel(picture, nullptr, 29, 1), 9);
    EXPECT_EQ(At(1, 1), kBackground);
    DisposeRLEPicture(picture);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(RLEPictureTest, LongRunsCoverSixtyFourPixelsPerStep) {
    const PictureSpec longRuns{64, 8, 0, 255, {{0xC0, 3}}};
    Handle picture = MakePicture(longRuns);
    EXPECT_EQ(GetRLENPixel(picture, nullptr, 63, 0), 3);
    DisposeRLEPicture(picture);
    const PictureSpec longest{4096, 8, 0, 255, {{0xFF, 2}}};
    picture = MakePicture(longest);
    EXPECT_EQ(GetRLENPixel(picture, nullptr, 4095, 0), 2);
    DisposeRLEPicture(picture);
}

TEST_F(RLEPictureTest, ScaledPicturesFillTheirRectangleAndHonourBothTransparentIndexes) {
    Handle picture = MakePicture(kPacked);
    const Rect destination{0, 0, 6, 12}; // twice the picture's size
    gInvisible = 7;
    DrawRLENScaled(picture, &destination, world, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x) {
            const int index = kPackedIndexes[size_t(y / 2)][size_t(x / 2)];
            const UInt32 expected = index == 255 || index == 7 ? kBackground : StandardPixel(index);
            ASSERT_EQ(At(1 + x, 1 + y), expected) << x << "," << y;
        }
    // -2 leaves out nothing, not even the picture's own transparent index.
    Clear();
    gInvisible = -2;
    const Rect plain{0, 0, 3, 6};
    DrawRLEN(picture, &plain, world);
    EXPECT_EQ(At(6, 2), StandardPixel(255));
    DisposeRLEPicture(picture);
}

TEST_F(RLEPictureTest, DamagedPicturesAreReportedOnceAndNeverReadPastTheirBlock) {
    struct Case {
        const char* name;
        PictureSpec spec;
        const char* message;
    };
    const Case cases[] = {
        {"literal past the end",
         {6, 8, 0, 255, {{0x85, 1}, {0x85, 1}, {0x05, 1, 2}}},
         "Get pointer too high"},
        {"rows short of their width", {6, 8, 2, 255, {{2, 1}, {2, 1}, {2, 1}}}, "Get pointer too high"},
        {"a pair run of no pixels",
         {6, 8, 2, 255, {{0, 1, 6, 2}, {6, 1}, {6, 1}}},
         "This rlen has a run of no pixels"},
        {"a nibble run of no pixels",
         {6, 4, 0, 15, {{0x01, 0x61}, {0x61}, {0x61}}},
         "This rlen has a run of no pixels"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ClearRecordedErrorMessages();
        Handle picture = MakePicture(test.spec);
        const Rect destination{0, 0, 3, 6};
        DrawRLEN(picture, &destination, world);
        EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{test.message});
        ClearRecordedErrorMessages();
        DrawRLENScaled(picture, &destination, world, 0);
        EXPECT_LE(RecordedErrorMessages().size(), 1u);
        DisposeRLEPicture(picture);
    }
    // A row map that points past the picture, and a header longer than the block.
    ClearRecordedErrorMessages();
    Handle picture = MakePicture(kPacked);
    Handle map = GetRLERowMap(picture);
    const UInt32 far = 5000;
    std::memcpy(*map + 4, &far, 4);
    const Rect destination{0, 0, 3, 6};
    DrawRLEN(picture, &destination, world);
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"Get pointer too high"});
    EXPECT_EQ(GetRLENPixel(picture, nullptr, 0, 1), -1);
    DisposeRLEPicture(picture);
    PictureSpec longHeader = kPacked;
    Handle cut = MakePicture(longHeader);
    const UInt32 tooLong = 9999;
    std::memcpy(*cut, &tooLong, 4);
    DrawRLEN(cut, &destination, world);
    EXPECT_EQ(GetRLENPixel(cut, nullptr, 0, 0), -1);
    DisposeRLEPicture(cut);
}

TEST_F(RLEPictureTest, PicturesLoadFromTheirTwoFilesInTheWritersByteOrder) {
    const TempDir folder;
    const auto [bytes, map] = PictureBytes(kPacked, true);
    const std::string base = folder.File("tab");
    ASSERT_EQ(WriteFileAtomically(base + ".mapf", bytes), noErr);
    ASSERT_EQ(WriteFileAtomically(base + ".rlem", map), noErr);
    ASSERT_EQ(WriteFileAtomically(folder.File("lonely.mapf"), bytes), noErr);

    Handle picture = ReadRLEPicture(base);
    ASSERT_NE(picture, nullptr);
    const Rect destination{0, 0, 3, 6};
    DrawRLEN(picture, &destination, world);
    auto expected = kPackedIndexes;
    expected[1][5] = -1;
    EXPECT_EQ(Drawn(0, 0, 6, 3), expected);
    DisposeRLEPicture(picture);

    Handle lonely = ReadRLEPicture(folder.File("lonely"));
    ASSERT_NE(lonely, nullptr);
    EXPECT_EQ(GetRLERowMap(lonely), nullptr);
    EXPECT_EQ(GetRLENPixel(lonely, nullptr, 0, 0), 0);
    DisposeRLEPicture(lonely);
    EXPECT_EQ(ReadRLEPicture(folder.File("absent")), nullptr);
}

TEST_F(RLEPictureTest, HeadersNamingFieldsTheBlockDoesNotHoldAreReadNoFurther) {
    // Header lengths of 28 and 29 name the encoding field at 28..29, which a block of that length lacks.
    for (UInt32 length : {28u, 29u}) {
        SCOPED_TRACE(length);
        PictureSpec spec{6, 8, 0, 255, {}};
        spec.headerLength = length;
        Handle picture = MakePicture(spec, false, false);
        ASSERT_EQ(GetHandleSize(picture), Size(length));
        EXPECT_EQ(GetRLENPixel(picture, nullptr, 0, 0), 0);
        const Rect destination{0, 0, 3, 6};
        DrawRLEN(picture, &destination, world);
        DrawRLENScaled(picture, &destination, world, 0);
        EXPECT_EQ(At(1, 1), kBackground);
        DisposeRLEPicture(picture);
    }
}

TEST_F(RLEPictureTest, RowMapsAPictureCannotHoldAreNeitherKeptNorLeaked) {
    const TempDir folder;
    const std::vector<UInt8> bigMap(1 << 20, 0);
    // Pairs without a row map field: the row's runs sit where a longer header keeps the map's slot.
    PictureSpec shortHeader{6, 8, 2, 255, {{2, 1, 1, 2, 3, 2}}};
    shortHeader.headerLength = 22;
    PictureSpec tiny{6, 8, 2, 255, {}};
    tiny.headerLength = 24;
    struct Case {
        const char* name;
        PictureSpec spec;
        bool big;
    };
    const Case cases[] = {{"header shorter than 26", shortHeader, false},
                          {"header shorter than 26, big-endian", shortHeader, true},
                          {"block shorter than 28", tiny, false}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const std::string base = folder.File("pic");
        ASSERT_EQ(WriteFileAtomically(base + ".mapf", PictureBytes(test.spec, test.big).first), noErr);
        ASSERT_EQ(WriteFileAtomically(base + ".rlem", bigMap), noErr);
        const size_t before = HeapInUse();
        for (int i = 0; i < 20; ++i) {
            Handle picture = ReadRLEPicture(base);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(GetRLERowMap(picture), nullptr);
            DisposeRLEPicture(picture);
        }
        EXPECT_LT(HeapInUse(), before + bigMap.size()) << "row maps left behind";
    }
    // A block of 27 bytes whose header length is 0, as fuzzing found it.
    {
        const std::string base = folder.File("zero");
        ASSERT_EQ(WriteFileAtomically(base + ".mapf", std::vector<UInt8>(27, 0)), noErr);
        ASSERT_EQ(WriteFileAtomically(base + ".rlem", bigMap), noErr);
        const size_t before = HeapInUse();
        for (int i = 0; i < 20; ++i)
            DisposeRLEPicture(ReadRLEPicture(base));
        EXPECT_LT(HeapInUse(), before + bigMap.size()) << "row maps left behind";
    }
    // Attaching says whether the picture took the map; one it refuses stays the caller's.
    for (const PictureSpec& spec : {shortHeader, tiny}) {
        Handle picture = MakePicture(spec, false, false);
        Handle map = NewHandle(4);
        EXPECT_FALSE(SetRLERowMap(picture, map));
        EXPECT_EQ(GetRLERowMap(picture), nullptr);
        DisposeHandle(map);
        DisposeRLEPicture(picture);
    }
    // The short header's runs are read as they are, not overwritten by a row map slot.
    ASSERT_EQ(WriteFileAtomically(folder.File("pic.mapf"), PictureBytes(shortHeader, false).first), noErr);
    Handle picture = ReadRLEPicture(folder.File("pic"));
    for (SInt16 h = 0; h < 6; ++h)
        EXPECT_EQ(GetRLENPixel(picture, nullptr, h, 0), h < 2 ? 1 : 2) << h;
    DisposeRLEPicture(picture);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}
