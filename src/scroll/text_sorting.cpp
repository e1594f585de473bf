// Sorting a whole text by units. The sort is a stable bottom-up merge sort over the unit list, so equal
// units keep their order and a stop between merge passes leaves a meaningful partial order; repeated units
// are removed after it, the first of each set staying. The result is assembled from internal copies of the
// units with their styles, so the operator's clipboard is never touched.
#include "scroll/text_sorting.h"

#include "foundation/character_classes.h"
#include "foundation/checked_wrappers.h"
#include "foundation/number_text.h"
#include "foundation/text_search.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "textengine/style_scrap.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

namespace {

// A scrap's element count is 16-bit; longer assemblies go into the text in several insertions.
constexpr size_t kMostElementsPerInsertion = 30000;

bool IsClosingPunctuation(UInt8 c) {
    return c == '.' || c == '!' || c == '?';
}

// A sentence's recorded end stops before the punctuation that closed it; the unit keeps that character.
SInt32 EndWithPunctuation(const UInt8* text, SInt32 length, SInt32 end) {
    return end < length && IsClosingPunctuation(text[end]) ? end + 1 : end;
}

UInt32 ColorNumber(const RGBColor& color) {
    return (UInt32(color.red >> 8) << 16) | (UInt32(color.green >> 8) << 8) | UInt32(color.blue >> 8);
}

// Shows a progress value once each time its whole number rises.
class ProgressShown {
  public:
    explicit ProgressShown(const SortProgress* progress) : progress_(progress) {}
    void Show(SInt16 value) {
        if (!progress_ || !progress_->show || value <= last_) return;
        last_ = value;
        progress_->show(progress_->data, value);
    }
    bool StopRequested() const {
        return progress_ && progress_->stopRequested && progress_->stopRequested(progress_->data);
    }

  private:
    const SortProgress* progress_;
    SInt16 last_ = -1;
};

// The comparison with each unit's number read once.
struct UnitComparer {
    const UInt8* text;
    const std::vector<SortUnit>& units;
    UInt16 key;
    const std::vector<UInt32>& colors;
    std::vector<double> numbers;

    SInt16 Compare(SInt32 a, SInt32 b) const {
        if (key == kSortKeyNumber)
            return numbers[size_t(a)] < numbers[size_t(b)]   ? -1
                   : numbers[size_t(a)] > numbers[size_t(b)] ? 1
                                                             : 0;
        const UInt32 colorA = key == kSortKeyColor && size_t(a) < colors.size() ? colors[size_t(a)] : 0;
        const UInt32 colorB = key == kSortKeyColor && size_t(b) < colors.size() ? colors[size_t(b)] : 0;
        return CompareSortUnits(text, units[size_t(a)], units[size_t(b)], key, colorA, colorB);
    }
};

// Bottom-up merge sort of the positions, stable; progress 0-100 by pass, the stop asked after each pass.
void MergeSortPositions(std::vector<SInt32>& order, const UnitComparer& comparer, bool descending,
                        ProgressShown& progress) {
    const size_t n = order.size();
    if (n < 2) return;
    auto precedes = [&](SInt32 a, SInt32 b) {
        const SInt16 c = comparer.Compare(a, b);
        return descending ? c > 0 : c < 0;
    };
    SInt32 passes = 0;
    for (size_t width = 1; width < n; width *= 2)
        ++passes;
    std::vector<SInt32> other(n);
    SInt32 pass = 0;
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t low = 0; low < n; low += 2 * width) {
            const size_t middle = std::min(low + width, n);
            const size_t high = std::min(low + 2 * width, n);
            std::merge(order.begin() + std::ptrdiff_t(low), order.begin() + std::ptrdiff_t(middle),
                       order.begin() + std::ptrdiff_t(middle), order.begin() + std::ptrdiff_t(high),
                       other.begin() + std::ptrdiff_t(low), precedes);
        }
        order.swap(other);
        ++pass;
        progress.Show(SInt16(100 * pass / passes));
        if (progress.StopRequested()) return;
    }
}

// Keeps the first of each run of neighbours that compare equal. Every unit dropped has an equal unit
// that stays and came before it in the text, sorted fully or not.
void RemoveNeighbourDuplicates(std::vector<SInt32>& order, const UnitComparer& comparer) {
    if (order.empty()) return;
    size_t kept = 1;
    for (size_t i = 1; i < order.size(); ++i)
        if (comparer.Compare(order[kept - 1], order[i]) != 0) order[kept++] = order[i];
    order.resize(kept);
}

