// The compositor's plain, turned and blended copies in blocks of pixels: a mirrored row, a quarter-turned
// tile and a row blended under a key. A vector kernel is chosen once at start-up when the processor has
// one, else the plain loops; both give the same pixels.
#pragma once

#include "platform/types.h"

#include <cstddef>

// d[-i] = s[i] for count pixels: a row written from its far end back (d is the row's last pixel).
void CopyRunReversed(const UInt32* s, UInt32* d, int count);
void CopyRunReversedPlain(const UInt32* s, UInt32* d, int count);

// A quarter-turned plain copy of rows x columns source pixels: source pixel (r, c) at
// s + r x sourceStride + c lands at d + r x rowStep + c x columnStep; rowStep is 1 or -1.
void CopyTileTurned(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep,
                    ptrdiff_t columnStep, int rows, int columns);
void CopyTileTurnedPlain(const UInt32* s, ptrdiff_t sourceStride, UInt32* d, ptrdiff_t rowStep,
                         ptrdiff_t columnStep, int rows, int columns);

// The blend rules along a row, d[i x step] for source pixel s[i] (step 1 or -1): where the source blends,
// a pixel whose colour equals sourceKey is blended over the destination with sourcePercent; of the rest,
// where the destination blends, a pixel equal to destinationKey is written and any other blended with
// destinationPercent; every other pixel is written. A blend keeps the destination's alpha.
struct BlendRunRule {
    bool sourceBlends;
    bool destinationBlends;
    UInt32 sourceKey;
    UInt32 destinationKey;
    int sourcePercent; // 0-100
    int destinationPercent;
};
void BlendRun(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const BlendRunRule& rule);
void BlendRunPlain(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const BlendRunRule& rule);

// "avx2", "vector" or "plain": what the runs above use. Tests and benchmarks may force the plain loops.
const char* CopyRunKind();
void UsePlainCopyRuns(bool plain);
