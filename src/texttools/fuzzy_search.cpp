// Finding the next match of a pattern in one of the program's texts: where each text and its selection
// come from, where the search starts, and the walk over candidates forwards or backwards.
#include "texttools/fuzzy_search.h"

#include "foundation/error_dialog.h"
#include "foundation/mac_roman_case.h"
#include "foundation/text_counting.h"
#include "macros/macro_windows.h"
#include "platform/memory.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/search_texts.h"

#include <algorithm>
#include <array>
#include <cstring>

// How a search stays linear in the text's length, whatever the match kind:
// - A substring search compares the pattern (at most 255 bytes) at the places a Horspool skip table
//   leaves, so it reads each text byte a bounded number of times, and an absent pattern usually lets it
//   jump a pattern's length at a time.
// - A search for an empty pattern tests one byte per place.
// - A whole-word search over a text with word data visits each word once; every loose matcher refuses a
//   word whose length rules it out before comparing, and those that compare do it in time bounded by the
//   word's length times the pattern's (at most 255), so the total is bounded by the text's length times a
//   constant. The word-game match refuses words longer than all its letters together.
// - A whole-word search over a caller's text tests each place once, with a pattern-sized candidate.

namespace {

constexpr SInt16 kMatch = 0;

// One text as a search reads it.
struct SearchSource {
    Handle handle = nullptr; // locked while the search reads it
    SInt8 savedState = 0;
    const UInt8* bytes = nullptr;
    SInt32 length = 0;
    WEReference we = nullptr;
    Handle* words = nullptr; // the text's word data, counted when missing
    SInt32* wordCount = nullptr;
    bool script = false;        // the script text (sources 0, 1, 10)
    bool exactStepPast = false; // a selection is stepped past only when it equals the pattern exactly
};

bool IsEngineSource(SInt16 source) {
    return (source >= kSourceScript && source <= kSourceHelp) || source >= kSourceEditWindow;
}

// The text of a source, its view and its word data; false for a source that does not exist.
bool ResolveSource(SInt16 source, const void* text, SInt32 length, SearchSource* s) {
    switch (source) {
    case kSourceScript:
    case kSourceScriptToo:
    case kSourceEditWindow:
        s->handle = myTextResource;
        s->we = source == kSourceEditWindow ? EditWEHandle : ScrollWEHandle;
        s->words = &myWordLineArray;
        s->wordCount = &gTotalWords;
        s->script = true;
        return true;
    case kSourceNonverbal:
        s->handle = myNonverbalText;
        s->we = NonverbalWEHandle;
        s->words = &gNonverbalWordLineArray;
        s->wordCount = &gTotalNonverbalWords;
        s->exactStepPast = true;
        return true;
    case kSourceMacroEditor:
        s->handle = myMacroEditorText;
        s->we = MacroEditWEHandle;
        s->words = &gMacroEditWordLineArray;
        s->wordCount = &gTotalMacroEditWords;
        s->exactStepPast = true;
        return true;
    case kSourceHelp:
        s->handle = myHelpText;
        s->we = HelpWEHandle;
        s->words = &gHelpWordLineArray;
        s->wordCount = &gTotalHelpWords;
        return true;
    case kSourceDictionary:
        s->handle = gDictionaryResource;
        s->we = DictionaryWEHandle;
        s->words = &dictionaryWordLineArray;
        s->wordCount = &gTotalDictionaryWords;
        return true;
    case kSourceSpellCheck:
        s->handle = gSpellCheckResource;
        s->we = SpellCheckWEHandle;
        s->words = &spellcheckDictionaryWordLineArray;
        s->wordCount = &gTotalSpellCheckWords;
        return true;
    case kSourcePString:
        if (text) {
            s->bytes = static_cast<const UInt8*>(text) + 1;
            s->length = static_cast<const UInt8*>(text)[0];
        }
        return true;
    case kSourceCString:
        if (text) {
            s->bytes = static_cast<const UInt8*>(text);
            s->length = SInt32(std::strlen(static_cast<const char*>(text)));
        }
        return true;
    case kSourceBuffer:
        if (text) {
            s->bytes = static_cast<const UInt8*>(text);
            s->length = std::max<SInt32>(length, 0);
        }
        return true;
    default:
        return false;
    }
}

// Counts the source's words when they are not counted yet.
void EnsureWords(SearchSource* s) {
    if (!s->words || *s->words || !s->handle) return;
    if (s->script) MeasureScriptText();
    if (*s->words) return;
    HLock(s->handle);
    const SInt32 count =
        CountWords(reinterpret_cast<const UInt8*>(*s->handle), SInt32(GetHandleSize(s->handle)), s->words);
    HUnlock(s->handle);
    if (s->wordCount) *s->wordCount = count;
}

void LockSource(SearchSource* s) {
    if (!s->handle) return;
    s->savedState = HGetState(s->handle);
    HLock(s->handle);
    s->bytes = reinterpret_cast<const UInt8*>(*s->handle);
    s->length = SInt32(GetHandleSize(s->handle));
}

void UnlockSource(SearchSource* s) {
    if (s->handle) HSetState(s->handle, s->savedState);
}

// The last range of the view's selection, as offsets in the source's text.
void GetSourceSelection(SInt16 source, const SearchSource& s, SInt32* start, SInt32* end) {
    *start = *end = 0;
    if (!s.we) return;
    WEGetSelection(start, end, std::max<SInt32>(WEGetNumberSelections(s.we) - 1, 0), s.we);
    if (source == kSourceEditWindow) {
        *start = GetRealEditPosition(*start);
        *end = GetRealEditPosition(*end);
    } else if (s.script) {
        // The prompter shows blank lines before the script while it loops.
        *start -= gNumBlankLinesNeeded;
        *end -= gNumBlankLinesNeeded;
    }
    *start = std::clamp(*start, SInt32(0), s.length);
    *end = std::clamp(*end, *start, s.length);
}

// A substring search: the folded pattern compared at the places a Horspool table leaves (see above).
struct SubstringFinder {
    const UInt8* pattern;
    SInt32 m;
    const UInt8* lower = MacRomanLowerTable();
    std::array<UInt8, 256> folded{};
    std::array<SInt32, 256> shift{};

