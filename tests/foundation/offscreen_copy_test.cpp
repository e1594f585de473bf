// The compositor: turns, mirrors and flips against the documented pixel mapping, shapes, the mode rules,
// the blend ramp and the rainbow's phase, and rectangles or shapes that do not fit the worlds.
#include "foundation/error_dialog.h"
#include "foundation/offscreen_copy.h"
#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {
struct World {
    GWorldPtr port = nullptr;
    int width = 0, height = 0;
    World(int w, int h) : width(w), height(h) {
        const Rect bounds{0, 0, SInt16(h), SInt16(w)};
        EXPECT_EQ(NewGWorld(&port, 32, &bounds, nullptr, nullptr, 0), noErr);
    }
    ~World() { DisposeGWorld(port); }
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    UInt32* Row(int y) const {
        return reinterpret_cast<UInt32*>(reinterpret_cast<char*>(GetPixBaseAddr(port)) +
                                         y * GetPixRowBytes(port));
    }
    UInt32 At(int x, int y) const { return Row(y)[x] & 0xFFFFFF; }
    void Set(int x, int y, UInt32 color) { Row(y)[x] = 0xFF000000 | color; }
    void Fill(UInt32 color) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Set(x, y, color);
    }
    // Every pixel different, so a pixel in the wrong place shows.
    void Pattern() {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Set(x, y, UInt32(x << 12 | y));
    }
    Rect Bounds() const { return Rect{0, 0, SInt16(height), SInt16(width)}; }
};

// A plain copy of the whole worlds with the given turn, mirror and flip.
void CopyTransformed(const World& from, World& to, bool mirror, bool flip, SInt16 rotation) {
    const Rect a = from.Bounds(), b = to.Bounds();
    CopyOffscreentoOffscreen(from.port, to.port, &a, &b, mirror, flip, rotation, 0, nullptr, 1, nullptr,
                             nullptr, 1, nullptr, nullptr, false, 0);
}

void CopyWithModes(const World& from, World& to, SInt16 sourceMode, const void* sourceKey,
                   const void* sourceExtra, SInt16 destinationMode, const void* destinationKey,
                   const void* destinationExtra, SInt32 tolerance = 0, UInt16 shapeMode = 0) {
    const Rect a = from.Bounds(), b = to.Bounds();
    CopyOffscreentoOffscreen(from.port, to.port, &a, &b, false, false, 0, shapeMode, nullptr, sourceMode,
                             sourceKey, sourceExtra, destinationMode, destinationKey, destinationExtra, false,
                             tolerance);
}

// A made shape: spans and source rows for each destination row.
struct ShapeRowSpec {
    SInt32 left, right;
    double sourceRow;
};
std::vector<UInt8> MakeShape(const std::vector<ShapeRowSpec>& rows) {
    std::vector<UInt8> shape(size_t(kShapeFirstRowOffset + kShapeRowSize * rows.size()));
    const auto count = SInt32(rows.size());
    std::memcpy(shape.data() + kShapeRowCountOffset, &count, sizeof count);
    for (size_t r = 0; r < rows.size(); ++r) {
        UInt8* entry = shape.data() + kShapeFirstRowOffset + kShapeRowSize * r;
        std::memcpy(entry, &rows[r].left, 4);
        std::memcpy(entry + kShapeRowRightOffset, &rows[r].right, 4);
        std::memcpy(entry + kShapeRowSourceOffset, &rows[r].sourceRow, 8);
    }
    return shape;
}

class OffscreenCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
    }
    void TearDown() override { SetErrorMessageRecording(false); }
};

constexpr UInt32 kWhite = 0xFFFFFF, kOther = 0x102030, kGround = 0x808080, kGreen = 0x00FF00;
} // namespace

