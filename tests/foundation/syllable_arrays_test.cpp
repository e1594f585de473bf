// The syllable array: its accessor and setter, splitting and joining syllables, the repair passes, the
// searches of the syllable-sync window and the time at an offset.
#include "text_measure_fixture.h"

#include <gtest/gtest.h>

namespace {

// "make a table now ok" in lines of 10 characters: "make a " | "table now " | "ok". Syllables start at
// 1 (make), 5 (a), 8 and 11 (table), 14 (now), 17 (ok).
class SyllableArraysTest : public TextMeasureTest {
  protected:
    void SetUp() override {
        TextMeasureTest::SetUp();
        Layout(kText, 100);
        Count(kText);
        ASSERT_EQ(syllableCount, 6);
    }
    SInt32 Field(SInt32 index, SInt16 selector) {
        return SyllableArrayAccessor(syllables, index, selector, words);
    }
    std::vector<SInt32> Column(SInt16 selector) {
        std::vector<SInt32> out;
        for (SInt32 k = 0; k < CountSyllableRecords(syllables); ++k)
            out.push_back(Field(k, selector));
        return out;
    }
    void SetTimes(const std::vector<SInt32>& times) {
        for (size_t k = 0; k < times.size(); ++k)
            SyllableArraySetter(syllables, SInt32(k), times[k], kSyllableTime);
    }
    static constexpr const char* kText = "make a table now ok";
};

TEST_F(SyllableArraysTest, TheAccessorAnswersByIndexOffsetAndTime) {
    SetTimes({0, 30, 60, 90, 120, 150});
    struct Case {
        SInt32 argument;
        SInt16 selector;
        SInt32 expected;
    };
    const Case cases[] = {
        {2, kSyllableStart, 8},          {2, kSyllableEnd, 9},
        {3, kSyllableIndex, 3},          {3, kSyllablesInWord, 2},
        {4, kSyllablesOnLine, 3},        {5, kSyllableWord, 4},
        {4, kSyllableTime, 120},         {6, kSyllableTime, kArrayEndMark},
        {9, kSyllableAtOffset, 3},       {11, kSyllableAtOffset, 3},
        {30, kSyllableAtOffset, 5},      {0, kSyllableAtOffset, 0},
        {9, kSyllableBeforeOffset, 2},   {0, kSyllableBeforeOffset, 0},
        {9, kNearestSyllableOfWord, 2},  {10, kNearestSyllableOfWord, 3},
        {13, kNearestSyllableOfWord, 4}, {61, kSyllableAtTime, 3},
        {60, kSyllableAtTime, 2},        {999, kSyllableAtTime, 5},
        {61, kSyllableBeforeTime, 2},    {0, kSyllableBeforeTime, 0},
        {4, kSyllableLine, 1},           {5, kSyllableLine, 2},
        {0, kSyllableRecordCount, 7},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "selector " << k.selector << " argument " << k.argument);
        EXPECT_EQ(Field(k.argument, k.selector), k.expected);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(SyllableArraysTest, OutOfRangeAndBadSelectorsGiveTheNeutralValue) {
    struct Case {
        SInt32 argument;
        SInt16 selector;
        const char* message;
    };
    const Case cases[] = {
        {7, kSyllableStart, "Syllable too high in SyllableArrayAccessor"},
        {-1, kSyllableTime, "Syllable too high in SyllableArrayAccessor"},
        {-50000, kSyllableLine, "Syllable too high in SyllableArrayAccessor"},
        {0, 14, "Bad accessor in SyllableArrayAccessor"},
        {0, -1, "Bad accessor in SyllableArrayAccessor"},
    };
    for (const Case& k : cases) {
        ClearRecordedErrorMessages();
        EXPECT_EQ(Field(k.argument, k.selector), 1);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_EQ(RecordedErrorMessages()[0], k.message);
    }
    EXPECT_EQ(SyllableArrayAccessor(nullptr, 0, kSyllableStart, words), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "No SyllableHdl in SyllableArrayAccessor");

    EXPECT_EQ(SyllableArraySetter(syllables, 6, 0, kSyllableTime), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "Syllable too high in SyllableArraySetter");
    EXPECT_EQ(SyllableArraySetter(syllables, -1, 0, kSyllableTime), 1);
    EXPECT_EQ(SyllableArraySetter(syllables, 0, 0, 7), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "access value not supported in SyllableArraySetter");
    EXPECT_EQ(SyllableArraySetter(syllables, 2, -40, kSyllableTime), 0);
    EXPECT_EQ(Field(2, kSyllableTime), 0);
}

TEST_F(SyllableArraysTest, SplittingInsertsASyllableWithAMeanTimeAndRecountsWordAndLine) {
    SetTimes({0, 30, 60, 90, 120, 150});
    syllables = AddSyllableToArray(syllables, words, 9); // ta|b|le
    EXPECT_EQ(Column(kSyllableStart), (std::vector<SInt32>{1, 5, 8, 9, 11, 14, 17}));
    EXPECT_EQ(Column(kSyllableIndex), (std::vector<SInt32>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Column(kSyllableTime), (std::vector<SInt32>{0, 30, 60, 75, 90, 120, 150}));
    EXPECT_EQ(Column(kSyllableWord), (std::vector<SInt32>{0, 1, 2, 2, 2, 3, 4}));
    EXPECT_EQ(Column(kSyllablesInWord), (std::vector<SInt32>{1, 1, 3, 3, 3, 1, 1}));
    EXPECT_EQ(Column(kSyllablesOnLine), (std::vector<SInt32>{2, 2, 4, 4, 4, 4, 1}));
    EXPECT_EQ(WordLineArrayAccessor(words, 3, kWordFirstSyllable, syllables, 0), 5);
    EXPECT_EQ(WordLineArrayAccessor(words, 4, kWordFirstSyllable, syllables, 0), 6);
    EXPECT_EQ(Field(7, kSyllableStart), 18); // the sentinel follows the last syllable

    syllables = AddSyllableToArray(syllables, words, 18); // the end of the text
    EXPECT_EQ(Field(7, kSyllableTime), 150 + 30);
    syllables = AddSyllableToArray(syllables, words, 0); // the start
    EXPECT_EQ(Field(0, kSyllableTime), 0);
    EXPECT_EQ(WordLineArrayAccessor(words, 0, kWordFirstSyllable, syllables, 0), 0);
    EXPECT_EQ(WordLineArrayAccessor(words, 1, kWordFirstSyllable, syllables, 0), 2);
}

TEST_F(SyllableArraysTest, JoiningTheOnlySyllableOfAWordLeavesTheWordWithout) {
    syllables = RemoveSyllableFromArray(syllables, words, 1); // "a"
    EXPECT_EQ(CountSyllableRecords(syllables), 5);
    EXPECT_EQ(WordLineArrayAccessor(words, 1, kWordFirstSyllable, syllables, 0), -1);
    EXPECT_EQ(WordLineArrayAccessor(words, 2, kWordFirstSyllable, syllables, 0), 1);
    EXPECT_EQ(WordLineArrayAccessor(words, 4, kWordFirstSyllable, syllables, 0), 4);
    EXPECT_EQ(Column(kSyllableIndex), (std::vector<SInt32>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Column(kSyllablesOnLine), (std::vector<SInt32>{1, 3, 3, 3, 1}));

    syllables = RemoveSyllableFromArray(syllables, words, 1); // "ta" of "table"
    EXPECT_EQ(Column(kSyllablesInWord), (std::vector<SInt32>{1, 1, 1, 1}));
    EXPECT_EQ(WordLineArrayAccessor(words, 2, kWordFirstSyllable, syllables, 0), 1);

    const Handle before = syllables;
    EXPECT_EQ(RemoveSyllableFromArray(syllables, words, 4), before); // past the last: unchanged
    EXPECT_EQ(CountSyllableRecords(syllables), 4);
}

TEST_F(SyllableArraysTest, StepsAndSearchesOfTheSyncWindow) {
    SInt32 start = 0;
    SInt32 end = 0;
    EXPECT_EQ(FindNextSyllable(syllables, 3, 1, &start, &end), 4);
    EXPECT_EQ(start, 14);
    EXPECT_EQ(FindNextSyllable(syllables, 4, 1, &start, &end), 4); // stays one short of the last
    EXPECT_EQ(FindNextSyllable(syllables, 0, -1, &start, &end), 0);
    EXPECT_EQ(FindNextSyllable(syllables, 99, -1, &start, &end), 4);

    SInt32 word = -1;
    EXPECT_EQ(FindSyllableAtSyllable(syllables, words, 2, 1, &start, &end, &word), 3);
    EXPECT_EQ(start, 11);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(FindSyllableAtSyllable(syllables, words, 2, -1, &start, &end, &word), 1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_EQ(FindSyllableAtSyllable(syllables, words, 4, 3, &start, &end, &word), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "Syllable too high in FindSyllableAtSyllable");
    EXPECT_EQ(FindSyllableAtSyllable(syllables, words, 5, 0, &start, &end, &word), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "Word too high in FindSyllableAtSyllable");

    SInt32 index = -1;
    EXPECT_EQ(SyllablesThisLine(syllables, 12, &index), 3);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(SyllablesThisLine(syllables, 18, &index), 1);
    EXPECT_EQ(TotalSyllables(syllables), 6);
}

TEST_F(SyllableArraysTest, TheRepairPassRaisesTimesAndReportsWordsPastTheLast) {
    SetTimes({0, 30, 20, 20, 120, 150});
    EXPECT_EQ(ValidateSyllableArray(syllables, words, nullptr, -1, -1), 0);
    EXPECT_EQ(Column(kSyllableTime), (std::vector<SInt32>{0, 30, 31, 32, 120, 150}));
    EXPECT_TRUE(RecordedErrorMessages().empty());

    SyllableArraySetter(syllables, 3, 9, kSyllableWord);
    EXPECT_EQ(ValidateSyllableArray(syllables, words, nullptr, 0, -1), 3);
    EXPECT_EQ(RecordedErrorMessages().back(),
              "Word out of range in ValidateSyllableArray, will attempt to update");
    FixWordCountError(syllables, words);
    EXPECT_EQ(Column(kSyllableWord), (std::vector<SInt32>{0, 1, 2, 2, 3, 4}));
    EXPECT_EQ(Column(kSyllablesInWord), (std::vector<SInt32>{1, 1, 2, 2, 1, 1}));
    EXPECT_EQ(ValidateSyllableArray(syllables, words, nullptr, -1, -1), 0);

    EXPECT_EQ(ValidateSyllableArray(nullptr, words, nullptr, -1, -1), 1);
    EXPECT_EQ(ValidateSyllableArray(syllables, nullptr, nullptr, -1, -1), 2);
}

TEST_F(SyllableArraysTest, ReattachingPutsMisplacedSyllablesOnTheWordsThatHoldThem) {
    for (SInt32 k = 0; k < 6; ++k)
        SyllableArraySetter(syllables, k, 4, kSyllableWord);
    FixWordCountError(syllables, words);
    EXPECT_EQ(Column(kSyllableWord), (std::vector<SInt32>{0, 1, 2, 2, 3, 4}));
    EXPECT_EQ(WordLineArrayAccessor(words, 3, kWordFirstSyllable, syllables, 0), 4);
    EXPECT_EQ(WordLineArrayAccessor(words, 3, kWordFirstSyllableTime, syllables, 0), Field(4, kSyllableTime));
}

TEST_F(SyllableArraysTest, TimeAtAnOffsetIsInterpolatedBetweenSyllables) {
    SetTimes({60, 100, 200, 300, 400, 500});
    struct Case {
        SInt32 offset;
        SInt32 expected;
    };
    const Case cases[] = {
        {0, 0}, {-5, 0}, {1, 60}, {3, 80}, {5, 100}, {8, 200}, {9, 233}, {11, 300}, {17, 500},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.offset);
        EXPECT_EQ(GetTimeAtOffset(syllables, words, k.offset), k.expected);
    }
    // Past the last syllable the time keeps growing from the last syllable's.
    const SInt32 justAfter = GetTimeAtOffset(syllables, words, 18);
    EXPECT_GT(justAfter, 500);
    EXPECT_GT(GetTimeAtOffset(syllables, words, 40), justAfter);
}

TEST_F(SyllableArraysTest, LineCountsFollowTheWordLineArraysLines) {
    Relayout(200); // one line
    AddLinesToWordLineStruct(words, we, 0);
    SInt32 count = -1;
    UpdateLinesInSyllableStruct(syllables, words, &count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(Column(kSyllablesOnLine), (std::vector<SInt32>(6, 6)));
    UpdateLinesInSyllableStruct(nullptr, words, &count);
    EXPECT_EQ(RecordedErrorMessages().back(), "SyllableHdl missing in UpdateLinesInSyllableStruct");
}

} // namespace
