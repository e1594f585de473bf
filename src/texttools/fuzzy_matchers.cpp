// Deciding whether one candidate of a text search matches: the substring and whole-word tests, the loose
// word matchers (transposed, extra, missing, misspelled, partial, mixed-up, any letter) and the class filter.
#include "texttools/fuzzy_search.h"

#include "foundation/character_classes.h"
#include "foundation/keyword_dictionary.h"
#include "foundation/mac_roman_case.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr SInt16 kMatch = 0;
constexpr SInt16 kNoMatch = 1;

UInt8 Fold(UInt8 c) {
    static const UInt8* const lower = MacRomanLowerTable();
    return lower[c];
}

bool IsDigit(UInt8 c) {
    return c >= '0' && c <= '9';
}

// Punctuation as the class filter sees it: never a space or a control character, even before the
// character class table is loaded.
bool IsPunctuationMark(UInt8 c) {
    return c > ' ' && IsPunctuation(c);
}

bool IsLowerCaseLetter(UInt8 c) {
    return IsAlpha(c) && !IsCapital(c);
}

// Whether every letter of `sub`, in order, is found in `whole`.
bool IsSubsequence(const UInt8* sub, SInt32 subLength, const UInt8* whole, SInt32 wholeLength) {
    SInt32 k = 0;
    for (SInt32 i = 0; i < wholeLength && k < subLength; ++i)
        if (Fold(whole[i]) == Fold(sub[k])) ++k;
    return k == subLength;
}

// The one-character class test of a search for an empty pattern.
bool InClass(UInt8 c, UInt16 matchType) {
    return (IsCapital(c) && (matchType & kFindCapitals)) ||
           (IsLowerCaseLetter(c) && (matchType & kFindLowerCase)) ||
           (IsDigit(c) && (matchType & kFindDigits)) || (IsVowel(c) && (matchType & kFindVowels)) ||
           (IsConsonant(c) && (matchType & kFindConsonants)) ||
           (IsPunctuationMark(c) && (matchType & kFindPunctuation));
}

} // namespace

SInt16 IdenticalText(const UInt8* a, const UInt8* b, SInt32 lengthA, SInt32 lengthB) {
    if (lengthA != lengthB) return kNoMatch;
    for (SInt32 i = 0; i < lengthA; ++i)
        if (Fold(a[i]) != Fold(b[i])) return kNoMatch;
    return kMatch;
}

SInt16 MatchTransposed(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                       SInt32 patternLength) {
    if (candidateLength != patternLength) return kNoMatch;
    // Lengths are at most a pattern's 255, so pairing the differing places by a scan stays small.
    std::array<SInt32, 256> differ;
    std::array<bool, 256> paired{};
    SInt32 count = 0;
    for (SInt32 i = 0; i < candidateLength; ++i) {
        if (Fold(candidate[i]) == Fold(pattern[i])) continue;
        if (count == SInt32(differ.size())) return kNoMatch;
        differ[size_t(count++)] = i;
    }
    if (count == 0) return kNoMatch;
    for (SInt32 a = 0; a < count; ++a) {
        if (paired[size_t(a)]) continue;
        const SInt32 i = differ[size_t(a)];
        for (SInt32 b = a + 1; b < count && !paired[size_t(a)]; ++b) {
            const SInt32 j = differ[size_t(b)];
            if (!paired[size_t(b)] && Fold(candidate[i]) == Fold(pattern[j]) &&
                Fold(candidate[j]) == Fold(pattern[i]))
                paired[size_t(a)] = paired[size_t(b)] = true;
        }
        if (!paired[size_t(a)]) return kNoMatch;
    }
    return kMatch;
}

SInt16 MatchExtra(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                  SInt32 patternLength) {
    if (patternLength >= candidateLength) return kNoMatch;
    return IsSubsequence(pattern, patternLength, candidate, candidateLength) ? kMatch : kNoMatch;
}

SInt16 MatchMissing(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength) {
    if (patternLength <= candidateLength) return kNoMatch;
    return IsSubsequence(candidate, candidateLength, pattern, patternLength) ? kMatch : kNoMatch;
}