TEST_F(OffscreenCopyTest, TurnsMirrorsAndFlipsPlaceEachPixelAsDocumented) {
    constexpr int w = 7, h = 5;
    // Where source pixel (column c, row r) lands, for a w x h source.
    struct Case {
        const char* name;
        bool mirror, flip;
        SInt16 rotation;
        std::function<std::pair<int, int>(int c, int r)> place;
    };
    const Case cases[] = {
        {"copy", false, false, 0,
         [](int c, int r) {
             return std::pair{c, r};
         }},
        {"mirror", true, false, 0,
         [](int c, int r) {
             return std::pair{w - 1 - c, r};
         }},
        {"flip", false, true, 0,
         [](int c, int r) {
             return std::pair{c, h - 1 - r};
         }},
        {"half turn", true, true, 0,
         [](int c, int r) {
             return std::pair{w - 1 - c, h - 1 - r};
         }},
        {"clockwise", false, false, 1,
         [](int c, int r) {
             return std::pair{h - 1 - r, c};
         }},
        {"clockwise mirrored", true, false, 1,
         [](int c, int r) {
             return std::pair{h - 1 - r, w - 1 - c};
         }},
        {"clockwise flipped", false, true, 1,
         [](int c, int r) {
             return std::pair{r, c};
         }},
        {"counter-clockwise", false, false, -1,
         [](int c, int r) {
             return std::pair{r, w - 1 - c};
         }},
        {"counter-clockwise mirrored", true, false, -1,
         [](int c, int r) {
             return std::pair{r, c};
         }},
        {"counter-clockwise flipped", false, true, -1,
         [](int c, int r) {
             return std::pair{h - 1 - r, w - 1 - c};
         }},
    };
    World source(w, h);
    source.Pattern();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const bool turned = test.rotation != 0;
        World destination(turned ? h : w, turned ? w : h);
        destination.Fill(0);
        CopyTransformed(source, destination, test.mirror, test.flip, test.rotation);
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c) {
                const auto [x, y] = test.place(c, r);
                ASSERT_EQ(destination.At(x, y), source.At(c, r)) << "source " << c << "," << r;
            }
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(OffscreenCopyTest, TurningOneWayThenTheOtherGivesThePictureBack) {
    World source(64, 40), turned(40, 64), back(64, 40);
    source.Pattern();
    CopyTransformed(source, turned, false, false, 1);
    CopyTransformed(turned, back, false, false, -1);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(back.At(x, y), source.At(x, y)) << x << "," << y;
}

TEST_F(OffscreenCopyTest, PlainCopyMovesExactlyTheRectangleBetweenPlaces) {
    World source(20, 10), destination(30, 12);
    source.Pattern();
    destination.Fill(kGround);
    const Rect from{2, 3, 7, 11}, to{5, 15, 10, 23};
    CopyOffscreentoOffscreen(source.port, destination.port, &from, &to, false, false, 0, 0, nullptr, 1,
                             nullptr, nullptr, 1, nullptr, nullptr, false, 0);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 15 && x < 23 && y >= 5 && y < 10;
            ASSERT_EQ(destination.At(x, y), inside ? source.At(x - 12, y - 3) : kGround) << x << "," << y;
        }
}

TEST_F(OffscreenCopyTest, UnequalOrOversizedRectanglesAreReportedAndCutToBothWorlds) {
    World source(16, 8), destination(10, 6);
    source.Pattern();
    destination.Fill(kGround);
    // Wider and taller than the destination world, and unequal: only what both worlds hold is copied.
    const Rect from{0, 0, 8, 16}, to{2, 4, 20, 40};
    CopyOffscreentoOffscreen(source.port, destination.port, &from, &to, true, true, 0, 0, nullptr, 1, nullptr,
                             nullptr, 1, nullptr, nullptr, false, 0);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Unequal rectangles in CopyOffscreentoOffscreen");
    EXPECT_EQ(destination.At(0, 0), kGround);
    EXPECT_EQ(destination.At(3, 5), kGround);
    // The 6 x 4 common area, mirrored and flipped within itself.
    EXPECT_EQ(destination.At(4, 2), source.At(5, 3));
    EXPECT_EQ(destination.At(9, 5), source.At(0, 0));

    // A turned copy whose source is larger than the destination can take.
    ClearRecordedErrorMessages();
    const Rect all{0, 0, 8, 16}, small{0, 0, 6, 10};
    CopyOffscreentoOffscreen(source.port, destination.port, &all, &small, false, false, -1, 0, nullptr, 1,
                             nullptr, nullptr, 1, nullptr, nullptr, false, 0);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
}

