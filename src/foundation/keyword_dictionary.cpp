// The keyword look-up: exact, letters-only, closest and half-the-letters matching of a typed word against
// the command, name, font, effect and value lists, and the font look-ups built on it.
#include "foundation/keyword_dictionary.h"

#include "effects/effect_keywords.h"
#include "foundation/character_classes.h"
#include "foundation/error_dialog.h"
#include "foundation/global_lists.h"
#include "foundation/mac_roman_case.h"
#include "foundation/program_strings.h"
#include "macros/macro_tables.h"
#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "shell/menus.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr SInt16 kFirstValueList = 997;
constexpr SInt16 kLastValueList = 1053;
// List 1040 is scored on every character and any match there counts as whole.
constexpr SInt16 kUnskippedList = 1040;

// The value lists, each read once from its string list and kept for the life of the program.
std::array<std::vector<std::string>, 100> gValueLists;
std::array<bool, 100> gValueListLoaded{};
bool gDictionaryInitialized = false;
RESETTABLE(std::string, gGlobalWord, {});

bool IsValueList(SInt16 kind) {
    return kind >= kFirstValueList && kind <= kLastValueList && kind != 1021 && kind != 1042 && kind != 1043;
}

bool IsTerminator(char c) {
    return c == 0 || c == '\n';
}

UInt8 Fold(char c) {
    return MacRomanToLower(UInt8(c));
}

bool IsScored(char c) {
    return IsAlphaorNumber(UInt8(c)) || c == ';';
}

const std::vector<std::string>* LoadValueList(SInt16 kind) {
    const size_t slot = size_t(kind - kFirstValueList);
    if (gValueListLoaded[slot]) return &gValueLists[slot];
    Handle list = GetResource(FourCC("STR#"), kind);
    if (!list || GetHandleSize(list) < 2) {
        DoErrorMessageText("Parameter strings not found");
        return nullptr;
    }
    const UInt16 count = ReadBE16(reinterpret_cast<const UInt8*>(*list));
    std::vector<std::string> items;
    items.reserve(count);
    for (UInt16 i = 0; i < count; ++i) {
        Str255 entry;
        if (!GetOrvalisString(kind, SInt16(i + 1), entry)) entry[0] = 0;
        items.emplace_back(PStringView(entry));
    }
    gValueLists[slot] = std::move(items);
    gValueListLoaded[slot] = true;
    return &gValueLists[slot];
}

// The handle a look-up in the list reads, for locking.
Handle ListHandle(SInt16 kind) {
    switch (kind) {
    case kDictCommandNames:
    case kDictCommandShortNames:
        return gFunctionsList;
    case kDictSpiroKeywords:
    case kDictSpiroShortKeywords:
        return gSpiroKeywords;
    case kDictOverlayKeywords:
    case kDictOverlayShortKeywords:
        return gOverlayKeywords;
    default:
        return nullptr;
    }
}

SInt32 RecordsIn(Handle h, Size recordSize, SInt32 count) {
    if (!h) return 0;
    return std::clamp<SInt32>(SInt32(GetHandleSize(h) / recordSize), 0, std::max<SInt32>(count, 0));
}

// One list as the look-up walks it: a count and a way to copy entry i out as a NUL-terminated string.
struct KeywordList {
    SInt16 kind = -1;
    SInt32 count = 0;
    const std::vector<std::string>* values = nullptr;
    MenuRef fontMenu = nullptr;

