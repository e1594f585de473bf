// The paragraph layouts behind a record's Unicode data: finding paragraph bounds, following insertions,
// deletions and style changes, and laying out stale paragraphs on demand.
#include "textengine/paragraph_layouts.h"

#include "textengine/text_effects.h"

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "platform/text_encoding.h"
#include "textengine/text_effect_globals.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Paragraph {
    SInt32 start = 0;
    SInt32 length = 0; // its carriage return included
    UnicodeParagraph* layout = nullptr;
    bool stale = true;
};

// A layout style set over a text range, over the style of the record's runs there.
struct StyleOverride {
    SInt32 start = 0;
    SInt32 end = 0;
    UnicodeRunStyle style;
};

constexpr size_t kShapedParagraphs = 2048;

struct ParagraphCache {
    std::vector<Paragraph> paragraphs;    // cover the text in order
    std::vector<StyleOverride> overrides; // later ones win
    // Text range whose paragraph bounds must be found again (-1 when none).
    SInt32 rescanStart = -1;
    SInt32 rescanEnd = -1;
    // What the paragraphs were laid out with.
    UnicodeLayoutOptions options;
    UnicodeTab tabs[kMaxTabStops] = {};
    std::vector<UnicodeRunStyle> runs;    // reused for every paragraph
    std::vector<SInt32> cuts;             // reused for every paragraph
    std::vector<UnicodeParagraph*> spare; // layouts of merged-away paragraphs, reused
    // The paragraphs last asked for whole (to measure or draw), kept laid out; the others keep only their
    // lines, so that a long script holds little more than its text.
    std::array<UnicodeParagraph*, kShapedParagraphs> shaped{};
    size_t nextShaped = 0;
};

ParagraphCache* CacheOf(const WERec& r) {
    return r.atsuInfo ? static_cast<ParagraphCache*>((*r.atsuInfo)->layout) : nullptr;
}

SInt32 EndOf(const Paragraph& p) {
    return p.start + p.length;
}

// The paragraph that holds offset; the text's end belongs to the last one.
size_t IndexAt(const ParagraphCache& c, SInt32 offset) {
    auto found = std::upper_bound(c.paragraphs.begin(), c.paragraphs.end(), offset,
                                  [](SInt32 value, const Paragraph& p) { return value < p.start; });
    return size_t(std::max<ptrdiff_t>(0, (found - c.paragraphs.begin()) - 1));
}

void AddRescan(ParagraphCache& c, SInt32 start, SInt32 end) {
    c.rescanStart = c.rescanStart < 0 ? start : std::min(c.rescanStart, start);
    c.rescanEnd = std::max(c.rescanEnd, end);
}

void Recycle(ParagraphCache& c, Paragraph& p) {
    if (p.layout) c.spare.push_back(p.layout);
    p.layout = nullptr;
}

// Finds the paragraph bounds again over the paragraphs that the rescan range touches.
void Rescan(ParagraphCache& c, const WERec& r) {
    if (c.rescanStart < 0) return;
    size_t first = 0, last = 0;
    SInt32 begin = 0, end = r.textLength;
    if (!c.paragraphs.empty()) {
        first = IndexAt(c, c.rescanStart);
        last = IndexAt(c, c.rescanEnd);
        begin = c.paragraphs[first].start;
        end = EndOf(c.paragraphs[last]);
        for (size_t i = first; i <= last; i++)
            Recycle(c, c.paragraphs[i]);
        c.paragraphs.erase(c.paragraphs.begin() + ptrdiff_t(first),
                           c.paragraphs.begin() + ptrdiff_t(last) + 1);
    }
    const UInt8* text = TextOf(r);
    std::vector<Paragraph> found;
    for (SInt32 at = begin; at < end;) {
        const UInt8* cr = std::find(text + at, text + end, UInt8(13));
        const SInt32 next = cr == text + end ? end : SInt32(cr - text) + 1;
        found.push_back(Paragraph{at, next - at, nullptr, true});
        at = next;
    }
    c.paragraphs.insert(c.paragraphs.begin() + ptrdiff_t(first), found.begin(), found.end());
    c.rescanStart = c.rescanEnd = -1;
}

// The options every paragraph is laid out with; a change makes them all stale.
void SyncOptions(ParagraphCache& c, const WERec& r) {
    UnicodeLayoutOptions options;
    options.lineWidth = BreaksOnlyAtReturns(r) ? 0 : r.destRect.right - r.destRect.left;
    options.justify = r.alignment == 2;
    UnicodeTab tabs[kMaxTabStops];
    options.tabCount = GetUnicodeTabs(tabs);
    bool same = options.lineWidth == c.options.lineWidth && options.justify == c.options.justify &&
                options.tabCount == c.options.tabCount;
    for (SInt32 i = 0; same && i < options.tabCount; i++)
        same = tabs[i].position == c.tabs[i].position && tabs[i].kind == c.tabs[i].kind;
    if (same) return;
    std::copy(tabs, tabs + options.tabCount, c.tabs);
    options.tabs = c.tabs;
    c.options = options;
    for (Paragraph& p : c.paragraphs)
        p.stale = true;
}

