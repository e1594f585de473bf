// The word-line array's growth, its line fields taken from the text engine, and its accessors.
#include "foundation/word_line_arrays.h"

#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "textengine/text_engine.h"

#include <algorithm>

WordLineHdl myWordLineArray = nullptr;
SyllableHdl mySyllableArray = nullptr;

namespace {

constexpr SInt32 kGrowthStep = 100;

SInt32 ReportWordLine(const char* message) {
    DoErrorMessageText(message);
    return 1;
}

// The word with start <= offset < end, or -1; words never overlap and come in order.
SInt32 FindWordContaining(const WordLineRec* w, SInt32 count, SInt32 offset) {
    const WordLineRec* after =
        std::upper_bound(w, w + count, offset, [](SInt32 o, const WordLineRec& r) { return o < r.start; });
    if (after == w) return -1;
    const SInt32 k = SInt32(after - w) - 1;
    return offset < w[k].end ? k : -1;
}

// The last word whose start <= offset, or -1 before the first word.
SInt32 FindLastWordStartingBy(const WordLineRec* w, SInt32 count, SInt32 offset) {
    const WordLineRec* after =
        std::upper_bound(w, w + count, offset, [](SInt32 o, const WordLineRec& r) { return o < r.start; });
    return SInt32(after - w) - 1;
}

SInt32 FirstWordOfLineAt(const WordLineRec* w, SInt32 word) {
    while (word > 0 && w[word - 1].line == w[word].line)
        --word;
    return word;
}

SInt32 FirstWordOfLineNumber(const WordLineRec* w, SInt32 count, SInt32 line) {
    SInt32 word = 0;
    while (word < count && w[word].line < line)
        word += std::max(SInt32(1), w[word].wordsOnLine);
    return std::min(word, count - 1);
}

SInt32 SyllablesOnWordLine(const WordLineRec* w, SInt32 count, SInt32 word, SyllableHdl syllables) {
    const SInt32 syllableCount = CountSyllableRecords(syllables);
    for (SInt32 k = word; k < count && w[k].line == w[word].line; ++k) {
        const SInt32 first = w[k].firstSyllable;
        if (first >= 0) return first < syllableCount ? SyllablesOf(syllables)[first].syllablesOnLine : 0;
    }
    return 0;
}

} // namespace

Handle NeedMoreRecords(Handle records, SInt32 wanted, Size recordSize) {
    if (!records) return MyNewHandleClear(std::max(kGrowthStep, wanted) * recordSize, 0);
    const SInt32 current = GetHandleSize(records) / recordSize;
    if (current >= wanted) return records;
    SetHandleSize(records, std::max(current + kGrowthStep, wanted) * recordSize);
    if (MemError() != noErr) {
        MyDisposeHandle(records, ORVALIS_HERE);
        return nullptr;
    }
    return records; // the platform zeroes the bytes a handle grows by
}

WordLineHdl NeedMoreWordLines(WordLineHdl words, SInt32 wanted) {
    return NeedMoreRecords(words, wanted, sizeof(WordLineRec));
}

SyllableHdl NeedMoreSyllables(SyllableHdl syllables, SInt32 wanted) {
    return NeedMoreRecords(syllables, wanted, sizeof(SyllableRec));
}

SInt32 CountWordLineRecords(WordLineHdl words) {
    return words ? std::max(SInt32(0), GetHandleSize(words) / SInt32(sizeof(WordLineRec)) - 1) : 0;
}

SInt32 CountSyllableRecords(SyllableHdl syllables) {
    return syllables ? std::max(SInt32(0), GetHandleSize(syllables) / SInt32(sizeof(SyllableRec)) - 1) : 0;
}

SInt32 AddLinesToWordLineStruct(WordLineHdl words, WEReference we, SInt32 bias) {
    if (!we) {
        DoErrorMessageText("No WEReference in AddLinesToWordLineStruct");
        return 0;
    }
    if (!words) {
        DoErrorMessageText("No WordLineHdl in AddLinesToWordLineStruct");
        return 0;
    }
    const SInt32 lines = WECountLines(we) - bias;
    SInt32 lineStart = 0;
    SInt32 lineEnd = 0;
    auto fetchLine = [&](SInt32 line) {
        WEGetLineRange(line + bias, &lineStart, &lineEnd, we);
        lineStart -= bias;
        lineEnd -= bias;
    };
    fetchLine(0);
    SInt32 line = 0;
    SInt32 runStart = 0;
    const SInt32 count = CountWordLineRecords(words);
    WordLineRec* w = WordLinesOf(words);
    for (SInt32 k = 0; k < count; ++k) {
        if (w[k].start >= lineEnd) {
            // Words past the engine's last line stay on that line rather than on a line it does not have.
            const SInt32 previousLine = line;
            while (lineEnd <= w[k].start && line + 1 < lines)
                fetchLine(++line);
            if (line != previousLine) {
                for (SInt32 j = runStart; j < k; ++j)
                    w[j].wordsOnLine = k - runStart;
                runStart = k;
            }
        }
        w[k].lineStart = lineStart;
        w[k].lineEnd = lineEnd;
        w[k].line = line;
    }
    for (SInt32 j = runStart; j < count; ++j)
        w[j].wordsOnLine = count - runStart;
    return lines;
}

