// Counting the words of a text into the word-line array: runs of letters, digits, apostrophes and embedded
// periods and dashes, plus the characters that are spoken as words of their own.
#include "foundation/character_classes.h"
#include "foundation/checked_wrappers.h"
#include "foundation/text_counting.h"

namespace {

constexpr SInt32 kFirstRecords = 100;

bool IsWordCharacter(UInt8 c, UInt8 previous, UInt8 next) {
    return IsAlpha(c) || IsNumber(c) || c == '\'' || IsEmbeddedPeriod(c, previous, next) ||
           IsEmbeddedDash(c, previous, next);
}

} // namespace

SInt32 CountWords(const UInt8* text, SInt32 length, WordLineHdl* words) {
    LoadCharacterClasses();
    if (words && *words) {
        MyDisposeHandle(*words, ORVALIS_HERE);
        *words = nullptr;
    }
    GrowingRecords<WordLineRec> out{NeedMoreWordLines(nullptr, kFirstRecords)};
    SInt32 count = 0;
    SInt32 lastEnd = 0;
    bool inWord = false;
    UInt8 lastWordCharacter = 0;
    for (SInt32 o = 0; o < length && text; ++o) {
        const UInt8 c = text[o];
        const UInt8 previous = o > 0 ? text[o - 1] : 0;
        const UInt8 next = o + 1 < length ? text[o + 1] : 0;
        if (IsWordCharacter(c, previous, next)) {
            if (!inWord) {
                if (WordLineRec* r = out.Slot(count)) {
                    r->start = o;
                    r->index = count;
                }
                ++count;
                inWord = true;
            }
            lastWordCharacter = c;
            continue;
        }
        if (inWord) {
            if (WordLineRec* r = out.Slot(count - 1)) r->end = o;
            lastEnd = o;
            inWord = false;
        }
        if (CountAllSyllables(c, lastWordCharacter, next)) {
            if (WordLineRec* r = out.Slot(count)) {
                r->start = o;
                r->end = o + 1;
                r->index = count;
            }
            ++count;
            lastEnd = o + 1;
        }
    }
    if (inWord) {
        if (WordLineRec* r = out.Slot(count - 1)) r->end = length;
        lastEnd = length;
    }
    Handle made = out.Close(count, WordLineRec{lastEnd, kArrayEndMark, 0, 0, 0, kArrayEndMark, 0, 0, 0, 0});
    if (words)
        *words = made;
    else if (made)
        MyDisposeHandle(made, ORVALIS_HERE);
    return count;
}
