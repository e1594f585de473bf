// The bytes the resource compiler lays out for each kind of body, and the resource headers it records.
#include "rc_test_support.h"

#include "platform/bytes.h"
#include "platform/types.h"

namespace {

struct LayoutCase {
    const char* name;
    std::string source; // one resource
    const char* expectedHex;
};

std::string ManyElements(int count) {
    std::string s = "resource 'Many' 1 { repeat u8 { ";
    for (int i = 0; i < count; ++i)
        s += "{ } ";
    return s + "} }";
}

const LayoutCase kLayoutCases[] = {
    {"StringList", R"(resource 'STR#' 1 { "ab" "" "Café" })", "0003 02 6162 00 04 4361668E"},
    {"EmptyStringList", "resource 'STR#' 1 { }", "0000"},
    {"StringEscapes", R"(resource 'STR ' 1 { "H\t\"\\\n\xA5'" })", "07 48 09 22 5C 0A A5 27"},
    {"StringNonAscii", R"(resource 'STR ' 1 { "– € …" })", "05 D0 20 DB 20 C9"},
    {"Menu",
     R"(resource 'MENU' 200 {
            title "Edit"
            item "Undo" key "Z"
            item "-"
            item "Font" submenu 201
            item "Bold" mark 0x12 style 1 icon 3 disabled
            item "Tick" mark "√"
        })",
     "00C8 0000 0000 0000 0000 FFFFFFEB 04 45646974"
     " 04 556E646F 00 5A 00 00"
     " 01 2D 00 00 00 00"
     " 04 466F6E74 00 1B C9 00"
     " 04 426F6C64 03 00 12 01"
     " 04 5469636B 00 00 C3 00"
     " 00"},
    {"MenuNegativeID", R"(resource 'MENU' -2 { title "\x14" })",
     "FFFE 0000 0000 0000 0000 FFFFFFFF 01 14 00"},
    {"DialogAllFields",
     R"(resource 'DLOG' 300 { title "Ab" refcon 'abcd' items 301 goaway true visible false proc 5
                              rect 40 50 140 350 })",
     "0028 0032 008C 015E 0005 00 00 01 00 61626364 012D 02 4162 00 0000"},
    {"DialogDefaults", "resource 'DLOG' 129 { rect 0 0 10 20 }",
     "0000 0000 000A 0014 0001 01 00 00 00 00000000 0081 00 00 0000"},
    {"DialogEvenTitle", R"(resource 'DLOG' 1 { rect 0 0 1 1 title "Odd" })",
     "0000 0000 0001 0001 0001 01 00 00 00 00000000 0001 03 4F6464 0000"},
    {"Window", R"(resource 'WIND' 128 { rect 1 2 3 4 title "Wi" refcon -1 })",
     "0001 0002 0003 0004 0001 01 00 00 00 FFFFFFFF 02 5769 00 0000"},
    {"WindowEvenTitle", R"(resource 'WIND' 128 { rect 1 2 3 4 goaway true title "W" })",
     "0001 0002 0003 0004 0001 01 00 01 00 00000000 01 57 0000"},
    {"ItemListTextKinds",
     R"(resource 'DITL' 400 {
            button rect 1 2 3 4 "OK"
            check rect 0 0 5 5 "Odd" disabled
            radio rect 0 0 5 5 "R"
            static rect 0 0 5 5
            edit rect -1 -2 5 5 ""
        })",
     "0004"
     " 00000000 0001 0002 0003 0004 04 02 4F4B"
     " 00000000 0000 0000 0005 0005 85 03 4F6464 00"
     " 00000000 0000 0000 0005 0005 06 01 52 00"
     " 00000000 0000 0000 0005 0005 08 00"
     " 00000000 FFFF FFFE 0005 0005 10 00"},
    {"ItemListOtherKinds",
     R"(resource 'DITL' 401 {
            control rect 0 0 5 5 id 500
            icon rect 0 0 5 5 id -2 disabled
            picture rect 0 0 5 5 id 7
            user rect 0 0 5 5 disabled
        })",
     "0003"
     " 00000000 0000 0000 0005 0005 07 02 01F4"
     " 00000000 0000 0000 0005 0005 A0 02 FFFE"
     " 00000000 0000 0000 0005 0005 40 02 0007"
     " 00000000 0000 0000 0005 0005 80 00"},
    {"RecordIntegers",
     R"(resource 'Test' 1 { i8 -1 u8 255 i16 -32768 u16 0xFFFF i32 -2 u32 4294967295 u32 'ABCD'
                            i32 '\xFF\xFF\xFF\xFE' i8 -0x80 type 'STR#' })",
     "FF FF 8000 FFFF FFFFFFFE FFFFFFFF 41424344 FFFFFFFE 80 53545223"},
    {"RecordFixed", "resource 'Test' 1 { fixed 1.5 fixed -0.5 fixed 2 fixed 32767.5 }",
     "00018000 FFFF8000 00020000 7FFF8000"},
    {"RecordText",
     R"(resource 'Test' 1 { pstring "ab" pstring[4] "x" pstring[1] "" chars[3] "ab" chars[2] "ab"
                            cstring "é" cstring "" hex "0a0B 0c" hex "" })",
     "02 6162 01 78 0000 00 616200 6162 8E00 00 0A0B0C"},
    {"RecordAlign", "resource 'Test' 1 { u8 1 align 4 u8 2 align 2 align 2 align 1 u8 3 align 8 }",
     "01 000000 02 00 03 00"},
    {"RecordRepeatNested",
     R"(resource 'Test' 1 {
            repeat u8 {
                { u8 1 repeat u16 minus1 { { u8 9 } { u8 8 } } }
                { u8 2 repeat u16 minus1 { { u8 7 } } }
            }
            repeat u32 { }
            repeat u32 minus1 { { } }
        })",
     "02 01 0001 09 08 02 0000 07 00000000 00000000"},
    {"RecordRepeatAtLimit", ManyElements(255), "FF"},
    {"EmptyRecord", "resource 'Test' 1 { }", ""},
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, CompilesToExactBytes) {
    const LayoutCase& c = GetParam();
    CompiledResources compiled;
    CompileResourceSource("case.rdef", c.source, compiled);
    ASSERT_EQ(compiled.errors, std::vector<std::string>{});
    ASSERT_EQ(compiled.contents.entries.size(), 1u);
    EXPECT_EQ(ToHex(compiled.contents.entries[0].data), ToHex(HexBytes(c.expectedHex)));
}