    SubstringFinder(const UInt8* p, SInt32 length, bool backwards) : pattern(p), m(length) {
        for (SInt32 i = 0; i < m; ++i)
            folded[size_t(i)] = lower[p[i]];
        shift.fill(m);
        // Case-blind: both cases of a letter take the folded letter's shift.
        if (!backwards) {
            for (SInt32 i = 0; i + 1 < m; ++i)
                shift[folded[size_t(i)]] = m - 1 - i;
        } else {
            for (SInt32 i = m - 1; i >= 1; --i)
                shift[folded[size_t(i)]] = i;
        }
    }
    bool At(const UInt8* t) const {
        for (SInt32 i = m - 1; i >= 0; --i)
            if (lower[t[i]] != folded[size_t(i)]) return false;
        return true;
    }
    // The first place from `from` up to `last` where the pattern is, or -1.
    SInt32 Forward(const UInt8* text, SInt32 from, SInt32 last) const {
        for (SInt32 p = from; p <= last; p += shift[lower[text[p + m - 1]]])
            if (At(text + p)) return p;
        return -1;
    }
    SInt32 Backward(const UInt8* text, SInt32 from) const {
        for (SInt32 p = from; p >= 0; p -= shift[lower[text[p]]])
            if (At(text + p)) return p;
        return -1;
    }
};

struct Search {
    const SearchSource& s;
    const UInt8* pattern;
    SInt32 patternLength;
    bool wholeWords;
    bool backwards;
    UInt16 matchType;
    SearchOptions* options;
    UInt8 rackCounts[256] = {};
    UInt8 requiredCounts[256] = {};

    bool Matches(SInt32 at, SInt32 length) {
        if (options && (matchType & kFindRack)) {
            // The rack match uses the counts up, so every candidate starts from the full rack.
            std::memcpy(options->rackCounts, rackCounts, 256);
            std::memcpy(options->requiredCounts, requiredCounts, 256);
        }
        return ThisMatches(s.bytes, s.bytes + at, pattern, s.bytes + s.length, length, patternLength,
                           wholeWords, matchType, options) == kMatch;
    }

    // Places one at a time, from `from` on, with a candidate of m bytes.
    SInt32 ScanPlaces(SInt32 from, SInt32 m) {
        const SInt32 last = s.length - m;
        if (!wholeWords && patternLength > 0) {
            const SubstringFinder finder(pattern, m, backwards);
            for (SInt32 p = from; backwards ? p >= 0 : p <= last;) {
                p = backwards ? finder.Backward(s.bytes, std::min(p, last))
                              : finder.Forward(s.bytes, p, last);
                if (p < 0) return -1;
                if (MatchMore(s.bytes + p, m, matchType) == kMatch) return p;
                p += backwards ? -1 : 1;
            }
            return -1;
        }
        if (!wholeWords) {
            // An empty pattern: one byte per place, so the answer for each byte value is worked out once.
            std::array<bool, 256> inClass;
            for (UInt32 c = 0; c < 256; ++c) {
                const UInt8 b = UInt8(c);
                inClass[c] = ThisMatches(&b, &b, pattern, &b + 1, 1, 0, false, matchType, options) == kMatch;
            }
            for (SInt32 p = from; backwards ? p >= 0 : p <= last; p += backwards ? -1 : 1)
                if (inClass[s.bytes[p]]) return p;
            return -1;
        }
        for (SInt32 p = from; backwards ? p >= 0 : p <= last; p += backwards ? -1 : 1)
            if (Matches(p, m)) return p;
        return -1;
    }

