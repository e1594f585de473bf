// Whole-file reads and atomic replacement.
#include "platform/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileIO, AtomicWriteReplacesWholeFilesAndCleansUpOnFailure) {
    TempDir dir;
    std::string path = dir.File("out.bin");
    ASSERT_EQ(WriteFileAtomically(path, std::vector<UInt8>{1, 2, 3, 4}), noErr);
    ASSERT_EQ(WriteFileAtomically(path, std::vector<UInt8>{9}), noErr);
    std::vector<UInt8> back;
    ASSERT_EQ(ReadWholeFile(path, back), noErr);
    EXPECT_EQ(back, std::vector<UInt8>{9});

    // A folder in the way: the rename fails, the old entry stays and no temporary file is left.
    std::filesystem::create_directories(dir.File("blocked/inside"));
    EXPECT_NE(WriteFileAtomically(dir.File("blocked"), std::vector<UInt8>{1}), noErr);
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"blocked", "out.bin"}));

    EXPECT_EQ(WriteFileAtomically(dir.File("missing/out.bin"), std::vector<UInt8>{1}), dirNFErr);
    EXPECT_EQ(ReadWholeFile(dir.File("nothing"), back), fnfErr);
    EXPECT_TRUE(back.empty());
}

// Each step fails once with the error the disk would give, the old file and the folder stay as they were,
// and the next write goes through; a skipped count lets earlier steps of the same kind pass.
TEST(FileIO, InjectedFaultFailsOneStepOfAnAtomicWriteAndLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("out.bin");
    const std::vector<UInt8> old{1, 2, 3, 4, 5, 6};
    ASSERT_EQ(WriteFileAtomically(path, old), noErr);
    struct Case {
        FileFaultStep step;
        OSErr expected;
    };
    for (const Case& c : {Case{FileFaultStep::kOpen, permErr}, Case{FileFaultStep::kWrite, dskFulErr},
                          Case{FileFaultStep::kSync, ioErr}, Case{FileFaultStep::kRename, permErr}}) {
        SCOPED_TRACE(int(c.step));
        InjectFileFault(c.step);
        EXPECT_EQ(WriteFileAtomically(path, std::vector<UInt8>{9, 9, 9, 9}), c.expected);
        EXPECT_FALSE(FileFaultPending());
        std::vector<UInt8> back;
        ASSERT_EQ(ReadWholeFile(path, back), noErr);
        EXPECT_EQ(back, old);
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"out.bin"}) << "no temporary file is left";

        // The fault fires once; a skip lets the first matching step pass.
        ASSERT_EQ(WriteFileAtomically(path, old), noErr);
        InjectFileFault(c.step, 1);
        ASSERT_EQ(WriteFileAtomically(dir.File("other.bin"), std::vector<UInt8>{7}), noErr);
        EXPECT_TRUE(FileFaultPending());
        EXPECT_EQ(WriteFileAtomically(path, std::vector<UInt8>{8}), c.expected);
        ASSERT_EQ(ReadWholeFile(path, back), noErr);
        EXPECT_EQ(back, old);
        ASSERT_EQ(DeleteFile(dir.File("other.bin")), noErr);
    }

    // A cleared fault never fires.
    InjectFileFault(FileFaultStep::kRename);
    ClearFileFaults();
    EXPECT_FALSE(FileFaultPending());
    EXPECT_EQ(WriteFileAtomically(path, std::vector<UInt8>{3}), noErr);
}

} // namespace
