// Handles and pointer blocks: sizes, growth, locking, failure, copying and splicing.
#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Contents(Handle h) {
    return std::string(*h, size_t(GetHandleSize(h)));
}

struct FailureCountdownReset {
    ~FailureCountdownReset() { SetAllocationFailureCountdown(-1); }
};

TEST(Memory, HandleKeepsExactSizeAndZeroesGrowth) {
    Handle h = NewHandleClear(5);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetHandleSize(h), 5);
    std::memcpy(*h, "abcde", 5);
    SetHandleSize(h, 3);
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(Contents(h), "abc");
    SetHandleSize(h, 1000);
    ASSERT_EQ(MemError(), noErr);
    EXPECT_EQ(GetHandleSize(h), 1000);
    EXPECT_EQ(std::string(*h, 3), "abc");
    for (int i = 3; i < 1000; ++i)
        ASSERT_EQ((*h)[i], 0) << i;
    DisposeHandle(h);
}

TEST(Memory, LockedHandleDoesNotMoveAndCannotOutgrowItsBlock) {
    Handle h = NewHandle(16);
    HLock(h);
    char* before = *h;
    SetHandleSize(h, 8);
    EXPECT_EQ(MemError(), noErr);
    SetHandleSize(h, 16); // back within the block it has
    EXPECT_EQ(MemError(), noErr);
    SetHandleSize(h, 1 << 20);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(GetHandleSize(h), 16);
    EXPECT_EQ(*h, before);
    EXPECT_TRUE(HGetState(h) & kHandleLockedBit);
    HUnlock(h);
    SetHandleSize(h, 1 << 20);
    EXPECT_EQ(MemError(), noErr);
    DisposeHandle(h);
}

TEST(Memory, AllocationFailureReportsMemFullAndKeepsTheOldBlock) {
    FailureCountdownReset reset;
    Handle h = NewHandle(4);
    std::memcpy(*h, "wxyz", 4);
    SetAllocationFailureCountdown(0);
    EXPECT_EQ(NewHandle(10), nullptr);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(NewPtr(10), nullptr);
    EXPECT_EQ(MemError(), memFullErr);
    SetHandleSize(h, 4096);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(Contents(h), "wxyz");
    Handle copy = h;
    EXPECT_EQ(HandToHand(&copy), memFullErr);
    EXPECT_EQ(copy, h);
    SetAllocationFailureCountdown(-1);
    DisposeHandle(h);
}

TEST(Memory, NegativeAndHugeSizesFail) {
    EXPECT_EQ(NewHandle(-1), nullptr);
    EXPECT_EQ(MemError(), paramErr);
    Handle h = NewHandle(1);
    SetHandleSize(h, -5);
    EXPECT_EQ(MemError(), paramErr);
    EXPECT_EQ(GetHandleSize(h), 1);
    DisposeHandle(h);
}

TEST(Memory, HandToHandCopiesIndependently) {
    Handle h = nullptr;
    ASSERT_EQ(PtrToHand("hello", &h, 5), noErr);
    Handle copy = h;
    ASSERT_EQ(HandToHand(&copy), noErr);
    ASSERT_NE(copy, h);
    (*copy)[0] = 'j';
    EXPECT_EQ(Contents(h), "hello");
    EXPECT_EQ(Contents(copy), "jello");
    DisposeHandle(h);
    DisposeHandle(copy);
}

TEST(Memory, SpliceInsertsRemovesAndAppends) {
    struct Case {
        const char* start;
        Size offset, remove;
        const char* insert;
        OSErr err;
        const char* result;
    } cases[] = {
        {"abcdef", 2, 2, "XYZ", noErr, "abXYZef"}, {"abcdef", 0, 0, "<", noErr, "<abcdef"},
        {"abcdef", -1, 0, ">", noErr, "abcdef>"},  {"abcdef", 3, -1, "", noErr, "abc"},
        {"abcdef", 1, 5, "", noErr, "a"},          {"abcdef", 7, 0, "x", paramErr, "abcdef"},
        {"abcdef", 4, 3, "", paramErr, "abcdef"},  {"", 0, 0, "new", noErr, "new"},
    };
    for (const Case& c : cases) {
        Handle h = nullptr;
        PtrToHand(c.start, &h, Size(std::strlen(c.start)));
        EXPECT_EQ(SpliceHandle(h, c.offset, c.remove, c.insert, Size(std::strlen(c.insert))), c.err)
            << c.start << " @" << c.offset;
        EXPECT_EQ(Contents(h), c.result) << c.start << " @" << c.offset;
        DisposeHandle(h);
    }
}

TEST(Memory, SpliceFromItsOwnBytesAndAppendToItself) {
    Handle h = nullptr;
    PtrToHand("abc", &h, 3);
    // Insert the handle's own bytes while the block grows (and may move).
    ASSERT_EQ(SpliceHandle(h, 0, 0, *h, 3), noErr);
    EXPECT_EQ(Contents(h), "abcabc");
    ASSERT_EQ(HandAndHand(h, h), noErr);
    EXPECT_EQ(Contents(h), "abcabcabcabc");
    Handle other = nullptr;
    PtrToHand("!", &other, 1);
    ASSERT_EQ(HandAndHand(other, h), noErr);
    ASSERT_EQ(PtrAndHand("?", h, 1), noErr);
    EXPECT_EQ(Contents(h), "abcabcabcabc!?");
    DisposeHandle(other);
    DisposeHandle(h);
}

TEST(Memory, PointerBlocksResizeOnlyInPlace) {
    Ptr p = NewPtrClear(32);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(GetPtrSize(p), 32);
    SetPtrSize(p, 10);
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(GetPtrSize(p), 10);
    SetPtrSize(p, 32);
    EXPECT_EQ(MemError(), noErr);
    SetPtrSize(p, 33);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(GetPtrSize(p), 32);
    DisposePtr(p);
    EXPECT_EQ(MemError(), noErr);
}

TEST(Memory, StateRoundTripsButCannotForgeTheResourceBit) {
    Handle h = NewHandle(1);
    HSetState(h, SInt8(kHandleLockedBit | kHandleResourceBit));
    EXPECT_EQ(HGetState(h), SInt8(kHandleLockedBit));
    HSetState(h, 0);
    EXPECT_FALSE(IsHandleLocked(h));
    DisposeHandle(h);
}

} // namespace
