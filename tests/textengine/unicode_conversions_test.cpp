// Converting text blocks and handles between Mac Roman and Unicode.
#include "textengine/unicode_conversions.h"

#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Converts a handle of the given bytes and answers the result's text, disposing of both handles.
std::string Converted(Handle (*convert)(Handle), const void* bytes, size_t size) {
    Handle source = NewHandle(Size(size));
    std::memcpy(*source, bytes, size);
    Handle result = convert(source);
    DisposeHandle(source);
    if (!result) return "(null)";
    std::string s(*result, size_t(GetHandleSize(result)));
    DisposeHandle(result);
    return s;
}

TEST(UnicodeConversions, BlocksCarryTheUnitCountAndRoundTrip) {
    const std::string macRoman = "caf\x8E \xD2quote\xD3";
    UInt16* unicode =
        MyCreateUnicodeFromText(false, SInt32(macRoman.size()), const_cast<char*>(macRoman.data()));
    ASSERT_NE(unicode, nullptr);
    EXPECT_EQ(unicode[0], macRoman.size());
    EXPECT_EQ(unicode[4], 0x00E9); // é
    EXPECT_EQ(unicode[6], 0x201C); // left double quote
    SInt32 length = 0;
    Ptr back = MyCreateTextFromUnicode(unicode + 1, SInt32(macRoman.size()) * 2, &length);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(back, size_t(length)), macRoman);
    DisposePtr(back);
    DisposePtr(reinterpret_cast<Ptr>(unicode));

    UInt16 already[4] = {0, 'a', 'b', 'c'};
    EXPECT_EQ(MyCreateUnicodeFromText(true, 3, already), already);
    EXPECT_EQ(already[0], 3);
}

TEST(UnicodeConversions, HandlesDropByteOrderMarksAndAnswerNullForNothing) {
    const char16_t utf16[] = {0xFEFF, u'\u00FC', u'b', u'\u20AC'};
    EXPECT_EQ(Converted(&ChangeUTF16ToMacRoman, utf16, sizeof(utf16)), "\x9F"
                                                                       "b\xDB");
    const char utf8[] = "\xEF\xBB\xBF\xC3\xBC"
                        "b\xE2\x82\xAC";
    EXPECT_EQ(Converted(&ChangeUTF8ToMacRoman, utf8, sizeof(utf8) - 1), "\x9F"
                                                                        "b\xDB");
    Handle empty = NewHandle(0);
    EXPECT_EQ(ChangeUTF8ToMacRoman(empty), nullptr);
    EXPECT_EQ(ChangeUTF16ToMacRoman(empty), nullptr);
    DisposeHandle(empty);
}

} // namespace