struct Chunk {
    std::string text;
    std::vector<StyleScrapElement> elements;
};

bool SameStyle(const WEStyleRecord& a, const WEStyleRecord& b) {
    return a.height == b.height && a.ascent == b.ascent && a.style.font == b.style.font &&
           a.style.face == b.style.face && a.style.faceMask == b.style.faceMask &&
           a.style.size == b.style.size && a.style.color.red == b.style.color.red &&
           a.style.color.green == b.style.color.green && a.style.color.blue == b.style.color.blue;
}

Handle MakeScrap(const std::vector<StyleScrapElement>& elements) {
    Handle scrap = NewHandleClear(Size(2 + elements.size() * kStyleScrapElementSize));
    if (!scrap) return nullptr;
    const UInt16 count = UInt16(elements.size());
    std::memcpy(*scrap, &count, 2);
    for (size_t i = 0; i < elements.size(); ++i)
        WriteStyleScrapElement(reinterpret_cast<UInt8*>(*scrap) + 2 + i * kStyleScrapElementSize,
                               elements[i]);
    return scrap;
}

// The units in their new order, each followed by its separator, as chunks of text with their styles. False
// when a unit holds an object, which only the engine's own copy carries.
bool BuildChunks(const std::vector<SortUnit>& units, const std::vector<SInt32>& order, const UInt8* text,
                 char separator, WEReference target, std::vector<Chunk>& chunks) {
    chunks.emplace_back();
    for (SInt32 position : order) {
        const SortUnit& unit = units[size_t(position)];
        if (chunks.back().elements.size() >= kMostElementsPerInsertion) chunks.emplace_back();
        Chunk& chunk = chunks.back();
        const SInt32 base = SInt32(chunk.text.size());
        chunk.text.append(reinterpret_cast<const char*>(text + unit.start), size_t(unit.end - unit.start));
        for (SInt32 offset = unit.start; offset < unit.end;) {
            WERunInfo info;
            WEGetRunInfo(offset, &info, target);
            if (info.style.style.extra) return false;
            if (chunk.elements.empty() || !SameStyle(chunk.elements.back().record, info.style))
                chunk.elements.push_back({base + offset - unit.start, info.style});
            offset = info.end > offset ? std::min(info.end, unit.end) : unit.end;
        }
        if (separator) chunk.text.push_back(separator);
    }
    return true;
}

void InsertAtEnd(const void* bytes, SInt32 length, Handle styles, Handle soup, WEReference target) {
    const SInt32 end = WEGetTextLength(target);
    WESetSelection(end, end, 0, target);
    WEInsert(bytes, length, styles, soup, target, 0);
}

// Unit by unit through the engine's range copy, which carries objects and their data along.
void AssembleByRangeCopies(const std::vector<SortUnit>& units, const std::vector<SInt32>& order,
                           char separator, WEReference target, ProgressShown& progress) {
    Handle bytes = NewHandle(0), styles = NewHandle(0), soup = NewHandle(0);
    if (!bytes || !styles || !soup) {
        if (bytes) DisposeHandle(bytes);
        if (styles) DisposeHandle(styles);
        if (soup) DisposeHandle(soup);
        return;
    }
    const SInt32 count = SInt32(order.size());
    for (SInt32 done = 0; done < count; ++done) {
        const SortUnit& unit = units[size_t(order[size_t(done)])];
        if (WECopyRange(unit.start, unit.end, bytes, styles, soup, target) == noErr) {
            HLock(bytes);
            InsertAtEnd(*bytes, SInt32(GetHandleSize(bytes)), styles, GetHandleSize(soup) ? soup : nullptr,
                        target);
            HUnlock(bytes);
            if (separator) InsertAtEnd(&separator, 1, nullptr, nullptr, target);
        }
        progress.Show(SInt16(100 + 100 * SInt64(done + 1) / count));
    }
    DisposeHandle(bytes);
    DisposeHandle(styles);
    DisposeHandle(soup);
}

char SeparatorOf(UInt16 unit) {
    if (unit == kSortParagraphs || unit == kSortSentences) return '\r';
    if (unit == kSortWords) return ' ';
    return 0;
}

