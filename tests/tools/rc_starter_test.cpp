// The application's built resource file: it parses, and it holds the starter resources as written in
// resources/foundation/starter.rdef.
#include "rc_test_support.h"

#include "platform/bytes.h"
#include "platform/text_encoding.h"
#include "rc/png_info.h"

namespace {

class BuiltResources : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes_ = ReadFileBytes(ORVALIS_RESOURCE_FILE);
        ASSERT_FALSE(bytes_.empty()) << ORVALIS_RESOURCE_FILE;
        ASSERT_EQ(ParseResourceFork(bytes_, contents_), noErr);
    }
    std::span<const UInt8> Data(const char (&type)[5], ResID id) {
        const ResourceEntry* entry = FindEntry(contents_, FourCC(type), id);
        EXPECT_NE(entry, nullptr) << type << " " << id;
        return entry ? entry->data : std::span<const UInt8>();
    }
    std::vector<UInt8> bytes_;
    ResourceForkContents contents_;
};

std::vector<std::string> ReadStringList(std::span<const UInt8> data) {
    ByteReader r(data);
    std::vector<std::string> strings;
    for (UInt16 count = r.u16(); count > 0 && r.ok(); --count)
        strings.push_back(MacRomanToUtf8(r.pstring()));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
    return strings;
}

TEST_F(BuiltResources, HoldsTheStarterStringsInMacRoman) {
    EXPECT_EQ(ReadStringList(Data("STR#", 128)),
              (std::vector<std::string>{"Orvalis", "Café – €5", "Line one\nLine two"}));
    const ResourceEntry* list = FindEntry(contents_, FourCC("STR#"), 128);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->hasName);
    EXPECT_EQ(list->name, "Starter strings");
    EXPECT_EQ(ToHex(Data("STR ", 128)), ToHex(HexBytes("10 526561647920746F207363726F6C6CC9")));
}

TEST_F(BuiltResources, HoldsTheStarterMenuDialogAndItems) {
    std::span<const UInt8> menu = Data("MENU", 127);
    ByteReader m(menu);
    EXPECT_EQ(m.u16(), 127);
    m.skip(8);
    EXPECT_EQ(m.u32(), 0xFFFFFFE7u); // the separator (3) and Close (4) are disabled
    EXPECT_EQ(m.pstring(), "File");
    std::vector<std::string> items;
    for (std::string text = m.pstring(); !text.empty() && m.ok(); text = m.pstring()) {
        items.push_back(MacRomanToUtf8(text));
        m.skip(4);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"New", "Open…", "-", "Close", "Quit"}));
    EXPECT_EQ(m.remaining(), 0u);

    ByteReader d(Data("DLOG", 128));
    EXPECT_EQ(d.s16(), 100);
    EXPECT_EQ(d.s16(), 120);
    EXPECT_EQ(d.s16(), 190);
    EXPECT_EQ(d.s16(), 420);
    d.skip(2 + 4 + 4);
    EXPECT_EQ(d.s16(), 128); // its item list
    EXPECT_EQ(d.pstring(), "About");

    std::span<const UInt8> items128 = Data("DITL", 128);
    ASSERT_GE(items128.size(), 16u);
    EXPECT_EQ(ReadBE16(&items128[0]), 1); // two items
    EXPECT_EQ(items128[14], 4);           // the first is a button
    EXPECT_EQ(items128[15], 2);
    EXPECT_EQ(items128[16], 'O');
}

TEST_F(BuiltResources, HoldsTheStarterRecordAndPicture) {
    EXPECT_EQ(ToHex(Data("Test", 128)), ToHex(HexBytes("0001 FFFE 12345678 00018000 54455854 04 4361668E"
                                                       " 00 0001 01 6F6E6500 02 74776F00 DEADBEEF")));

    std::vector<UInt8> png =
        ReadFileBytes(std::string(ORVALIS_RESOURCE_SOURCES) + "/foundation/pictures/starter.png");
    std::span<const UInt8> picture = Data("PICT", 128);
    EXPECT_EQ(std::vector<UInt8>(picture.begin(), picture.end()), png);
    PngInfo info;
    std::string error;
    EXPECT_TRUE(ReadPngInfo(picture, info, error)) << error;
}

TEST(ResourceSources, EverySourceCompilesCleanly) {
    std::vector<std::string> sources;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ORVALIS_RESOURCE_SOURCES))
        if (entry.path().extension() == ".rdef") sources.push_back(entry.path().string());
    std::sort(sources.begin(), sources.end());
    ASSERT_FALSE(sources.empty());
    CompiledResources compiled;
    CompileResourceFiles(sources, compiled);
    EXPECT_EQ(compiled.errors, std::vector<std::string>{});
    std::vector<UInt8> file;
    EXPECT_EQ(SerializeResourceFork(compiled.contents, file), noErr);
}

} // namespace
