// Copying, joining, quoting and replacing inside length-prefixed and zero-terminated strings.
#include "foundation/pstring_helpers.h"

#include "foundation/error_dialog.h"
#include "platform/pstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string P(ConstStringPtr s) {
    return std::string(PStringView(s));
}

// A length-prefixed string with guard bytes after its 256 bytes, to catch writes past the end.
struct Guarded {
    UInt8 bytes[256 + 16];
    explicit Guarded(const std::string& text) {
        std::memset(bytes, 0xAB, sizeof bytes);
        SetPString(bytes, text);
    }
    bool GuardsIntact() const {
        for (size_t i = 256; i < sizeof bytes; ++i)
            if (bytes[i] != 0xAB) return false;
        return true;
    }
};

class PStringHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
    }
    void TearDown() override { SetErrorMessageRecording(false); }
};

TEST_F(PStringHelpers, CopiesAndJoinsWithNullSources) {
    Str255 a, b;
    SetPString(a, "abc");
    EXPECT_EQ(P(CopyPstr(a, b)), "abc");
    EXPECT_EQ(P(CopyPstr(nullptr, b)), "");
    SetPString(b, "x");
    EXPECT_EQ(P(Copy2Pstr(nullptr, b)), "x") << "null changes nothing";
    EXPECT_EQ(P(Copy2Pstr("hello", b)), "hello");
    EXPECT_EQ(P(CatCtoPstr(" world", b)), "hello world");
    EXPECT_EQ(P(CatPstr(a, b)), "hello worldabc");

    char c[16] = "start";
    EXPECT_STREQ(CatPtoCstr(nullptr, c, sizeof c), "start");
    EXPECT_STREQ(CatPtoCstr(a, c, sizeof c), "startabc");
    EXPECT_STREQ(Copy2Cstr(nullptr, c, sizeof c), "");
    EXPECT_STREQ(Copy2Cstr(a, c, sizeof c), "abc");
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(PStringHelpers, JoiningNeverPassesTheLimits) {
    Guarded target(std::string(200, 'a'));
    Str255 tail;
    SetPString(tail, std::string(100, 'b'));
    CatPstr(tail, target.bytes);
    EXPECT_EQ(target.bytes[0], 255);
    EXPECT_EQ(P(target.bytes), std::string(200, 'a') + std::string(55, 'b'));
    EXPECT_TRUE(target.GuardsIntact());
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"To many characters in CatPstr"});

    Guarded c2p(std::string(250, 'a'));
    CatCtoPstr("0123456789", c2p.bytes);
    EXPECT_EQ(P(c2p.bytes), std::string(250, 'a') + "01234");
    EXPECT_TRUE(c2p.GuardsIntact());

    const std::string longText(300, 'z');
    Guarded fromC("");
    Copy2Pstr(longText.c_str(), fromC.bytes);
    EXPECT_EQ(fromC.bytes[0], 255);
    EXPECT_TRUE(fromC.GuardsIntact());

    char small[8] = "abc";
    SetPString(tail, "defghijk");
    CatPtoCstr(tail, small, sizeof small);
    EXPECT_STREQ(small, "abcdefg");
    Copy2Cstr(tail, small, 4);
    EXPECT_STREQ(small, "def");
}

TEST_F(PStringHelpers, QuotesAreAddedOnlyWhereMissing) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"word", "\"word\""},   {"\"word\"", "\"word\""},
                 {"\"open", "\"open\""}, {"close\"", "\"close\""},
                 {"", "\"\""},           {"\"", "\"\""}};
    for (const Case& c : cases) {
        Str255 in, out;
        SetPString(in, c.in);
        EXPECT_EQ(P(CopyPstrAddQuotes(in, out)), c.out) << c.in;
    }
    Guarded full(std::string(255, 'q'));
    Str255 source;
    CopyPstr(full.bytes, source);
    CopyPstrAddQuotes(source, full.bytes);
    EXPECT_EQ(P(full.bytes), "\"" + std::string(253, 'q') + "\"");
    EXPECT_TRUE(full.GuardsIntact());
}

