// The text search: substrings and whole words in every kind of text, forwards and backwards from the
// selection, the loose word matchers, the class filter, the word-game rack and the style search.
#include "texttools/fuzzy_search.h"

#include "text_measure_fixture.h"

#include "foundation/error_dialog.h"
#include "macros/macro_windows.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/search_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<UInt8> Pascal(const std::string& s) {
    std::vector<UInt8> p(s.size() + 1);
    p[0] = UInt8(s.size());
    std::copy(s.begin(), s.end(), p.begin() + 1);
    return p;
}

Handle TextHandle(const std::string& text) {
    Handle h = NewHandle(Size(text.size()));
    std::copy(text.begin(), text.end(), *h);
    return h;
}

// Searches a caller's buffer (source 9).
SInt32 InBuffer(const std::string& text, const std::string& pattern, bool wholeWords, bool backwards,
                UInt16 type, SInt32* length = nullptr) {
    return FindNextInText(kSourceBuffer, Pascal(pattern).data(), text.data(), SInt32(text.size()), wholeWords,
                          backwards, type, length, nullptr);
}

class FuzzySearch : public TextMeasureTest {
  protected:
    // Counting the script's words for a search also sets the script's counts, which other tests read.
    void SetUp() override {
        TextMeasureTest::SetUp();
        savedCounts = {gTotalWords, gTotalLines, gTotalSyllables};
    }
    void TearDown() override {
        gTotalWords = savedCounts[0];
        gTotalLines = savedCounts[1];
        gTotalSyllables = savedCounts[2];
        for (Handle* h : {&myHelpText, &gHelpWordLineArray, &gDictionaryResource, &dictionaryWordLineArray,
                          &myNonverbalText, &gNonverbalWordLineArray, &myMacroEditorText,
                          &gMacroEditWordLineArray, &gSpellCheckResource, &spellcheckDictionaryWordLineArray,
                          &myTextResource, &myWordLineArray, &mySyllableArray}) {
            if (*h) DisposeHandle(*h);
            *h = nullptr;
        }
        HelpWEHandle = ScrollWEHandle = nullptr;
        gNumBlankLinesNeeded = 0;
        TextMeasureTest::TearDown();
    }
    // The help text (source 4) holds the text; with a view, the view shows it with the selection.
    void UseHelpText(const std::string& text, bool withView = false, SInt32 selStart = 0, SInt32 selEnd = 0) {
        myHelpText = TextHandle(text);
        if (!withView) return;
        Layout(text, 2000);
        HelpWEHandle = we;
        WESetSelection(selStart, selEnd, 0, we);
    }
    SInt32 InHelp(const std::string& pattern, bool wholeWords, bool backwards, UInt16 type,
                  SInt32* length = nullptr, SearchOptions* options = nullptr) {
        return FindNextInText(kSourceHelp, Pascal(pattern).data(), nullptr, 0, wholeWords, backwards, type,
                              length, options);
    }
    std::array<SInt32, 3> savedCounts{};
};

TEST_F(FuzzySearch, SubstringsInACallersTextForwardsAndBackwards) {
    const std::string text = "The cat sat on the mat.";
    struct Case {
        const char* pattern;
        bool backwards;
        UInt16 type;
        SInt32 want;
    } cases[] = {
        {"at", false, kFindExact, 5},
        {"at", true, kFindExact, 20},
        {"THE", false, kFindExact, 0}, // case-blind, at the very start
        {"THE", true, kFindExact, 15},
        {".", false, kFindExact, 22}, // at the very end
        {"mat.", true, kFindExact, 19},
        {"zz", false, kFindExact, -1},
        {"zz", true, kFindExact, -1},
        {"The cat sat on the mat. And more", false, kFindExact, -1}, // longer than the text
        {"T", false, kFindExact | kFindLowerCase, 6},                // the class filter passes only "t"
        {"T", true, kFindExact | kFindCapitals, 0},
        {"", false, kFindCapitals, 0}, // an empty pattern finds a character of a class
        {"", true, kFindPunctuation, 22},
        {"", false, kFindDigits, -1},
        {"", false, kFindExact, -1}, // no class asked for
    };
    for (const Case& c : cases) {
        SInt32 length = -1;
        EXPECT_EQ(InBuffer(text, c.pattern, false, c.backwards, c.type, &length), c.want)
            << '"' << c.pattern << "\" backwards " << c.backwards;
        if (c.want >= 0) {
            EXPECT_EQ(length, std::max<SInt32>(SInt32(std::strlen(c.pattern)), 1)) << c.pattern;
        }
    }
    SInt32 length = 0;
    EXPECT_EQ(InBuffer("xxab", "ab", false, false, kFindExact, &length), 2);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(InBuffer("ab3c9", "", false, false, kFindDigits, &length), 2);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(InBuffer("ab3c9", "", false, true, kFindDigits), 4);
}

