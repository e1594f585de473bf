// The word-line and syllable records, the prompter script's arrays and counts, and the word-line array's
// growth, line fields and accessors, through which pacing, the highlight and the bouncing ball read it.
#pragma once

#include "textengine/text_engine_types.h"

#include "platform/memory.h"
#include "platform/types.h"

// Ten 32-bit fields, kept in host order in memory; documents store them field by field.
struct WordLineRec {
    SInt32 start;             // offset of the word's first character
    SInt32 end;               // offset just past its last character
    SInt32 index;             // word number from 0
    SInt32 wordsOnLine;       // same in every word of a line
    SInt32 firstSyllable;     // -1 when the word has none
    SInt32 firstSyllableTime; // set by FixWordCountError, else 0
    SInt32 lineStart;
    SInt32 lineEnd;
    SInt32 line; // line number from 0
    SInt32 reserved;
};
static_assert(sizeof(WordLineRec) == 40);

// Seven 32-bit fields.
struct SyllableRec {
    SInt32 start; // the byte that opened the syllable
    SInt32 end;   // start + 1 when counted; the syllable's end after edits
    SInt32 index;
    SInt32 syllablesInWord;
    SInt32 syllablesOnLine;
    SInt32 word; // index into the word-line array
    SInt32 time; // ticks from the start of the text at which it is spoken
};
static_assert(sizeof(SyllableRec) == 28);

using WordLineHdl = Handle;
using SyllableHdl = Handle;

// The sentinel's end (and time) after the last record of each array.
inline constexpr SInt32 kArrayEndMark = 0x7FFFFFFF;

// The prompter script's arrays and counts, rebuilt together whenever the text or its width changes.
// gTotalLines -1 means the lines are not counted yet.
extern WordLineHdl myWordLineArray;
extern SyllableHdl mySyllableArray;
extern SInt32 gTotalWords;
extern SInt32 gTotalLines;
extern SInt32 gTotalSyllables;
// The syllable times are the user's own: recounting keeps the syllable array, and documents store it.
extern bool gSyllableArrayCustom;

// Grows an array to hold at least wanted records (a null handle gets max(100, wanted)), zeroing the new
// records; on failure disposes the handle and answers null.
WordLineHdl NeedMoreWordLines(WordLineHdl words, SInt32 wanted);
SyllableHdl NeedMoreSyllables(SyllableHdl syllables, SInt32 wanted);
// The same for any array of records of recordSize bytes.
Handle NeedMoreRecords(Handle records, SInt32 wanted, Size recordSize);

// Writes records one by one into an array that grows as they come, leaving room for the sentinel. Once
// the array cannot grow it is gone (null) and Slot answers null, so that a count can go on without records.
template <typename Record> struct GrowingRecords {
    Handle handle;
    SInt32 capacity = handle ? GetHandleSize(handle) / SInt32(sizeof(Record)) : 0;

    Record* Slot(SInt32 index) {
        if (!handle) return nullptr;
        if (index + 1 >= capacity) {
            // Growing by half again keeps long texts from copying the array a hundred records at a time.
            handle = NeedMoreRecords(handle, index + 2 + capacity / 2, sizeof(Record));
            if (!handle) return nullptr;
            capacity = GetHandleSize(handle) / SInt32(sizeof(Record));
        }
        return reinterpret_cast<Record*>(*handle) + index;
    }
    // Cuts the array to count records and the sentinel after them (the slots asked for always leave room,
    // so this only shrinks); answers the handle, null when it could not grow.
    Handle Close(SInt32 count, const Record& sentinel) {
        if (!handle) return nullptr;
        SetHandleSize(handle, (count + 1) * Size(sizeof(Record)));
        reinterpret_cast<Record*>(*handle)[count] = sentinel;
        return handle;
    }
};

// Records less the sentinel; 0 for a null handle.
SInt32 CountWordLineRecords(WordLineHdl words);
SInt32 CountSyllableRecords(SyllableHdl syllables);
inline WordLineRec* WordLinesOf(WordLineHdl words) {
    return reinterpret_cast<WordLineRec*>(*words);
}
inline SyllableRec* SyllablesOf(SyllableHdl syllables) {
    return reinterpret_cast<SyllableRec*>(*syllables);
}

// Fills the line fields of every word from the text engine's lines; bias is the number of one-return
// lines put before the text in the engine. Answers the number of lines of the text.
SInt32 AddLinesToWordLineStruct(WordLineHdl words, WEReference we, SInt32 bias);

// Selectors of WordLineArrayAccessor.
enum WordLineSelector : SInt16 {
    kWordStart = 20,
    kWordEnd = 21,
    kWordIndex = 22,
    kWordsOnLine = 23,
    kWordFirstSyllable = 24,
    kWordFirstSyllableTime = 25,
    kWordLineStart = 26,
    kWordLineEnd = 27,
    kWordLine = 28,
    kWordReserved = 29,
    kWordSyllables = 30,
    kWordFirstOfLine = 31,
    kWordLineSyllables = 32,
    kFirstWordOfLine = 33,
    kLastWordOfLine = 34,
    kWordAtOffset = 35,
    kWordAtOrAfterOffset = 36,
    kWordAtOrBeforeOffset = 37,
    kWordCount = 38
};
// Reads a word's field or answers a question about words (by word index, line number or offset). bias is
// added to the start and end (selectors 20, 21) and subtracted from the count (38).
SInt32 WordLineArrayAccessor(WordLineHdl words, SInt32 argument, SInt16 selector, SyllableHdl syllables,
                             SInt32 bias);

// The first word whose end >= offset: stores its index and answers its words-on-line count when it lies on
// the given line, else 0; 0 when there is no such word.
SInt32 WordsThisLine(WordLineHdl words, SInt32 line, SInt32 offset, SInt32* word);
// The first word from the given one (or, when it has no syllable, from the next line's first word) whose
// first syllable lies more than n syllables on; the last word when none.
SInt32 FindWordAtSyllable(WordLineHdl words, SInt32 word, SInt32 n, SInt32* start, SInt32* end);
