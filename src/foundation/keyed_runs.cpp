// Keyed runs eight pixels at a time with the compiler's vector extensions: the colour channels of a block
// are compared with every range of the key table at once and the block is merged with a mask. The same
// code is built twice, for AVX2 and for the baseline vectors, and the choice is made once at start-up.
#include "foundation/keyed_runs.h"

#include "foundation/offscreen_copy_rules.h"
#include "foundation/pixel_blocks.h"

#include <cstring>

namespace {

#if defined(__GNUC__)
using namespace pixel_blocks;

// All ones in the lanes whose pixel lies in one of the table's ranges.
[[gnu::always_inline]] inline Block MatchMask(Block s, const KeyRanges& ranges) {
    const Block red = (s >> 16) & 0xFF, green = (s >> 8) & 0xFF, blue = s & 0xFF;
    Block match{};
    for (int i = 0; i < ranges.count; ++i) {
        const Block inRed = Block(red - UInt32(ranges.low[i][0]) <= ranges.span[i][0]);
        const Block inGreen = Block(green - UInt32(ranges.low[i][1]) <= ranges.span[i][1]);
        const Block inBlue = Block(blue - UInt32(ranges.low[i][2]) <= ranges.span[i][2]);
        match |= inRed & inGreen & inBlue;
    }
    return match;
}

// Answers how many pixels the blocks did; the plain loop does the rest.
[[gnu::always_inline]] inline int KeyedBlocks(const UInt32* s, UInt32* d, ptrdiff_t step, int count,
                                              const KeyRanges& ranges, bool invert) {
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Block source = LoadBlock(s + i);
        Block keep = MatchMask(source, ranges);
        if (invert) keep = ~keep;
        // Where keep is set the destination's pixel stays; elsewhere the source's is written.
        if (step == 1) {
            UInt32* at = d + i;
            StoreBlock(at, (LoadBlock(at) & keep) | (source & ~keep));
        } else {
            UInt32* at = d - i - (kBlock - 1);
            StoreBlock(at, (LoadBlock(at) & Reversed(keep)) | (Reversed(source) & ~Reversed(keep)));
        }
    }
    return i;
}
#endif

using RunKernel = int (*)(const UInt32*, UInt32*, ptrdiff_t, int, const KeyRanges&, bool);

int NoBlocks(const UInt32*, UInt32*, ptrdiff_t, int, const KeyRanges&, bool) {
    return 0;
}

#if defined(__GNUC__)
int VectorBlocks(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const KeyRanges& ranges,
                 bool invert) {
    return KeyedBlocks(s, d, step, count, ranges, invert);
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
[[gnu::target("avx2")]] int Avx2Blocks(const UInt32* s, UInt32* d, ptrdiff_t step, int count,
                                       const KeyRanges& ranges, bool invert) {
    return KeyedBlocks(s, d, step, count, ranges, invert);
}
#endif

struct Choice {
    RunKernel kernel;
    const char* kind;
};

Choice ChooseOnce() {
#if defined(__GNUC__) && defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return {&Avx2Blocks, "avx2"};
#endif
#if defined(__GNUC__)
    return {&VectorBlocks, "vector"};
#else
    return {&NoBlocks, "plain"};
#endif
}

const Choice kChosen = ChooseOnce();
Choice gInUse = kChosen;

} // namespace

void KeyedRunPlain(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const KeyRanges& ranges,
                   bool invert) {
    for (int i = 0; i < count; ++i, d += step)
        if (MatchesTable(s[i], ranges) == invert) *d = s[i];
}

void KeyedRun(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const KeyRanges& ranges, bool invert) {
    const int done = gInUse.kernel(s, d, step, count, ranges, invert);
    KeyedRunPlain(s + done, d + done * step, step, count - done, ranges, invert);
}

const char* KeyedRunKind() {
    return gInUse.kind;
}

void UsePlainKeyedRuns(bool plain) {
    gInUse = plain ? Choice{&NoBlocks, "plain"} : kChosen;
}
