// Faulty sources: each is reported as FILE:LINE: message at the right line, and adds no resource.
#include "rc_test_support.h"

#include <gmock/gmock.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct ErrorCase {
    const char* name;
    std::string source;
    int line;
    const char* message; // a part of the message
};

std::string Repeated(const std::string& piece, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += piece;
    return s;
}

const ErrorCase kErrorCases[] = {
    // Tokens.
    {"UnterminatedString", "resource 'STR ' 1 {\n \"abc\n}", 2, "unterminated string"},
    {"NoMacRomanForm", "resource 'STR ' 1 {\n\n \"ok ✓\" }", 3, "character U+2713 has no Mac Roman form"},
    {"InvalidUtf8", "resource 'STR ' 1 { \"\xC3\x28\" }", 1, "invalid UTF-8"},
    {"UnknownEscape", "resource 'STR ' 1 { \"a\\qb\" }", 1, "unknown escape \\q"},
    {"ShortHexEscape", "resource 'STR ' 1 { \"\\x4\" }", 1, "\\x needs two hex digits"},
    {"ShortFourChar", "resource 'STR' 1 { }", 1, "must be 4 characters, not 3"},
    {"FourCharAfterConversion", "resource 'ab€' 1 { }", 1, "must be 4 characters, not 3"},
    {"UnexpectedCharacter", "resource 'STR ' 1 {\n @ }", 2, "unexpected character '@'"},
    {"MalformedNumber", "resource 'Test' 1 { u8 12ab }", 1, "malformed number 12a"},
    {"NumberTooLarge", "resource 'Test' 1 { u32 99999999999999999999 }", 1, "number too large"},
    // Statements.
    {"NotAResource", "# nothing\nhello 'STR ' 1 { }", 2, "expected resource, found hello"},
    {"IDOutOfRange", "resource 'STR ' 40000 { \"x\" }", 1,
     "resource ID 40000 is out of range (-32768 to 32767)"},
    // Names given to numbers.
    {"AsWithoutAName", "resource 'STR ' 1 as\n{ \"x\" }", 2, "expected a name for the number"},
    {"NameNotAnIdentifier", "resource 'DITL' 1 { user rect 0 0 1 1 as 'OKay' }", 1,
     "expected a name for the number, such as kOkItem, found 'OKay'"},
    {"NameGivenTwiceInOneResource",
     "resource 'MENU' 1 as kMenu { title \"M\"\n item \"A\" as kA\n item \"B\" as kA }", 3,
     "the name kA is already given at bad.rdef:2"},
    {"ResourceAndItemShareAName", "resource 'STR#' 1 as kList {\n \"a\" as kList }", 2,
     "the name kList is already given at bad.rdef:1"},
    {"ForbiddenAttributes", "resource 'STR ' 1 attributes 2 { \"x\" }", 1,
     "sets bits a stored resource cannot have"},
    {"NoBody", "resource 'STR ' 1 \"name\"\n", 2, "expected '{' or file, found end of file"},
    {"UnclosedBody", "resource 'STR ' 1 { \"a\"\n\"b\" }", 2,
     "expected '}' to close the resource, found a string"},
    {"PictureWithBody", "resource 'PICT' 1 { hex \"00\" }", 1, "a 'PICT' resource is a PNG picture"},
    {"MissingFile", "resource 'BLOB' 1 file \"no/such.bin\"", 1, "cannot read \"no/such.bin\""},
    // Strings.
    {"StringTooLong", "resource 'STR#' 1 {\n\"" + std::string(256, 'a') + "\" }", 2,
     "is 256 bytes; at most 255 fit"},
    {"StringListNonString", "resource 'STR#' 1 { \"a\" 12 }", 1, "expected a string or '}', found 12"},
    {"StringMissing", "resource 'STR ' 1 { }", 1, "expected a string, found '}'"},
    // Menus.
    {"MenuWithoutTitle", "resource 'MENU' 1 {\n item \"A\" }", 2, "expected title, found item"},
    {"MenuEmptyItem", "resource 'MENU' 1 { title \"T\"\n item \"\" }", 2, "a menu item needs text"},
    {"MenuLongKey", "resource 'MENU' 1 { title \"T\" item \"A\" key \"AB\" }", 1, "must be one character"},
    {"MenuSubmenuWithKey", "resource 'MENU' 1 { title \"T\"\n item \"A\" key \"K\" submenu 2 }", 2,
     "an item with a submenu can have neither a key nor a mark"},
    {"MenuSubmenuKeyCode", "resource 'MENU' 1 { title \"T\" item \"A\" key \"\\x1B\" }", 1, "use submenu N"},
    {"MenuOptionTwice", "resource 'MENU' 1 { title \"T\" item \"A\" icon 1 icon 2 }", 1, "icon given twice"},
    {"MenuUnknownWord", "resource 'MENU' 1 { title \"T\" item \"A\" bold }", 1,
     "expected item or '}', found bold"},
    {"MenuDisabledPast31",
     "resource 'MENU' 1 { title \"T\"\n" + Repeated("item \"x\"\n", 31) + "item \"y\" disabled }", 33,
     "only the first 31 items of a menu can be disabled"},
    // Windows and dialogs.
    {"DialogWithoutRect", "\nresource 'DLOG' 1 {\n title \"T\" }", 2, "a dialog needs a rect"},
    {"DialogRectUpsideDown", "resource 'DLOG' 1 { rect 10 0 5 20 }", 1, "rect 10 0 5 20 is upside down"},
    {"DialogFieldTwice", "resource 'DLOG' 1 { rect 0 0 1 1\n proc 1 proc 2 }", 2, "proc given twice"},
    {"DialogBadBoolean", "resource 'DLOG' 1 { rect 0 0 1 1 visible yes }", 1,
     "expected visible (true or false), found yes"},
    {"WindowHasNoItems", "resource 'WIND' 1 { rect 0 0 1 1 items 3 }", 1, "unknown window field items"},
    {"DialogRectTooFewNumbers", "resource 'DLOG' 1 { rect 0 0 1 }", 1, "expected right, found '}'"},
    // Item lists.
    {"ItemListEmpty", "resource 'DITL' 1 { }", 1, "an item list needs at least one item"},
    {"ItemUnknownKind", "resource 'DITL' 1 {\n slider rect 0 0 1 1 }", 2, "unknown dialog item kind slider"},
    {"ItemWithoutRect", "resource 'DITL' 1 { button \"OK\" }", 1, "expected rect, found a string"},
    {"ControlWithoutID", "resource 'DITL' 1 { control rect 0 0 1 1 \"x\" }", 1, "expected id"},
    {"ButtonWithID", "resource 'DITL' 1 { button rect 0 0 1 1 id 4 }", 1,
     "a button item takes text, not an id"},
    // Typed records.
    {"UnknownField", "resource 'Test' 1 { u8 1\n int 2 }", 2, "unknown field type int"},
    {"U8OutOfRange", "resource 'Test' 1 { u8 256 }", 1, "u8 256 is out of range (0 to 255)"},
    {"I8OutOfRange", "resource 'Test' 1 { i8 -129 }", 1, "i8 -129 is out of range (-128 to 127)"},
    {"U16Negative", "resource 'Test' 1 { u16 -1 }", 1, "u16 -1 is out of range (0 to 65535)"},
    {"U32OutOfRange", "resource 'Test' 1 { u32 0x100000000 }", 1, "out of range (0 to 4294967295)"},
    {"FourCharInSmallField", "resource 'Test' 1 { i16 'ABCD' }", 1,
     "i16 takes a number, not a four-character code"},
    {"FixedOutOfRange", "resource 'Test' 1 { fixed 32768 }", 1, "fixed 32768 is out of range"},
    {"FixedNotANumber", "resource 'Test' 1 { fixed \"1\" }", 1, "expected a number, found a string"},
    {"DecimalInIntegerField", "resource 'Test' 1 { u8 1.5 }", 1, "expected u8, found 1.5"},
    {"PStringFieldTooSmall", "resource 'Test' 1 { pstring[3] \"abc\" }", 1,
     "the text is 3 bytes; at most 2 fit"},
    {"PStringFieldTooLarge", "resource 'Test' 1 { pstring[257] \"abc\" }", 1,
     "field size 257 is out of range"},
    {"CharsTooLong", "resource 'Test' 1 { chars[2] \"abc\" }", 1, "does not fit"},
    {"CharsWithoutSize", "resource 'Test' 1 { chars \"abc\" }", 1, "expected '[', found a string"},
    {"CStringWithZero", "resource 'Test' 1 { cstring \"a\\x00b\" }", 1, "a cstring cannot hold a zero byte"},
    {"HexBadDigit", "resource 'Test' 1 { hex \"0g\" }", 1, "'g' is not a hex digit"},
    {"HexOddDigits", "resource 'Test' 1 { hex \"00 abc\" }", 1, "abc has an odd number of digits"},
    {"AlignZero", "resource 'Test' 1 { align 0 }", 1, "align 0 is out of range"},
    {"RepeatBadCount", "resource 'Test' 1 { repeat u64 { } }", 1,
     "a repeat count is u8, u16 or u32, not u64"},
    {"RepeatMinus1Empty", "resource 'Test' 1 {\n repeat u16 minus1 { } }", 2,
     "repeat minus1 needs at least one element"},
    {"RepeatTooMany", "resource 'Test' 1 {\n repeat u8 {" + Repeated(" { }", 256) + " } }", 2,
     "repeat has 256 elements, too many for a u8 count"},
    {"RepeatElementUnbraced", "resource 'Test' 1 { repeat u8 { u8 1 } }", 1,
     "expected '{' to open an element, or '}'"},
    {"RepeatUnclosedElement", "resource 'Test' 1 { repeat u8 { { u8 1 }", 1, "found end of file"},
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorTest, ReportsFileLineAndWhatIsWrong) {
    const ErrorCase& c = GetParam();
    CompiledResources compiled;
    CompileResourceSource("bad.rdef", c.source, compiled);
    ASSERT_EQ(compiled.errors.size(), 1u) << ::testing::PrintToString(compiled.errors);
    EXPECT_THAT(compiled.errors[0], StartsWith("bad.rdef:" + std::to_string(c.line) + ": "));
    EXPECT_THAT(compiled.errors[0], HasSubstr(c.message));
    EXPECT_TRUE(compiled.contents.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Sources, ErrorTest, ::testing::ValuesIn(kErrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorRecovery, ReportsEveryFaultyResourceAndKeepsTheGoodOnes) {
    CompiledResources compiled;
    CompileResourceSource("mixed.rdef", R"(resource 'STR ' 1 { "good" }
resource 'STR ' 2 { 12 }
resource 'STR#' 3 { "also good" }
resource 'Test' 4 { u8 300
resource 'STR ' 5 { "fine" }
resource 'DITL' 6 { bogus rect 0 0 1 1 }
)",
                          compiled);
    EXPECT_EQ(compiled.errors,
              (std::vector<std::string>{
                  "mixed.rdef:2: expected a string, found 12",
                  "mixed.rdef:4: u8 300 is out of range (0 to 255)",
                  "mixed.rdef:6: unknown dialog item kind bogus (button, check, radio, control, "
                  "static, edit, icon, picture, user)",
              }));
    std::vector<ResID> ids;
    for (const ResourceEntry& entry : compiled.contents.entries)
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<ResID>{1, 3, 5}));
}