void LayOut(ParagraphCache& c, const WERec& r, Paragraph& p) {
    const UInt8* text = TextOf(r);
    SInt32 length = p.length;
    if (length > 0 && text[p.start + length - 1] == 13) length--; // the return ends the paragraph, unseen
    c.runs.clear();
    const WERunRec* runs = RunsOf(r);
    const WEStyleEntry* styles = StylesOf(r);
    const SInt32 end = p.start + length;
    // Style changes inside the paragraph: run starts and the bounds of set styles.
    std::vector<SInt32>& cuts = c.cuts;
    cuts.assign({p.start, end});
    for (SInt32 i = _WEOffsetToRun(r, p.start) + 1; i < r.runCount && runs[i].start < end; i++)
        cuts.push_back(runs[i].start);
    for (const StyleOverride& o : c.overrides)
        for (SInt32 at : {o.start, o.end})
            if (at > p.start && at < end) cuts.push_back(at);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); k++) {
        const SInt32 from = cuts[k], to = cuts[k + 1];
        if (to <= from) continue;
        auto over = std::find_if(c.overrides.rbegin(), c.overrides.rend(),
                                 [&](const StyleOverride& o) { return o.start <= from && to <= o.end; });
        c.runs.emplace_back();
        if (over != c.overrides.rend()) {
            c.runs.back() = over->style;
            c.runs.back().length = to - from;
        } else {
            FillUnicodeRunStyle(styles[runs[_WEOffsetToRun(r, from)].styleIndex].record.style, to - from,
                                &c.runs.back());
        }
    }
    if (c.runs.empty()) {
        c.runs.emplace_back();
        FillUnicodeRunStyle(styles[runs[_WEOffsetToRun(r, p.start)].styleIndex].record.style, 0,
                            &c.runs.back());
    }
    if (!p.layout) {
        if (!c.spare.empty()) {
            p.layout = c.spare.back();
            c.spare.pop_back();
        } else {
            p.layout = NewUnicodeParagraph();
        }
    }
    LayOutUnicodeParagraph(p.layout, (*r.atsuInfo)->text + p.start, length, c.runs.data(),
                           SInt32(c.runs.size()), c.options);
    p.stale = false;
}

// Keeps layout among the paragraphs laid out whole, letting the longest kept one go to its lines.
void KeepShaped(ParagraphCache& c, UnicodeParagraph* layout) {
    if (c.shaped[(c.nextShaped + kShapedParagraphs - 1) % kShapedParagraphs] == layout) return;
    if (std::find(c.shaped.begin(), c.shaped.end(), layout) != c.shaped.end()) return;
    UnicodeParagraph*& slot = c.shaped[c.nextShaped];
    c.nextShaped = (c.nextShaped + 1) % kShapedParagraphs;
    if (slot) ReleaseUnicodeLayout(slot);
    slot = layout;
}

// The paragraph holding offset, bounds and options brought up to date and laid out; whole (to measure
// positions or draw) or, when only its lines are asked for, as it is. A script of up to kShapedParagraphs
// paragraphs stays laid out whole, so that scrolling through it lays nothing out again.
Paragraph* ReadyParagraphAt(WERec& r, SInt32 offset, bool whole = true) {
    ParagraphCache* c = CacheOf(r);
    if (!c) return nullptr;
    Rescan(*c, r);
    SyncOptions(*c, r);
    if (c->paragraphs.empty()) return nullptr;
    Paragraph& p = c->paragraphs[IndexAt(*c, offset)];
    const bool layOut = p.stale || (whole && IsUnicodeLayoutReleased(p.layout));
    if (layOut) LayOut(*c, r, p);
    if (whole || layOut) KeepShaped(*c, p.layout);
    return &p;
}

void DisposeCache(ParagraphCache* c) {
    if (!c) return;
    for (Paragraph& p : c->paragraphs)
        DisposeUnicodeParagraph(p.layout);
    for (UnicodeParagraph* layout : c->spare)
        DisposeUnicodeParagraph(layout);
    delete c;
}

} // namespace

bool BreaksOnlyAtReturns(const WERec& r) {
    return r.hooks[kWEHookLineBreak] == reinterpret_cast<WEHookProc>(&_WENoWrapLineBreak);
}

bool FindUnicodeLine(WERec& r, SInt32 offset, UnicodeLineRef* ref, bool whole) {
    const Paragraph* p = ReadyParagraphAt(r, offset, whole);
    if (!p) return false;
    ref->layout = p->layout;
    ref->paragraphStart = p->start;
    ref->line = UnicodeLineOfOffset(p->layout, offset - p->start);
    return true;
}

