// Names given to resource IDs and item numbers (`as kName`) and the header orvalis-rc writes from them.
#include "rc_test_support.h"

#include "rc/number_names.h"

namespace {

TEST(NumberNames, EachKindOfNumberGetsItsConstant) {
    CompiledResources compiled;
    CompileResourceSource("names.rdef", R"(
resource 'DLOG' 300 as kSomeDialog "Some" { rect 0 0 10 10 }
resource 'DITL' 300 {
    button rect 0 0 1 1 "OK" as kSomeOkItem
    user rect 0 0 1 1
    static rect 0 0 1 1 "Label" disabled as kSomeLabelItem
}
resource 'MENU' 301 as kSomeMenuID { title "M" item "One" item "-" item "Three" key "T" as kThreeItem }
resource 'STR#' 302 as kSomeTexts { "a" "b" as kSecondText }
)",
                          compiled);
    ASSERT_TRUE(compiled.errors.empty()) << ::testing::PrintToString(compiled.errors);
    EXPECT_EQ(NumberNamesHeader(compiled.names),
              "// Resource IDs and item numbers named in the resource sources (resources/*.rdef).\n"
              "// Written by orvalis-rc; change the sources, not this file.\n"
              "#pragma once\n\n"
              "#include \"platform/types.h\"\n\n"
              "constexpr SInt16 kSomeDialog = 300; // 'DLOG' 300\n"
              "constexpr SInt16 kSomeOkItem = 1; // 'DITL' 300 item 1\n"
              "constexpr SInt16 kSomeLabelItem = 3; // 'DITL' 300 item 3\n"
              "constexpr SInt16 kSomeMenuID = 301; // 'MENU' 301\n"
              "constexpr SInt16 kThreeItem = 3; // 'MENU' 301 item 3\n"
              "constexpr SInt16 kSomeTexts = 302; // 'STR#' 302\n"
              "constexpr SInt16 kSecondText = 2; // 'STR#' 302 string 2\n");
    // The names leave the compiled bytes as they were.
    CompiledResources plain;
    CompileResourceSource("plain.rdef", R"(resource 'STR#' 302 { "a" "b" })", plain);
    EXPECT_EQ(ToHex(FindEntry(compiled.contents, FourCC("STR#"), 302)->data),
              ToHex(FindEntry(plain.contents, FourCC("STR#"), 302)->data));
}

TEST(NumberNames, ANameIsGivenOnceAcrossAllSources) {
    TempDir dir;
    const std::string first = dir.Write("a.rdef", "resource 'STR ' 1 as kHello { \"a\" }\n");
    const std::string second = dir.Write("b.rdef", "\nresource 'STR ' 2 as kHello { \"b\" }\n");
    CompiledResources compiled;
    CompileResourceFiles({first, second}, compiled);
    EXPECT_EQ(compiled.errors,
              (std::vector<std::string>{second + ":2: the name kHello is already given at " + first + ":1"}));
    ASSERT_EQ(compiled.names.size(), 1u);
}

} // namespace
