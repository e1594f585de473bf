// The word-line array: its line fields against the text engine's own lines at two widths and with blank
// lines before the text, and the answers of its accessor, including indexes outside the array.
#include "text_measure_fixture.h"

#include <gtest/gtest.h>

namespace {

using WordLineArraysTest = TextMeasureTest;

const std::string kScript = "Friends, Romans, countrymen, lend me your ears;\rI come to bury Caesar, not to "
                            "praise him. The evil that men do lives after them.\r\rThe good is oft interred.";

// Every word's line fields are those of the engine line that holds the word's start.
void ExpectLinesOfEngine(WordLineHdl words, WEReference we, SInt32 bias) {
    const SInt32 count = CountWordLineRecords(words);
    const WordLineRec* w = WordLinesOf(words);
    for (SInt32 k = 0; k < count; ++k) {
        SCOPED_TRACE(k);
        const SInt32 line = WEOffsetToLine(w[k].start + bias, we) - bias;
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetLineRange(line + bias, &start, &end, we);
        EXPECT_EQ(w[k].line, line);
        EXPECT_EQ(w[k].lineStart, start - bias);
        EXPECT_EQ(w[k].lineEnd, end - bias);
        SInt32 onLine = 0;
        for (SInt32 j = 0; j < count; ++j)
            onLine += w[j].line == line;
        EXPECT_EQ(w[k].wordsOnLine, onLine);
    }
}

TEST_F(WordLineArraysTest, LinesAgreeWithTheEnginesLinesAtTwoWidths) {
    Layout(kScript, 200);
    Count(kScript);
    const SInt32 wideLines = WECountLines(we);
    EXPECT_EQ(AddLinesToWordLineStruct(words, we, 0), wideLines);
    ExpectLinesOfEngine(words, we, 0);

    Relayout(90);
    const SInt32 narrowLines = WECountLines(we);
    EXPECT_GT(narrowLines, wideLines);
    EXPECT_EQ(AddLinesToWordLineStruct(words, we, 0), narrowLines);
    ExpectLinesOfEngine(words, we, 0);
    EXPECT_EQ(WordLinesOf(words)[CountWordLineRecords(words) - 1].line, narrowLines - 1);
}

TEST_F(WordLineArraysTest, BlankLinesBeforeTheTextAreTakenOffLinesAndOffsets) {
    constexpr SInt32 kBias = 3;
    Layout(kScript, 150, kBias);
    Count(kScript);
    EXPECT_EQ(AddLinesToWordLineStruct(words, we, kBias), WECountLines(we) - kBias);
    ExpectLinesOfEngine(words, we, kBias);
    EXPECT_EQ(WordLinesOf(words)[0].line, 0);
    EXPECT_EQ(WordLinesOf(words)[0].lineStart, 0);
}

TEST_F(WordLineArraysTest, AOneLineTextHasEveryWordOnLineZero) {
    Layout("one two three", 500);
    EXPECT_EQ(Count("one two three"), 3);
    EXPECT_EQ(AddLinesToWordLineStruct(words, we, 0), 1);
    for (const WordLineRec& r : WordRecords())
        if (r.end != kArrayEndMark) {
            EXPECT_EQ(r.line, 0);
            EXPECT_EQ(r.wordsOnLine, 3);
        }
    EXPECT_EQ(AddLinesToWordLineStruct(nullptr, we, 0), 0);
    EXPECT_EQ(RecordedErrorMessages().back(), "No WordLineHdl in AddLinesToWordLineStruct");
    EXPECT_EQ(AddLinesToWordLineStruct(words, nullptr, 0), 0);
    EXPECT_EQ(RecordedErrorMessages().back(), "No WEReference in AddLinesToWordLineStruct");
}

TEST_F(WordLineArraysTest, TheAccessorAnswersByWordLineAndOffset) {
    // Lines of 10 characters: "make a " | "table now " | "ok"
    const std::string text = "make a table now ok";
    Layout(text, 100);
    Count(text);
    ASSERT_EQ(WECountLines(we), 3);
    struct Case {
        SInt32 argument;
        SInt16 selector;
        SInt32 bias;
        SInt32 expected;
    };
    const Case cases[] = {
        {2, kWordStart, 0, 7},
        {2, kWordStart, 5, 12},
        {2, kWordEnd, 5, 17},
        {3, kWordIndex, 0, 3},
        {1, kWordsOnLine, 0, 2},
        {2, kWordsOnLine, 0, 2},
        {2, kWordFirstSyllable, 0, 2},
        {3, kWordLineStart, 0, 7},
        {3, kWordLineEnd, 0, 17},
        {4, kWordLine, 0, 2},
        {2, kWordSyllables, 0, 2},
        {1, kWordFirstOfLine, 0, 0},
        {3, kWordFirstOfLine, 0, 2},
        {2, kWordLineSyllables, 0, 3},
        {1, kFirstWordOfLine, 0, 2},
        {2, kFirstWordOfLine, 0, 4},
        {9, kFirstWordOfLine, 0, 4},
        {1, kLastWordOfLine, 0, 3},
        {0, kLastWordOfLine, 0, 1},
        {9, kWordAtOffset, 0, 2},
        {6, kWordAtOffset, 0, -1},
        {6, kWordAtOrAfterOffset, 0, 2},
        {-4, kWordAtOrAfterOffset, 0, 0},
        {19, kWordAtOrAfterOffset, 0, -1},
        {6, kWordAtOrBeforeOffset, 0, 1},
        {-1, kWordAtOrBeforeOffset, 0, -1},
        {40, kWordAtOrBeforeOffset, 0, 4},
        {0, kWordCount, 0, 5},
        {0, kWordCount, 2, 3},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "selector " << k.selector << " argument " << k.argument);
        EXPECT_EQ(WordLineArrayAccessor(words, k.argument, k.selector, syllables, k.bias), k.expected);
    }
    EXPECT_EQ(WordLineArrayAccessor(words, 2, kWordSyllables, nullptr, 0), 0);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(WordLineArraysTest, IndexesOutsideTheArrayAndBadSelectorsGiveTheNeutralValue) {
    Count("one two");
    struct Case {
        WordLineHdl handle;
        SInt32 argument;
        SInt16 selector;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, 0, kWordStart, "No WordLineHdl in WordLineArrayAccessor"},
        {words, 2, kWordStart, "Word count too high in WordLineArrayAccessor"},
        {words, -1, kWordEnd, "Word count too high in WordLineArrayAccessor"},
        {words, -100000, kWordFirstOfLine, "Word count too high in WordLineArrayAccessor"},
        {words, -2, kLastWordOfLine, "Word count too high in WordLineArrayAccessor"},
        {words, 0, 39, "Bad accessor in WordLineArrayAccessor"},
        {words, 0, 19, "Bad accessor in WordLineArrayAccessor"},
    };
    for (const Case& k : cases) {
        ClearRecordedErrorMessages();
        EXPECT_EQ(WordLineArrayAccessor(k.handle, k.argument, k.selector, nullptr, 0), 1);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_EQ(RecordedErrorMessages()[0], k.message);
    }
}

