// Counting the syllables of a text into the syllable array: vowels that open syllables (with the silent
// final e and the vowel pairs that are spoken as two), capitals of abbreviations, digits, and characters
// spoken on their own. Each syllable is attached to its word and given a default time.
#include "foundation/character_classes.h"
#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "foundation/mac_roman_case.h"
#include "foundation/syllable_arrays.h"
#include "foundation/text_counting.h"
#include "prefs/prefs_fields.h"

namespace {

constexpr SInt32 kFirstRecords = 100;
constexpr SInt64 kTicksPerMinute = 3600;
constexpr SInt32 kDefaultSyllablesPerMinute = 160;

// Two vowels in a row open a second syllable only in these pairs (previous, c in lower case), some only
// after or before certain letters (pp two back, n the next byte).
bool IsSpokenVowelPair(UInt8 p, UInt8 c, UInt8 pp, UInt8 n) {
    switch ((p << 8) | c) {
    case ('a' << 8) | 'o':
    case ('e' << 8) | 'o':
    case ('i' << 8) | 'u':
        return true;
    case ('i' << 8) | 'o':
        return pp != 's' && pp != 't';
    case ('i' << 8) | 'a':
        return pp != 'c' && pp != 's' && pp != 't';
    case ('u' << 8) | 'a':
        return pp == 'l' || pp == 'n';
    case ('i' << 8) | 'e':
        return n == 'r' || n == 'l';
    case ('u' << 8) | 'e':
        return n == 't';
    case ('o' << 8) | 'i':
        return n == 'l';
    case ('u' << 8) | 'i':
        return n == 'c' || n == 'n';
    default:
        return false;
    }
}

// Syllables a character that is no vowel opens when it is spoken on its own: a letter between white space
// and a digit, anything between two apostrophes or two double quotes, a letter standing alone, a w in a
// run of ws, and the characters spoken as words.
SInt32 SpokenAloneSyllables(UInt8 c, UInt8 p, UInt8 n, bool spaceBefore, bool spaceAfter, UInt8 lastLetter) {
    const SInt32 amount = AddSyllablesUnconditional(c);
    if (IsAlpha(c) && spaceBefore && IsNumber(n)) return amount;
    if (p == '\'' && n == '\'') return amount;
    if (p == '"' && n == '"') return amount;
    if (IsAlpha(c) && spaceBefore && spaceAfter) return amount;
    if (c == 'w' && ((n == 'w' && (spaceBefore || p == 'w')) || (n != 'w' && p == 'w'))) return amount;
    if (CountAllSyllables(c, lastLetter, n)) return amount;
    return 0;
}

// How many syllables begin at offset o; updates the last letter (or digit) seen.
SInt32 SyllablesAt(const UInt8* text, SInt32 length, SInt32 o, UInt8* lastLetter) {
    const UInt8 c = text[o];
    const UInt8 p = o > 0 ? text[o - 1] : 0;
    const UInt8 pp = o > 1 ? MacRomanToLower(text[o - 2]) : 0;
    const UInt8 n = o + 1 < length ? text[o + 1] : 0;
    // The ends of the text stand for white space, so that a word reads the same at the start or the end
    // of a script as in its middle.
    const bool spaceBefore = o == 0 || IsWhiteSpace(p);
    const bool spaceAfter = o + 1 == length || IsWhiteSpace(n);
    const UInt8 lastBefore = *lastLetter;
    if (IsAlpha(c)) *lastLetter = MacRomanToLower(c);

    if (IsCapital(c) && (IsCapital(n) || IsCapital(p))) return c == 'W' ? 3 : 1;
    const bool vowel = IsVowel(c);
    if (!vowel) {
        if (IsNumber(c)) {
            *lastLetter = c;
            return 1;
        }
        if (c == 'y' && !IsVowel(p) && !spaceBefore) return 1;
        return SpokenAloneSyllables(c, p, n, spaceBefore, spaceAfter, lastBefore);
    }
    if (IsVowel(p)) return IsSpokenVowelPair(MacRomanToLower(p), MacRomanToLower(c), pp, MacRomanToLower(n));
    const bool silentFinalE = (c == 'e' || c == 'E') && !IsAlpha(n) && p != 'h' && !(p == 'l' && pp != 'l');
    if (!silentFinalE) return 1;
    // A word of one consonant and e ("me", "be") still has its syllable.
    const bool wordStartsBefore = o == 1 || IsWhiteSpace(pp);
    return wordStartsBefore && IsAlpha(p) ? 1 : 0;
}

// Registers syllables in order, attaching each to the word it lies in and giving the syllables of each
// word and of each line their counts as the words and lines close.
struct SyllableWriter {
    GrowingRecords<SyllableRec> records;
    WordLineRec* words;
    SInt32 wordCount;
    SInt32 rate;
    SInt32 count = 0;
    SInt32 word = 0;
    SInt32 wordFirst = 0; // first syllable of the current word
    SInt32 lineFirst = 0; // first syllable of the current line

    SyllableRec* Records() { return SyllablesOf(records.handle); }

