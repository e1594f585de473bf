// Reading the syllable array: its accessors and setter, the line counts of its records, the searches of the
// syllable-sync window, and the time at a text offset.
#include "foundation/syllable_arrays.h"

#include "foundation/error_dialog.h"
#include "scroll/scroll_position.h"

#include <algorithm>

namespace {

SInt32 ReportSyllable(const char* message) {
    DoErrorMessageText(message);
    return 1;
}

// The first syllable whose start >= offset, or count when none. Counting, splitting, joining and the
// repair pass keep the starts in order.
SInt32 FirstSyllableFrom(const SyllableRec* s, SInt32 count, SInt32 offset) {
    return SInt32(
        std::lower_bound(s, s + count, offset, [](const SyllableRec& r, SInt32 o) { return r.start < o; }) -
        s);
}

SInt32 SyllableAtOffset(const SyllableRec* s, SInt32 count, SInt32 offset) {
    const SInt32 k = FirstSyllableFrom(s, count, offset);
    return k < count ? k : count - 1;
}

// Times may be the user's own and out of order until repaired, so they are searched in order.
SInt32 SyllableAtTime(const SyllableRec* s, SInt32 count, SInt32 time) {
    for (SInt32 k = 0; k < count; ++k)
        if (s[k].time >= time) return k;
    return count - 1;
}

SInt32 NearestSyllableOfWord(const SyllableRec* s, SInt32 count, SInt32 offset, WordLineHdl words) {
    SInt32 k = SyllableAtOffset(s, count, offset);
    if (!words || k < 0) return k;
    const SInt32 wordCount = CountWordLineRecords(words);
    const WordLineRec* w = WordLinesOf(words);
    auto wordStart = [&](SInt32 syllable) {
        const SInt32 word = s[syllable].word;
        return word >= 0 && word < wordCount ? w[word].start : s[syllable].start;
    };
    while (k > 0 && offset < wordStart(k))
        --k;
    if (k > 0 && offset < s[k].start && offset - s[k - 1].start < s[k].start - offset) return k - 1;
    return k;
}

SInt32 LineOfSyllable(const SyllableRec& s, const WordLineRec* w, SInt32 wordCount) {
    return s.word >= 0 && s.word < wordCount ? w[s.word].line : -1;
}

} // namespace

void RefreshSyllableSentinel(SyllableHdl syllables) {
    const SInt32 count = CountSyllableRecords(syllables);
    SyllableRec* s = SyllablesOf(syllables);
    s[count] = SyllableRec{count > 0 ? s[count - 1].end : 0, kArrayEndMark, 0, 0, 0, 0, kArrayEndMark};
}

SInt32 SyllableArrayAccessor(SyllableHdl syllables, SInt32 argument, SInt16 selector, WordLineHdl words) {
    if (!syllables) return ReportSyllable("No SyllableHdl in SyllableArrayAccessor");
    const SInt32 count = CountSyllableRecords(syllables);
    const SyllableRec* s = SyllablesOf(syllables);
    // Indexes up to the sentinel may be read; anything else would read outside the array.
    const bool byIndex =
        (selector >= kSyllableStart && selector <= kSyllableTime) || selector == kSyllableLine;
    if (byIndex && (argument < 0 || argument > count))
        return ReportSyllable("Syllable too high in SyllableArrayAccessor");
    switch (selector) {
    case kSyllableStart:
        return s[argument].start + gNumBlankLinesNeeded;
    case kSyllableEnd:
        return s[argument].end + gNumBlankLinesNeeded;
    case kSyllableIndex:
        return s[argument].index;
    case kSyllablesInWord:
        return s[argument].syllablesInWord;
    case kSyllablesOnLine:
        return s[argument].syllablesOnLine;
    case kSyllableWord:
        return s[argument].word;
    case kSyllableTime:
        return s[argument].time;
    case kSyllableAtOffset:
        return SyllableAtOffset(s, count, argument);
    case kSyllableBeforeOffset:
        return std::max(SInt32(0), SyllableAtOffset(s, count, argument) - 1);
    case kNearestSyllableOfWord:
        return NearestSyllableOfWord(s, count, argument, words);
    case kSyllableAtTime:
        return SyllableAtTime(s, count, argument);
    case kSyllableBeforeTime:
        return std::max(SInt32(0), SyllableAtTime(s, count, argument) - 1);
    case kSyllableLine: {
        const SInt32 line =
            LineOfSyllable(s[argument], words ? WordLinesOf(words) : nullptr, CountWordLineRecords(words));
        return std::max(SInt32(0), line);
    }
    case kSyllableRecordCount:
        return count + 1;
    default:
        return ReportSyllable("Bad accessor in SyllableArrayAccessor");
    }
}

SInt32 SyllableArraySetter(SyllableHdl syllables, SInt32 index, SInt32 value, SInt16 selector) {
    if (!syllables) return ReportSyllable("No SyllableHdl in SyllableArraySetter");
    if (index < 0 || index >= CountSyllableRecords(syllables))
        return ReportSyllable("Syllable too high in SyllableArraySetter");
    if (selector < kSyllableStart || selector > kSyllableTime)
        return ReportSyllable("access value not supported in SyllableArraySetter");
    SInt32* fields = &SyllablesOf(syllables)[index].start;
    fields[selector] = selector == kSyllableTime ? std::max(SInt32(0), value) : value;
    return 0;
}

