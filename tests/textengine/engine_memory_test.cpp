// Splicing bytes into handles and into pointer blocks that keep their own capacity.
#include "engine_fixture.h"

#include <cstring>

namespace {

std::string Contents(Handle h) {
    return std::string(*h, size_t(GetHandleSize(h)));
}

TEST(EngineMemory, SpliceInsertsRemovesAndRefusesOffsetsOutside) {
    struct Case {
        const char* name;
        const char* source;
        Size length, offset;
        OSErr err;
        const char* after;
    };
    const Case cases[] = {
        {"insert in the middle", "XY", 2, 3, noErr, "abcXYdef"},
        {"insert at the end", "XY", 2, -1, noErr, "abcdefXY"},
        {"remove in the middle", nullptr, -2, 1, noErr, "adef"},
        {"remove the last bytes", nullptr, -2, -1, noErr, "abcd"},
        {"offset past the end", "X", 1, 7, paramErr, "abcdef"},
        {"removal past the end", nullptr, -3, 4, paramErr, "abcdef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Handle h = NewHandle(6);
        std::memcpy(*h, "abcdef", 6);
        EXPECT_EQ(_WESplice(h, c.source, c.length, c.offset), c.err);
        EXPECT_EQ(Contents(h), c.after);
        DisposeHandle(h);
    }
}

TEST(EngineMemory, PointerSpliceGrowsAndShrinksTheBlockByItsRules) {
    struct Case {
        Size used, length, capacityAfter;
    };
    const Case cases[] = {
        {60, 30, 100}, // fits
        {60, 50, 250}, // grows to twice the capacity plus the length
        {60, -40, 40}, // falls below half: used plus 20
        {60, -5, 100}, // stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.used << " " << c.length);
        Size capacity = 100;
        Ptr block = NewPtr(capacity);
        for (Size i = 0; i < c.used; i++)
            block[i] = char('a' + i % 26);
        std::string expected(block, size_t(c.used));
        std::string inserted(size_t(std::max<Size>(c.length, 0)), '#');
        if (c.length >= 0)
            expected.insert(10, inserted);
        else
            expected.erase(10, size_t(-c.length));
        ASSERT_EQ(
            _WESplicePtr(&block, &capacity, c.used, c.length > 0 ? inserted.data() : nullptr, c.length, 10),
            noErr);
        EXPECT_EQ(capacity, c.capacityAfter);
        EXPECT_EQ(std::string(block, expected.size()), expected);
        DisposePtr(block);
    }
}

TEST(EngineMemory, AllocateFallsBackAndClears) {
    Handle h = nullptr;
    ASSERT_EQ(_WEAllocate(16, kWEAllocClear | kWEAllocTempFirst, &h, 0, __FILE__, __LINE__), noErr);
    EXPECT_EQ(std::string(*h, 16), std::string(16, '\0'));
    _WEForgetHandle(&h);
    EXPECT_EQ(h, nullptr);
    FailNextAllocations(2);
    EXPECT_EQ(_WEAllocate(16, kWEAllocTempFirst, &h, 0, __FILE__, __LINE__), memFullErr);
    EXPECT_EQ(h, nullptr);
    FailNextAllocations(0);
}

} // namespace