    void Entry(SInt32 i, char* out) const {
        out[0] = 0;
        switch (kind) {
        case kDictCommandNames:
            CopyPascal(gFunctionsList, kFunctionRecordSize, i, out);
            break;
        case kDictCommandShortNames:
            CopyFour(gFunctionsList, kFunctionRecordSize, kFunctionShortNameAt, i, out);
            break;
        case kDictVariableNames:
            CopyNamed(gVariableNames, i, out);
            break;
        case kDictByteNames:
            CopyNamed(gByteNames, i, out);
            break;
        case kDictASCIINames:
            CopyNamed(gASCIINames, i, out);
            break;
        case kDictLabelNames:
            CopyNamed(gLabelNames, i, out);
            break;
        case kDictFontMenu: {
            Str255 text;
            GetMenuItemText(fontMenu, MenuItemIndex(i + 1), text);
            std::memcpy(out, text + 1, text[0]);
            out[text[0]] = 0;
            break;
        }
        case kDictGlobalWord:
            std::strcpy(out, gGlobalWord.c_str());
            break;
        case kDictSpiroKeywords:
            CopyPascal(gSpiroKeywords, kSpiroKeywordSize, i, out);
            break;
        case kDictSpiroShortKeywords:
            CopyFour(gSpiroKeywords, kSpiroKeywordSize, kEffectShortKeywordAt, i, out);
            break;
        case kDictOverlayKeywords:
            CopyPascal(gOverlayKeywords, kOverlayKeywordSize, i, out);
            break;
        case kDictOverlayShortKeywords:
            CopyFour(gOverlayKeywords, kOverlayKeywordSize, kEffectShortKeywordAt, i, out);
            break;
        default:
            if (values) {
                const std::string& s = (*values)[size_t(i)];
                std::memcpy(out, s.c_str(), std::min<size_t>(s.size(), 255) + 1);
                out[255] = 0;
            }
        }
    }

  private:
    // A name that fills its record without a NUL is cut at the record's end.
    static void CopyNamed(Handle h, SInt32 i, char* out) {
        const char* p = *h + i * kMacroNameSize;
        const size_t n = strnlen(p, kMacroNameSize - 1);
        std::memcpy(out, p, n);
        out[n] = 0;
    }
    static void CopyPascal(Handle h, Size recordSize, SInt32 i, char* out) {
        const UInt8* p = reinterpret_cast<const UInt8*>(*h + i * recordSize);
        const size_t n = std::min<size_t>(p[0], size_t(recordSize - 1));
        std::memcpy(out, p + 1, n);
        out[n] = 0;
    }
    static void CopyFour(Handle h, Size recordSize, Size at, SInt32 i, char* out) {
        const char* p = *h + i * recordSize + at;
        const size_t n = strnlen(p, 4);
        std::memcpy(out, p, n);
        out[n] = 0;
    }
};

// Loads what the list needs on first use; false when the list has no entries to offer.
bool OpenList(SInt16 kind, KeywordList* list) {
    list->kind = kind;
    if ((kind == kDictCommandNames || kind == kDictCommandShortNames) && !gFunctionsList) {
        GetFunctions();
        GetParameters();
    }
    if ((kind == kDictSpiroKeywords || kind == kDictSpiroShortKeywords) && !gSpiroKeywords)
        GetSpiroKeywords();
    switch (kind) {
    case kDictCommandNames:
    case kDictCommandShortNames:
        list->count = RecordsIn(gFunctionsList, kFunctionRecordSize, gNumFunctions);
        break;
    case kDictVariableNames:
        list->count = RecordsIn(gVariableNames, kMacroNameSize, gNumVariables);
        break;
    case kDictByteNames:
        list->count = RecordsIn(gByteNames, kMacroNameSize, gNumBytes);
        break;
    case kDictASCIINames:
        list->count = RecordsIn(gASCIINames, kMacroNameSize, gNumASCIIs);
        break;
    case kDictLabelNames:
        list->count = RecordsIn(gLabelNames, kMacroNameSize, gNumLabels);
        break;
    case kDictFontMenu:
        list->fontMenu = GetProgramMenu(kFontMenuSlot);
        list->count = list->fontMenu ? CountMenuItems(list->fontMenu) : 0;
        break;
    case kDictGlobalWord:
        list->count = 1;
        break;
    case kDictSpiroKeywords:
    case kDictSpiroShortKeywords:
        list->count = RecordsIn(gSpiroKeywords, kSpiroKeywordSize, kSpiroKeywordCount);
        break;
    case kDictOverlayKeywords:
    case kDictOverlayShortKeywords:
        list->count = RecordsIn(gOverlayKeywords, kOverlayKeywordSize, kOverlayKeywordCount);
        break;
    default:
        if (!IsValueList(kind)) return false;
        list->values = LoadValueList(kind);
        if (!list->values) return false;
        list->count = SInt32(list->values->size());
    }
    return true;
}

