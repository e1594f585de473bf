// Colouring a text by its measures: every syllable (first..last, -1 for either end), alternate words or
// alternate lines, in the colours chosen in the syllable-sync window.
#pragma once

#include "foundation/word_line_arrays.h"

void HighlightSyllables(SyllableHdl syllables, WEReference we, SInt32 first, SInt32 last);
void HighlightWords(WordLineHdl words, WEReference we);
void HighlightLines(WordLineHdl words, WEReference we);
