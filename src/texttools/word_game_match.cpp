// The word-game match of the text search: whether a word can be laid from the letters on hand, wild tiles,
// letters on the board and a template, within length limits.
#include "texttools/fuzzy_search.h"

#include "foundation/character_classes.h"
#include "foundation/mac_roman_case.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr SInt16 kMatch = 0;
constexpr SInt16 kNoMatch = 1;
constexpr UInt8 kMustUseTile = '+';
constexpr UInt8 kMayUseTile = '-';

UInt8 Fold(UInt8 c) {
    static const UInt8* const lower = MacRomanLowerTable();
    return lower[c];
}

SInt32 LengthOf(ConstStringPtr s) {
    return s ? s[0] : 0;
}

bool IsLetter(UInt8 c) {
    return IsAlpha(c) && !IsWhiteSpace(c);
}

// One block of a template: wildcards, then a run of letters.
struct TemplateBlock {
    SInt32 lettersAt = 0;
    SInt32 letters = 0;
    SInt32 minus = 0;
    SInt32 plus = 0;
    SInt32 star = 0;
    SInt32 used = 0; // template bytes the block takes
};

TemplateBlock GetTemplateBlock(const UInt8* t, SInt32 length) {
    TemplateBlock block;
    SInt32 i = 0;
    for (; i < length && !IsLetter(t[i]); ++i) {
        if (t[i] == '-') ++block.minus;
        if (t[i] == '+') ++block.plus;
        if (t[i] == '*') ++block.star;
    }
    block.lettersAt = i;
    while (i < length && IsLetter(t[i]))
        ++i;
    block.letters = i - block.lettersAt;
    block.used = i;
    return block;
}

bool GapFits(const TemplateBlock& b, SInt32 gap) {
    return b.plus <= gap && (b.star > 0 || b.minus >= gap - b.plus);
}

