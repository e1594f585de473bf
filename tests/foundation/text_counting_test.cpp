// Counting words, syllables and sentences: what a word is, where syllables begin and which word holds them,
// the sentinel records, recounting custom syllable times, and sentences with their paragraphs.
#include "text_measure_fixture.h"

#include <gtest/gtest.h>

namespace {

using TextCountingTest = TextMeasureTest;

TEST_F(TextCountingTest, WordsAreRunsOfWordCharactersAndSpokenSigns) {
    struct Case {
        const char* text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"don't", {"don't"}},
        {"3.14", {"3.14"}},
        {"well-known", {"well-known"}},
        {"a - b", {"a", "b"}},
        {"5 - 3", {"5", "-", "3"}},
        {"a & b", {"a", "&", "b"}},
        {"and/or 1/2", {"and", "or", "1", "/", "2"}},
        {"End. Next", {"End", "Next"}},
        {"e.g. this", {"e.g", "this"}},
        {"  two\twords\r", {"two", "words"}},
        {"50%", {"50", "%"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        EXPECT_EQ(Count(k.text), SInt32(k.words.size()));
        EXPECT_EQ(WordTexts(), k.words);
    }
}

TEST_F(TextCountingTest, WordRecordsCloseWithASentinelAndLeaveTheOtherFieldsZero) {
    Count("to be  or");
    const std::vector<WordLineRec> w = WordRecords();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[1].start, 3);
    EXPECT_EQ(w[1].end, 5);
    EXPECT_EQ(w[1].index, 1);
    EXPECT_EQ(w[2].end, 9); // the text ends inside the word
    EXPECT_EQ(w[3].start, 9);
    EXPECT_EQ(w[3].end, kArrayEndMark);
    EXPECT_EQ(w[3].firstSyllableTime, kArrayEndMark);
    EXPECT_EQ(w[3].index, 0);

    EXPECT_EQ(Count("   "), 0);
    ASSERT_EQ(GetHandleSize(words), Size(sizeof(WordLineRec)));
    const WordLineRec sentinel = WordLinesOf(words)[0];
    EXPECT_EQ(sentinel.start, 0);
    EXPECT_EQ(sentinel.end, kArrayEndMark);
    EXPECT_EQ(sentinel.firstSyllableTime, kArrayEndMark);
    EXPECT_EQ(sentinel.line, 0);
}

TEST_F(TextCountingTest, CountingWithoutAnOutHandleOnlyCounts) {
    EXPECT_EQ(CountWords(Bytes("one two"), 7, nullptr), 2);
    EXPECT_EQ(CountSentences(Bytes("One. Two."), 9, nullptr, nullptr), 2);
}

TEST_F(TextCountingTest, SyllablesFollowTheCountingRules) {
    struct Case {
        const char* text;
        SInt32 syllables;
    };
    const Case cases[] = {
        {"make", 1},   {"table", 2}, {"me", 1},    {"be me", 2},     {"the", 1},   {"ball", 1},
        {"beyond", 2}, {"happy", 2}, {"yes", 1},   {"yes yes", 2},   {"video", 3}, {"create", 1},
        {"piano", 3},  {"USA", 3},   {"WWF", 7},   {"FBI agent", 5}, {"3.14", 4},  {"a & b", 3},
        {"x y", 2},    {"www", 9},   {"5 - 3", 4}, {"a - b", 2},     {"'t'", 1},   {"\"s\"", 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        Count(k.text);
        EXPECT_EQ(syllableCount, k.syllables);
        EXPECT_EQ(SInt32(GetHandleSize(syllables) / sizeof(SyllableRec)), k.syllables + 1);
    }
}

TEST_F(TextCountingTest, SyllablesAreAttachedToTheirWordsAndTimedByTheRate) {
    Count("make a table");
    EXPECT_EQ(SyllableStarts(), (std::vector<SInt32>{1, 5, 8, 11}));
    const std::vector<SyllableRec> s = SyllableRecords();
    const SInt32 wordOf[] = {0, 1, 2, 2};
    const SInt32 inWord[] = {1, 1, 2, 2};
    for (SInt32 k = 0; k < 4; ++k) {
        EXPECT_EQ(s[size_t(k)].index, k);
        EXPECT_EQ(s[size_t(k)].end, s[size_t(k)].start + 1);
        EXPECT_EQ(s[size_t(k)].word, wordOf[k]);
        EXPECT_EQ(s[size_t(k)].syllablesInWord, inWord[k]);
        EXPECT_EQ(s[size_t(k)].syllablesOnLine, 4); // no lines attached: one line
        EXPECT_EQ(s[size_t(k)].time, k * 3600 / 160);
    }
    EXPECT_EQ(s[4].start, 12);
    EXPECT_EQ(s[4].end, kArrayEndMark);
    EXPECT_EQ(s[4].time, kArrayEndMark);
    const std::vector<WordLineRec> w = WordRecords();
    EXPECT_EQ(w[0].firstSyllable, 0);
    EXPECT_EQ(w[1].firstSyllable, 1);
    EXPECT_EQ(w[2].firstSyllable, 2);
}

TEST_F(TextCountingTest, WordsWithoutSyllablesAreSkippedNotGivenTheNextWordsSyllables) {
    Count("Mr Dr Smith is");
    const std::vector<SyllableRec> s = SyllableRecords();
    ASSERT_EQ(syllableCount, 2);
    EXPECT_EQ(s[0].word, 2);
    EXPECT_EQ(s[1].word, 3);
    const std::vector<WordLineRec> w = WordRecords();
    EXPECT_EQ(w[0].firstSyllable, -1);
    EXPECT_EQ(w[1].firstSyllable, -1);
    EXPECT_EQ(w[2].firstSyllable, 0);
    EXPECT_EQ(w[3].firstSyllable, 1);
}

TEST_F(TextCountingTest, ARecountKeepsCustomSyllableTimesAndTheHandle) {
    Layout("one two three four five six", 100);
    Count("one two three four five six");
    for (SInt32 k = 0; k < syllableCount; ++k)
        SyllableArraySetter(syllables, k, 1000 + 7 * k, kSyllableTime);
    const SyllableHdl kept = syllables;
    const std::vector<SyllableRec> before = SyllableRecords();
    const std::vector<WordLineRec> wordsBefore = WordRecords();

    gSyllableArrayCustom = true;
    Relayout(60); // the lines change, the syllables stay
    CountWords(Bytes(script), SInt32(script.size()), &words);
    AddLinesToWordLineStruct(words, we, 0);
    SInt32 count = -1;
    syllables = AddSyllablesToSyllableStruct(Bytes(script), SInt32(script.size()), syllables, words, &count);
    EXPECT_EQ(syllables, kept);
    EXPECT_EQ(count, SInt32(before.size()) - 1);
    const std::vector<SyllableRec> after = SyllableRecords();
    for (size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(after[k].time, before[k].time);
        EXPECT_EQ(after[k].start, before[k].start);
    }
    // The recounted words still know their first syllables.
    for (size_t k = 0; k + 1 < wordsBefore.size(); ++k)
        EXPECT_EQ(WordLinesOf(words)[k].firstSyllable, wordsBefore[k].firstSyllable);
    // Line counts follow the new lines: every syllable's count is the number on its word's line.
    for (const SyllableRec& r : std::vector<SyllableRec>(after.begin(), after.end() - 1)) {
        SInt32 onLine = 0;
        for (const SyllableRec& o : std::vector<SyllableRec>(after.begin(), after.end() - 1))
            onLine += WordLinesOf(words)[o.word].line == WordLinesOf(words)[r.word].line;
        EXPECT_EQ(r.syllablesOnLine, onLine);
    }
}

TEST_F(TextCountingTest, NoSyllableArrayWithoutWordsOrText) {
    Count("some text");
    SyllableHdl made = syllables;
    ASSERT_NE(made, nullptr);
    SInt32 count = -1;
    syllables = AddSyllablesToSyllableStruct(Bytes("x"), 1, syllables, nullptr, &count);
    EXPECT_EQ(syllables, nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(RecordedErrorMessages().back(), "No WordLineHdl in AddSyllablesToSyllableStruct");
    syllables = AddSyllablesToSyllableStruct(Bytes(""), 0, nullptr, words, &count);
    EXPECT_EQ(syllables, nullptr);
}

TEST_F(TextCountingTest, ACountThatCannotGrowItsArrayStillCounts) {
    std::string text;
    for (int k = 0; k < 150; ++k)
        text += "go ";
    FailNextAllocations(1);
    EXPECT_EQ(CountWords(Bytes(text), SInt32(text.size()), &words), 150);
    EXPECT_EQ(words, nullptr);
    SetAllocationFailureCountdown(1); // the first 100 records, then no growth
    EXPECT_EQ(CountWords(Bytes(text), SInt32(text.size()), &words), 150);
    SetAllocationFailureCountdown(-1);
    EXPECT_EQ(words, nullptr);
    Count(text);
    EXPECT_EQ(syllableCount, 150);
}

TEST_F(TextCountingTest, SentencesAndParagraphs) {
    const std::string text = "Hi there. How are you?  Fine!\rNew one. Last\r\r  x";
    SentenceHdl sentences = nullptr;
    SInt32 paragraphs = -1;
    ASSERT_EQ(CountSentences(Bytes(text), SInt32(text.size()), &sentences, &paragraphs), 6);
    EXPECT_EQ(paragraphs, 3);
    const SentenceRec* s = reinterpret_cast<const SentenceRec*>(*sentences);
    const SentenceRec expected[] = {
        {0, 8, 0, 0, 3, 0},   {10, 21, 1, 0, 3, 0}, {24, 28, 2, 0, 3, 0},
        {30, 37, 3, 1, 2, 3}, {39, 43, 4, 1, 2, 3}, {47, 48, 5, 2, 1, 5},
    };
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(s[k].start, expected[k].start);
        EXPECT_EQ(s[k].end, expected[k].end);
        EXPECT_EQ(s[k].index, expected[k].index);
        EXPECT_EQ(s[k].paragraph, expected[k].paragraph);
        EXPECT_EQ(s[k].sentencesInParagraph, expected[k].sentencesInParagraph);
        EXPECT_EQ(s[k].firstOfParagraph, expected[k].firstOfParagraph);
    }
    EXPECT_EQ(s[6].start, 48);
    EXPECT_EQ(s[6].end, kArrayEndMark);

    EXPECT_EQ(CountSentences(Bytes("    "), 4, &sentences, &paragraphs), 0);
    EXPECT_EQ(paragraphs, 0);
    ASSERT_EQ(GetHandleSize(sentences), Size(sizeof(SentenceRec)));
    EXPECT_EQ(reinterpret_cast<const SentenceRec*>(*sentences)[0].start, 0);
    EXPECT_EQ(reinterpret_cast<const SentenceRec*>(*sentences)[0].end, kArrayEndMark);
    DisposeHandle(sentences);
}

} // namespace