TEST_F(FuzzySearch, StringSourcesAndUnknownSources) {
    const auto name = Pascal("notes.macro.txt");
    const auto dot = Pascal(".macro");
    EXPECT_EQ(FindNextInText(kSourcePString, dot.data(), name.data(), 0, false, false, kFindExact, nullptr,
                             nullptr),
              5);
    EXPECT_EQ(FindNextInText(kSourcePString, Pascal(".").data(), name.data(), 0, false, true, kFindExact,
                             nullptr, nullptr),
              11);
    EXPECT_EQ(
        FindNextInText(kSourceCString, dot.data(), "a.macro", 0, false, false, kFindExact, nullptr, nullptr),
        1);
    EXPECT_EQ(FindNextInText(kSourceCString, Pascal("a").data(), "a.macro", 0, false, true, kFindExact,
                             nullptr, nullptr),
              3);
    EXPECT_EQ(
        FindNextInText(kSourceBuffer, dot.data(), nullptr, 5, false, false, kFindExact, nullptr, nullptr),
        -1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    for (SInt16 source : {5, 6, 13}) {
        ClearRecordedErrorMessages();
        EXPECT_EQ(
            FindNextInText(source, dot.data(), "x.macro", 7, false, false, kFindExact, nullptr, nullptr), -1);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u) << source;
        EXPECT_EQ(RecordedErrorMessages()[0], "Text type not supported in FindNextInText");
    }
    // A program text that does not exist is no match, quietly.
    ClearRecordedErrorMessages();
    EXPECT_EQ(InHelp("x", false, false, kFindExact), -1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(FuzzySearch, EveryProgramTextIsSearchedWithItsWords) {
    struct Source {
        SInt16 code;
        Handle* text;
    } sources[] = {
        {kSourceNonverbal, &myNonverbalText},
        {kSourceMacroEditor, &myMacroEditorText},
        {kSourceHelp, &myHelpText},
        {kSourceDictionary, &gDictionaryResource},
        {kSourceSpellCheck, &gSpellCheckResource},
        {kSourceScript, &myTextResource},
    };
    for (const Source& s : sources) {
        *s.text = TextHandle("the others, other other.");
        SInt32 length = 0;
        EXPECT_EQ(FindNextInText(s.code, Pascal("other").data(), nullptr, 0, false, false, kFindExact,
                                 &length, nullptr),
                  4)
            << s.code;
        EXPECT_EQ(FindNextInText(s.code, Pascal("other").data(), nullptr, 0, true, false, kFindExact, &length,
                                 nullptr),
                  12)
            << s.code << ": whole words skip \"others\"";
        EXPECT_EQ(length, 5);
        EXPECT_EQ(FindNextInText(s.code, Pascal("other").data(), nullptr, 0, true, true, kFindExact, &length,
                                 nullptr),
                  -1)
            << s.code << ": backwards from the start there is nothing";
    }
}

TEST_F(FuzzySearch, WholeWordsInACallersTextAreBoundedByNonLetters) {
    struct Case {
        const char* text;
        const char* pattern;
        bool backwards;
        SInt32 want;
    } cases[] = {
        {"concatenate the cat", "cat", false, 16},
        {"concatenate the cat", "cat", true, 16},
        {"concatenate", "cat", false, -1},
        {"cat, cat2 (cat)", "cat", true, 11},
        {"cat", "cat", false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InBuffer(c.text, c.pattern, true, c.backwards, kFindExact), c.want)
            << c.text << " / " << c.pattern << " backwards " << c.backwards;
}

TEST_F(FuzzySearch, LooseWordMatchersFindTheirWordsAndNothingElse) {
    struct Case {
        const char* text;
        const char* pattern;
        UInt16 type;
        SInt32 want;
        SInt32 length;
    } cases[] = {
        {"I came from home", "form", kFindTransposed, 7, 4},
        {"I came form home", "form", kFindTransposed, -1, 0}, // identical is not transposed
        {"abcd badc", "abcd", kFindTransposed, 5, 4},         // two swapped pairs
        {"acbd", "abdc", kFindTransposed, -1, 0},             // differing places that do not cancel
        {"the colours fade", "colour", kFindExtraLetters, 4, 7},
        {"the colour fades", "colours", kFindExtraLetters, -1, 0},
        {"a colour here", "colours", kFindMissingLetters, 2, 6},
        {"a colours here", "colour", kFindMissingLetters, -1, 0},
        {"listen silent", "listen", kFindMixedUp, 7, 6},
        {"listen only", "listen", kFindMixedUp, -1, 0},
        {"we recieve mail", "receive", kFindMisspelled, 3, 7},
        {"we receive mail", "receive", kFindMisspelled, -1, 0}, // the word itself is not misspelled
        {"xyz", "receive", kFindMisspelled, -1, 0},
        {"the cat", "concatenate", kFindPartial, 4, 3},
        {"concatenates", "concatenate", kFindPartial, -1, 0},
        {"xyz bca", "abc", kFindAnyLetter, 4, 3},
        {"xyz", "abc", kFindAnyLetter, -1, 0},
        {"concatenate cat", "cat", kFindExact, 12, 3},
        {"Cat cat", "cat", kFindExact | kFindLowerCase, 4, 3}, // the class filter refuses the capital
        {"Cat cat", "cat", kFindExact | kFindCapitals, -1, 0}, // a word passes only when every letter does
        {"Cat cat", "cat", kFindExact | kFindCapitals | kFindConsonants | kFindVowels, 0, 3},
        {"one two", "", kFindExact, -1, 0},
    };
    for (const Case& c : cases) {
        UseHelpText(c.text);
        SInt32 length = 0;
        EXPECT_EQ(InHelp(c.pattern, true, false, c.type, &length), c.want) << c.text << " / " << c.pattern;
        if (c.want >= 0) {
            EXPECT_EQ(length, c.length) << c.text;
        }
        DisposeHandle(myHelpText);
        myHelpText = nullptr;
        DisposeHandle(gHelpWordLineArray);
        gHelpWordLineArray = nullptr;
    }
}

TEST_F(FuzzySearch, ASearchStartsAtTheSelectionAndStepsPastAMatchAlreadySelected) {
    const std::string text = "cat dog cat dog cat";
    struct Case {
        SInt32 selStart, selEnd;
        bool wholeWords;
        bool backwards;
        const char* pattern;
        SInt32 want;
    } cases[] = {
        {0, 3, false, false, "cat", 8},    // the selection is the match: the next one
        {0, 0, false, false, "cat", 0},    // a caret is not a match
        {8, 11, false, true, "cat", 0},    // backwards past the selected match
        {16, 19, false, false, "cat", -1}, // the last one selected: nothing further
        {0, 3, false, true, "cat", -1},    // the first one selected: nothing before
        {9, 9, false, false, "cat", 16},   // from a caret inside a match
        {0, 3, true, false, "cat", 8},     // the same word by word
        {8, 11, true, true, "cat", 0},
        {11, 11, true, false, "cat", 16}, // a caret just after a word
                                          // looks on from there
        {11, 11, true, true, "dog", 4},   // backwards never takes the word after the caret
        {16, 19, true, false, "cat", -1},
        {0, 3, true, true, "cat", -1},
        {4, 7, true, false, "dog", 12},
    };
    for (const Case& c : cases) {
        UseHelpText(text, true, c.selStart, c.selEnd);
        EXPECT_EQ(InHelp(c.pattern, c.wholeWords, c.backwards, kFindExact), c.want)
            << "selection " << c.selStart << "-" << c.selEnd << " whole " << c.wholeWords << " backwards "
            << c.backwards;
        HelpWEHandle = nullptr;
        WEDispose(we);
        we = nullptr;
        DisposeHandle(myHelpText);
        myHelpText = nullptr;
        if (gHelpWordLineArray) DisposeHandle(gHelpWordLineArray);
        gHelpWordLineArray = nullptr;
    }
}

TEST_F(FuzzySearch, TheScriptIsSearchedInItsOwnOffsetsWhileThePrompterShowsBlankLines) {
    // While the prompter loops it shows two blank lines before the script; its selection of the second
    // "cat" is at 10-13, which is 8-11 in the script.
    const std::string script = "cat dog cat dog";
    myTextResource = TextHandle(script);
    Layout(script, 2000, 2);
    ScrollWEHandle = we;
    gNumBlankLinesNeeded = 2;
    WESetSelection(10, 13, 0, we);
    for (bool wholeWords : {false, true}) {
        EXPECT_EQ(FindNextInText(kSourceScript, Pascal("cat").data(), nullptr, 0, wholeWords, true,
                                 kFindExact, nullptr, nullptr),
                  0)
            << wholeWords;
        EXPECT_EQ(FindNextInText(kSourceScript, Pascal("dog").data(), nullptr, 0, wholeWords, false,
                                 kFindExact, nullptr, nullptr),
                  12)
            << wholeWords;
    }
    EXPECT_NE(myWordLineArray, nullptr) << "whole words count the script's words when they are missing";
}

TEST_F(FuzzySearch, TheWordGameRackTemplateAndLimits) {
    struct Case {
        const char* name;
        const char* text;
        const char* rack;
        const char* required;
        const char* board;
        const char* forbidden;
        const char* wordTemplate;
        SInt32 minimum, maximum;
        UInt32 flags;
        SInt32 want;
        UInt32 wildMask;
    } cases[] = {
        {"a must-use tile stands for S", "EA SEA", "AE+", "", "", "", "", 0, 0, 0, 3, 1},
        {"a must-use tile left over", "EA", "AE+", "", "", "", "", 0, 0, 0, -1, 0},
        {"a may-use tile", "EAT", "AE-", "", "", "", "", 0, 0, 0, 0, 4},
        {"too few letters", "TEETH SEAT", "SEAT", "", "", "", "", 0, 0, 0, 6, 0},
        {"forbidden letter", "TEA SEA", "SEAT", "", "", "T", "", 0, 0, kRackForbidden, 4, 0},
        {"required letter", "SEA TEA", "SEA", "T", "", "", "", 0, 0, kRackRequired, 4, 0},
        {"minimum length", "SEA SEAT", "SEAT", "", "", "", "", 4, 0, kRackMinimum, 4, 0},
        {"maximum length", "SEAT SEA", "SEAT", "", "", "", "", 0, 3, kRackMaximum, 5, 0},
        {"board word", "SEAT SAT", "S", "", "XX, AT", "", "", 0, 0, kRackBoardWord, 5, 0},
        {"template", "AT CAT CART", "---", "", "", "", "+A*", 0, 0, kRackTemplate, 3, 5},
        {"template refuses all", "AT", "---", "", "", "", "+A*", 0, 0, kRackTemplate, -1, 0},
    };
    for (const Case& c : cases) {
        UseHelpText(c.text);
        const auto rack = Pascal(c.rack), required = Pascal(c.required), board = Pascal(c.board),
                   forbidden = Pascal(c.forbidden), wordTemplate = Pascal(c.wordTemplate);
        SearchOptions options;
        options.rack = rack.data();
        options.required = required.data();
        options.boardWords = board.data();
        options.forbidden = forbidden.data();
        options.wordTemplate = wordTemplate.data();
        options.minimumLength = c.minimum;
        options.maximumLength = c.maximum;
        options.flags = c.flags;
        EXPECT_EQ(InHelp(c.rack, true, false, kFindRack, nullptr, &options), c.want) << c.name;
        if (c.want >= 0) {
            EXPECT_EQ(options.wildMask, c.wildMask) << c.name;
        }
        DisposeHandle(myHelpText);
        myHelpText = nullptr;
        DisposeHandle(gHelpWordLineArray);
        gHelpWordLineArray = nullptr;
    }
    EXPECT_EQ(MatchScrabble(reinterpret_cast<const UInt8*>("SEA"), nullptr, 3), 1) << "no options: no match";
}

TEST_F(FuzzySearch, TemplatesFitWordsBlockByBlock) {
    struct Case {
        const char* wordTemplate;
        const char* word;
        SInt16 want;
    } cases[] = {
        {"+A*", "CAT", 1},  {"+A*", "CART", 1},     {"+A*", "AT", 0},
        {"-A*", "AT", 1},   {"-A", "AT", 0},        {"C+T", "CAT", 1},
        {"C+T", "CT", 0},   {"C-T", "CT", 1},       {"C-T", "CAT", 1},
        {"C-T", "CART", 0}, {"*T", "CAT", 1},       {"*T", "CATS", 0},
        {"", "", 1},        {"", "A", 0},           {"++", "AB", 1},
        {"++", "ABC", 0},   {"+-", "A", 1},         {"+-", "ABC", 0},
        {"*", "", 1},       {"*A*A*", "BANANA", 1}, {"*A*A*A*A*", "BANANA", 0},
        {"c+t", "CAT", 1}, // letters compare in either case
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckForTemplateMatch(reinterpret_cast<const UInt8*>(c.wordTemplate),
                                        SInt32(std::strlen(c.wordTemplate)),
                                        reinterpret_cast<const UInt8*>(c.word), SInt32(std::strlen(c.word))),
                  c.want)
            << c.wordTemplate << " / " << c.word;
}

TEST_F(FuzzySearch, StyleSearchFindsAdjacentMatchingRunsTogether) {
    // "plain " then bold 12 px over "bold", bold 14 px over " big", then plain.
    const std::string text = "plain bold big plain";
    Layout(text, 2000);
    HelpWEHandle = we;
    auto style = [&](SInt32 from, SInt32 to, UInt8 face, SInt16 size) {
        WETextStyle s;
        s.face = face;
        s.size = size;
        WESetSelection(from, to, 0, we);
        ASSERT_EQ(WESetStyle(weDoFace | weDoReplaceFace | weDoSize, &s, we), noErr);
    };
    style(0, 20, 0, 12);
    style(6, 10, 1, 12);
    style(10, 14, 1, 14);
    WETextStyle bold;
    bold.face = 1;
    bold.size = 14;
    constexpr UInt16 kBoldOnly = 1 << 2;
    constexpr UInt16 kBoldAndSize = kBoldOnly | 1 << 1;
    struct Case {
        SInt32 start, end;
        bool backwards;
        UInt16 mask;
        SInt32 want, length;
    } cases[] = {
        {0, 0, false, kBoldOnly, 6, 8}, // both bold runs as one match
        {20, 20, true, kBoldOnly, 6, 8},
        {6, 14, false, kBoldOnly, -1, 0}, // the match already found: nothing after it
        {6, 14, true, kBoldOnly, -1, 0},
        {0, 0, false, kBoldAndSize, 10, 4}, // the size picks the second run alone
        {12, 12, false, kBoldOnly, 12, 2},  // from inside a match: what lies after the start
    };
    for (const Case& c : cases) {
        SInt32 length = 0;
        EXPECT_EQ(FindNextStyleInText(kSourceHelp, &bold, c.mask, &length, c.backwards, c.start, c.end),
                  c.want)
            << c.start << " backwards " << c.backwards << " mask " << c.mask;
        if (c.want >= 0) {
            EXPECT_EQ(length, c.length) << c.start;
        }
    }
    WESetSelection(0, 0, 0, we);
    SInt32 length = 0;
    EXPECT_EQ(FindNextStyleInText(kSourceHelp, &bold, kBoldOnly, &length, false, -1, 0), 6)
        << "from the selection";
    EXPECT_EQ(FindNextStyleInText(kSourceMacroEditor, &bold, kBoldOnly, &length, false, 0, 0), -1)
        << "no view";
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_EQ(FindNextStyleInText(kSourceBuffer, &bold, kBoldOnly, &length, false, 0, 0), -1);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Text type not supported in FindNextStyleInText");
}

TEST(FuzzyMatchers, IdenticalStyleComparesOnlyTheMaskedAttributes) {
    WETextStyle a, b;
    a.font = b.font = 3;
    a.size = 12;
    b.size = 14;
    a.face = 1 | 4;
    b.face = 1;
    a.color = {0xFFFF, 0, 0};
    b.color = {0xFFFF, 0, 1};
    struct Case {
        UInt16 mask;
        SInt16 want;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 0}, {16, 1}, {1 << 9, 1}, {1 | 4 | 8 | 32, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(IdenticalStyle(&a, &b, c.mask), c.want) << c.mask;
}

} // namespace