TEST_F(OffscreenCopyTest, ShapeSqueezesEachSourceRowIntoItsSpanAndShowsTheBackColourOutside) {
    World source(8, 3), destination(8, 3);
    source.Pattern();
    destination.Fill(kGround);
    // Row 0 squeezed into columns 2-5 from source row 2; row 1 whole from source row 0; row 2 empty.
    const auto shape = MakeShape({{2, 6, 2.7}, {0, 8, 0.0}, {4, 4, 1.0}});
    const Rect all = source.Bounds();
    CopyOffscreentoOffscreen(source.port, destination.port, &all, &all, false, false, 0, 0, shape.data(), 1,
                             nullptr, nullptr, 1, nullptr, nullptr, false, 0);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    const std::vector<UInt32> row0{kWhite,          kWhite,          source.At(0, 2), source.At(2, 2),
                                   source.At(4, 2), source.At(6, 2), kWhite,          kWhite};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(destination.At(x, 0), row0[size_t(x)]) << x;
        EXPECT_EQ(destination.At(x, 1), source.At(x, 0)) << x;
        EXPECT_EQ(destination.At(x, 2), kWhite) << x;
    }
}

TEST_F(OffscreenCopyTest, ShapesThatDoNotFitStayInsideTheRowsAndTheShape) {
    World source(8, 4), destination(8, 4);
    source.Pattern();
    destination.Fill(kGround);
    // Two rows for four destination rows, a source row past the last, a span wider than the row, and whole
    // rows with a narrow span (whose squeeze would run past the row's end).
    const auto shape = MakeShape({{-5, 50, 99.0}, {3, 5, 3.0}});
    const Rect all = source.Bounds();
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
    CopyOffscreentoOffscreen(source.port, destination.port, &all, &all, false, false, 0, 0, shape.data(), 3,
                             &white, nullptr, 1, nullptr, nullptr, true, 0);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Shape spec has incorrect height");
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(destination.At(x, 0), source.At(x, 3)) << x;
        EXPECT_EQ(destination.At(x, 1), source.At(std::min(4 * x, 7), 3)) << x;
        EXPECT_EQ(destination.At(x, 2), kGround) << x;
        EXPECT_EQ(destination.At(x, 3), kGround) << x;
    }
}

TEST_F(OffscreenCopyTest, ModeRulesDecideEachPixelByTheKeys) {
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF}, green{0, 0xFFFF, 0};
    const SInt16 quarter = 25, threeQuarters = 75;
    struct Case {
        const char* name;
        SInt16 sourceMode;
        const void* sourceExtra;
        SInt16 destinationMode;
        const void* destinationExtra;
        UInt16 shapeMode;
        UInt32 keyPixel, otherPixel; // results where the source is white (the key) and where it is not
    };
    const Case cases[] = {
        {"copy", 1, nullptr, 1, nullptr, 0, kWhite, kOther},
        {"replace key", 2, &green, 1, nullptr, 0, kGreen, kOther},
        {"drop key", 3, nullptr, 1, nullptr, 0, kGround, kOther},
        {"invert under key", 4, nullptr, 1, nullptr, 0, 0x7F7F7F, kOther},
        {"blend key a quarter", 5, &quarter, 1, nullptr, 0, 0x9F9F9F, kOther},
        {"keep only key", 7, nullptr, 1, nullptr, 0, kWhite, kGround},
        {"keep only key, row copy", 7, nullptr, 1, nullptr, 2, kGround, kGround},
        {"replace others", 1, nullptr, 2, &green, 0, kWhite, kGreen},
        {"others only where keyed", 1, nullptr, 3, nullptr, 0, kWhite, kGround},
        {"invert others", 1, nullptr, 4, nullptr, 0, kWhite, 0x7F7F7F},
        {"blend others a quarter", 1, nullptr, 5, &quarter, 0, kWhite, 0x64686C},
        // Both sides blending, each with its own percent.
        {"blend key a quarter, others three quarters", 5, &quarter, 5, &threeQuarters, 0, 0x9F9F9F, 0x2C3844},
        {"blend both, row copy", 5, &quarter, 5, &threeQuarters, 2, 0x9F9F9F, 0x2C3844},
        {"drop key, replace others", 3, nullptr, 2, &green, 0, kGround, kGreen},
    };
    World source(2, 1), destination(2, 1);
    source.Set(0, 0, kWhite);
    source.Set(1, 0, kOther);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        destination.Fill(kGround);
        CopyWithModes(source, destination, test.sourceMode, &white, test.sourceExtra, test.destinationMode,
                      &white, test.destinationExtra, 0, test.shapeMode);
        EXPECT_EQ(destination.At(0, 0), test.keyPixel);
        EXPECT_EQ(destination.At(1, 0), test.otherPixel);
    }
}