    // Words one at a time, from word `index` on.
    SInt32 ScanWords(const WordLineRec* words, SInt32 count, SInt32 index, SInt32* foundLength) {
        for (SInt32 i = index; i >= 0 && i < count; i += backwards ? -1 : 1) {
            const WordLineRec& w = words[i];
            // Word data older than the text cannot point outside it.
            if (w.start < 0 || w.end > s.length || w.end < w.start) {
                if (backwards) continue;
                return -1;
            }
            if (Matches(w.start, w.end - w.start)) {
                *foundLength = w.end - w.start;
                return w.start;
            }
        }
        return -1;
    }
};

} // namespace

SInt32 FindNextInText(SInt16 source, ConstStr255Param pattern, const void* text, SInt32 length,
                      bool wholeWords, bool backwards, UInt16 matchType, SInt32* foundLength,
                      SearchOptions* options) {
    SearchSource s;
    if (!ResolveSource(source, text, length, &s)) {
        DoErrorMessageText("Text type not supported in FindNextInText");
        return -1;
    }
    static const UInt8 kEmpty[1] = {0};
    if (!pattern) pattern = kEmpty;
    const bool engine = IsEngineSource(source);
    if (engine && !s.handle) return -1;
    if (!engine && !s.bytes) return -1;
    if (engine && wholeWords) EnsureWords(&s);
    LockSource(&s);

    Search search{s, pattern + 1, pattern[0], wholeWords, backwards, matchType, options};
    if (options) PrepareSearchOptions(options, search.rackCounts, search.requiredCounts);
    const SInt32 m = std::max<SInt32>(search.patternLength, 1);
    SInt32 selStart = 0, selEnd = 0;
    if (engine) GetSourceSelection(source, s, &selStart, &selEnd);
    const bool hasSelection = selEnd > selStart;

    SInt32 found = -1;
    SInt32 matchedLength = search.patternLength;
    const WordLineRec* words = engine && wholeWords && s.words && *s.words ? WordLinesOf(*s.words) : nullptr;
    if (words) {
        const SInt32 count = CountWordLineRecords(*s.words);
        // The word that holds the selection's start or follows it (a word that ends there lies before a
        // caret); going backwards, never one that starts after it.
        SInt32 index = SInt32(std::lower_bound(words, words + count, selStart,
                                               [](const WordLineRec& w, SInt32 o) { return w.end <= o; }) -
                              words);
        if (backwards && (index == count || words[index].start > selStart)) --index;
        if (index >= 0 && index < count && hasSelection) {
            const WordLineRec& w = words[index];
            const bool selected =
                w.end <= s.length && w.start <= w.end &&
                (s.exactStepPast ? IdenticalText(s.bytes + w.start, search.pattern, w.end - w.start,
                                                 search.patternLength) == kMatch
                                 : search.Matches(w.start, w.end - w.start));
            // Repeating a search finds the next match, not the one already selected.
            if (selected) index += backwards ? -1 : 1;
        }
        found = search.ScanWords(words, count, index, &matchedLength);
    } else {
        SInt32 from = 0;
        if (engine) {
            from = selStart;
            SInt32 candidateLength = selEnd - selStart;
            if (s.script && candidateLength > m) {
                from = selEnd - m;
                candidateLength = m;
            }
            if (hasSelection && from + candidateLength <= s.length) {
                const bool selected = s.exactStepPast || candidateLength != m
                                          ? IdenticalText(s.bytes + from, search.pattern, candidateLength,
                                                          search.patternLength) == kMatch
                                          : search.Matches(from, m);
                if (selected) from += backwards ? -1 : 1;
            }
        } else if (backwards) {
            // A caller's text is searched backwards from its end.
            from = s.length - m;
        }
        if (backwards) from = std::min(from, s.length - m);
        found = search.ScanPlaces(from, m);
    }
    UnlockSource(&s);
    if (found >= 0 && foundLength) *foundLength = std::max<SInt32>(matchedLength, 1);
    if (found >= 0 && source == kSourceEditWindow) found = SetRealEditPosition(found);
    return found;
}

SInt32 GetAddAmount(SInt16 source, bool backwards, bool wholeWords, SInt32 position, SInt32* word,
                    SInt32* wordLength) {
    SearchSource s;
    const bool hasWords = wholeWords && ResolveSource(source, nullptr, 0, &s) && s.words && *s.words;
    if (!hasWords || !word) return backwards ? -1 : 1;
    const WordLineRec* words = WordLinesOf(*s.words);
    const SInt32 next = *word + (backwards ? -1 : 1);
    if (next < 0 || next >= CountWordLineRecords(*s.words)) return 0;
    *word = next;
    if (wordLength) *wordLength = words[next].end - words[next].start;
    return words[next].start - position;
}
