// Random numbers and the integer square root.
#include "foundation/small_math.h"

#include <initializer_list>

namespace {

UInt32 gRandomState = 1;

} // namespace

void SetRandomSeed(UInt32 seed) {
    gRandomState = seed ? seed : 1;
}

UInt16 Random16() {
    // A 32-bit linear congruential step; the high half is the better-mixed one.
    gRandomState = gRandomState * 1664525u + 1013904223u;
    return UInt16(gRandomState >> 16);
}

SInt32 rnd(SInt32 n) {
    return SInt32((SInt64(n) * Random16()) >> 16);
}

UInt32 SquareRoot(UInt32 n) {
    if (n == 0) return 0;
    // Find the even power of two nearest below n by halving steps, then count odd numbers up from its root:
    // (r + k)^2 - (r + k) < n <= (r + k)^2 + (r + k) picks the nearest integer root r + k.
    const auto pow2 = [](SInt32 e) { return e < 0 ? 0.0 : double(UInt64(1) << e); };
    SInt32 e = 16;
    for (SInt32 step : {8, 6, 4, 2})
        e += double(n) > pow2(e) ? step : -step;
    if (double(n) < pow2(e)) e -= 2;
    const UInt64 r = UInt64(1) << (e / 2);
    SInt64 remainder = SInt64(n) - SInt64(r * r - r);
    UInt64 odd = 2 * r;
    while (remainder > SInt64(odd)) {
        remainder -= SInt64(odd);
        odd += 2;
    }
    return UInt32(odd / 2);
}
