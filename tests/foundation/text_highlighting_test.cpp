// Colouring the script by syllables, alternate words and alternate lines.
#include "text_measure_fixture.h"

#include "scroll/text_highlighting.h"
#include "texttools/text_tools.h"

#include <gtest/gtest.h>

namespace {

using TextHighlightingTest = TextMeasureTest;

// "make a " | "table now " | "ok" in lines of 10 characters.
const std::string kText = "make a table now ok";

RGBColor ColourAt(SInt32 offset, WEReference we) {
    WERunInfo info;
    WEGetRunInfo(offset, &info, we);
    return info.style.style.color;
}

TEST_F(TextHighlightingTest, WordsAndLinesAlternateTheirColours) {
    Layout(kText, 100);
    Count(kText);
    const RGBColor plain = ColourAt(4, we);
    HighlightWords(words, we);
    EXPECT_EQ(ColourAt(0, we), gSylWordsColor1Value);
    EXPECT_EQ(ColourAt(5, we), gSylWordsColor2Value);
    EXPECT_EQ(ColourAt(11, we), gSylWordsColor1Value);
    EXPECT_EQ(ColourAt(17, we), gSylWordsColor1Value);
    EXPECT_EQ(ColourAt(4, we), plain); // the space between words keeps its colour

    HighlightLines(words, we);
    EXPECT_EQ(ColourAt(4, we), gSylLinesColor1Value);
    EXPECT_EQ(ColourAt(7, we), gSylLinesColor2Value);
    EXPECT_EQ(ColourAt(16, we), gSylLinesColor2Value);
    EXPECT_EQ(ColourAt(18, we), gSylLinesColor1Value);
    SInt32 start = -1;
    SInt32 end = -1;
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
}

TEST_F(TextHighlightingTest, SyllablesAreColouredFromFirstToLast) {
    Layout(kText, 100);
    Count(kText);
    const RGBColor plain = ColourAt(0, we);
    HighlightSyllables(syllables, we, 2, -1);
    EXPECT_EQ(ColourAt(1, we), plain);
    EXPECT_EQ(ColourAt(8, we), gSylSylsColorValue);
    EXPECT_EQ(ColourAt(9, we), plain);
    EXPECT_EQ(ColourAt(17, we), gSylSylsColorValue);

    HighlightSyllables(nullptr, we, -1, -1);
    EXPECT_EQ(RecordedErrorMessages().back(), "No SyllableHdl in HighlightSyllables");
    HighlightLines(words, nullptr);
    EXPECT_EQ(RecordedErrorMessages().back(), "No WEReference in HighlightWords");
}

} // namespace
