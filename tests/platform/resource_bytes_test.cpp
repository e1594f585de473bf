// Resource files held in memory (a fork carried inside another file): read like files, never written.
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resource_format.h"
#include "platform/resources.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceBytes, OpenReadOnlyUnderTheirNameAndRefuseDamage) {
    TempDir dir;
    ResourceForkContents contents;
    const std::vector<UInt8> data = {'h', 'i'};
    ResourceEntry entry;
    entry.type = FourCC("TEXT");
    entry.id = 128;
    entry.data = data;
    contents.entries.push_back(entry);
    std::vector<UInt8> bytes;
    ASSERT_EQ(SerializeResourceFork(contents, bytes), noErr);

    const std::string name = dir.File("._Talk.txt");
    const ResFileRefNum file = OpenResFileFromBytes(name, bytes);
    ASSERT_NE(file, -1);
    EXPECT_EQ(CurResFile(), file);
    EXPECT_EQ(OpenResFileFromBytes(name, bytes), file) << "a second open finds the same file";
    Handle text = Get1Resource(FourCC("TEXT"), 128);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(*text, 2), "hi");
    Handle added = NewHandle(1);
    const UInt8 noName[1] = {0};
    AddResource(added, FourCC("TEXT"), 129, noName);
    EXPECT_NE(ResError(), noErr) << "read only";
    DisposeHandle(added);
    CloseResFile(file);
    EXPECT_FALSE(FileExists(name)) << "closing writes nothing to disk";

    bytes.resize(bytes.size() - 10);
    EXPECT_EQ(OpenResFileFromBytes(name, bytes), -1);
    EXPECT_EQ(ResError(), mapReadErr);
}

} // namespace
