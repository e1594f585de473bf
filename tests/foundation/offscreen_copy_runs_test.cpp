// The mirrored, turned and blended runs in blocks against the plain loops: the same pixels for lengths
// and tile sizes around the block size, both directions, and destinations around the written area left
// alone.
#include "foundation/offscreen_copy_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kLengths[] = {0, 1, 3, 7, 8, 9, 15, 16, 17, 63, 64, 65, 1921};
constexpr UInt32 kKey = 0x204060;

// Random pixels with the key colour (under any alpha) one time in four, so both sides of a key meet.
std::vector<UInt32> Pixels(size_t count, std::mt19937& random) {
    std::vector<UInt32> pixels(count);
    for (UInt32& p : pixels) {
        const UInt32 r = random();
        p = (r & 3) == 0 ? (r & 0xFF000000u) | kKey : r;
    }
    return pixels;
}

// Runs f with the chosen kernels and with the plain loops on copies of the same destination.
template <typename F> void ExpectSameAsPlain(std::vector<UInt32> destination, F f, const std::string& what) {
    std::vector<UInt32> plain = destination;
    f(destination.data());
    UsePlainCopyRuns(true);
    f(plain.data());
    UsePlainCopyRuns(false);
    EXPECT_EQ(destination, plain) << what << " (" << CopyRunKind() << ")";
}

TEST(OffscreenCopyRuns, MirroredRowsGiveThePixelsOfThePlainLoop) {
    std::mt19937 random(11);
    for (int length : kLengths) {
        const std::vector<UInt32> source = Pixels(size_t(length), random);
        // The row's last pixel sits 8 pixels before the end: what lies around it must stay.
        ExpectSameAsPlain(
            Pixels(size_t(length) + 16, random),
            [&](UInt32* d) { CopyRunReversed(source.data(), d + length + 7, length); },
            std::to_string(length) + " pixels");
    }
    std::vector<UInt32> row(4);
    const UInt32 source[4] = {1, 2, 3, 4};
    CopyRunReversed(source, row.data() + 3, 4);
    EXPECT_EQ(row, (std::vector<UInt32>{4, 3, 2, 1}));
}

TEST(OffscreenCopyRuns, TurnedTilesGiveThePixelsOfThePlainLoop) {
    std::mt19937 random(12);
    const int sizes[] = {1, 5, 8, 9, 16, 23};
    for (int rows : sizes) {
        for (int columns : sizes) {
            // Source rows wider than the tile, and a destination with room around the tile: source row r
            // becomes destination column r (or the reverse), source column c destination row c (or the
            // reverse).
            const ptrdiff_t sourceStride = columns + 3, destinationStride = rows + 5;
            const std::vector<UInt32> source = Pixels(size_t(sourceStride) * size_t(rows), random);
            const std::vector<UInt32> destination =
                Pixels(size_t(destinationStride) * size_t(columns + 2), random);
            for (ptrdiff_t rowStep : {ptrdiff_t(1), ptrdiff_t(-1)}) {
                for (ptrdiff_t columnStep : {destinationStride, -destinationStride}) {
                    const ptrdiff_t first =
                        (rowStep < 0 ? rows + 1 : 2) + (columnStep < 0 ? columns : 1) * destinationStride;
                    ExpectSameAsPlain(
                        destination,
                        [&](UInt32* d) {
                            CopyTileTurned(source.data(), sourceStride, d + first, rowStep, columnStep, rows,
                                           columns);
                        },
                        std::to_string(rows) + " x " + std::to_string(columns) + ", steps " +
                            std::to_string(rowStep) + ", " + std::to_string(columnStep));
                }
            }
        }
    }
}

TEST(OffscreenCopyRuns, BlendedRowsGiveThePixelsOfThePlainLoop) {
    struct Case {
        const char* what;
        bool sourceBlends, destinationBlends;
        int sourcePercent, destinationPercent;
    };
    const Case cases[] = {
        {"the key blended a quarter", true, false, 25, 0},
        {"the others blended, 2 percent", false, true, 0, 2},
        {"both sides, 0 and 100 percent", true, true, 0, 100},
        {"both sides, 99 and 1 percent", true, true, 99, 1},
        {"both sides, 50 percent", true, true, 50, 50},
    };
    std::mt19937 random(13);
    for (const Case& c : cases) {
        const BlendRunRule rule{c.sourceBlends, c.destinationBlends, kKey,
                                kKey,           c.sourcePercent,     c.destinationPercent};
        for (int length : kLengths) {
            for (ptrdiff_t step : {ptrdiff_t(1), ptrdiff_t(-1)}) {
                const std::vector<UInt32> source = Pixels(size_t(length), random);
                const size_t first = step == 1 ? 8 : 8 + size_t(length) - 1;
                ExpectSameAsPlain(
                    Pixels(size_t(length) + 16, random),
                    [&](UInt32* d) { BlendRun(source.data(), d + first, step, length, rule); },
                    std::string(c.what) + ", " + std::to_string(length) + " pixels, step " +
                        std::to_string(step));
            }
        }
    }
}

TEST(OffscreenCopyRuns, ABlendIsTheWholeNumberPartOfTheWeightedMeanAndKeepsTheDestinationsAlpha) {
    // Every pair of components at the percents where rounding is closest.
    const BlendRunRule rule{false, true, kKey, kKey, 0, 0};
    for (int percent : {1, 33, 50, 67, 99}) {
        BlendRunRule r = rule;
        r.destinationPercent = percent;
        std::vector<UInt32> source, destination, expected;
        for (UInt32 s = 0; s < 256; s += 3) {
            for (UInt32 d = 0; d < 256; d += 5) {
                source.push_back(0x11000000u | s << 16 | d << 8 | s);
                destination.push_back(0x7F000000u | d << 16 | s << 8 | d);
                const UInt32 a = (s * UInt32(percent) + d * UInt32(100 - percent)) / 100;
                const UInt32 b = (d * UInt32(percent) + s * UInt32(100 - percent)) / 100;
                expected.push_back(0x7F000000u | a << 16 | b << 8 | a);
            }
        }
        BlendRun(source.data(), destination.data(), 1, int(source.size()), r);
        EXPECT_EQ(destination, expected) << percent << " percent (" << CopyRunKind() << ")";
    }
}

TEST(OffscreenCopyRuns, ThePlainLoopsCanBeForcedAndGivenBack) {
    const std::string chosen = CopyRunKind();
    UsePlainCopyRuns(true);
    EXPECT_STREQ(CopyRunKind(), "plain");
    UsePlainCopyRuns(false);
    EXPECT_EQ(chosen, CopyRunKind());
}

} // namespace
