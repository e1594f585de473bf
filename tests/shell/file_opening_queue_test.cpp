// The fields of a script queue read back from a block of any size and content: a damaged element count
// reads as an empty queue, never as a negative count or one past the block.
#include "media/media_services.h"
#include "platform/memory.h"
#include "shell/file_opening.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr Size kHeader = 780, kElement = 1060, kCountAt = 768;

Handle QueueWithCount(SInt32 elements, UInt32 count) {
    Handle queue = NewHandleClear(kHeader + elements * kElement);
    std::memcpy(*queue + kCountAt, &count, sizeof count);
    return queue;
}

TEST(QueueRecords, ElementCountIsTheStoredCountOnlyWhenTheBlockHoldsThatMany) {
    struct Case {
        SInt32 elementsHeld;
        UInt32 storedCount;
        SInt32 expected;
    };
    const Case cases[] = {
        {2, 2, 2}, {2, 0, 0}, {2, 3, 0}, {0, 1, 0}, {2, 0x80000000u, 0}, {2, 0xFFFFFFFFu, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.elementsHeld << " held, " << c.storedCount << " stored");
        Handle queue = QueueWithCount(c.elementsHeld, c.storedCount);
        EXPECT_EQ(GetQueueElementCount(queue), c.expected);
        // Element reads past the count answer nothing rather than reading outside the block.
        EXPECT_EQ(GetQueueElementPauseAtEnd(queue, c.expected), 0);
        EXPECT_FALSE(GetQueueElementContinues(queue, -1));
        DisposeHandle(queue);
    }
}

} // namespace
