// Mirrored rows, quarter-turned tiles and blended rows eight pixels at a time with the compiler's vector
// extensions. The same code is built twice, for AVX2 and for the baseline vectors, and the choice is
// made once at start-up; the plain loops finish what the blocks leave and serve processors without them.
#include "foundation/offscreen_copy_runs.h"

#include "foundation/pixel_blocks.h"
#include "foundation/pixel_words.h"

#include <cstring>

namespace {

// A blend of one colour component: (s x p + d x (100 - p)) / 100. The sum is at most 25500, where
// x x 5243 >> 19 equals x / 100 exactly, so blocks can divide with a multiply.
inline UInt32 BlendComponent(UInt32 s, UInt32 d, UInt32 p) {
    return (s * p + d * (100 - p)) / 100;
}

inline UInt32 BlendPixelPlain(UInt32 s, UInt32 d, UInt32 p) {
    const UInt32 red = BlendComponent((s >> 16) & 0xFF, (d >> 16) & 0xFF, p);
    const UInt32 green = BlendComponent((s >> 8) & 0xFF, (d >> 8) & 0xFF, p);
    const UInt32 blue = BlendComponent(s & 0xFF, d & 0xFF, p);
    return (d & kPixelAlphaBits) | (red << 16) | (green << 8) | blue;
}

inline UInt32 BlendRulePixel(UInt32 s, UInt32 d, const BlendRunRule& rule) {
    const UInt32 color = s & kPixelColorBits;
    if (rule.sourceBlends && color == rule.sourceKey)
        return BlendPixelPlain(s, d, UInt32(rule.sourcePercent));
    if (rule.destinationBlends && color != rule.destinationKey)
        return BlendPixelPlain(s, d, UInt32(rule.destinationPercent));
    return s;
}

#if defined(__GNUC__)
using namespace pixel_blocks;

[[gnu::always_inline]] inline int ReversedBlocks(const UInt32* s, UInt32* d, int count) {
    int i = 0;
    for (; i + kBlock <= count; i += kBlock)
        StoreBlock(d - i - (kBlock - 1), Reversed(LoadBlock(s + i)));
    return i;
}

// Eight rows of eight pixels in, their eight columns out: c[j] holds pixel j of every row.
[[gnu::always_inline]] inline void Transpose8(const Block r[8], Block c[8]) {
    Block t[8], u[8];
    for (int k = 0; k < 8; k += 2) {
        t[k] = __builtin_shufflevector(r[k], r[k + 1], 0, 8, 1, 9, 4, 12, 5, 13);
        t[k + 1] = __builtin_shufflevector(r[k], r[k + 1], 2, 10, 3, 11, 6, 14, 7, 15);
    }
    for (int k = 0; k < 8; k += 4) {
        u[k] = __builtin_shufflevector(t[k], t[k + 2], 0, 1, 8, 9, 4, 5, 12, 13);
        u[k + 1] = __builtin_shufflevector(t[k], t[k + 2], 2, 3, 10, 11, 6, 7, 14, 15);
        u[k + 2] = __builtin_shufflevector(t[k + 1], t[k + 3], 0, 1, 8, 9, 4, 5, 12, 13);
        u[k + 3] = __builtin_shufflevector(t[k + 1], t[k + 3], 2, 3, 10, 11, 6, 7, 14, 15);
    }
    for (int j = 0; j < 4; ++j) {
        c[j] = __builtin_shufflevector(u[j], u[j + 4], 0, 1, 2, 3, 8, 9, 10, 11);
        c[j + 4] = __builtin_shufflevector(u[j], u[j + 4], 4, 5, 6, 7, 12, 13, 14, 15);
    }
}

// Whole blocks of eight rows by eight columns; answers the rows done (every column of them).
[[gnu::always_inline]] inline int TurnedBlocks(const UInt32* s, ptrdiff_t sourceStride, UInt32* d,
                                               ptrdiff_t rowStep, ptrdiff_t columnStep, int rows,
                                               int columns) {
    const int wholeColumns = columns - columns % kBlock;
    int r = 0;
    for (; r + kBlock <= rows; r += kBlock) {
        const UInt32* from = s + r * sourceStride;
        // A backward row step writes the block's rows from the highest address down.
        UInt32* to = d + r * rowStep - (rowStep < 0 ? kBlock - 1 : 0);
        for (int c = 0; c < wholeColumns; c += kBlock) {
            Block in[8], out[8];
            for (int k = 0; k < 8; ++k)
                in[k] = LoadBlock(from + k * sourceStride + c);
            Transpose8(in, out);
            for (int j = 0; j < 8; ++j)
                StoreBlock(to + (c + j) * columnStep, rowStep < 0 ? Reversed(out[j]) : out[j]);
        }
        for (int c = wholeColumns; c < columns; ++c)
            for (int k = 0; k < kBlock; ++k)
                d[(r + k) * rowStep + c * columnStep] = from[k * sourceStride + c];
    }
    return r;
}

// One colour component of a block's blend, in place at its shift.
[[gnu::always_inline]] inline Block BlendPart(Block s, Block d, UInt32 p, int shift) {
    const Block sum = ((s >> shift) & 0xFF) * p + ((d >> shift) & 0xFF) * (100 - p);
    return ((sum * 5243u) >> 19) << shift;
}

[[gnu::always_inline]] inline Block BlendBlock(Block s, Block d, UInt32 p) {
    return (d & kPixelAlphaBits) | BlendPart(s, d, p, 16) | BlendPart(s, d, p, 8) | BlendPart(s, d, p, 0);
}

[[gnu::always_inline]] inline int BlendBlocks(const UInt32* s, UInt32* d, ptrdiff_t step, int count,
                                              const BlendRunRule& rule) {
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Block source = LoadBlock(s + i);
        UInt32* at = step == 1 ? d + i : d - i - (kBlock - 1);
        const Block destination = step == 1 ? LoadBlock(at) : Reversed(LoadBlock(at));
        const Block color = source & kPixelColorBits;
        Block out = source;
        if (rule.destinationBlends) {
            const Block keep = Block(color == rule.destinationKey);
            const Block blended = BlendBlock(source, destination, UInt32(rule.destinationPercent));
            out = (source & keep) | (blended & ~keep);
        }
        if (rule.sourceBlends) {
            const Block blend = Block(color == rule.sourceKey);
            const Block blended = BlendBlock(source, destination, UInt32(rule.sourcePercent));
            out = (blended & blend) | (out & ~blend);
        }
        StoreBlock(at, step == 1 ? out : Reversed(out));
    }
    return i;
}
#endif

