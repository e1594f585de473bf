// Following the cue with the word, line or speed-reading highlight: finding the word being read from the
// cue's place in its line (or from the media clock's syllable) and moving the coloured range when it changes.
#include "scroll/highlight.h"

#include "foundation/global_lists.h"
#include "foundation/syllable_arrays.h"
#include "foundation/word_line_arrays.h"
#include "media/media_services.h"
#include "platform/unicode_layout.h"
#include "prefs/prefs_fields.h"
#include "scroll/cue_marker.h"
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

constexpr SInt16 kBegin = 1;
constexpr SInt16 kStep = 2;
constexpr SInt16 kEnd = 3;
constexpr SInt16 kPacingBySyllableTimes = 5;

// A remembered coloured range; -1 when there is none.
struct HighlightedRange {
    SInt32 start = -1;
    SInt32 end = -1;
    SInt32 syllable = -1;
    SInt32 character = -1;
    // The speed reader's words shown in full within the faded range.
    SInt32 visibleStart = -1;
    SInt32 visibleEnd = -1;
    bool Held() const { return start >= 0; }
    // Gives the range's runs their own colours back and forgets it.
    void PutBack() {
        if (Held()) SaveRestoreRunColor(start, end, true);
        start = end = -1;
    }
};

RESETTABLE(HighlightedRange, gWordRange, {});
RESETTABLE(HighlightedRange, gLineRange, {});
RESETTABLE(HighlightedRange, gSpeedRange, {});
// The speed reader hid the text and has not shown it again.
RESETTABLE(bool, gSpeedReaderHid, false);

bool FollowsMediaClock() {
    return GetPref(gThePreferences, kPrefPacingMode) == kPacingBySyllableTimes && (gTheMusic || gTheMovie);
}

SInt32 SyllableTime(SInt32 index) {
    return SyllablesOf(mySyllableArray)[index].time;
}

// The syllable the media clock has reached, moved at most one syllable from the remembered one.
SInt32 SyllableFromMediaClock(SInt32 remembered, SInt32 extraTicks) {
    const SInt32 count = CountSyllableRecords(mySyllableArray);
    if (count <= 0) return -1;
    const double perTick = gTheMusic ? gMusicTimePerTick : gMovieTimePerTick;
    const double media = GetMediaTime(gTheMusic ? gTheMusic : gTheMovie);
    const SInt32 t = (perTick > 0 ? SInt32(media / perTick) : 0) + extraTicks;
    const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
    SInt32 s = remembered >= 0 && remembered < count ? remembered : (direction >= 1 ? 0 : count - 1);
    if (direction > 0 && s < count - 1) {
        const SInt32 candidate = t >= SyllableTime(s) ? s + 1 : s;
        if (t >= SyllableTime(candidate)) s = candidate;
    } else if (direction < 0 && s > 0) {
        if (t <= SyllableTime(s - 1)) s = s - 1;
    }
    return s;
}

SInt32 SyllableWord(SInt32 syllable) {
    return SyllablesOf(mySyllableArray)[syllable].word;
}

SInt32 WordField(SInt32 word, SInt16 selector) {
    const bool biased = selector == kWordStart || selector == kWordEnd;
    const SInt32 value = WordLineArrayAccessor(myWordLineArray, word, selector, mySyllableArray,
                                               biased ? gNumBlankLinesNeeded : 0);
    // Line bounds are kept without the blank lines put before the text; the engine's offsets have them.
    return biased ? value : value + gNumBlankLinesNeeded;
}

// One line of the prompter text as the word search sees it.
struct CueLine {
    SInt32 line = 0;
    SInt32 firstWord = -1;
    SInt32 words = 0;
    SInt32 syllables = 0;
    SInt32 top = 0;
    SInt32 height = 0;
};

// False for a line that does not exist, has no words or no height.
bool ReadCueLine(SInt32 line, CueLine* out) {
    WEReference we = ScrollWEHandle;
    if (line < 0 || line >= WECountLines(we)) return false;
    SInt32 start = 0, end = 0;
    WEGetLineRange(line, &start, &end, we);
    const SInt32 bias = gNumBlankLinesNeeded;
    SInt32 first = -1;
    const SInt32 words = WordsThisLine(myWordLineArray, line - bias, start - bias, &first);
    if (words <= 0 || first < 0) return false;
    LongPoint place{};
    SInt16 height = 0;
    WEGetPoint(start, 0, &place, &height, we);
    if (height <= 0) return false;
    *out = CueLine{line,
                   first,
                   words,
                   mySyllableArray
                       ? WordLineArrayAccessor(myWordLineArray, first, kWordLineSyllables, mySyllableArray, 0)
                       : 0,
                   place.v,
                   height};
    return true;
}

