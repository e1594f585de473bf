// Four pixels at a time for the hot row loops, in the compiler's portable vector types (GCC and Clang), so
// fills, exclusive-ors, reversed rows and quarter turns run at memory speed without -O3.
#pragma once

#include "platform/types.h"

#include <cstring>

using Pixels4 = UInt32 __attribute__((vector_size(16)));

inline Pixels4 LoadPixels4(const UInt32* p) {
    Pixels4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void StorePixels4(UInt32* p, Pixels4 v) {
    std::memcpy(p, &v, sizeof v);
}
inline Pixels4 ReversePixels4(Pixels4 v) {
    return __builtin_shufflevector(v, v, 3, 2, 1, 0);
}

inline void FillPixels(UInt32* p, int n, UInt32 value) {
    const Pixels4 v = {value, value, value, value};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        StorePixels4(p + i, v);
    for (; i < n; ++i)
        p[i] = value;
}

inline void XorPixels(UInt32* p, int n, UInt32 bits) {
    const Pixels4 v = {bits, bits, bits, bits};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        StorePixels4(p + i, LoadPixels4(p + i) ^ v);
    for (; i < n; ++i)
        p[i] ^= bits;
}

// d[i] = s[-i] for n pixels: a row read backwards.
inline void CopyPixelsReversed(UInt32* d, const UInt32* s, int n) {
    int i = 0;
    for (; i + 4 <= n; i += 4)
        StorePixels4(d + i, ReversePixels4(LoadPixels4(s - i - 3)));
    for (; i < n; ++i)
        d[i] = s[-i];
}

// Transposes the 4x4 block whose rows are r0..r3 in place: afterwards rk holds the old column k.
inline void TransposePixels4x4(Pixels4& r0, Pixels4& r1, Pixels4& r2, Pixels4& r3) {
    const Pixels4 t0 = __builtin_shufflevector(r0, r1, 0, 4, 1, 5);
    const Pixels4 t1 = __builtin_shufflevector(r2, r3, 0, 4, 1, 5);
    const Pixels4 t2 = __builtin_shufflevector(r0, r1, 2, 6, 3, 7);
    const Pixels4 t3 = __builtin_shufflevector(r2, r3, 2, 6, 3, 7);
    r0 = __builtin_shufflevector(t0, t1, 0, 1, 4, 5);
    r1 = __builtin_shufflevector(t0, t1, 2, 3, 6, 7);
    r2 = __builtin_shufflevector(t2, t3, 0, 1, 4, 5);
    r3 = __builtin_shufflevector(t2, t3, 2, 3, 6, 7);
}
