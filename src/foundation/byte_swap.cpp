// In-place byte and bit reversal of single values.
#include "foundation/byte_swap.h"

#include <algorithm>

namespace {

void ReverseBytes(void* value, size_t count, bool swap) {
    if (!swap || !value) return;
    UInt8* p = static_cast<UInt8*>(value);
    std::reverse(p, p + count);
}

} // namespace

void SwapShort(void* value, bool swap) {
    ReverseBytes(value, 2, swap);
}
void SwapLong(void* value, bool swap) {
    ReverseBytes(value, 4, swap);
}
void SwapFloat(void* value, bool swap) {
    ReverseBytes(value, 4, swap);
}
void SwapDouble(void* value, bool swap) {
    ReverseBytes(value, 8, swap);
}

void SwapByte(void* value, bool swap) {
    if (!swap || !value) return;
    UInt8* p = static_cast<UInt8*>(value);
    UInt8 b = *p, reversed = 0;
    for (int i = 0; i < 8; ++i, b >>= 1)
        reversed = UInt8((reversed << 1) | (b & 1));
    *p = reversed;
}