SInt32 UnicodeLineLength(WERec& r, SInt32 lineStart) {
    const Paragraph* p = ReadyParagraphAt(r, lineStart, false);
    if (!p) return 0;
    const SInt32 line = UnicodeLineOfOffset(p->layout, lineStart - p->start);
    if (line == CountUnicodeLines(p->layout) - 1) return EndOf(*p) - lineStart;
    UnicodeLineInfo info;
    GetUnicodeLine(p->layout, line, &info);
    return p->start + info.start + info.length - lineStart;
}

ATSUInfoRec** CreateATSUInfo(void*, void*, WEReference we) {
    WERec& r = RecordOf(we);
    DisposeATSUDataForMe(we);
    Handle h = NewHandleClear(sizeof(ATSUInfoRec));
    if (!h) return nullptr;
    ATSUInfoRec& info = *reinterpret_cast<ATSUInfoRec*>(*h);
    info.textCapacity = r.textLength * 2 + 20;
    info.text = reinterpret_cast<UInt16*>(NewPtr(info.textCapacity));
    if (!info.text) {
        DisposeHandle(h);
        return nullptr;
    }
    for (SInt32 i = 0; i < r.textLength; i++)
        info.text[i] = MacRomanToUnicode(TextOf(r)[i]);
    info.textLength = r.textLength;
    auto* cache = new ParagraphCache;
    cache->options.lineWidth = -1; // nothing laid out yet
    AddRescan(*cache, 0, r.textLength);
    info.layout = cache;
    r.atsuInfo = reinterpret_cast<ATSUInfoRec**>(h);
    return r.atsuInfo;
}

// The text moved or changed as a whole: every paragraph is found and laid out again.
ATSUInfoRec** NewLayoutFormat(UInt16*, SInt32, WEReference we) {
    WERec& r = RecordOf(we);
    ParagraphCache* c = CacheOf(r);
    if (!c) return nullptr;
    c->overrides.clear(); // every style comes from the record again
    for (Paragraph& p : c->paragraphs)
        p.stale = true;
    AddRescan(*c, 0, r.textLength);
    return r.atsuInfo;
}

// Width, alignment and tab changes are noticed when a paragraph is next asked for.
ATSUInfoRec** NewLayoutBreaks(WEReference we) {
    WERec& r = RecordOf(we);
    if (ParagraphCache* c = CacheOf(r)) SyncOptions(*c, r);
    return r.atsuInfo;
}

// Takes the set styles off [start, end).
static void RemoveOverrides(ParagraphCache& c, SInt32 start, SInt32 end) {
    std::vector<StyleOverride> kept;
    for (const StyleOverride& o : c.overrides) {
        if (o.end <= start || o.start >= end) {
            kept.push_back(o);
            continue;
        }
        if (o.start < start) kept.push_back(StyleOverride{o.start, start, o.style});
        if (o.end > end) kept.push_back(StyleOverride{end, o.end, o.style});
    }
    c.overrides.swap(kept);
}

static void MarkStale(ParagraphCache& c, const WERec& r, SInt32 start, SInt32 end) {
    Rescan(c, r);
    for (size_t i = IndexAt(c, start); i < c.paragraphs.size() && c.paragraphs[i].start < end; i++)
        c.paragraphs[i].stale = true;
}

// A colour set over start..end goes straight into the laid-out paragraphs there, which keep their glyphs
// where they are: highlighting a word as the text scrolls lays nothing out again. False (nothing changed)
// where a set style lies over the range and the whole way is needed.
static bool RecolourParagraphs(ParagraphCache& c, const WERec& r, SInt32 start, SInt32 end,
                               const RGBColor& color) {
    for (const StyleOverride& o : c.overrides)
        if (o.start < end && o.end > start) return false;
    Rescan(c, r);
    for (size_t i = IndexAt(c, start); i < c.paragraphs.size() && c.paragraphs[i].start < end; i++) {
        Paragraph& p = c.paragraphs[i];
        // A paragraph waiting for layout, or holding only its lines, takes the colour from the record's
        // runs when it is laid out.
        if (p.stale) continue;
        if (!p.layout || !RecolourUnicodeRange(p.layout, start - p.start, end - p.start, color))
            p.stale = true;
    }
    return true;
}

