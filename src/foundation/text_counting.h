// The counting passes over a Mac Roman text: words (into the word-line array), syllables with their
// default times (into the syllable array) and sentences with their paragraphs (into the sentence array).
#pragma once

#include "foundation/word_line_arrays.h"

// Six 32-bit fields.
struct SentenceRec {
    SInt32 start;
    SInt32 end; // offset of the terminating character (exclusive)
    SInt32 index;
    SInt32 paragraph;
    SInt32 sentencesInParagraph;
    SInt32 firstOfParagraph; // index of the paragraph's first sentence
};
static_assert(sizeof(SentenceRec) == 24);

using SentenceHdl = Handle;

SentenceHdl NeedMoreSentences(SentenceHdl sentences, SInt32 wanted);

// Answers the number of words. With an out handle, disposes the handle it holds and stores a new word-line
// array there (word fields only; AddLinesToWordLineStruct fills the lines).
SInt32 CountWords(const UInt8* text, SInt32 length, WordLineHdl* words);

// Builds a new syllable array for the text and its word-line array, with default times from the
// syllables-per-minute preference, disposing the old one; stores the syllable count. While the syllable
// times are the user's own (gSyllableArrayCustom), keeps the old array and only renews its line counts.
SyllableHdl AddSyllablesToSyllableStruct(const UInt8* text, SInt32 length, SyllableHdl oldSyllables,
                                         WordLineHdl words, SInt32* count);

// Answers the number of sentences and stores the number of paragraphs. With an out handle, disposes the
// handle it holds and stores a new sentence array there.
SInt32 CountSentences(const UInt8* text, SInt32 length, SentenceHdl* sentences, SInt32* paragraphs);
