// The keyed runs in blocks against the plain loop: the same pixels for every length around the block
// size, both directions, both senses of the key and tables of one, several and no ranges.
#include "foundation/keyed_runs.h"
#include "foundation/offscreen_copy_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct KeyCase {
    const char* what;
    int ranges;    // entries enabled, 0 to 4
    int tolerance; // +- around each key colour
};

ColorToleranceTable TableOf(const KeyCase& c) {
    ColorToleranceTable table{};
    const int keys[4][3] = {{0, 0, 0}, {255, 255, 255}, {128, 40, 200}, {10, 250, 10}};
    for (int i = 0; i < c.ranges; ++i) {
        table.enabled[i] = 1;
        table.redMin[i] = SInt16(keys[i][0] - c.tolerance);
        table.redMax[i] = SInt16(keys[i][0] + c.tolerance);
        table.greenMin[i] = SInt16(keys[i][1] - c.tolerance);
        table.greenMax[i] = SInt16(keys[i][1] + c.tolerance);
        table.blueMin[i] = SInt16(keys[i][2] - c.tolerance);
        table.blueMax[i] = SInt16(keys[i][2] + c.tolerance);
    }
    return table;
}

// Pixels near the key colours as often as far from them, so that both sides of every range are crossed.
std::vector<UInt32> Pixels(int count, std::mt19937& random) {
    std::vector<UInt32> pixels(size_t(count) + 16);
    const UInt32 near[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF8028C8u, 0x000AFA0Au};
    for (UInt32& p : pixels) {
        const UInt32 r = random();
        p = (r & 1) ? r : near[(r >> 1) & 3] ^ ((r >> 8) & 0x070707u);
    }
    return pixels;
}

TEST(KeyedRuns, BlocksGiveThePixelsOfThePlainLoop) {
    const KeyCase cases[] = {{"one exact key", 1, 0},
                             {"one key with tolerance", 1, 12},
                             {"four keys", 4, 5},
                             {"no key", 0, 0},
                             {"a range past the channel's ends", 2, 300}};
    const int lengths[] = {0, 1, 7, 8, 9, 15, 16, 17, 63, 1920};
    std::mt19937 random(7);
    for (const KeyCase& c : cases) {
        const KeyRanges ranges = PackKeyTable(TableOf(c));
        for (int length : lengths) {
            for (ptrdiff_t step : {ptrdiff_t(1), ptrdiff_t(-1)}) {
                for (bool invert : {false, true}) {
                    const std::vector<UInt32> source = Pixels(length, random);
                    std::vector<UInt32> blocks = Pixels(length, random), plain = blocks;
                    // Backward runs start at the last pixel of the destination row.
                    const size_t first = step == 1 ? 8 : 8 + size_t(length) - 1;
                    KeyedRun(source.data(), blocks.data() + first, step, length, ranges, invert);
                    KeyedRunPlain(source.data(), plain.data() + first, step, length, ranges, invert);
                    EXPECT_EQ(blocks, plain) << c.what << ", " << length << " pixels, step " << step
                                             << (invert ? ", inverted" : "") << " (" << KeyedRunKind() << ")";
                }
            }
        }
    }
}

TEST(KeyedRuns, ThePlainLoopCanBeForcedAndGivenBack) {
    const std::string chosen = KeyedRunKind();
    UsePlainKeyedRuns(true);
    EXPECT_STREQ(KeyedRunKind(), "plain");
    UsePlainKeyedRuns(false);
    EXPECT_EQ(chosen, KeyedRunKind());
}

} // namespace