struct Kernels {
    int (*reversed)(const UInt32*, UInt32*, int);
    int (*turned)(const UInt32*, ptrdiff_t, UInt32*, ptrdiff_t, ptrdiff_t, int, int);
    int (*blend)(const UInt32*, UInt32*, ptrdiff_t, int, const BlendRunRule&);
    const char* kind;
};

int NoReversedBlocks(const UInt32*, UInt32*, int) {
    return 0;
}
int NoTurnedBlocks(const UInt32*, ptrdiff_t, UInt32*, ptrdiff_t, ptrdiff_t, int, int) {
    return 0;
}
int NoBlendBlocks(const UInt32*, UInt32*, ptrdiff_t, int, const BlendRunRule&) {
    return 0;
}
constexpr Kernels kPlainKernels{&NoReversedBlocks, &NoTurnedBlocks, &NoBlendBlocks, "plain"};

#if defined(__GNUC__)
int VectorReversed(const UInt32* s, UInt32* d, int count) {
    return ReversedBlocks(s, d, count);
}
int VectorTurned(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep, ptrdiff_t columnStep,
                 int rows, int columns) {
    return TurnedBlocks(s, sourceStride, d, rowStep, columnStep, rows, columns);
}
int VectorBlend(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const BlendRunRule& rule) {
    return BlendBlocks(s, d, step, count, rule);
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
[[gnu::target("avx2")]] int Avx2Reversed(const UInt32* s, UInt32* d, int count) {
    return ReversedBlocks(s, d, count);
}
[[gnu::target("avx2")]] int Avx2Turned(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep,
                                       ptrdiff_t columnStep, int rows, int columns) {
    return TurnedBlocks(s, sourceStride, d, rowStep, columnStep, rows, columns);
}
[[gnu::target("avx2")]] int Avx2Blend(const UInt32* s, UInt32* d, ptrdiff_t step, int count,
                                      const BlendRunRule& rule) {
    return BlendBlocks(s, d, step, count, rule);
}
#endif

Kernels ChooseOnce() {
#if defined(__GNUC__) && defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return {&Avx2Reversed, &Avx2Turned, &Avx2Blend, "avx2"};
#endif
#if defined(__GNUC__)
    return {&VectorReversed, &VectorTurned, &VectorBlend, "vector"};
#else
    return kPlainKernels;
#endif
}

const Kernels kChosen = ChooseOnce();
Kernels gInUse = kChosen;

} // namespace

void CopyRunReversedPlain(const UInt32* s, UInt32* d, int count) {
    for (int i = 0; i < count; ++i)
        d[-i] = s[i];
}

void CopyRunReversed(const UInt32* s, UInt32* d, int count) {
    const int done = gInUse.reversed(s, d, count);
    CopyRunReversedPlain(s + done, d - done, count - done);
}

void CopyTileTurnedPlain(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep,
                         ptrdiff_t columnStep, int rows, int columns) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            d[r * rowStep + c * columnStep] = s[r * sourceStride + c];
}

void CopyTileTurned(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep,
                    ptrdiff_t columnStep, int rows, int columns) {
    const int done = gInUse.turned(s, sourceStride, d, rowStep, columnStep, rows, columns);
    CopyTileTurnedPlain(s + done * sourceStride, sourceStride, d + done * rowStep, rowStep, columnStep,
                        rows - done, columns);
}

void BlendRunPlain(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const BlendRunRule& rule) {
    for (int i = 0; i < count; ++i, d += step)
        *d = BlendRulePixel(s[i], *d, rule);
}

void BlendRun(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const BlendRunRule& rule) {
    const int done = gInUse.blend(s, d, step, count, rule);
    BlendRunPlain(s + done, d + done * step, step, count - done, rule);
}

const char* CopyRunKind() {
    return gInUse.kind;
}

void UsePlainCopyRuns(bool plain) {
    gInUse = plain ? kPlainKernels : kChosen;
}