// Restores an engine feature as it was when this was made.
class FeatureOff {
  public:
    FeatureOff(SInt16 feature, WEReference we)
        : feature_(feature), we_(we), was_(WEFeatureFlag(feature, 0, we)) {}
    ~FeatureOff() { WEFeatureFlag(feature_, was_, we_); }
    FeatureOff(const FeatureOff&) = delete;
    FeatureOff& operator=(const FeatureOff&) = delete;

  private:
    SInt16 feature_;
    WEReference we_;
    SInt16 was_;
};

class FeatureOn {
  public:
    FeatureOn(SInt16 feature, WEReference we)
        : feature_(feature), we_(we), was_(WEFeatureFlag(feature, 1, we)) {}
    ~FeatureOn() { WEFeatureFlag(feature_, was_, we_); }
    FeatureOn(const FeatureOn&) = delete;
    FeatureOn& operator=(const FeatureOn&) = delete;

  private:
    SInt16 feature_;
    WEReference we_;
    SInt16 was_;
};

} // namespace

SInt32 GetSentenceArrayParagraphStartAndEnd(SentenceHdl sentences, SInt32 index, SInt32* end) {
    if (end) *end = 0;
    if (!sentences) return 0;
    const SInt32 count = SInt32(GetHandleSize(sentences) / Size(sizeof(SentenceRec)));
    if (index < 0 || index >= count) return 0;
    const auto* records = reinterpret_cast<const SentenceRec*>(*sentences);
    const SentenceRec& sentence = records[index];
    const SInt32 first = std::clamp(sentence.firstOfParagraph, SInt32(0), count - 1);
    const SInt32 last = std::clamp(first + sentence.sentencesInParagraph - 1, first, count - 1);
    if (end) *end = records[last].end;
    return records[first].start;
}

std::vector<SortUnit> GetSortUnits(const UInt8* text, SInt32 length, UInt16 unit) {
    std::vector<SortUnit> units;
    if (!text || length <= 0) return units;
    if (unit == kSortCharacters) {
        LoadCharacterClasses();
        for (SInt32 i = 0; i < length; ++i)
            if (!IsWhiteSpace(text[i])) units.push_back({i, i + 1});
        return units;
    }
    if (unit == kSortWords) {
        WordLineHdl words = nullptr;
        const SInt32 count = CountWords(text, length, &words);
        if (!words) return units;
        const auto* records = reinterpret_cast<const WordLineRec*>(*words);
        for (SInt32 i = 0; i < count; ++i)
            units.push_back({records[i].start, std::min(records[i].end, length)});
        MyDisposeHandle(words, ORVALIS_HERE);
        return units;
    }
    SentenceHdl sentences = nullptr;
    const SInt32 count = CountSentences(text, length, &sentences, nullptr);
    if (!sentences) return units;
    const auto* records = reinterpret_cast<const SentenceRec*>(*sentences);
    for (SInt32 i = 0; i < count; ++i) {
        if (unit == kSortSentences) {
            units.push_back({records[i].start, EndWithPunctuation(text, length, records[i].end)});
        } else if (i == 0 || records[i].paragraph != records[i - 1].paragraph) {
            SInt32 end = 0;
            const SInt32 start = GetSentenceArrayParagraphStartAndEnd(sentences, i, &end);
            units.push_back({start, EndWithPunctuation(text, length, end)});
        }
    }
    MyDisposeHandle(sentences, ORVALIS_HERE);
    return units;
}

