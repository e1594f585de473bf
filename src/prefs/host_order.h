// Reading and writing 16- and 32-bit units in this machine's byte order inside a stored byte image. The
// preference records are stored in the order of the machine that wrote them, so their images are kept
// in that order in memory and written out unchanged.
#pragma once

#include "platform/types.h"

#include <bit>

constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;

constexpr UInt16 LoadHost16(const UInt8* p) {
    return kHostIsLittleEndian ? UInt16(p[0] | (p[1] << 8)) : UInt16((p[0] << 8) | p[1]);
}

constexpr UInt32 LoadHost32(const UInt8* p) {
    return kHostIsLittleEndian
               ? UInt32(p[0]) | (UInt32(p[1]) << 8) | (UInt32(p[2]) << 16) | (UInt32(p[3]) << 24)
               : (UInt32(p[0]) << 24) | (UInt32(p[1]) << 16) | (UInt32(p[2]) << 8) | UInt32(p[3]);
}

constexpr void StoreHost16(UInt8* p, UInt16 v) {
    const UInt8 low = UInt8(v), high = UInt8(v >> 8);
    p[0] = kHostIsLittleEndian ? low : high;
    p[1] = kHostIsLittleEndian ? high : low;
}

constexpr void StoreHost32(UInt8* p, UInt32 v) {
    for (int i = 0; i < 4; ++i)
        p[kHostIsLittleEndian ? i : 3 - i] = UInt8(v >> (8 * i));
}

// Reverses the bytes of one unit in place.
constexpr void ReverseUnit16(UInt8* p) {
    const UInt8 b = p[0];
    p[0] = p[1];
    p[1] = b;
}

constexpr void ReverseUnit32(UInt8* p) {
    UInt8 b = p[0];
    p[0] = p[3];
    p[3] = b;
    b = p[1];
    p[1] = p[2];
    p[2] = b;
}
