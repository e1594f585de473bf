// The syllable array: one record per syllable of a text with the time at which it is spoken, read and
// edited through accessors, split and joined by the syllable-sync window and repaired after such edits.
#pragma once

#include "foundation/word_line_arrays.h"

// Selectors of SyllableArrayAccessor: 0-6 and 12 take a syllable index, 7-9 an offset, 10-11 a time.
enum SyllableSelector : SInt16 {
    kSyllableStart = 0, // plus gNumBlankLinesNeeded
    kSyllableEnd = 1,   // plus gNumBlankLinesNeeded
    kSyllableIndex = 2,
    kSyllablesInWord = 3,
    kSyllablesOnLine = 4,
    kSyllableWord = 5,
    kSyllableTime = 6,
    kSyllableAtOffset = 7,
    kSyllableBeforeOffset = 8,
    kNearestSyllableOfWord = 9,
    kSyllableAtTime = 10,
    kSyllableBeforeTime = 11,
    kSyllableLine = 12,
    kSyllableRecordCount = 13
};
SInt32 SyllableArrayAccessor(SyllableHdl syllables, SInt32 argument, SInt16 selector, WordLineHdl words);
// Writes field 0-6 of one record; a negative time is stored as 0. Answers 0, or 1 when it wrote nothing.
SInt32 SyllableArraySetter(SyllableHdl syllables, SInt32 index, SInt32 value, SInt16 selector);

// Refreshes every syllable's syllables-on-line count from the lines of its word; stores the count.
void UpdateLinesInSyllableStruct(SyllableHdl syllables, WordLineHdl words, SInt32* count);
SInt32 TotalSyllables(SyllableHdl syllables);
// The first syllable whose start >= offset: stores its index and answers its syllables-on-line count;
// 1 when there is none.
SInt32 SyllablesThisLine(SyllableHdl syllables, SInt32 offset, SInt32* index);
// Syllable n of a word (counting from its first): answers its index and stores its start, end and word.
SInt32 FindSyllableAtSyllable(SyllableHdl syllables, WordLineHdl words, SInt32 word, SInt32 n, SInt32* start,
                              SInt32* end, SInt32* wordIndex);
// The syllable after (direction >= 0) or before the given one, with its start and end.
SInt32 FindNextSyllable(SyllableHdl syllables, SInt32 index, SInt16 direction, SInt32* start, SInt32* end);

// Ticks at a text offset, interpolated between the syllables around it.
SInt32 GetTimeAtOffset(SyllableHdl syllables, WordLineHdl words, SInt32 offset);

// Splits: inserts a syllable at the offset. Joins: removes one syllable. Both answer the handle.
SyllableHdl AddSyllableToArray(SyllableHdl syllables, WordLineHdl words, SInt32 offset);
SyllableHdl RemoveSyllableFromArray(SyllableHdl syllables, WordLineHdl words, SInt32 index);

// Repairs records first..last in place against their predecessors (first -1 or 0 means 1, last -1 the last
// syllable). Answers 0, 1 without a syllable array, 2 without a word-line array, 3 when a syllable names
// a word past the last (the caller then runs FixWordCountError and validates again).
SInt16 ValidateSyllableArray(SyllableHdl syllables, WordLineHdl words, SInt32* lineCount, SInt32 first,
                             SInt32 last);
// Reattaches the syllables to the words that contain them.
void FixWordCountError(SyllableHdl syllables, WordLineHdl words);

// Sets the sentinel after the last syllable: start at the last syllable's end, end and time at the mark.
void RefreshSyllableSentinel(SyllableHdl syllables);
