// Counting the sentences of a text into the sentence array, each with its paragraph: a sentence opens at
// the first character that is no white space and ends at a line end or at ".", "!" or "?" before white
// space; a paragraph ends at a line end.
#include "foundation/character_classes.h"
#include "foundation/checked_wrappers.h"
#include "foundation/text_counting.h"

namespace {

constexpr SInt32 kFirstRecords = 100;

} // namespace

SentenceHdl NeedMoreSentences(SentenceHdl sentences, SInt32 wanted) {
    return NeedMoreRecords(sentences, wanted, sizeof(SentenceRec));
}

SInt32 CountSentences(const UInt8* text, SInt32 length, SentenceHdl* sentences, SInt32* paragraphs) {
    LoadCharacterClasses();
    if (!text) length = 0;
    if (sentences && *sentences) {
        MyDisposeHandle(*sentences, ORVALIS_HERE);
        *sentences = nullptr;
    }
    // An empty text still gets its sentinel, so that no caller keeps the array of a text that is gone.
    GrowingRecords<SentenceRec> out{NeedMoreSentences(nullptr, kFirstRecords)};
    SInt32 count = 0;
    SInt32 paragraphCount = 0;
    SInt32 lastEnd = 0;
    bool sentenceOpen = false;
    bool paragraphOpen = false;
    SInt32 paragraphFirst = 0;
    SInt32 paragraphSentences = 0;
    auto closeParagraph = [&] {
        for (SInt32 k = paragraphFirst; k < count; ++k)
            if (SentenceRec* r = out.Slot(k)) r->sentencesInParagraph = paragraphSentences;
        paragraphOpen = false;
    };
    for (SInt32 o = 0; o < length; ++o) {
        const UInt8 c = text[o];
        const UInt8 previous = o > 0 ? text[o - 1] : 0;
        const UInt8 next = o + 1 < length ? text[o + 1] : 0;
        if (!IsWhiteSpace(c) && !sentenceOpen) {
            if (!paragraphOpen) {
                paragraphOpen = true;
                paragraphFirst = count;
                paragraphSentences = 0;
                ++paragraphCount;
            }
            ++paragraphSentences;
            if (SentenceRec* r = out.Slot(count)) {
                r->start = o;
                r->index = count;
                r->paragraph = paragraphCount - 1;
                r->firstOfParagraph = paragraphFirst;
            }
            ++count;
            sentenceOpen = true;
        }
        if (paragraphOpen && (c == 13 || c == 10 || o == length - 1)) closeParagraph();
        if (sentenceOpen && IsSentenceTerminator(previous, c, next)) {
            if (SentenceRec* r = out.Slot(count - 1)) r->end = o;
            lastEnd = o;
            sentenceOpen = false;
        }
    }
    if (sentenceOpen) {
        if (SentenceRec* r = out.Slot(count - 1)) r->end = length;
        lastEnd = length;
    }
    Handle made = out.Close(count, SentenceRec{lastEnd, kArrayEndMark, 0, 0, 0, 0});
    if (sentences)
        *sentences = made;
    else if (made)
        MyDisposeHandle(made, ORVALIS_HERE);
    if (paragraphs) *paragraphs = paragraphCount;
    return count;
}
