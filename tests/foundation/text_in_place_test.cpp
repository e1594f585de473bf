// In-place edits of length-prefixed strings and byte runs.
#include "foundation/text_in_place.h"

#include "platform/pstring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Edit(const std::string& text, void (*edit)(StringPtr)) {
    Str255 s;
    SetPString(s, text);
    edit(s);
    return std::string(PStringView(s));
}

TEST(TextInPlace, LowerCaseCoversMacRomanCapitals) {
    std::string text = "ABC xyz \x80\x83\xCE\xD9!"; // A-diaeresis, E-acute, OE, Y-diaeresis
    MakeTextLower(text.data(), SInt32(text.size()));
    EXPECT_EQ(text, "abc xyz \x8A\x8E\xCF\xD8!");
}

TEST(TextInPlace, StringEditsKeepOnlyWhatTheyShould) {
    EXPECT_EQ(Edit(std::string("a\tb\x7F\xFF"
                               "c\r",
                               7),
                   CleanStr),
              "ab\x7F"
              "c");
    EXPECT_EQ(Edit("a-b--c-", [](StringPtr s) { RemoveThisChar(s, '-'); }), "abc");
    EXPECT_EQ(Edit(" a b  c ", [](StringPtr s) { RemoveSpaces(s, nullptr); }), "abc");
    EXPECT_EQ(Edit("   ", [](StringPtr s) { RemoveSpaces(s, nullptr); }), "");
}

TEST(TextInPlace, PointerEditsReportHowManyWent) {
    std::string text = "x,y,,z";
    EXPECT_EQ(RemoveThisCharFromPtr(text.data(), SInt32(text.size()), ','), 3);
    EXPECT_EQ(text.substr(0, 3), "xyz");

    struct Case {
        std::string text;
        std::string kept;
        SInt32 removed;
    } cases[] = {
        {"say \"\"hi\"\"", "say \"hi\"", 2},
        {"\"\"\"", "\"\"", 1}, // a pair, then a single one
        {"none", "none", 0},
        {"", "", 0},
    };
    for (Case c : cases) {
        const SInt32 removed = MakeDoublesSingle(c.text.data(), SInt32(c.text.size()), '"');
        EXPECT_EQ(removed, c.removed) << c.kept;
        EXPECT_EQ(c.text.substr(0, c.text.size() - size_t(removed)), c.kept);
    }
}

TEST(TextInPlace, BufferFormOfRemoveSpacesFillsTheTailWithSpaces) {
    std::string buffer = " a b c";
    const SInt32 length = SInt32(buffer.size());
    RemoveSpaces(buffer.data(), &length);
    EXPECT_EQ(buffer, "abc   ");
}

TEST(TextInPlace, AddSpacesBeforeUsesItsBufferOnlyWhenTheResultFits) {
    EXPECT_STREQ(AddSpacesBefore(3, "abc", 3), "   abc");
    const std::string long250(250, 'x');
    EXPECT_EQ(AddSpacesBefore(10, long250.c_str(), 250), long250.c_str()) << "260 bytes: the text itself";
    const char* exact = AddSpacesBefore(5, long250.c_str(), 250);
    EXPECT_NE(exact, long250.c_str());
    EXPECT_EQ(std::string(exact), std::string(5, ' ') + long250);
}

} // namespace