SInt16 MatchMisspelled(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                       SInt32 patternLength) {
    if (std::abs(candidateLength - patternLength) > 4 || candidateLength <= 0) return kNoMatch;
    if (candidateLength == patternLength &&
        IdenticalText(candidate, pattern, candidateLength, patternLength) == kMatch)
        return kNoMatch;
    // The pattern becomes the keyword look-up's single word (which reuses its storage, so a search over
    // many words allocates nothing for each).
    SetGlobalWord(pattern, patternLength);
    char word[256];
    const SInt32 n = std::min<SInt32>(candidateLength, 255);
    std::memcpy(word, candidate, size_t(n));
    word[n] = 0;
    return matchdict(kDictGlobalWord, kWholeList, kWholeList, word, kMatchHalfTheLetters) >= 0 ? kMatch
                                                                                               : kNoMatch;
}

SInt16 MatchPartial(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength) {
    if (patternLength <= candidateLength || candidateLength <= 0) return kNoMatch;
    for (SInt32 at = 0; at + candidateLength <= patternLength; ++at)
        if (IdenticalText(candidate, pattern + at, candidateLength, candidateLength) == kMatch) return kMatch;
    return kNoMatch;
}

SInt16 MatchMixedup(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength,
                    SInt32 patternLength) {
    if (candidateLength != patternLength) return kNoMatch;
    if (IdenticalText(candidate, pattern, candidateLength, patternLength) == kMatch) return kNoMatch;
    std::array<SInt32, 256> counts{};
    for (SInt32 i = 0; i < candidateLength; ++i) {
        ++counts[Fold(candidate[i])];
        --counts[Fold(pattern[i])];
    }
    for (SInt32 c : counts)
        if (c != 0) return kNoMatch;
    return kMatch;
}

SInt16 MatchAny(const UInt8* candidate, const UInt8* pattern, SInt32 candidateLength, SInt32 patternLength) {
    std::array<bool, 256> inPattern{};
    for (SInt32 i = 0; i < patternLength; ++i)
        inPattern[Fold(pattern[i])] = true;
    for (SInt32 i = 0; i < candidateLength; ++i)
        if (inPattern[Fold(candidate[i])]) return kMatch;
    return kNoMatch;
}

SInt16 MatchMore(const UInt8* candidate, SInt32 length, UInt16 matchType) {
    if (!(matchType & kFindClassMask)) return kMatch;
    for (SInt32 i = 0; i < length; ++i) {
        const UInt8 c = candidate[i];
        bool allowed = false;
        if (IsDigit(c))
            allowed = matchType & kFindDigits;
        else if (IsPunctuationMark(c))
            allowed = matchType & kFindPunctuation;
        else if (IsAlpha(c) && !IsWhiteSpace(c)) {
            const bool caseAllowed =
                IsCapital(c) ? (matchType & kFindCapitals) : (matchType & kFindLowerCase);
            allowed = caseAllowed || (IsVowel(c) ? (matchType & kFindVowels) : (matchType & kFindConsonants));
        }
        if (!allowed) return kNoMatch;
    }
    return kMatch;
}

SInt16 ThisMatches(const UInt8* textStart, const UInt8* candidate, const UInt8* pattern, const UInt8* textEnd,
                   SInt32 candidateLength, SInt32 patternLength, bool wholeWords, UInt16 matchType,
                   SearchOptions* options) {
    if (!wholeWords) {
        if (patternLength > 0) {
            if (IdenticalText(candidate, pattern, candidateLength, patternLength) != kMatch) return kNoMatch;
            return MatchMore(candidate, candidateLength, matchType);
        }
        return candidateLength >= 1 && InClass(candidate[0], matchType) ? kMatch : kNoMatch;
    }
    if (candidate > textStart && IsAlphaorNumber(candidate[-1])) return kNoMatch;
    if (candidate + candidateLength < textEnd && IsAlphaorNumber(candidate[candidateLength])) return kNoMatch;
    const bool matched =
        ((matchType & kFindExact) &&
         IdenticalText(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindTransposed) &&
         MatchTransposed(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindExtraLetters) &&
         MatchExtra(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindMissingLetters) &&
         MatchMissing(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindMisspelled) &&
         MatchMisspelled(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindPartial) &&
         MatchPartial(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindMixedUp) &&
         MatchMixedup(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindAnyLetter) &&
         MatchAny(candidate, pattern, candidateLength, patternLength) == kMatch) ||
        ((matchType & kFindRack) && MatchScrabble(candidate, options, candidateLength) == kMatch);
    if (!matched) return kNoMatch;
    return MatchMore(candidate, candidateLength, matchType);
}
