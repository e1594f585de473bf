// The keyword look-up over a fixture name list in every mode, the value lists of the resource file, the
// single word, the string comparisons and the font look-ups.
#include "foundation/keyword_dictionary.h"

#include "app_resources.h"

#include "foundation/character_classes.h"
#include "macros/macro_tables.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A macro name table: 32-byte entries each holding a NUL-terminated name.
Handle NameTable(const std::vector<std::string>& names) {
    Handle h = NewHandleClear(Size(names.size() * kMacroNameSize));
    for (size_t i = 0; i < names.size(); ++i)
        std::memcpy(*h + i * kMacroNameSize, names[i].c_str(), names[i].size() + 1);
    return h;
}

class KeywordDictionary : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        ASSERT_TRUE(LoadCharacterClasses());
        gVariableNames = NameTable(
            {"Beep", "Set-Speed", "Sound", "Speed", "Times New Roman", "Times", "abxy", "zzzzzzzzzzzz"});
        gNumVariables = 8;
        gByteNames = NameTable({"abqqqqqqqq", "z"});
        gNumBytes = 2;
    }
    void TearDown() override {
        DisposeHandle(gVariableNames);
        DisposeHandle(gByteNames);
        gVariableNames = gByteNames = nullptr;
        gNumVariables = gNumBytes = 0;
        AppResources::TearDown();
    }
};

TEST_F(KeywordDictionary, EachModeChoosesItsEntryFromAFixtureList) {
    struct Case {
        SInt16 kind;
        UInt16 from;
        const char* word;
        SInt16 mode;
        SInt16 want;
    } cases[] = {
        {kDictVariableNames, kWholeList, "beep", kMatchExact, 0},
        {kDictVariableNames, kWholeList, "beep;", kMatchExact, -1},
        {kDictVariableNames, kWholeList, "setspeed", kMatchExact, -1},
        {kDictVariableNames, kWholeList, "setspeed", kMatchExactLettersDigits, 1},
        {kDictVariableNames, kWholeList, "SET speed!", kMatchExactLettersDigits, 1},
        {kDictVariableNames, 2, "beep", kMatchExact, -1},           // before from
        {kDictVariableNames, kWholeList, "spd", kMatchClosest, 3},  // Speed: all three, fewest left over
        {kDictVariableNames, kWholeList, "qqq", kMatchClosest, -1}, // nothing shared
        {kDictVariableNames, kWholeList, "TimesNewRoman", kMatchClosestSameLetters, 4},
        {kDictVariableNames, 5, "TimesNewRoman", kMatchClosestSameLetters, -1}, // Times alone is refused
        {kDictVariableNames, kWholeList, "Times", kMatchClosestSameLetters, 5}, // whole: ends the scan
        {kDictVariableNames, kWholeList, "Sound", kMatchHalfTheLetters, 2},
        // Half of the chosen entry's letters: abxy (2 of 4) is accepted although the last entry examined
        // is long, and abqqqqqqqq (2 of 10) is refused although the last one is short.
        {kDictVariableNames, 6, "abc", kMatchHalfTheLetters, 6},
        {kDictByteNames, kWholeList, "abc", kMatchHalfTheLetters, -1},
        {kDictByteNames, kWholeList, "abc", kMatchClosest, 0},
        {kDictVariableNames, kWholeList, "", kMatchExact, 0}, // an empty word
        {500, kWholeList, "", kMatchExact, 0},
        {500, kWholeList, "beep", kMatchClosest, -1},             // no such list
        {kDictLabelNames, kWholeList, "beep", kMatchClosest, -1}, // an empty list
        {kColorNameList, kWholeList, "red", kMatchExact, 2},
        {kColorNameList, kWholeList, "Blu", kMatchClosest, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchdict(c.kind, c.from, kWholeList, c.word, c.mode), c.want)
            << c.kind << " from " << c.from << " \"" << c.word << "\" mode " << c.mode;
    EXPECT_EQ(matchdict(kDictVariableNames, kWholeList, kWholeList, nullptr, kMatchExact), -1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(KeywordDictionary, AMissingValueListIsReportedAndFindsNothing) {
    EXPECT_EQ(matchdict(1030, kWholeList, kWholeList, "anything", kMatchExact), -1);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Parameter strings not found");
    ClearRecordedErrorMessages();
    EXPECT_EQ(matchdict(1021, kWholeList, kWholeList, "anything", kMatchExact), -1) << "not a value list";
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(KeywordDictionary, TheSingleWordTakesHalfItsLetters) {
    SetGlobalWord("receive", 7);
    struct Case {
        const char* word;
        SInt16 want;
    } cases[] = {{"recieve", 0}, {"receive", 0}, {"rcv", -1}, {"reciev", 0}, {"xyz", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(matchdict(kDictGlobalWord, kWholeList, kWholeList, c.word, kMatchHalfTheLetters), c.want)
            << c.word;
    const std::string tooLong(300, 'a');
    SetGlobalWord(tooLong.data(), SInt32(tooLong.size()));
    EXPECT_EQ(matchdict(kDictGlobalWord, kWholeList, kWholeList, std::string(255, 'a').c_str(), kMatchExact),
              0)
        << "only 255 bytes are kept";
}

TEST(KeywordComparisons, CmpStrAndCmpAlphaStr) {
    struct Case {
        const char* a;
        const char* b;
        SInt16 exact;
        SInt16 alpha;
    } cases[] = {
        {"Beep", "beep", 1, 1},
        {"beep\n", "BEEP\n", 1, 1},
        {"beep\n", "beep", 0, 1},
        {"beep", "beeps", 0, 0},
        {"Set-Speed", "setspeed", 0, 1},
        {"a b", "ab", 0, 1},
        {"--", "..", 0, 0},
        {"", "", 1, 0},
        {"x1", "X1", 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CmpStr(c.a, c.b), c.exact) << c.a << " / " << c.b;
        EXPECT_EQ(CmpAlphaStr(c.a, c.b), c.alpha) << c.a << " / " << c.b;
    }
}

TEST_F(KeywordDictionary, FontNamesGiveFamiliesAndTimesAsTheFallback) {
    Str255 helvetica;
    GetFontName(kFontHelvetica, helvetica);
    ASSERT_GT(helvetica[0], 0);
    const UInt8 unknown[] = "\x13No Such Font Family";
    const UInt8 times[] = "\x05times";
    EXPECT_EQ(FindFontFamilyByName(helvetica, false), kFontHelvetica);
    EXPECT_EQ(FindFontFamilyByName(times, false), kFontTimes);
    EXPECT_EQ(FindFontFamilyByName(unknown, true), kFontTimes);
    EXPECT_EQ(FindFontFamilyByName(unknown, false), -1);
    // Without a Font menu there is no item for any family.
    EXPECT_EQ(FindFontMenuIDByFamilyID(kFontHelvetica), -1);
}

} // namespace