void UpdateLinesInSyllableStruct(SyllableHdl syllables, WordLineHdl words, SInt32* count) {
    if (!syllables) {
        DoErrorMessageText("SyllableHdl missing in UpdateLinesInSyllableStruct");
        return;
    }
    if (!words) {
        DoErrorMessageText("WordLineHdl missing in UpdateLinesInSyllableStruct");
        return;
    }
    const SInt32 n = CountSyllableRecords(syllables);
    const SInt32 wordCount = CountWordLineRecords(words);
    SyllableRec* s = SyllablesOf(syllables);
    const WordLineRec* w = WordLinesOf(words);
    auto closeRun = [s](SInt32 from, SInt32 to) {
        for (SInt32 k = from; k < to; ++k)
            s[k].syllablesOnLine = to - from;
    };
    SInt32 runStart = 0;
    SInt32 runLine = -1;
    for (SInt32 k = 0; k < n; ++k) {
        const SInt32 line = LineOfSyllable(s[k], w, wordCount);
        if (line < 0) continue; // a syllable without a word stays in the run it lies in
        if (runLine >= 0 && line != runLine) {
            closeRun(runStart, k);
            runStart = k;
        }
        runLine = line;
    }
    closeRun(runStart, n);
    if (count) *count = n;
}

SInt32 TotalSyllables(SyllableHdl syllables) {
    if (!syllables) return ReportSyllable("No SyllableHdl in TotalSylalbles");
    return CountSyllableRecords(syllables);
}

SInt32 SyllablesThisLine(SyllableHdl syllables, SInt32 offset, SInt32* index) {
    if (!syllables) return ReportSyllable("No SyllableHdl in SyllablesThisLine");
    const SInt32 count = CountSyllableRecords(syllables);
    const SyllableRec* s = SyllablesOf(syllables);
    const SInt32 k = FirstSyllableFrom(s, count, offset);
    if (k >= count) return 1;
    if (index) *index = k;
    return s[k].syllablesOnLine;
}

SInt32 FindSyllableAtSyllable(SyllableHdl syllables, WordLineHdl words, SInt32 word, SInt32 n, SInt32* start,
                              SInt32* end, SInt32* wordIndex) {
    if (!syllables) return ReportSyllable("No SyllableHdl in FindSyllableAtSyllable");
    if (!words) return ReportSyllable("No WordLineHdl in FindSyllableAtSyllable");
    if (word < 0 || word >= CountWordLineRecords(words))
        return ReportSyllable("Word too high in FindSyllableAtSyllable");
    if (n < 0) return 1;
    const SInt32 first = WordLinesOf(words)[word].firstSyllable;
    if (first < 0) return ReportSyllable("Syllable not found in FindSyllableAtSyllable");
    const SInt32 k = first + n;
    if (k >= CountSyllableRecords(syllables))
        return ReportSyllable("Syllable too high in FindSyllableAtSyllable");
    const SyllableRec& s = SyllablesOf(syllables)[k];
    if (start) *start = s.start;
    if (end) *end = s.end;
    if (wordIndex) *wordIndex = s.word;
    return k;
}

SInt32 FindNextSyllable(SyllableHdl syllables, SInt32 index, SInt16 direction, SInt32* start, SInt32* end) {
    if (!syllables) return ReportSyllable("No SyllableHdl in FindNextSyllable");
    const SInt32 count = CountSyllableRecords(syllables);
    index = std::clamp(index, SInt32(0), std::max(SInt32(0), count - 1));
    // Forward movement stops one short of the last syllable, as the syllable-sync window expects.
    if (direction >= 0) {
        if (index < count - 2) ++index;
    } else if (index > 0) {
        --index;
    }
    const SyllableRec& s = SyllablesOf(syllables)[index];
    if (start) *start = s.start;
    if (end) *end = s.end;
    return index;
}

SInt32 GetTimeAtOffset(SyllableHdl syllables, WordLineHdl, SInt32 offset) {
    if (!syllables) {
        DoErrorMessageText("No SyllableHdl in GetTimeAtOffset");
        return 0;
    }
    const SInt32 count = CountSyllableRecords(syllables);
    if (count == 0) return 0;
    const SyllableRec* s = SyllablesOf(syllables);
    const SInt64 o = std::max(SInt32(0), offset);
    const SInt32 next = FirstSyllableFrom(s, count, SInt32(o));
    if (next < count) {
        // Between the start of the text (time 0) or the syllable before and the syllable at or after o.
        const SInt64 fromStart = next > 0 ? s[next - 1].start : 0;
        const SInt64 fromTime = next > 0 ? s[next - 1].time : 0;
        const SInt64 span = s[next].start - fromStart;
        if (span <= 0) return SInt32(fromTime);
        return SInt32(fromTime + (o - fromStart) * (s[next].time - fromTime) / span);
    }
    // Past the last syllable's start: go on at the text's own pace so far, or, when that is unknown, a
    // tick per character.
    const SyllableRec& last = s[count - 1];
    const SInt64 past = o - last.start;
    if (last.start > 0 && last.time > 0) return SInt32(last.time + past * last.time / last.start);
    return SInt32(last.time + past);
}