TEST_F(OffscreenCopyTest, KeyToleranceAndColourKeyBlocksChooseWhatIsDropped) {
    World source(3, 1), destination(3, 1);
    source.Set(0, 0, kWhite);
    source.Set(1, 0, 0xF4F4F4); // 11 below white in each component
    source.Set(2, 0, kOther);
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};

    struct Entry { // one colour key of an overlay's block
        SInt32 enabled, uses;
        RGBColor color;
        SInt16 percent;
    };
    auto block = [](std::vector<Entry> entries) {
        std::vector<UInt8> bytes(size_t(kColorKeyEntrySize * 4), 0);
        std::memcpy(bytes.data(), &kColorKeyBlockTag, 4);
        for (size_t i = 0; i < entries.size(); ++i) {
            UInt8* at = bytes.data() + kColorKeyEntrySize * i;
            std::memcpy(at + 4, &entries[i].enabled, 4);
            std::memcpy(at + 8, &entries[i].uses, 4);
            std::memcpy(at + 12, &entries[i].color, 6);
            std::memcpy(at + 18, &entries[i].percent, 2);
        }
        return bytes;
    };
    const auto allDisabled =
        block({{0, 5, white, 50}, {1, 1, white, 50}, {0, 0, white, 0}, {0, 0, white, 0}});
    const auto secondKey = block({{0, 5, white, 0}, {1, 3, {0x1000, 0x2000, 0x3000}, 0}});
    const auto whiteWithin5 = block({{1, 2, white, 5}});
    struct Case {
        const char* name;
        const void* key;
        SInt32 tolerance;
        std::vector<UInt32> result;
    };
    const Case cases[] = {
        {"exact white", &white, 0, {kGround, 0xF4F4F4, kOther}},
        {"white within 5 percent", &white, 5, {kGround, kGround, kOther}},
        {"white within 4 percent", &white, 4, {kGround, 0xF4F4F4, kOther}},
        {"block with every entry off", allDisabled.data(), 100, {kWhite, 0xF4F4F4, kOther}},
        {"block with its second entry on", secondKey.data(), 0, {kWhite, 0xF4F4F4, kGround}},
        {"block with its own tolerance", whiteWithin5.data(), 0, {kGround, kGround, kOther}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        destination.Fill(kGround);
        CopyWithModes(source, destination, 3, test.key, nullptr, 1, nullptr, nullptr, test.tolerance);
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(destination.At(x, 0), test.result[size_t(x)]) << x;
    }
}

TEST_F(OffscreenCopyTest, BlendWithoutPercentRampsInOverTheFirstAndLastFiftyRows) {
    World source(1, 200), destination(1, 200);
    source.Fill(kWhite);
    destination.Fill(0);
    CopyWithModes(source, destination, 1, nullptr, nullptr, 5, nullptr, nullptr);
    // 255 x percent / 100 for percents 0, 50, 100, 100 and 2.
    const std::pair<int, UInt32> rows[] = {{0, 0}, {25, 127}, {100, 255}, {150, 255}, {199, 5}};
    for (const auto& [row, grey] : rows)
        EXPECT_EQ(destination.At(0, row), grey << 16 | grey << 8 | grey) << row;
}