// How well an entry holds the word's characters in order.
struct EntryScore {
    SInt32 matched = 0;    // word characters found in the entry, each after the one before
    SInt32 wordCount = 0;  // W: the word characters that could match
    SInt32 entryCount = 0; // E: the entry's characters from its first letter or digit on
};

EntryScore ScoreEntry(const char* word, const char* entry, bool sameLettersOnly, bool skipNothing) {
    EntryScore score;
    const size_t entryLength = std::strlen(entry);
    size_t lead = 0;
    while (lead < entryLength && !IsAlphaorNumber(UInt8(entry[lead])))
        ++lead;
    score.entryCount = SInt32(entryLength - lead);
    score.wordCount = std::max<SInt32>(SInt32(std::strlen(word)), 1);
    const bool skipping = sameLettersOnly && !skipNothing;
    size_t at = 0;
    for (const char* w = word; *w; ++w) {
        if (skipping && !IsScored(*w)) {
            --score.wordCount;
            continue;
        }
        const UInt8 c = Fold(*w);
        for (size_t j = at; j < entryLength; ++j) {
            if (skipping && !IsScored(entry[j])) continue;
            if (Fold(entry[j]) == c) {
                ++score.matched;
                at = j + 1;
                break;
            }
        }
    }
    if (skipNothing) score.wordCount = 1;
    return score;
}

SInt32 CountScored(const char* s) {
    SInt32 n = 0;
    for (; *s; ++s)
        n += IsScored(*s) ? 1 : 0;
    return n;
}

} // namespace

void InitializeDictionary() {
    if (gDictionaryInitialized) return;
    gDictionaryInitialized = true;
    for (size_t i = 0; i < gValueLists.size(); ++i) {
        gValueLists[i].clear();
        gValueListLoaded[i] = false;
    }
}

void SetGlobalWord(const void* text, SInt32 length) {
    length = std::clamp<SInt32>(length, 0, 255);
    gGlobalWord.assign(text ? static_cast<const char*>(text) : "", text ? size_t(length) : 0);
    // The word is handed on as a C string, so it ends at its first NUL.
    gGlobalWord.resize(std::strlen(gGlobalWord.c_str()));
}

SInt16 CmpStr(const char* a, const char* b) {
    if (!a || !b) return 0;
    while (!IsTerminator(*a) && !IsTerminator(*b)) {
        if (Fold(*a) != Fold(*b)) return 0;
        ++a;
        ++b;
    }
    return *a == *b ? 1 : 0;
}

SInt16 CmpAlphaStr(const char* a, const char* b) {
    if (!a || !b) return 0;
    SInt32 compared = 0;
    for (;;) {
        while (!IsTerminator(*a) && !IsAlphaorNumber(UInt8(*a)))
            ++a;
        while (!IsTerminator(*b) && !IsAlphaorNumber(UInt8(*b)))
            ++b;
        const bool endA = IsTerminator(*a), endB = IsTerminator(*b);
        if (endA || endB) return endA && endB && compared > 0 ? 1 : 0;
        if (Fold(*a) != Fold(*b)) return 0;
        ++a;
        ++b;
        ++compared;
    }
}

void MatchCleanup(SInt16 kind) {
    if (Handle h = ListHandle(kind)) HUnlock(h);
}