SInt16 CompareSortUnits(const UInt8* text, const SortUnit& a, const SortUnit& b, UInt16 key, UInt32 colorA,
                        UInt32 colorB) {
    const SInt32 lengthA = a.end - a.start, lengthB = b.end - b.start;
    switch (key) {
    case kSortKeyNumber: {
        const double x = TextToRealNumber(reinterpret_cast<const char*>(text + a.start), lengthA);
        const double y = TextToRealNumber(reinterpret_cast<const char*>(text + b.start), lengthB);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    case kSortKeyExactText:
        return CompareASCII(text + a.start, text + b.start, lengthA, lengthB);
    case kSortKeyColor:
        return colorA < colorB ? -1 : colorA > colorB ? 1 : 0;
    default:
        return MyCompareText(text + a.start, text + b.start, lengthA, lengthB);
    }
}

namespace {

void SortUnitsShowing(std::vector<SortUnit>& units, const UInt8* text, const SortSpec& spec,
                      const std::vector<UInt32>& colors, ProgressShown& shown) {
    UnitComparer comparer{text, units, spec.key, colors, {}};
    if (spec.key == kSortKeyNumber) {
        comparer.numbers.reserve(units.size());
        for (const SortUnit& unit : units)
            comparer.numbers.push_back(
                TextToRealNumber(reinterpret_cast<const char*>(text + unit.start), unit.end - unit.start));
    }
    std::vector<SInt32> order(units.size());
    std::iota(order.begin(), order.end(), 0);
    if (spec.dontSort) {
        if (!spec.removeDuplicates) return;
        // Equal units meet in a sorted copy; the first of each set in the text stays, in the text's order.
        std::vector<SInt32> sorted = order;
        MergeSortPositions(sorted, comparer, false, shown);
        std::vector<SInt32> kept = sorted;
        RemoveNeighbourDuplicates(kept, comparer);
        std::vector<bool> stays(units.size(), false);
        for (SInt32 position : kept)
            stays[size_t(position)] = true;
        std::vector<SortUnit> result;
        for (size_t i = 0; i < units.size(); ++i)
            if (stays[i]) result.push_back(units[i]);
        units.swap(result);
        return;
    }
    MergeSortPositions(order, comparer, spec.order == kSortDescending, shown);
    if (spec.removeDuplicates) RemoveNeighbourDuplicates(order, comparer);
    std::vector<SortUnit> result;
    result.reserve(order.size());
    for (SInt32 position : order)
        result.push_back(units[size_t(position)]);
    units.swap(result);
}

} // namespace

void SortUnitList(std::vector<SortUnit>& units, const UInt8* text, const SortSpec& spec,
                  const std::vector<UInt32>& colors, const SortProgress* progress) {
    ProgressShown shown(progress);
    SortUnitsShowing(units, text, spec, colors, shown);
}

SInt16 SortWholeText(const SortSpec& spec, Handle text, WEReference target, const SortProgress* progress) {
    if (!text || !target) return 0;
    if (spec.dontSort && !spec.removeDuplicates) return 0;
    const SInt32 length = WEGetTextLength(target);
    Handle own = WEGetText(target);
    if (!own || GetHandleSize(own) < length) return 0;
    // The units are read from a copy: the engine's text moves as the result goes in.
    const std::vector<UInt8> bytes(reinterpret_cast<const UInt8*>(*own),
                                   reinterpret_cast<const UInt8*>(*own) + length);
    std::vector<SortUnit> units = GetSortUnits(bytes.data(), length, spec.unit);
    std::vector<UInt32> colors;
    if (spec.key == kSortKeyColor) {
        colors.reserve(units.size());
        for (const SortUnit& unit : units) {
            WERunInfo info;
            WEGetRunInfo(unit.start, &info, target);
            colors.push_back(ColorNumber(info.style.style.color));
        }
    }
    ProgressShown shown(progress);
    SortUnitsShowing(units, bytes.data(), spec, colors, shown);
    shown.Show(100);
    const FeatureOn noRecal(weFInhibitRecal, target);
    const FeatureOn noRedraw(weFInhibitRedraw, target);
    const FeatureOff noIntelligentBlanks(weFIntCutAndPaste, target);
    const char separator = SeparatorOf(spec.unit);
    std::vector<SInt32> order(units.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<Chunk> chunks;
    if (BuildChunks(units, order, bytes.data(), separator, target, chunks)) {
        // Every scrap is made before the text is touched, so running out of memory changes nothing.
        std::vector<Handle> scraps;
        for (const Chunk& chunk : chunks) {
            scraps.push_back(chunk.elements.empty() ? nullptr : MakeScrap(chunk.elements));
            if (!chunk.elements.empty() && !scraps.back()) {
                for (Handle scrap : scraps)
                    if (scrap) DisposeHandle(scrap);
                return 0;
            }
        }
        for (size_t i = 0; i < chunks.size(); ++i) {
            if (!chunks[i].text.empty())
                InsertAtEnd(chunks[i].text.data(), SInt32(chunks[i].text.size()), scraps[i], nullptr, target);
            if (scraps[i]) DisposeHandle(scraps[i]);
            shown.Show(SInt16(100 + 100 * (i + 1) / chunks.size()));
        }
    } else {
        AssembleByRangeCopies(units, order, separator, target, shown);
    }
    // The text as it stood goes, leaving only the assembled units.
    WESetSelection(0, length, 0, target);
    WEDelete(target);
    WESetSelection(0, 0, 0, target);
    shown.Show(200);
    return 0;
}