TEST_F(OffscreenCopyTest, NullKeysTakeNothingAndNullWorldsWriteNothing) {
    World source(2, 1), destination(2, 1);
    source.Set(0, 0, kWhite);
    source.Set(1, 0, kOther);
    const RGBColor green{0, 0xFFFF, 0};
    for (SInt16 mode : {2, 3, 4, 5, 7}) {
        destination.Fill(kGround);
        CopyWithModes(source, destination, mode, nullptr, &green, 1, nullptr, nullptr);
        EXPECT_EQ(destination.At(0, 0), kWhite) << mode;
        EXPECT_EQ(destination.At(1, 0), kOther) << mode;
    }
    destination.Fill(kGround);
    const Rect all = destination.Bounds();
    CopyOffscreentoOffscreen(source.port, nullptr, &all, &all, false, false, 0, 0, nullptr, 1, nullptr,
                             nullptr, 1, nullptr, nullptr, false, 0);
    CopyOffscreentoOffscreen(nullptr, destination.port, &all, &all, false, false, 0, 0, nullptr, 1, nullptr,
                             nullptr, 1, nullptr, nullptr, false, 0);
    EXPECT_EQ(destination.At(0, 0), kGround);
}

namespace {
std::vector<UInt8> RainbowBytes(const std::vector<UInt32>& colors) {
    std::vector<UInt8> bytes;
    for (UInt32 c : colors)
        for (int shift : {24, 16, 8, 0})
            bytes.push_back(UInt8(c >> shift));
    return bytes;
}
} // namespace

TEST_F(OffscreenCopyTest, RainbowStripesMoveOneEntryPerCallEvenWithoutADestination) {
    const std::vector<UInt32> colors{0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004};
    const auto bytes = RainbowBytes(colors);
    Handle table = NewHandle(Size(bytes.size()));
    std::memcpy(*table, bytes.data(), bytes.size());
    SetRainbowColors(table);
    DisposeHandle(table);

    World source(3, 4), destination(3, 4);
    source.Fill(kOther);
    // Every pixel is painted by the destination rule; the stripe moves on after each row of 3 pixels.
    auto firstColumn = [&] {
        CopyWithModes(source, destination, 1, nullptr, nullptr, 6, nullptr, nullptr);
        std::vector<UInt32> column;
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(destination.At(2, y), destination.At(0, y));
            column.push_back(destination.At(0, y));
        }
        return column;
    };
    EXPECT_EQ(firstColumn(), (std::vector<UInt32>{2, 3, 4, 1}));
    EXPECT_EQ(firstColumn(), (std::vector<UInt32>{3, 4, 1, 2}));
    const Rect all = source.Bounds();
    CopyOffscreentoOffscreen(source.port, nullptr, &all, &all, false, false, 0, 0, nullptr, 1, nullptr,
                             nullptr, 6, nullptr, nullptr, false, 0);
    EXPECT_EQ(firstColumn(), (std::vector<UInt32>{1, 2, 3, 4}));

    // The source rainbow runs the other way: phase 2 of 4 starts it at entry 4 - 2.
    const RGBColor key{0x1010, 0x2020, 0x3030};
    EXPECT_EQ(GetRainbowState().callCount, 0);
    CopyWithModes(source, destination, 6, &key, nullptr, 1, nullptr, nullptr);
    CopyWithModes(source, destination, 6, &key, nullptr, 1, nullptr, nullptr);
    EXPECT_EQ(destination.At(0, 0), 3u);

    // Without colours, rainbow modes copy plainly.
    SetRainbowColors(nullptr);
    destination.Fill(kGround);
    CopyWithModes(source, destination, 6, &key, nullptr, 6, nullptr, nullptr);
    EXPECT_EQ(destination.At(1, 1), kOther);
}