TEST_F(WordLineArraysTest, AnEmptyTextHasOnlyTheSentinel) {
    EXPECT_EQ(Count(""), 0);
    EXPECT_EQ(WordLineArrayAccessor(words, 0, kWordCount, nullptr, 4), -4);
    EXPECT_EQ(WordLineArrayAccessor(words, -3, kWordAtOrAfterOffset, nullptr, 0), 0);
    EXPECT_EQ(WordLineArrayAccessor(words, 0, kWordAtOffset, nullptr, 0), -1);
    EXPECT_EQ(WordLineArrayAccessor(words, 0, kWordAtOrBeforeOffset, nullptr, 0), -1);
    EXPECT_EQ(syllables, nullptr);
}

TEST_F(WordLineArraysTest, WordsThisLineAndFindWordAtSyllable) {
    const std::string text = "make a table now ok";
    Layout(text, 100);
    Count(text);
    SInt32 word = -1;
    EXPECT_EQ(WordsThisLine(words, 1, 9, &word), 2);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(WordsThisLine(words, 0, 9, &word), 0);
    word = -1;
    EXPECT_EQ(WordsThisLine(words, 0, 30, &word), 0);
    EXPECT_EQ(word, -1);

    // Syllables: make 0, a 1, ta 2, ble 3, now 4, ok 5.
    SInt32 start = 0;
    SInt32 end = 0;
    EXPECT_EQ(FindWordAtSyllable(words, 0, 1, &start, &end), 2);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 12);
    EXPECT_EQ(FindWordAtSyllable(words, 2, 1, &start, &end), 3);
    EXPECT_EQ(FindWordAtSyllable(words, 0, 40, &start, &end), 4);
    EXPECT_EQ(FindWordAtSyllable(words, 7, 0, &start, &end), 1);
    EXPECT_EQ(RecordedErrorMessages().back(), "Word count too high in FindWordAtSyllable");
}

} // namespace
