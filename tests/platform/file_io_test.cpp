// Whole-file reads and atomic replacement.
#include "platform/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
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

}  // namespace