bool SameLetters(const UInt8* a, const UInt8* b, SInt32 n) {
    for (SInt32 i = 0; i < n; ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

// The template from tAt on against the word from wAt on. Failed pairs are remembered, so that templates
// with many "*" blocks cost at most one try per pair instead of one per way of reaching it.
struct TemplateMatcher {
    const UInt8* t;
    SInt32 tLength;
    const UInt8* w;
    SInt32 wLength;
    std::vector<bool>& failed;

    bool Fits(SInt32 tAt, SInt32 wAt) {
        if (tAt >= tLength) return wAt == wLength;
        const size_t memo = size_t(tAt) * size_t(wLength + 1) + size_t(wAt);
        if (failed[memo]) return false;
        const TemplateBlock b = GetTemplateBlock(t + tAt, tLength - tAt);
        const SInt32 left = wLength - wAt;
        bool fits = false;
        if (b.letters == 0) {
            fits = GapFits(b, left);
        } else {
            const SInt32 lastGap =
                b.star > 0 ? left - b.letters : std::min(left - b.letters, b.plus + b.minus);
            for (SInt32 gap = b.plus; gap <= lastGap && !fits; ++gap)
                fits = SameLetters(w + wAt + gap, t + tAt + b.lettersAt, b.letters) &&
                       Fits(tAt + b.used, wAt + gap + b.letters);
        }
        if (!fits) failed[memo] = true;
        return fits;
    }
};

void CountLetters(ConstStringPtr s, UInt8 counts[256]) {
    std::memset(counts, 0, 256);
    for (SInt32 i = 1; i <= LengthOf(s); ++i)
        ++counts[Fold(s[i])];
}

// Takes one count of the letter from the rack, else a tile that must be used, else one that may be (then
// marking the letter's place in the wild mask); false when there is nothing to take.
bool TakeTile(SearchOptions* o, UInt8 letter, SInt32 place) {
    if (o->rackCounts[letter] > 0) {
        --o->rackCounts[letter];
        return true;
    }
    if (o->rackCounts[kMustUseTile] > 0) {
        --o->rackCounts[kMustUseTile];
        if (place < 32) o->wildMask |= 1u << place;
        return true;
    }
    if (o->rackCounts[kMayUseTile] > 0) {
        --o->rackCounts[kMayUseTile];
        if (place < 32) o->wildMask |= 1u << place;
        return true;
    }
    return false;
}

// Lays the word with the letters in [freeFrom, freeTo) already on the board.
bool LayWord(SearchOptions* o, const UInt8* word, SInt32 length, SInt32 freeFrom, SInt32 freeTo) {
    o->wildMask = 0;
    for (SInt32 i = 0; i < length; ++i) {
        if (i >= freeFrom && i < freeTo) continue;
        if (!TakeTile(o, Fold(word[i]), i)) return false;
    }
    return o->rackCounts[kMustUseTile] == 0;
}

SInt32 FindLetters(const UInt8* word, SInt32 length, const UInt8* letters, SInt32 count) {
    for (SInt32 k = 0; k + count <= length; ++k)
        if (SameLetters(word + k, letters, count)) return k;
    return -1;
}

} // namespace

SInt16 CheckForTemplateMatch(const UInt8* wordTemplate, SInt32 templateLength, const UInt8* word,
                             SInt32 wordLength) {
    if (!wordTemplate || !word || templateLength < 0 || wordLength < 0) return 0;
    static std::vector<bool> failed;
    failed.assign(size_t(templateLength + 1) * size_t(wordLength + 1), false);
    TemplateMatcher m{wordTemplate, templateLength, word, wordLength, failed};
    return m.Fits(0, 0) ? 1 : 0;
}

void PrepareSearchOptions(SearchOptions* o, UInt8 rackCounts[256], UInt8 requiredCounts[256]) {
    std::memset(o->forbiddenTable, 0, sizeof o->forbiddenTable);
    if ((o->flags & kRackForbidden) && LengthOf(o->forbidden) > 0)
        for (SInt32 i = 1; i <= LengthOf(o->forbidden); ++i)
            o->forbiddenTable[Fold(o->forbidden[i])] = 1;
    CountLetters((o->flags & kRackRequired) ? o->required : nullptr, requiredCounts);
    CountLetters(o->rack, rackCounts);
    std::memcpy(o->requiredCounts, requiredCounts, 256);
    std::memcpy(o->rackCounts, rackCounts, 256);
}

SInt16 MatchScrabble(const UInt8* candidate, SearchOptions* o, SInt32 length) {
    if (!o || !candidate || length <= 0) return kNoMatch;
    if ((o->flags & kRackMaximum) && length > o->maximumLength) return kNoMatch;
    if ((o->flags & kRackMinimum) && length < o->minimumLength) return kNoMatch;
    // Every letter is covered by a tile, a template or required letter, or a board word, so a word longer
    // than all of them together cannot be laid; this keeps one long word of a text from costing more.
    const SInt32 coverable =
        LengthOf(o->rack) + LengthOf(o->wordTemplate) + LengthOf(o->required) + LengthOf(o->boardWords);
    if (length > coverable) return kNoMatch;

    if ((o->flags & kRackTemplate) && LengthOf(o->wordTemplate) > 0) {
        if (!CheckForTemplateMatch(o->wordTemplate + 1, LengthOf(o->wordTemplate), candidate, length))
            return kNoMatch;
        for (SInt32 i = 1; i <= LengthOf(o->wordTemplate); ++i)
            if (IsLetter(o->wordTemplate[i])) ++o->rackCounts[Fold(o->wordTemplate[i])];
    }
    if ((o->flags & kRackForbidden) && LengthOf(o->forbidden) > 0)
        for (SInt32 i = 0; i < length; ++i)
            if (o->forbiddenTable[Fold(candidate[i])]) return kNoMatch;
    if ((o->flags & kRackRequired) && LengthOf(o->required) > 0) {
        SInt32 moved = 0;
        for (SInt32 i = 0; i < length; ++i) {
            const UInt8 c = Fold(candidate[i]);
            if (o->requiredCounts[c] == 0) continue;
            --o->requiredCounts[c];
            ++o->rackCounts[c];
            ++moved;
        }
        if (moved < LengthOf(o->required)) return kNoMatch;
    }
    if ((o->flags & kRackBoardWord) && LengthOf(o->boardWords) > 0) {
        const UInt8* board = o->boardWords + 1;
        const SInt32 boardLength = LengthOf(o->boardWords);
        std::memcpy(o->savedRack, o->rackCounts, sizeof o->savedRack);
        for (SInt32 i = 0; i < boardLength;) {
            while (i < boardLength && !IsLetter(board[i]))
                ++i;
            const SInt32 from = i;
            while (i < boardLength && IsLetter(board[i]))
                ++i;
            if (i == from) break;
            const SInt32 at = FindLetters(candidate, length, board + from, i - from);
            if (at >= 0 && LayWord(o, candidate, length, at, at + (i - from))) return kMatch;
            std::memcpy(o->rackCounts, o->savedRack, sizeof o->rackCounts);
        }
        return kNoMatch;
    }
    return LayWord(o, candidate, length, 0, 0) ? kMatch : kNoMatch;
}