void SetLayoutRunStyle(SInt32 start, SInt32 end, UInt16 mode, const WETextStyle* style, WEReference we) {
    WERec& r = RecordOf(we);
    ParagraphCache* c = CacheOf(r);
    if (!c) return;
    if (start < end) {
        if (mode == weDoColor && !c->paragraphs.empty() &&
            RecolourParagraphs(*c, r, start, end, style->color))
            return;
        // Paragraphs read their styles from the record's runs when laid out again.
        RemoveOverrides(*c, start, end);
        if (!c->paragraphs.empty()) MarkStale(*c, r, start, end);
        return;
    }
    // The layout's style at start, changed as the mode asks, waits for the text typed there.
    const WETextStyle& old = StylesOf(r)[RunsOf(r)[_WEOffsetToRun(r, start)].styleIndex].record.style;
    auto* made = new UnicodeRunStyle;
    FillUnicodeRunStyle(old, 0, made);
    for (const StyleOverride& o : c->overrides)
        if (o.start <= start && start < o.end) *made = o.style;
    made->length = 0;
    if (mode & weDoFont) made->font = style->font;
    if (mode & weDoFace) {
        WETextStyle faced = old;
        faced.face = style->face;
        faced.color = made->color;
        UnicodeRunStyle effects;
        FillUnicodeRunStyle(faced, 0, &effects);
        effects.font = made->font;
        effects.size = made->size;
        effects.color = made->color;
        *made = effects;
    }
    if (mode & (weDoSize | weDoAddSize)) made->size = style->size;
    if (mode & weDoColor) made->color = style->color;
    ClearATSUNullStyle(we);
    (*r.atsuInfo)->nullStyle = made;
}

void SetLayoutRunWithThisStyle(SInt32 start, SInt32 end, const UnicodeRunStyle* style, WEReference we) {
    WERec& r = RecordOf(we);
    ParagraphCache* c = CacheOf(r);
    if (!c || !style || start >= end) return;
    RemoveOverrides(*c, start, end);
    c->overrides.push_back(StyleOverride{start, end, *style});
    if (!c->paragraphs.empty()) MarkStale(*c, r, start, end);
}

void ClearATSUNullStyle(WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo) return;
    delete (*r.atsuInfo)->nullStyle;
    (*r.atsuInfo)->nullStyle = nullptr;
}

void ATSUTextInserted(void* layout, SInt32 offset, SInt32 length) {
    auto* c = static_cast<ParagraphCache*>(layout);
    if (!c || length <= 0) return;
    if (c->rescanStart > offset) c->rescanStart += length;
    if (c->rescanEnd >= offset) c->rescanEnd += length;
    // Text typed at the end of a set style joins it, as it joins the run before it.
    for (StyleOverride& o : c->overrides) {
        if (o.start >= offset && o.start > 0) o.start += length;
        if (o.end >= offset) o.end += length;
    }
    if (c->paragraphs.empty()) {
        c->paragraphs.push_back(Paragraph{0, length, nullptr, true});
    } else {
        const size_t i = IndexAt(*c, offset);
        c->paragraphs[i].length += length;
        c->paragraphs[i].stale = true;
        for (size_t k = i + 1; k < c->paragraphs.size(); k++)
            c->paragraphs[k].start += length;
    }
    AddRescan(*c, offset, offset + length);
}

void ATSUTextDeleted(void* layout, SInt32 offset, SInt32 length) {
    auto* c = static_cast<ParagraphCache*>(layout);
    if (!c || length <= 0 || c->paragraphs.empty()) return;
    auto shift = [&](SInt32& at) { at = at >= offset + length ? at - length : std::min(at, offset); };
    if (c->rescanStart >= 0) {
        shift(c->rescanStart);
        shift(c->rescanEnd);
    }
    for (StyleOverride& o : c->overrides) {
        shift(o.start);
        shift(o.end);
    }
    std::erase_if(c->overrides, [](const StyleOverride& o) { return o.end <= o.start; });
    const size_t first = IndexAt(*c, offset), last = IndexAt(*c, offset + length);
    Paragraph& merged = c->paragraphs[first];
    merged.length = EndOf(c->paragraphs[last]) - merged.start - length;
    merged.stale = true;
    for (size_t k = first + 1; k <= last; k++)
        Recycle(*c, c->paragraphs[k]);
    c->paragraphs.erase(c->paragraphs.begin() + ptrdiff_t(first) + 1,
                        c->paragraphs.begin() + ptrdiff_t(last) + 1);
    for (size_t k = first + 1; k < c->paragraphs.size(); k++)
        c->paragraphs[k].start -= length;
    AddRescan(*c, offset, offset);
}

// Paragraphs read the text from the record when they are laid out, so a moved block needs nothing.
void ATSUSetTextPointerLocation(void*, const UInt16*, SInt32, SInt32, SInt32) {}

void DisposeATSUDataForMe(WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo) return;
    ClearATSUNullStyle(we);
    DisposeCache(CacheOf(r));
    if ((*r.atsuInfo)->text) DisposePtr(reinterpret_cast<Ptr>((*r.atsuInfo)->text));
    DisposeHandle(reinterpret_cast<Handle>(r.atsuInfo));
    r.atsuInfo = nullptr;
}