    void CloseWord() {
        if (wordFirst == count) {
            words[word].firstSyllable = -1;
        } else {
            for (SInt32 k = wordFirst; k < count; ++k)
                Records()[k].syllablesInWord = count - wordFirst;
        }
        wordFirst = count;
    }
    void CloseLine() {
        for (SInt32 k = lineFirst; k < count; ++k)
            Records()[k].syllablesOnLine = count - lineFirst;
        lineFirst = count;
    }
    // Closes words until the one that holds (or follows) offset o is current; false past the last word.
    bool ReachWordAt(SInt32 o) {
        while (o >= words[word].end) {
            if (word + 1 >= wordCount) return false;
            CloseWord();
            if (words[word + 1].line != words[word].line) CloseLine();
            ++word;
        }
        return true;
    }
    bool Register(SInt32 o) {
        if (!ReachWordAt(o)) return false;
        SyllableRec* slot = records.Slot(count);
        if (!slot) return false;
        if (wordFirst == count) words[word].firstSyllable = count;
        const SInt32 time = SInt32(count * kTicksPerMinute / rate);
        *slot = SyllableRec{o, o + 1, count, 0, 0, word, time};
        ++count;
        return true;
    }
    void Finish() {
        if (wordCount == 0) return;
        CloseWord();
        CloseLine();
        for (SInt32 w = word + 1; w < wordCount; ++w)
            words[w].firstSyllable = -1;
    }
};

// A recounted word-line array knows nothing of the syllables kept with custom times: each word gets back
// its first syllable (and that syllable's time) from the syllables' word fields.
void ReattachKeptSyllables(SyllableHdl syllables, WordLineHdl words) {
    const SInt32 wordCount = CountWordLineRecords(words);
    WordLineRec* w = WordLinesOf(words);
    for (SInt32 k = 0; k < wordCount; ++k)
        w[k].firstSyllable = -1;
    const SyllableRec* s = SyllablesOf(syllables);
    for (SInt32 k = CountSyllableRecords(syllables) - 1; k >= 0; --k) {
        if (s[k].word < 0 || s[k].word >= wordCount) continue;
        w[s[k].word].firstSyllable = k;
        w[s[k].word].firstSyllableTime = s[k].time;
    }
}

SyllableHdl NoSyllables(SyllableHdl oldSyllables, SInt32* count) {
    if (oldSyllables) MyDisposeHandle(oldSyllables, ORVALIS_HERE);
    if (count) *count = 0;
    return nullptr;
}

} // namespace

SyllableHdl AddSyllablesToSyllableStruct(const UInt8* text, SInt32 length, SyllableHdl oldSyllables,
                                         WordLineHdl words, SInt32* count) {
    if (gSyllableArrayCustom && oldSyllables) {
        UpdateLinesInSyllableStruct(oldSyllables, words, count);
        if (words) ReattachKeptSyllables(oldSyllables, words);
        return oldSyllables;
    }
    LoadCharacterClasses();
    // The old array describes a text that is gone; dropping it here keeps callers that assign the result
    // from losing the handle.
    if (!words) {
        DoErrorMessageText("No WordLineHdl in AddSyllablesToSyllableStruct");
        return NoSyllables(oldSyllables, count);
    }
    if (length <= 0 || !text) return NoSyllables(oldSyllables, count);
    if (oldSyllables) MyDisposeHandle(oldSyllables, ORVALIS_HERE);
    SyllableHdl fresh = NeedMoreSyllables(nullptr, kFirstRecords);
    if (!fresh) {
        DoErrorMessageText("Could not allocate new SyllableHdl in AddSyllablesToSyllableStruct");
        return NoSyllables(nullptr, count);
    }
    const SInt32 rate = GetPref(gThePreferences, kPrefSyllablesPerMinute);
    const SInt32 wordCount = CountWordLineRecords(words);
    SyllableWriter out{{fresh}, WordLinesOf(words), wordCount, rate > 0 ? rate : kDefaultSyllablesPerMinute};
    UInt8 lastLetter = 0;
    bool stopped = false;
    for (SInt32 o = 0; o < length && !stopped; ++o) {
        const SInt32 syllables = SyllablesAt(text, length, o, &lastLetter);
        for (SInt32 k = 0; k < syllables && !stopped; ++k) {
            if (wordCount == 0 || !out.ReachWordAt(o)) {
                DoErrorMessageText("Error syllable beyond last word");
                stopped = true;
            } else if (!out.Register(o)) {
                stopped = true;
            }
        }
    }
    if (!out.records.handle) {
        DoErrorMessageText("Could not allocate new SyllableHdl in AddSyllablesToSyllableStruct");
        for (SInt32 w = 0; w < wordCount; ++w)
            WordLinesOf(words)[w].firstSyllable = -1;
        return NoSyllables(nullptr, count);
    }
    out.Finish();
    SetHandleSize(out.records.handle, (out.count + 1) * Size(sizeof(SyllableRec)));
    RefreshSyllableSentinel(out.records.handle);
    if (count) *count = out.count;
    return out.records.handle;
}
