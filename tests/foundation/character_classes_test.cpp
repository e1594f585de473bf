// The character class table as the application's resource file holds it, the fixed sets used before it is
// loaded, and the predicates that look at a character's neighbours.
#include "text_measure_fixture.h"

#include <gtest/gtest.h>

namespace {

using CharacterClassesTest = TextMeasureTest;

struct ClassCase {
    UInt8 c;
    bool vowel, letter, capital, white, spoken;
    int syllables;
};

TEST_F(CharacterClassesTest, TheTableClassifiesMacRomanLettersSpaceAndSpokenSigns) {
    ASSERT_EQ(GetHandleSize(thevowelarray), Size(kCharacterClassCount));
    const ClassCase cases[] = {
        {'a', true, true, false, false, false, 1},   {'E', true, true, true, false, false, 1},
        {'y', false, true, false, false, false, 1},  {'b', false, true, false, false, false, 1},
        {'w', false, true, false, false, false, 3},  {'W', false, true, true, false, false, 3},
        {0x87, true, true, false, false, false, 1},  // a acute
        {0x83, true, true, true, false, false, 1},   // E acute
        {0x82, false, true, true, false, false, 1},  // C cedilla
        {0x96, false, true, false, false, false, 1}, // n tilde
        {0xCE, true, true, true, false, false, 1},   // OE ligature
        {0xF5, true, true, false, false, false, 1},  // dotless i
        {0x8F, true, true, false, false, false, 1},  // e grave is small, not a capital
        {' ', false, false, false, true, false, 0},  {'\t', false, false, false, true, false, 0},
        {13, false, false, false, true, false, 0},   {10, false, false, false, true, false, 0},
        {0xCA, false, false, false, true, false, 0}, // no-break space
        {'&', false, false, false, false, true, 1},  {'%', false, false, false, false, true, 2},
        {'-', false, false, false, false, true, 2},  {0xA1, false, false, false, false, true, 2}, // degree
        {'.', false, false, false, false, false, 1}, {',', false, false, false, false, false, 0},
        {'7', false, false, false, false, false, 0}, {0xC6, false, false, false, false, true, 2}, // increment
    };
    for (const ClassCase& k : cases) {
        SCOPED_TRACE(int(k.c));
        EXPECT_EQ(IsVowel(k.c) != 0, k.vowel);
        EXPECT_EQ(IsAlpha(k.c) != 0, k.letter);
        EXPECT_EQ(IsCapital(k.c) != 0, k.capital);
        EXPECT_EQ(IsWhiteSpace(k.c) != 0, k.white);
        EXPECT_EQ(AddSyllablesConditional(k.c), k.spoken ? k.syllables : 0);
        EXPECT_EQ(AddSyllablesUnconditional(k.c), k.syllables);
        EXPECT_EQ(IsPunctuation(k.c) != 0, !k.letter && !k.white && !IsNumber(k.c));
    }
}

TEST_F(CharacterClassesTest, WithoutTheTableTheFixedSetsKnowNoSpaceAndNoSpokenSigns) {
    Handle loaded = thevowelarray;
    thevowelarray = nullptr;
    EXPECT_TRUE(IsVowel('y'));
    EXPECT_TRUE(IsVowel(0x87));
    EXPECT_FALSE(IsVowel(0xC6));
    EXPECT_TRUE(IsCapital(0xAF));
    EXPECT_FALSE(IsCapital(0x8F));
    EXPECT_TRUE(IsAlpha(0xF5));
    EXPECT_FALSE(IsWhiteSpace(' '));
    EXPECT_TRUE(IsPunctuation(' '));
    EXPECT_EQ(AddSyllablesUnconditional('x'), 1);
    EXPECT_EQ(AddSyllablesConditional(','), 1);
    EXPECT_EQ(CountAllSyllables('&', 'a', ' '), 0);
    EXPECT_FALSE(IsSentenceTerminator('a', '.', ' '));
    EXPECT_TRUE(IsSentenceTerminator('a', 13, 'b'));
    thevowelarray = loaded;
}

TEST_F(CharacterClassesTest, NeighboursDecideDashesPeriodsSpokenSignsAndSentenceEnds) {
    EXPECT_TRUE(IsEmbeddedDash('-', 'l', 'k'));
    EXPECT_FALSE(IsEmbeddedDash('-', ' ', 'b'));
    EXPECT_FALSE(IsEmbeddedDash('-', '3', '4'));
    EXPECT_TRUE(IsEmbeddedPeriod('.', '3', '1'));
    EXPECT_TRUE(IsEmbeddedPeriod('.', ' ', '5'));
    EXPECT_TRUE(IsEmbeddedPeriod('.', 'e', 'g'));
    EXPECT_TRUE(IsEmbeddedPeriod('.', ' ', 'c'));
    EXPECT_FALSE(IsEmbeddedPeriod('.', 'd', ' '));
    EXPECT_FALSE(IsEmbeddedPeriod(',', '3', '1'));

    EXPECT_EQ(CountAllSyllables('-', 'a', ' '), 0); // a dash after a letter is never read
    EXPECT_EQ(CountAllSyllables('/', 'r', 'o'), 0);
    EXPECT_NE(CountAllSyllables('-', '5', ' '), 0); // "minus"
    EXPECT_EQ(CountAllSyllables('.', '3', '1'), 8); // "point"
    EXPECT_EQ(CountAllSyllables('.', 'd', ' '), 0);
    EXPECT_NE(CountAllSyllables('&', 'a', ' '), 0);
    EXPECT_EQ(CountAllSyllables(',', 'a', ' '), 0);

    EXPECT_TRUE(IsSentenceTerminator('d', '.', ' '));
    EXPECT_TRUE(IsSentenceTerminator('!', '?', 13));
    EXPECT_FALSE(IsSentenceTerminator(' ', '.', ' '));
    EXPECT_FALSE(IsSentenceTerminator('3', '.', '1'));
    EXPECT_FALSE(IsSentenceTerminator('d', '.', 0));
    EXPECT_TRUE(IsSentenceTerminator(0, 10, 0));
}

} // namespace