SInt32 WordLineArrayAccessor(WordLineHdl words, SInt32 argument, SInt16 selector, SyllableHdl syllables,
                             SInt32 bias) {
    if (!words) return ReportWordLine("No WordLineHdl in WordLineArrayAccessor");
    const SInt32 count = CountWordLineRecords(words);
    const WordLineRec* w = WordLinesOf(words);
    if (selector >= kWordStart && selector <= kLastWordOfLine) {
        // A line number past the last word's line still has an answer (the last word); any argument
        // that would read outside the array has the neutral one.
        const bool byLine = selector == kFirstWordOfLine || selector == kLastWordOfLine;
        if (argument < 0 || count == 0 || (!byLine && argument >= count))
            return ReportWordLine("Word count too high in WordLineArrayAccessor");
    }
    switch (selector) {
    case kWordStart:
        return w[argument].start + bias;
    case kWordEnd:
        return w[argument].end + bias;
    case kWordIndex:
        return w[argument].index;
    case kWordsOnLine:
        return w[argument].wordsOnLine;
    case kWordFirstSyllable:
        return w[argument].firstSyllable;
    case kWordFirstSyllableTime:
        return w[argument].firstSyllableTime;
    case kWordLineStart:
        return w[argument].lineStart;
    case kWordLineEnd:
        return w[argument].lineEnd;
    case kWordLine:
        return w[argument].line;
    case kWordReserved:
        return w[argument].reserved;
    case kWordSyllables: {
        const SInt32 first = w[argument].firstSyllable;
        if (first < 0 || first >= CountSyllableRecords(syllables)) return 0;
        return SyllablesOf(syllables)[first].syllablesInWord;
    }
    case kWordFirstOfLine:
        return FirstWordOfLineAt(w, argument);
    case kWordLineSyllables:
        return syllables ? SyllablesOnWordLine(w, count, argument, syllables) : 0;
    case kFirstWordOfLine:
        return FirstWordOfLineNumber(w, count, argument);
    case kLastWordOfLine: {
        const SInt32 first = FirstWordOfLineNumber(w, count, argument);
        return std::min(first + w[first].wordsOnLine - 1, count - 1);
    }
    case kWordAtOffset:
        return FindWordContaining(w, count, argument);
    case kWordAtOrAfterOffset: {
        const SInt32 k = FindLastWordStartingBy(w, count, argument);
        if (k < 0) return 0;
        if (argument < w[k].end) return k;
        return k + 1 < count ? k + 1 : -1;
    }
    case kWordAtOrBeforeOffset:
        if (count == 0 || argument < w[0].start) return -1;
        if (argument >= w[count - 1].end) return count - 1;
        return FindLastWordStartingBy(w, count, argument);
    case kWordCount:
        return count - bias;
    default:
        return ReportWordLine("Bad accessor in WordLineArrayAccessor");
    }
}

SInt32 WordsThisLine(WordLineHdl words, SInt32 line, SInt32 offset, SInt32* word) {
    if (!words) return ReportWordLine("No WordLineHdl in WordsThisLine");
    const SInt32 count = CountWordLineRecords(words);
    const WordLineRec* w = WordLinesOf(words);
    const WordLineRec* found =
        std::lower_bound(w, w + count, offset, [](const WordLineRec& r, SInt32 o) { return r.end < o; });
    if (found == w + count) return 0;
    if (word) *word = SInt32(found - w);
    return found->line == line ? found->wordsOnLine : 0;
}

SInt32 FindWordAtSyllable(WordLineHdl words, SInt32 word, SInt32 n, SInt32* start, SInt32* end) {
    if (!words) return ReportWordLine("No WordLineHdl in FindWordAtSyllable");
    const SInt32 count = CountWordLineRecords(words);
    if (word < 0 || word >= count) return ReportWordLine("Word count too high in FindWordAtSyllable");
    const WordLineRec* w = WordLinesOf(words);
    SInt32 from = word;
    if (w[word].firstSyllable < 0) {
        while (from < count && w[from].line == w[word].line)
            ++from;
        from = std::min(from, count - 1);
    }
    const UInt32 base = UInt32(w[from].firstSyllable);
    SInt32 found = count - 1;
    for (SInt32 k = from; k < count; ++k)
        if (UInt32(w[k].firstSyllable) - base > UInt32(n)) {
            found = k;
            break;
        }
    if (start) *start = w[found].start;
    if (end) *end = w[found].end;
    return found;
}