TEST_F(PStringHelpers, ReplacingMovesTheTailAndStaysWithin255) {
    struct Case {
        const char* target;
        const char* replacement;
        SInt16 position, oldLength;
        const char* want;
        UInt8 change;
    } cases[] = {
        {"Hello NAME!", "Ada", 6, 4, "Hello Ada!", UInt8(-1)},
        {"ab", "xyz", 1, 0, "axyzb", 3},
        {"abcdef", "", 2, 2, "abef", UInt8(-2)},
        {"abc", "Z", 3, 5, "abcZ", 1}, // at the end, the old length cut to what is there
    };
    for (const Case& c : cases) {
        Str255 target, replacement;
        SetPString(target, c.target);
        SetPString(replacement, c.replacement);
        EXPECT_EQ(ReplaceInPString(replacement, target, c.position, c.oldLength), c.change) << c.target;
        EXPECT_EQ(P(target), c.want);
    }
    Guarded big(std::string(250, 'a') + "<>");
    Str255 replacement;
    SetPString(replacement, std::string(20, 'R'));
    ReplaceInPString(replacement, big.bytes, 250, 1);
    EXPECT_EQ(P(big.bytes), std::string(250, 'a') + "RRRRR");
    EXPECT_TRUE(big.GuardsIntact());

    Str255 target, pattern;
    SetPString(target, "one two two");
    SetPString(pattern, "two");
    SetPString(replacement, "2");
    EXPECT_EQ(P(FindReplaceInPString(replacement, target, pattern)), "one 2 two");
    SetPString(pattern, "three");
    EXPECT_EQ(P(FindReplaceInPString(replacement, target, pattern)), "one 2 two");
}

TEST_F(PStringHelpers, ColonsLineUpAtTheColumn) {
    char out[32];
    EXPECT_STREQ(CopyColonAtPosition("ab:c", out, 5, sizeof out), "ab  :c");
    EXPECT_STREQ(CopyColonAtPosition("abcdef:g", out, 3, sizeof out), "abcdef:g");
    EXPECT_STREQ(CopyColonAtPosition("a:b:c", out, 4, sizeof out), "a  :b:c");
    EXPECT_STREQ(CopyColonAtPosition("nocolon", out, 4, sizeof out), "nocolon");
    EXPECT_STREQ(CopyColonAtPosition("a:b", out, 30, 8), "a      ") << "cut to the capacity";
}

TEST_F(PStringHelpers, NonNumericCharactersAndTheMaximum) {
    struct Case {
        const char* in;
        SInt16 maximum;
        const char* out;
        bool changed;
    } cases[] = {{"1234", -1, "1234", false},
                 {"1234", 2, "12", true},
                 {"1a2-3", -1, "123", true},
                 {"", -1, "", false},
                 {"12", 5, "12", false}};
    for (const Case& c : cases) {
        Str255 s;
        SetPString(s, c.in);
        EXPECT_EQ(RemoveNonNumeric(s, c.maximum), c.changed) << c.in;
        EXPECT_EQ(P(s), c.out) << c.in;
    }
}

TEST_F(PStringHelpers, NewlinesAndTheirEscapes) {
    char text[] = "a\rb\nc\\rd\\ne\\x";
    RemoveNewline(text);
    EXPECT_STREQ(text, "abcde\\x");

    char converted[] = "a\rb\nc\\rd\\ne";
    NewlineToCR(converted);
    EXPECT_STREQ(converted, "a b\rc  d \re");
}

TEST_F(PStringHelpers, CopyTextFromToFindsDelimitedText) {
    char out[32];
    struct Case {
        const char* source;
        SInt32 start;
        char open, close;
        const char* want;
        SInt32 stop;
    } cases[] = {
        {"say [hello] now", 0, '[', ']', "hello", 10},
        {"x=\"a b\" y", 0, '"', '"', "a b", 6},
        {"first\\rsecond\\rthird", 0, '\r', '\r', "second", 14},
        {"line\none\nrest", 0, '\n', '\n', "one", 8},
        {"[a][b]", 3, '[', ']', "b", 5},
        {"open[ to the end", 0, '[', ']', " to the end", 16},
        {"nothing here", 0, '[', ']', "", 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CopyTextFromTo(c.source, out, c.start, c.open, c.close, sizeof out), c.stop) << c.source;
        EXPECT_STREQ(out, c.want) << c.source;
    }
    EXPECT_EQ(CopyTextFromTo("[abcdefgh]", out, 0, '[', ']', 4), 9);
    EXPECT_STREQ(out, "abc") << "cut to the capacity";
}

} // namespace
