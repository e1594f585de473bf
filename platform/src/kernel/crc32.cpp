// The CRC-32 of zlib and PNG, a byte at a time from a table made at compile time.
#include "platform/crc32.h"

#include <array>

namespace {

constexpr std::array<UInt32, 256> MakeCrcTable() {
    std::array<UInt32, 256> table{};
    for (UInt32 n = 0; n < 256; ++n) {
        UInt32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<UInt32, 256> kCrcTable = MakeCrcTable();

} // namespace

UInt32 Crc32(std::span<const UInt8> bytes) {
    UInt32 c = 0xFFFFFFFFu;
    for (UInt8 b : bytes)
        c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}