enum class CueSearch { kFound, kNoWords, kNoWordsOnTheWay };

// The word holding syllable n of the line (counted from its first word); by words when the line has no
// syllables.
SInt32 WordAtSyllable(const CueLine& l, SInt32 n) {
    const WordLineRec* w = WordLinesOf(myWordLineArray);
    const SInt32 count = CountWordLineRecords(myWordLineArray);
    const SInt32 last = std::min(l.firstWord + l.words, count) - 1;
    if (l.syllables <= 0) return std::min(l.firstWord + n, last);
    SInt32 base = -1, chosen = l.firstWord;
    for (SInt32 k = l.firstWord; k <= last; ++k) {
        const SInt32 first = w[k].firstSyllable;
        if (first < 0) continue;
        if (base < 0) base = first;
        if (first - base > n) break;
        chosen = k;
    }
    return chosen;
}

// The word at the cue, found by the cue's place in the height of its line; with smooth, the pixels still
// owed are paid first, which can carry the cue into a neighbouring line.
CueSearch FindWordAtCue(bool smooth, SInt32* word) {
    if (!ScrollWEHandle || !myWordLineArray) return CueSearch::kNoWords;
    const SInt32 character = GetScrollCuePositionCharacter(nullptr);
    CueLine l;
    if (!ReadCueLine(WEOffsetToLine(character, ScrollWEHandle), &l)) return CueSearch::kNoWords;
    double d = double(GetCueScrollRectPosition() + gScrollDestinationRect.top - l.top);
    if (!smooth) {
        d += 0.1;
    } else if (gScrollThis != 0) {
        while (d - gScrollThis < 0) {
            if (!ReadCueLine(l.line - 1, &l)) return CueSearch::kNoWordsOnTheWay;
            d += l.height;
        }
        while (d - gScrollThis > l.height) {
            const SInt32 passed = l.height;
            if (!ReadCueLine(l.line + 1, &l)) return CueSearch::kNoWordsOnTheWay;
            d -= passed;
        }
        d -= gScrollThis;
    }
    const SInt32 units = l.syllables > 0 ? l.syllables : l.words;
    const SInt32 n = std::clamp(SInt32(d / l.height * units), SInt32(0), units - 1);
    *word = WordAtSyllable(l, n);
    return CueSearch::kFound;
}

bool HaveWordArrays() {
    return ScrollWEHandle && myWordLineArray && CountWordLineRecords(myWordLineArray) > 0;
}

void ColourAndRemember(HighlightedRange* range, SInt32 start, SInt32 end) {
    ColourHighlightRange(start, end);
    range->start = start;
    range->end = end;
}

void HighlightByMediaClock(HighlightedRange* range, SInt16 mode, SInt32 extraTicks, bool wholeLine) {
    if (mode == kEnd) {
        range->PutBack();
        range->syllable = -1;
        return;
    }
    if (mode == kBegin) range->syllable = -1;
    const SInt32 syllable = SyllableFromMediaClock(range->syllable, extraTicks);
    if (syllable < 0 || (mode == kStep && syllable == range->syllable)) return;
    range->PutBack();
    const SInt32 word = SyllableWord(syllable);
    if (word < 0 || word >= CountWordLineRecords(myWordLineArray)) return;
    // The word highlight fills its line up to the word being sung; the line highlight shows all of it.
    ColourAndRemember(range, WordField(word, kWordLineStart),
                      wholeLine ? WordField(word, kWordLineEnd) : WordField(word, kWordEnd));
    range->syllable = syllable;
}

} // namespace

void HighlightWordAtCue(SInt16 mode, SInt16 smooth) {
    const HighlightBatch batch;
    HighlightedRange& range = gWordRange;
    if (!HaveWordArrays()) {
        if (mode == kEnd) range.PutBack();
        return;
    }
    if (FollowsMediaClock() && mySyllableArray) {
        HighlightByMediaClock(&range, mode, 2, false);
        return;
    }
    if (mode == kEnd) {
        range.PutBack();
        return;
    }
    SInt32 word = -1;
    if (FindWordAtCue(smooth != 0, &word) != CueSearch::kFound) {
        range.PutBack();
        return;
    }
    const SInt32 start = WordField(word, kWordStart), end = WordField(word, kWordEnd);
    if (mode == kStep && range.Held() && start == range.start && end == range.end) return;
    range.PutBack();
    ColourAndRemember(&range, start, end);
}