INSTANTIATE_TEST_SUITE_P(Bodies, LayoutTest, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLayout, EnableFlagsCoverOnlyTheFirst31Items) {
    std::string source = "resource 'MENU' 1 { title \"Long\"\n";
    for (int i = 1; i <= 33; ++i)
        source += (i == 31 || i == 33) ? "item \"-\"\n" : "item \"x\"\n";
    source += "}";
    CompiledResources compiled;
    CompileResourceSource("menu.rdef", source, compiled);
    ASSERT_EQ(compiled.errors, std::vector<std::string>{});
    std::span<const UInt8> data = compiled.contents.entries.at(0).data;
    ASSERT_GE(data.size(), 14u);
    // Item 31 is the top bit; the separator at 33 has no bit and changes nothing.
    EXPECT_EQ(ReadBE32(&data[10]), 0x7FFFFFFFu);
    EXPECT_EQ(data.back(), 0);
}

TEST(ResourceHeader, RecordsTypeIDNameAndAttributesInSourceOrder) {
    CompiledResources compiled;
    CompileResourceSource("head.rdef", R"(
        # leading comment
        resource 'STR ' -5 "Négative" attributes 0x30 { "x" } # trailing comment
        resource 'STR#' 0x7FFF { }
        resource 'abc ' -32768 "" attributes 4 { u8 1 }
    )",
                          compiled);
    ASSERT_EQ(compiled.errors, std::vector<std::string>{});
    const auto& entries = compiled.contents.entries;
    ASSERT_EQ(entries.size(), 3u);

    EXPECT_EQ(entries[0].type, FourCC("STR "));
    EXPECT_EQ(entries[0].id, -5);
    EXPECT_TRUE(entries[0].hasName);
    EXPECT_EQ(entries[0].name, "N\x8Egative");
    EXPECT_EQ(entries[0].attributes, resPurgeable | resLocked);

    EXPECT_EQ(entries[1].type, FourCC("STR#"));
    EXPECT_EQ(entries[1].id, 32767);
    EXPECT_FALSE(entries[1].hasName);
    EXPECT_EQ(entries[1].attributes, 0);

    EXPECT_EQ(entries[2].id, -32768);
    EXPECT_TRUE(entries[2].hasName);
    EXPECT_EQ(entries[2].name, "");
    EXPECT_EQ(entries[2].attributes, resPreload);
    EXPECT_EQ(CountResourceTypes(compiled.contents), 3u);
}

TEST(ResourceHeader, FileResourceHoldsTheFileBytesFoundBesideTheSource) {
    TempDir dir;
    std::vector<UInt8> blob = {0x00, 0xFF, 0x10, 0x0A, 0x0D, 0x00};
    dir.Write("data/blob.bin", blob);
    dir.Write("data/empty.bin", std::string_view());
    std::string source = dir.Write("main.rdef", R"(resource 'BLOB' 1 "Blob" file "data/blob.bin"
                                                          resource 'BLOB' 2 file "data/empty.bin")");
    CompiledResources compiled;
    CompileResourceFiles({source}, compiled);
    ASSERT_EQ(compiled.errors, std::vector<std::string>{});
    ASSERT_EQ(compiled.contents.entries.size(), 2u);
    EXPECT_EQ(ToHex(compiled.contents.entries[0].data), ToHex(blob));
    EXPECT_EQ(compiled.contents.entries[0].name, "Blob");
    EXPECT_TRUE(compiled.contents.entries[1].data.empty());
}

TEST(ResourceHeader, CompiledResourcesSurviveAMoveAndSerialise) {
    CompiledResources compiled;
    CompileResourceSource("a.rdef", R"(resource 'STR ' 1 { "one" } resource 'STR#' 2 { "two" })", compiled);
    CompileResourceSource("b.rdef", R"(resource 'STR ' 3 { "three" })", compiled);
    ASSERT_EQ(compiled.errors, std::vector<std::string>{});
    CompiledResources moved = std::move(compiled);

    std::vector<UInt8> file;
    ASSERT_EQ(SerializeResourceFork(moved.contents, file), noErr);
    ResourceForkContents parsed;
    ASSERT_EQ(ParseResourceFork(file, parsed), noErr);
    ASSERT_EQ(parsed.entries.size(), 3u);
    const ResourceEntry* three = FindEntry(parsed, FourCC("STR "), 3);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(ToHex(three->data), "05 74 68 72 65 65");
    EXPECT_EQ(CountResourceTypes(moved.contents), 2u);
}

} // namespace
