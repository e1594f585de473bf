// Byte-order swapping, the random numbers and the integer square root.
#include "foundation/byte_swap.h"
#include "foundation/small_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

TEST(ByteSwap, SwapsOnlyWhenAsked) {
    UInt8 bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const UInt8 original[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SwapShort(bytes, false);
    SwapLong(bytes, false);
    SwapDouble(bytes, false);
    EXPECT_EQ(std::memcmp(bytes, original, 8), 0);

    SwapShort(bytes, true);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 1);
    UInt8 four[4] = {1, 2, 3, 4};
    SwapLong(four, true);
    EXPECT_EQ(std::memcmp(four, "\x04\x03\x02\x01", 4), 0);
    float f = 1.5f;
    SwapFloat(&f, true);
    SwapFloat(&f, true);
    EXPECT_EQ(f, 1.5f);
    UInt8 eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SwapDouble(eight, true);
    EXPECT_EQ(std::memcmp(eight, "\x08\x07\x06\x05\x04\x03\x02\x01", 8), 0);

    UInt8 bits = 0b10110001;
    SwapByte(&bits, true);
    EXPECT_EQ(bits, 0b10001101);
    SwapByte(&bits, false);
    EXPECT_EQ(bits, 0b10001101);
}

TEST(SmallMath, SquareRootRoundsToTheNearestInteger) {
    struct Case {
        UInt32 n, root;
    } cases[] = {{0, 0},
                 {1, 1},
                 {2, 1},
                 {3, 2},
                 {12, 3},
                 {13, 4},
                 {16, 4},
                 {240, 15},
                 {241, 16},
                 {65536, 256},
                 {0xFFFFFFFFu, 65536}};
    for (const Case& c : cases)
        EXPECT_EQ(SquareRoot(c.n), c.root) << c.n;
    for (UInt32 n = 0; n < 70000; ++n)
        ASSERT_EQ(SquareRoot(n), UInt32(std::llround(std::sqrt(double(n))))) << n;
}

TEST(SmallMath, RndStaysInItsRangeAndFollowsTheSeed) {
    SetRandomSeed(42);
    bool seen[7] = {};
    for (int i = 0; i < 2000; ++i) {
        const SInt32 r = rnd(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen[r] = true;
    }
    for (bool s : seen)
        EXPECT_TRUE(s);
    SetRandomSeed(9);
    const UInt16 first = Random16();
    SetRandomSeed(9);
    EXPECT_EQ(Random16(), first);
}

} // namespace
