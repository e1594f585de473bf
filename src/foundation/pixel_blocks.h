// Eight pixels at a time with the compiler's vector extensions: loading, storing and reversing a block.
// The helpers are always inlined, so each kernel that uses them is built for the instruction set of the
// function it lands in (the baseline vectors or AVX2, chosen once at start-up by the kernel's owner).
#pragma once

#include "platform/types.h"

#include <cstring>

#if defined(__GNUC__)
// No block crosses a call, so the ABI note about passing vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace pixel_blocks {

using Block = UInt32 __attribute__((vector_size(32)));
constexpr int kBlock = 8;

[[gnu::always_inline]] inline Block LoadBlock(const UInt32* p) {
    Block b;
    std::memcpy(&b, p, sizeof b);
    return b;
}

[[gnu::always_inline]] inline void StoreBlock(UInt32* p, Block b) {
    std::memcpy(p, &b, sizeof b);
}

[[gnu::always_inline]] inline Block Reversed(Block b) {
#if defined(__clang__)
    return __builtin_shufflevector(b, b, 7, 6, 5, 4, 3, 2, 1, 0);
#else
    return __builtin_shuffle(b, Block{7, 6, 5, 4, 3, 2, 1, 0});
#endif
}

} // namespace pixel_blocks
#endif
