// The one text search of the program: a pattern looked for in one of the program's texts, forwards or
// backwards from its selection, as a substring or word by word with loose matches and a character-class
// filter; and the search for the next run of a text style.
#pragma once

#include "foundation/word_line_arrays.h"
#include "platform/types.h"
#include "textengine/text_engine_types.h"

// Which text a search reads.
enum TextSourceCode : SInt16 {
    kSourceScript = 0, // the script as the prompter shows it; 1 is the same
    kSourceScriptToo = 1,
    kSourceNonverbal = 2,
    kSourceMacroEditor = 3,
    kSourceHelp = 4,
    kSourcePString = 7, // the caller's length-prefixed string
    kSourceCString = 8, // the caller's NUL-terminated string
    kSourceBuffer = 9,  // the caller's bytes with their length
    kSourceEditWindow = 10,
    kSourceDictionary = 11,
    kSourceSpellCheck = 12,
};

// The matches a search accepts (FindMatchType), a bit set.
enum : UInt16 {
    kFindExact = 0x0001,
    kFindTransposed = 0x0002,
    kFindExtraLetters = 0x0004,   // the text word has letters the pattern lacks
    kFindMissingLetters = 0x0008, // the text word lacks letters of the pattern
    kFindMisspelled = 0x0010,
    kFindPartial = 0x0020, // the text word is part of the pattern
    kFindMixedUp = 0x0040,
    kFindAnyLetter = 0x0080,
    kFindRack = 0x0100, // the word-game rack of the SearchOptions
    kFindCapitals = 0x0200,
    kFindLowerCase = 0x0400,
    kFindDigits = 0x0800,
    kFindVowels = 0x1000,
    kFindConsonants = 0x2000,
    kFindPunctuation = 0x4000,
    kFindClassMask = 0x7E00,
};

// Which limits of SearchOptions apply.
enum : UInt32 {
    kRackRequired = 2,  // the word uses the required letters
    kRackBoardWord = 4, // the word contains one of the board words
    kRackForbidden = 8, // the word has none of the forbidden letters
    kRackTemplate = 16, // the word fits the template
    kRackMinimum = 32,  // the word is at least minimumLength long
    kRackMaximum = 64,  // the word is at most maximumLength long
};

// The word-game search: which words can be made from the letters on hand. In the rack each "+" is a wild
// tile that must be used and each "-" one that may be. The tables are the search's own working copies.
struct SearchOptions {
    ConstStringPtr rack = nullptr;
    ConstStringPtr required = nullptr;
    ConstStringPtr boardWords = nullptr; // words separated by non-letters
    ConstStringPtr forbidden = nullptr;
    ConstStringPtr wordTemplate = nullptr;
    SInt32 minimumLength = 0;
    SInt32 maximumLength = 0;
    UInt32 flags = 0;
    UInt32 wildMask = 0; // out: bit i set when letter i of the found word took a wild tile
    // Counts and marks by letter (folded to lower case); the rack's "+" and "-" entries count wild tiles.
    UInt8 savedRack[256] = {};
    UInt8 forbiddenTable[256] = {};
    UInt8 requiredCounts[256] = {};
    UInt8 rackCounts[256] = {};
};

// The offset of the next match of the pattern in the source's text, or -1. Sources 7-9 read text (and
// length for 9); the others read the program's texts from their selection on. Offsets of sources 0 and 1
// are offsets in the script text (without the prompter's blank lines), of source 10 in the edit window.
// foundLength receives the pattern's length, or in whole-word mode the word's (at least 1).
SInt32 FindNextInText(SInt16 source, ConstStr255Param pattern, const void* text, SInt32 length,
                      bool wholeWords, bool backwards, UInt16 matchType, SInt32* foundLength,
                      SearchOptions* options);

// The start of the next run (from start, -1: the source's selection) whose style has the sample's
// attributes picked by mask, or -1; foundLength receives the length of the adjacent matching runs. Mask
// bits: 0 font, 1 size, 2-8 the face bits bold to extended, 9 the colour.
SInt32 FindNextStyleInText(SInt16 source, const WETextStyle* sample, UInt16 mask, SInt32* foundLength,
                           bool backwards, SInt32 start, SInt32 end);
// 0 when the run style has the sample's attributes picked by mask.
SInt16 IdenticalStyle(const WETextStyle* runStyle, const WETextStyle* sample, UInt16 mask);

// 0 when the candidate (at candidate, inside [textStart, textEnd)) matches the pattern.
SInt16 ThisMatches(const UInt8* textStart, const UInt8* candidate, const UInt8* pattern, const UInt8* textEnd,
                   SInt32 candidateLength, SInt32 patternLength, bool wholeWords, UInt16 matchType,
                   SearchOptions* options);
// The step from position to the next candidate of a whole-word search over the source's words, updating
// the word index and the candidate's length; 0 when there is no further word, ±1 outside whole-word mode.
SInt32 GetAddAmount(SInt16 source, bool backwards, bool wholeWords, SInt32 position, SInt32* word,
                    SInt32* wordLength);

// 0 when the two byte runs are equal ignoring case.
SInt16 IdenticalText(const UInt8* a, const UInt8* b, SInt32 lengthA, SInt32 lengthB);

// The loose matchers of whole-word mode; candidate is the text's word, pattern the word looked for. Each
// answers 0 on a match.
SInt16 MatchTransposed(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                       SInt32 patternLength);
SInt16 MatchExtra(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength, SInt32 patternLength);
SInt16 MatchMissing(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength);
SInt16 MatchMisspelled(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                       SInt32 patternLength);
SInt16 MatchPartial(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength);
SInt16 MatchMixedup(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength);
SInt16 MatchAny(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength, SInt32 patternLength);
// The character-class filter: 0 when every byte belongs to a class the match type allows.
SInt16 MatchMore(const UInt8* candidate, SInt32 length, UInt16 matchType);
// The word-game match of a word against the options (their counts are used up by the attempt).
SInt16 MatchScrabble(const UInt8* candidate, SearchOptions* options, SInt32 length);
// 1 when the word fits the template: runs of "+" (one letter), "-" (at most one) and "*" (any number),
// each run before a run of letters that must follow in the word.
SInt16 CheckForTemplateMatch(const UInt8* wordTemplate, SInt32 templateLength, const UInt8* word,
                             SInt32 wordLength);
// Fills the options' forbidden table and the pristine required and rack counts from their strings.
void PrepareSearchOptions(SearchOptions* options, UInt8 rackCounts[256], UInt8 requiredCounts[256]);