void HighlightLineAtCue(SInt16 mode) {
    const HighlightBatch batch;
    HighlightedRange& range = gLineRange;
    if (!ScrollWEHandle) return;
    if (FollowsMediaClock() && HaveWordArrays() && mySyllableArray) {
        HighlightByMediaClock(&range, mode, 5, true);
        return;
    }
    const SInt32 character = GetScrollCuePositionCharacter(nullptr);
    if (mode == kStep && range.Held() && character == range.character) return;
    range.PutBack();
    range.character = -1;
    if (mode == kEnd) return;
    SInt32 start = 0, end = 0;
    WEGetLineRange(WEOffsetToLine(character, ScrollWEHandle), &start, &end, ScrollWEHandle);
    ColourAndRemember(&range, start, end);
    range.character = character;
}

void HighlightSpeedReading(SInt16 mode, SInt16 smooth) {
    const HighlightBatch batch;
    HighlightedRange& range = gSpeedRange;
    PrefsRecord& p = gThePreferences;
    SInt32 side = GetPref(p, kPrefSpeedReadingWords);
    if (side == 0) SetPref(p, kPrefSpeedReadingWords, SInt16(side = 5));
    SInt32 fade = GetPref(p, kPrefSpeedReadingFade);
    if (fade == 0) SetPref(p, kPrefSpeedReadingFade, SInt16(fade = 30));
    side = std::max(side, SInt32(0));
    fade = std::max(fade, SInt32(0));
    if (!ScrollWEHandle) return;
    if (mode == kEnd) {
        if (range.Held() || gSpeedReaderHid) MakeTextVisible();
        gSpeedReaderHid = false;
        KeepRoomForCharacterColours(false);
        range.start = range.end = range.syllable = -1;
        return;
    }
    const SInt32 length = WEGetTextLength(ScrollWEHandle);
    if (mode == kBegin) {
        KeepRoomForCharacterColours(true);
        range.start = range.end = range.syllable = -1;
        MakeTextInvisible(0, length);
        gSpeedReaderHid = true;
    }
    if (!HaveWordArrays()) return;
    SInt32 word = -1, syllable = -1;
    if (FollowsMediaClock() && mySyllableArray) {
        syllable = SyllableFromMediaClock(range.syllable, 2);
        if (syllable < 0 || (mode == kStep && syllable == range.syllable)) return;
        word = SyllableWord(syllable);
    } else {
        const CueSearch found = FindWordAtCue(smooth != 0, &word);
        if (found == CueSearch::kNoWords) return;
        if (found == CueSearch::kNoWordsOnTheWay) {
            range.start = range.end = -1;
            return;
        }
    }
    const SInt32 words = CountWordLineRecords(myWordLineArray);
    if (word < 0 || word >= words) {
        if (range.Held()) MakeTextInvisible(range.start, range.end);
        range.start = range.end = range.syllable = -1;
        return;
    }
    const SInt32 first = std::max(SInt32(0), word - side);
    const SInt32 last = std::min(word + side, words - 1);
    const SInt32 visibleStart = WordField(first, kWordStart), visibleEnd = WordField(last, kWordEnd);
    const SInt32 fadeStart = std::max(SInt32(0), visibleStart - fade);
    const SInt32 fadeEnd = std::min(length, visibleEnd + fade);
    // The same words shown again would give every character the colour it has. The fade range alone does
    // not tell: cut at both ends of the text, it stays the same while the words move within it.
    if (mode == kStep && range.Held() && range.start == fadeStart && range.end == fadeEnd &&
        range.visibleStart == visibleStart && range.visibleEnd == visibleEnd) {
        range.syllable = syllable;
        return;
    }
    if (range.Held()) {
        MakeTextInvisible(range.start, range.end);
        range.start = range.end = range.syllable = -1;
    }
    EraseRestoreRunColor(fadeStart, fadeEnd, visibleStart, visibleEnd, false);
    range.start = fadeStart;
    range.end = fadeEnd;
    range.visibleStart = visibleStart;
    range.visibleEnd = visibleEnd;
    range.syllable = syllable;
}
