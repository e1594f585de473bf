// Big-endian reading and writing, fixed point and the bounds of ByteReader.
#include "platform/bytes.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Bytes, WriterAndReaderAgree) {
    ByteWriter w;
    w.u8(0xAB);
    w.s16(-2);
    w.u24(0x123456);
    w.u32(0xDEADBEEF);
    w.fixed(DoubleToFixed(1.5));
    w.f32(3.25f);
    w.f64(-0.125);
    w.pstring("Mac");
    w.align(4);
    std::vector<UInt8> bytes = w.take();
    EXPECT_EQ(bytes.size() % 4, 0u);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0xFE);
    EXPECT_EQ(bytes[6], 0xDE); // big-endian: the high byte first

    ByteReader r(bytes);
    EXPECT_EQ(r.u8(), 0xAB);
    EXPECT_EQ(r.s16(), -2);
    EXPECT_EQ(r.u24(), 0x123456u);
    EXPECT_EQ(r.u32(), 0xDEADBEEFu);
    EXPECT_EQ(r.fixed(), 0x00018000);
    EXPECT_EQ(r.f32(), 3.25f);
    EXPECT_EQ(r.f64(), -0.125);
    EXPECT_EQ(r.pstring(), "Mac");
    EXPECT_TRUE(r.ok());
}

TEST(Bytes, ReaderStopsAtTheEndInsteadOfReadingPast) {
    const UInt8 bytes[] = {0x00, 0x05, 'a', 'b'};
    ByteReader r(bytes);
    EXPECT_EQ(r.u16(), 5);
    EXPECT_EQ(r.u32(), 0u); // only two bytes left
    EXPECT_FALSE(r.ok());
    ByteReader s(bytes);
    s.skip(1);
    EXPECT_EQ(s.pstring(), ""); // length 5 with two bytes behind it
    EXPECT_FALSE(s.ok());
}

TEST(Bytes, FixedPointRoundsAndSaturates) {
    EXPECT_EQ(DoubleToFixed(-1.0), SInt32(0xFFFF0000));
    EXPECT_EQ(DoubleToFixed(1.0 / 65536 * 0.6), 1);
    EXPECT_EQ(DoubleToFixed(1e9), 0x7FFFFFFF);
    EXPECT_EQ(DoubleToFixed(-1e9), SInt32(0x80000000));
    EXPECT_DOUBLE_EQ(FixedToDouble(0x00028000), 2.5);
    EXPECT_EQ(SwapBytes32(0x11223344), 0x44332211u);
    EXPECT_EQ(SwapBytes16(0x1122), 0x2211);
}

TEST(Clock, FakeClockMovesOnlyWhenTold) {
    UseFakeClock(100, 3'000'000'000u);
    EXPECT_EQ(TickCount(), 100u);
    AdvanceFakeClock(90);
    EXPECT_EQ(TickCount(), 190u);
    EXPECT_EQ(CurrentDateTime(), 3'000'000'001u);
    AdvanceFakeClock(30); // 120 ticks in all: two seconds
    EXPECT_EQ(CurrentDateTime(), 3'000'000'002u);
    UseRealClock();
    EXPECT_FALSE(IsClockFake());
    // The real date-time counts from 1904: any present date is past 2020 (3,786,825,600).
    EXPECT_GT(CurrentDateTime(), 3'786'825'600u);
}

} // namespace
