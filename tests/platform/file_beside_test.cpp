// Saves that replace several files together: each new file written complete beside its old one, then
// renamed over it.
#include "platform/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileBeside, WrittenCompleteBesideTheOldFileUntilRenamed) {
    TempDir dir;
    const std::string path = dir.File("Talk.txt");
    ASSERT_EQ(WriteFileAtomically(path, std::vector<UInt8>{1}), noErr);
    std::string temp;
    ASSERT_EQ(WriteFileBeside(path, std::vector<UInt8>{2, 3}, temp), noErr);
    EXPECT_EQ(std::filesystem::path(temp).parent_path(), std::filesystem::path(dir.path()));
    std::vector<UInt8> bytes;
    ReadWholeFile(path, bytes);
    EXPECT_EQ(bytes, std::vector<UInt8>{1}) << "the old file stands until the rename";
    ASSERT_EQ(RenameFile(temp, path), noErr);
    ReadWholeFile(path, bytes);
    EXPECT_EQ(bytes, (std::vector<UInt8>{2, 3}));
    EXPECT_FALSE(FileExists(temp));

    EXPECT_EQ(WriteFileBeside(dir.File("missing/Talk.txt"), std::vector<UInt8>{1}, temp), dirNFErr);
    EXPECT_TRUE(temp.empty());
    EXPECT_EQ(RenameFile(dir.File("nothing"), path), fnfErr);
    EXPECT_EQ(DeleteFile(path), noErr);
    EXPECT_EQ(DeleteFile(path), fnfErr);
}

} // namespace