SInt16 matchdict(SInt16 kind, UInt16 from, UInt16 to, const char* word, SInt16 mode) {
    if (!word) return -1;
    if (word[0] == 0) return 0;
    KeywordList list;
    if (!OpenList(kind, &list)) return -1;
    const bool wholeListAlways = (kind >= kDictVariableNames && kind <= kDictLabelNames) || IsValueList(kind);
    const SInt32 first = from == kWholeList ? 0 : from;
    const SInt32 end = to == kWholeList || wholeListAlways ? list.count : std::min<SInt32>(to, list.count);
    if (Handle h = ListHandle(kind)) HLock(h);

    SInt32 result = -1;
    SInt32 best = -1;
    EntryScore bestScore;
    char entry[256];
    char bestEntry[256] = {};
    for (SInt32 i = first; i < end; ++i) {
        list.Entry(i, entry);
        if (mode == kMatchExact || mode == kMatchExactLettersDigits) {
            if ((mode == kMatchExact ? CmpStr(word, entry) : CmpAlphaStr(word, entry)) != 0) {
                result = i;
                break;
            }
            continue;
        }
        const EntryScore s =
            ScoreEntry(word, entry, mode == kMatchClosestSameLetters, kind == kUnskippedList);
        const bool whole = s.matched >= s.wordCount && s.entryCount == s.matched;
        const bool better = s.matched > bestScore.matched ||
                            (best >= 0 && s.matched == bestScore.matched &&
                             s.entryCount - s.matched < bestScore.entryCount - bestScore.matched);
        if ((whole && s.matched > 0) || (better && s.matched > 0)) {
            best = i;
            bestScore = s;
            std::strcpy(bestEntry, entry);
        }
        if (whole && s.matched > 0) break;
    }
    if (mode != kMatchExact && mode != kMatchExactLettersDigits && best >= 0) {
        if (mode == kMatchClosestSameLetters) {
            if (CountScored(bestEntry) == bestScore.matched && CountScored(word) == bestScore.matched)
                result = best;
        } else if (mode == kMatchHalfTheLetters) {
            // Half of the chosen entry's own length: judging by whichever entry happened to be examined
            // last would accept or refuse a word for the length of an unrelated entry.
            const SInt32 length = SInt32(std::strlen(bestEntry));
            if (bestScore.matched >= std::max<SInt32>((length + 1) / 2, 1)) result = best;
        } else {
            result = best;
        }
    }
    MatchCleanup(kind);
    return SInt16(result);
}

SInt16 FindFontFamilyByName(ConstStr255Param name, bool fallback) {
    if (!name) return fallback ? SInt16(kFontTimes) : SInt16(-1);
    SInt16 family = -1;
    // The platform answers Times for a name it does not know, so an answer of Times counts only when
    // the name is Times's own.
    SInt16 known = kFontTimes;
    GetFNum(name, &known);
    Str255 timesName;
    GetFontName(kFontTimes, timesName);
    char asText[256];
    std::memcpy(asText, name + 1, name[0]);
    asText[name[0]] = 0;
    char timesText[256];
    std::memcpy(timesText, timesName + 1, timesName[0]);
    timesText[timesName[0]] = 0;
    if (known != kFontTimes || CmpStr(asText, timesText) || CmpStr(asText, "Times")) family = known;
    if (family < 0) {
        const SInt16 item =
            matchdict(kDictFontMenu, kWholeList, kWholeList, asText, kMatchClosestSameLetters);
        MenuRef menu = GetProgramMenu(kFontMenuSlot);
        if (item >= 0 && menu) family = GetFontFamilyFromMenuSelection(menu, MenuItemIndex(item + 1));
    }
    if (family < 0 && fallback) family = kFontTimes;
    return family;
}

SInt16 FindFontMenuIDByFamilyID(SInt16 family) {
    MenuRef menu = GetProgramMenu(kFontMenuSlot);
    if (!menu || !IsFontFamilyInstalled(family)) return -1;
    Str255 name;
    GetFontName(family, name);
    if (name[0] == 0) return -1;
    const UInt16 count = CountMenuItems(menu);
    for (UInt16 item = 1; item <= count; ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        if (text[0] != name[0]) continue;
        bool equal = true;
        for (UInt8 k = 1; k <= name[0] && equal; ++k)
            equal = MacRomanToLower(text[k]) == MacRomanToLower(name[k]);
        if (equal) return SInt16(item);
    }
    return -1;
}
