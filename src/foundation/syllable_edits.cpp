// Editing the syllable array by hand: splitting and joining syllables, and the repair passes that bring
// the records back into order and onto the right words afterwards.
#include "foundation/syllable_arrays.h"

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

// Added after the last syllable when a split makes a new last one.
constexpr SInt32 kTicksAfterLastSyllable = 30;

// Gives every syllable of the run of syllables of `word` around index k its word's syllable count.
void RecountWordAround(SyllableRec* s, SInt32 count, SInt32 k) {
    if (k < 0 || k >= count) return;
    const SInt32 word = s[k].word;
    SInt32 first = k;
    SInt32 last = k;
    while (first > 0 && s[first - 1].word == word)
        --first;
    while (last + 1 < count && s[last + 1].word == word)
        ++last;
    for (SInt32 j = first; j <= last; ++j)
        s[j].syllablesInWord = last - first + 1;
}

// The word on `line` whose start <= offset <= end, or -1.
SInt32 WordOnLineAt(const WordLineRec* w, SInt32 wordCount, SInt32 line, SInt32 offset) {
    for (SInt32 k = 0; k < wordCount; ++k) {
        if (line >= 0 && w[k].line != line) continue;
        if (w[k].start <= offset && offset <= w[k].end) return k;
    }
    return -1;
}

} // namespace

SyllableHdl AddSyllableToArray(SyllableHdl syllables, WordLineHdl words, SInt32 offset) {
    if (!syllables) {
        DoErrorMessageText("No SyllableHdl in AddSyllableToArray");
        return syllables;
    }
    if (!words) {
        DoErrorMessageText("No WordLineHdl in AddSyllableToArray");
        return syllables;
    }
    const SInt32 count = CountSyllableRecords(syllables);
    const SInt32 wordCount = CountWordLineRecords(words);
    SInt32 k = 0;
    while (k < count && SyllablesOf(syllables)[k].start < offset)
        ++k;
    SInt32 line = -1;
    if (count > 0) {
        const SInt32 neighbourWord = SyllablesOf(syllables)[std::min(k, count - 1)].word;
        if (neighbourWord >= 0 && neighbourWord < wordCount) line = WordLinesOf(words)[neighbourWord].line;
    }
    const SInt32 word = WordOnLineAt(WordLinesOf(words), wordCount, line, offset);

    SetHandleSize(syllables, (count + 2) * Size(sizeof(SyllableRec)));
    if (MemError() != noErr) return syllables;
    SyllableRec* s = SyllablesOf(syllables);
    std::move_backward(s + k, s + count + 1, s + count + 2);
    SInt32 time = 0;
    if (k > 0)
        time = k == count ? s[k - 1].time + kTicksAfterLastSyllable : (s[k - 1].time + s[k + 1].time) / 2;
    s[k] = SyllableRec{offset, offset + 1, k, 0, 0, word, time};
    for (SInt32 j = k + 1; j <= count; ++j)
        s[j].index = j;

    WordLineRec* w = WordLinesOf(words);
    for (SInt32 v = 0; v < wordCount; ++v)
        if (v != word && w[v].firstSyllable >= k) ++w[v].firstSyllable;
    if (word >= 0 && (w[word].firstSyllable < 0 || w[word].firstSyllable >= k)) w[word].firstSyllable = k;
    RecountWordAround(s, count + 1, k);
    UpdateLinesInSyllableStruct(syllables, words, nullptr);
    RefreshSyllableSentinel(syllables);
    return syllables;
}

SyllableHdl RemoveSyllableFromArray(SyllableHdl syllables, WordLineHdl words, SInt32 index) {
    if (!syllables) {
        DoErrorMessageText("No SyllableHdl in RemoveSyllableFromArray");
        return syllables;
    }
    if (!words) {
        DoErrorMessageText("No WordLineHdl in RemoveSyllableFromArray");
        return syllables;
    }
    const SInt32 count = CountSyllableRecords(syllables);
    if (index < 0 || index >= count) return syllables;
    SyllableRec* s = SyllablesOf(syllables);
    const SInt32 word = s[index].word;
    const bool lastOfWord =
        (index == 0 || s[index - 1].word != word) && (index + 1 >= count || s[index + 1].word != word);
    std::move(s + index + 1, s + count + 1, s + index);
    SetHandleSize(syllables, count * Size(sizeof(SyllableRec)));
    if (MemError() != noErr) return syllables;
    s = SyllablesOf(syllables);
    for (SInt32 j = index; j < count - 1; ++j)
        s[j].index = j;

    const SInt32 wordCount = CountWordLineRecords(words);
    WordLineRec* w = WordLinesOf(words);
    if (word >= 0 && word < wordCount && lastOfWord) w[word].firstSyllable = -1;
    for (SInt32 v = 0; v < wordCount; ++v)
        if (w[v].firstSyllable > index) --w[v].firstSyllable;
    if (!lastOfWord)
        RecountWordAround(s, count - 1, index < count - 1 && s[index].word == word ? index : index - 1);
    UpdateLinesInSyllableStruct(syllables, words, nullptr);
    if (count > 1) RefreshSyllableSentinel(syllables);
    return syllables;
}