TEST(Duplicates, NameBothPlacesAcrossAndWithinSources) {
    TempDir dir;
    std::string first = dir.Write("a.rdef", "resource 'STR ' 1 { \"a\" }\n\nresource 'STR#' 1 { }\n");
    std::string second =
        dir.Write("b.rdef", "# same ID, other type: fine\nresource 'MENU' 1 { title \"M\" }\n"
                            "resource 'STR ' 1 { \"b\" }\nresource 'MENU' 1 { title \"N\" }\n");
    CompiledResources compiled;
    CompileResourceFiles({first, second}, compiled);
    EXPECT_EQ(compiled.errors,
              (std::vector<std::string>{
                  second + ":3: duplicate resource 'STR ' 1; first defined at " + first + ":1",
                  second + ":4: duplicate resource 'MENU' 1; first defined at " + second + ":2",
              }));
    ASSERT_EQ(compiled.contents.entries.size(), 3u);
    EXPECT_EQ(ToHex(FindEntry(compiled.contents, FourCC("STR "), 1)->data), "01 61");
}

TEST(SourceFiles, AnUnreadableSourceIsReported) {
    TempDir dir;
    std::string missing = dir.File("missing.rdef");
    CompiledResources compiled;
    CompileResourceFiles({missing}, compiled);
    ASSERT_EQ(compiled.errors.size(), 1u);
    EXPECT_THAT(compiled.errors[0], StartsWith(missing + ": cannot read"));
}

TEST(SourceFiles, LineNumbersCountEveryLineEnding) {
    // CRLF endings, a byte-order mark, comments holding quotes, and a string with an escaped newline.
    CompiledResources compiled;
    CompileResourceSource("crlf.rdef",
                          "\xEF\xBB\xBF# \"not a string\r\n"
                          "resource 'STR ' 1 { \"a\\nb\" } # 'x\r\n"
                          "\r\n"
                          "resource 'STR ' 2 { oops }\r\n",
                          compiled);
    EXPECT_EQ(compiled.errors, std::vector<std::string>{"crlf.rdef:4: expected a string, found oops"});
    ASSERT_EQ(compiled.contents.entries.size(), 1u);
    EXPECT_EQ(ToHex(compiled.contents.entries[0].data), "03 61 0A 62");
}

} // namespace
