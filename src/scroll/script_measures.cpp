// Counting the script's measures for pacing, highlighting and the information strip.
#include "scroll/script_measures.h"

#include "foundation/syllable_arrays.h"
#include "foundation/text_counting.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kSyllableNamesMissingWord = 3;

void CountSyllables(const UInt8* text, SInt32 length) {
    mySyllableArray =
        AddSyllablesToSyllableStruct(text, length, mySyllableArray, myWordLineArray, &gTotalSyllables);
}

SInt16 ValidateWholeSyllableArray() {
    SInt32 lineCount = 0;
    return ValidateSyllableArray(mySyllableArray, myWordLineArray, &lineCount, -1, -1);
}

} // namespace

void MeasureScriptText() {
    if (!myTextResource || !ScrollWEHandle) return;
    HLock(myTextResource);
    const UInt8* text = reinterpret_cast<const UInt8*>(*myTextResource);
    const SInt32 length = SInt32(GetHandleSize(myTextResource));
    gTotalWords = CountWords(text, length, &myWordLineArray);
    gTotalLines = AddLinesToWordLineStruct(myWordLineArray, ScrollWEHandle, gNumBlankLinesNeeded);
    CountSyllables(text, length);
    HUnlock(myTextResource);
}

void MeasureAndValidateScriptText() {
    MeasureScriptText();
    if (!myTextResource || !ScrollWEHandle) return;
    if (ValidateWholeSyllableArray() != kSyllableNamesMissingWord) return;
    FixWordCountError(mySyllableArray, myWordLineArray);
    HLock(myTextResource);
    CountSyllables(reinterpret_cast<const UInt8*>(*myTextResource), SInt32(GetHandleSize(myTextResource)));
    HUnlock(myTextResource);
    ValidateWholeSyllableArray();
    gDontQuitWithoutSaving = true;
}