SInt16 ValidateSyllableArray(SyllableHdl syllables, WordLineHdl words, SInt32*, SInt32 first, SInt32 last) {
    if (!syllables) return 1;
    if (!words) return 2;
    if (gTotalLines == -1 && ScrollWEHandle) gTotalLines = WECountLines(ScrollWEHandle);
    const SInt32 count = CountSyllableRecords(syllables);
    const SInt32 wordCount = CountWordLineRecords(words);
    if (first <= 0) first = 1;
    if (last == -1 || last >= count) last = count - 1;
    SyllableRec* s = SyllablesOf(syllables);
    const WordLineRec* w = WordLinesOf(words);
    auto lineOf = [&](SInt32 word) { return word >= 0 && word < wordCount ? w[word].line : -1; };
    // Each kind of disorder is reported once per pass, not once per record.
    bool reportedWordOrder = false;
    bool reportedLineOrder = false;
    bool reportedLineRange = false;
    for (SInt32 i = first; i <= last; ++i) {
        const SyllableRec& previous = s[i - 1];
        SyllableRec& r = s[i];
        r.start = std::max(r.start, previous.start);
        r.end = std::max(r.end, previous.end);
        r.index = i;
        if (r.word < previous.word && !reportedWordOrder) {
            DoErrorMessageText("Invalid myword order in ValidateSyllableArray");
            reportedWordOrder = true;
        }
        if (r.word >= wordCount) {
            DoErrorMessageText("Word out of range in ValidateSyllableArray, will attempt to update");
            return 3;
        }
        if (r.word == previous.word) r.syllablesInWord = previous.syllablesInWord;
        const SInt32 line = lineOf(r.word);
        const SInt32 previousLine = lineOf(previous.word);
        if (line >= 0) {
            if (line < previousLine && !reportedLineOrder) {
                DoErrorMessageText("Invalid line order in ValidateSyllableArray");
                reportedLineOrder = true;
            }
            if (gTotalLines >= 0 && line >= gTotalLines && !reportedLineRange) {
                DoErrorMessageText("Line out of range in ValidateSyllableArray");
                reportedLineRange = true;
            }
            if (line == previousLine) r.syllablesOnLine = previous.syllablesOnLine;
        }
        if (r.time <= previous.time) r.time = previous.time + 1;
    }
    return 0;
}

void FixWordCountError(SyllableHdl syllables, WordLineHdl words) {
    const SInt32 count = CountSyllableRecords(syllables);
    const SInt32 wordCount = CountWordLineRecords(words);
    if (count < 1 || wordCount < 1) return;
    SyllableRec* s = SyllablesOf(syllables);
    WordLineRec* w = WordLinesOf(words);
    // Words the walk passes over keep no syllable.
    for (SInt32 v = 0; v < wordCount; ++v)
        w[v].firstSyllable = -1;
    w[0].firstSyllable = 0;
    w[0].firstSyllableTime = s[0].time;
    SInt32 current = 0;
    SInt32 runStart = 0;
    auto closeRun = [s](SInt32 from, SInt32 to) {
        for (SInt32 k = from; k < to; ++k)
            s[k].syllablesInWord = to - from;
    };
    for (SInt32 i = 0; i < count; ++i) {
        if (s[i].word != current && s[i].start >= w[0].end) {
            // The word that holds the syllable or, when it lies between words, the word after the gap.
            SInt32 k = current;
            while (k < wordCount - 1 && w[k].end <= s[i].start)
                ++k;
            if (k != current) {
                closeRun(runStart, i);
                runStart = i;
                current = k;
                w[current].firstSyllable = i;
                w[current].firstSyllableTime = s[i].time;
            }
        }
        s[i].word = current;
    }
    closeRun(runStart, count);
}
