// The checked wrappers: retry counts, refusals with the caller's line, and Myrealloc.
#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "platform/pstring.h"
#include "shell/shell_globals.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class CheckedWrappers : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
    }
    void TearDown() override {
        SetAllocationFailureCountdown(-1);
        FailNextAllocations(0);
        SetErrorMessageRecording(false);
        gDontDisplayErrorMessages = 0;
    }
    std::vector<std::string> Messages() { return RecordedErrorMessages(); }
};

TEST_F(CheckedWrappers, DisposersRefuseNullAndUnlikelyWithTheCallersLine) {
    struct Case {
        void (*call)();
        const char* message;
    } cases[] = {
        {[] { MyDisposeHandle(nullptr, "x.cpp", 1234); }, "Trying to dispose null handle1234"},
        {[] { MyDisposeHandle(reinterpret_cast<Handle>(-1), "x.cpp", 77); },
         "Trying to dispose of unlikely handle77"},
        {[] { MyDisposePtr(nullptr, "x.cpp", 5); }, "Trying to dispose null Ptr5"},
        {[] { MyDisposePtr(reinterpret_cast<Ptr>(-1), "x.cpp", 6); },
         "Trying to dispose of unlikely pointer6"},
        {[] { MyReleaseResource(nullptr, "x.cpp", 7); }, "Trying to release null resource7"},
        {[] { MyDetachResource(nullptr, "x.cpp", 8); }, "Trying to detach a null resource handle8"},
        {[] { MyRemoveResource(nullptr, "x.cpp", 9); }, "Trying to remove a null resource handle9"},
        {[] { MyAddResource(nullptr, FourCC("TEXT"), 1, nullptr, "x.cpp", 10); },
         "Trying to add a null resource handle10"},
        {[] { MyDisposeDialog(nullptr, "x.cpp", 11); }, "Trying to dispose null Dialog11"},
        {[] { MyDisposeMenu(nullptr, "x.cpp", 12); }, "Trying to dispose null Menu12"},
        {[] { MyGetResInfo(nullptr, nullptr, nullptr, nullptr); },
         "Trying to GetInfo a null resource handle0"},
        // A handle that is no resource: the platform's error code follows the message.
        {[] {
             Handle h = NewHandle(4);
             MyReleaseResource(h, "x.cpp", 13);
             DisposeHandle(h);
         },
         "Error while releasing resource-192"},
    };
    for (const auto& c : cases) {
        ClearRecordedErrorMessages();
        c.call();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    }
}

TEST_F(CheckedWrappers, RetryCountsAreExtraTries) {
    // Two tries fail, the third succeeds: a retry count of 1 gives up, 2 gets the block.
    struct Case {
        SInt16 retries;
        bool succeeds;
    } cases[] = {{0, false}, {1, false}, {2, true}, {3, true}};
    for (const Case& c : cases) {
        FailNextAllocations(2);
        Ptr p = MyNewPtr(8, c.retries);
        EXPECT_EQ(p != nullptr, c.succeeds) << c.retries;
        if (p) DisposePtr(p);
        FailNextAllocations(0);
    }
    EXPECT_EQ(MyGetResource(FourCC("none"), 1, 3), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CheckedWrappers, MissingDialogIsReportedOnce) {
    geeMouseIsDown = true;
    EXPECT_EQ(MyGetNewDialog(31999, nullptr, nullptr, 1), nullptr);
    EXPECT_FALSE(geeMouseIsDown);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to open dialog"});
}

TEST_F(CheckedWrappers, ReallocMovesWhenItMustAndKeepsTheOldBlockOnFailure) {
    Ptr p = MyNewPtrClear(4, 0);
    std::memcpy(p, "abcd", 4);
    Ptr q = Myrealloc(p, 64, 0, "x.cpp", 1); // cannot grow in place: moved, contents kept, rest zero
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(std::memcmp(q, "abcd", 4), 0);
    EXPECT_EQ(GetPtrSize(q), 64);
    EXPECT_EQ(q[63], 0);

    SetAllocationFailureCountdown(0);
    EXPECT_EQ(Myrealloc(q, 4096, 2, "x.cpp", 2), nullptr);
    SetAllocationFailureCountdown(-1);
    EXPECT_EQ(std::memcmp(q, "abcd", 4), 0); // still the caller's, whole
    EXPECT_EQ(GetPtrSize(q), 64);
    Ptr r = Myrealloc(q, 16, 0, "x.cpp", 3); // shrinking stays in place
    EXPECT_EQ(r, q);
    MyDisposePtr(r, "x.cpp", 4);
    Ptr fresh = Myrealloc(nullptr, 10, 0, "x.cpp", 5);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(GetPtrSize(fresh), 10);
    MyDisposePtr(fresh, "x.cpp", 6);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CheckedWrappers, DisposeGWorldClearsTheVariable) {
    GWorldPtr world = nullptr;
    Rect r{0, 0, 4, 4};
    ASSERT_EQ(MyNewGWorld(&world, 32, &r, nullptr, nullptr, 0, 0), noErr);
    MyDisposeGWorld(&world);
    EXPECT_EQ(world, nullptr);
}

TEST_F(CheckedWrappers, SilencedMessagesAreDropped) {
    gDontDisplayErrorMessages = 1;
    MyDisposeHandle(nullptr, "x.cpp", 1);
    EXPECT_TRUE(Messages().empty());
}

} // namespace
