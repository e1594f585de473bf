// Paragraph layout on the toolkit's text layout: one QTextLayout per paragraph answers line breaking,
// measuring, hit testing and drawing, so carets and selections sit on the glyphs that are drawn.
#include "platform/unicode_layout.h"
#include "qt/event_internal.h"
#include "qt/font_registry.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// Wide enough for any line the program lays out; stands for "no wrapping".
static constexpr qreal kUnboundedWidth = 4.0e6;
// Runs a paragraph has room for beyond its own, for colouring ranges of it.
static constexpr size_t kRecolourRoom = 4;
// Runs a paragraph about to be shown has room for at most, one a character: two fades and the words
// between them.
static constexpr SInt32 kFadeRunRoom = 160;
static bool gRoomForCharacterColours = false;

struct UnicodeParagraph {
    QTextLayout layout;
    QString text;
    std::vector<UnicodeRunStyle> runs;
    std::vector<SInt32> runStarts; // runs.size() + 1 entries
    std::vector<QFont> fonts;
    std::vector<UnicodeLineInfo> lines;
    QList<QTextLayout::FormatRange> formats;
    QList<QTextOption::Tab> tabs;
    UInt64 generation = 0; // new for every layout, so painted lines of an older one are never reused
    bool released = false; // only the lines are kept
};

// Every drawn line is painted once, off to the side, and blended onto ports from then on: scrolling
// exposes a line a few rows at a time, and each exposure then costs a copy of those rows and no painter,
// no clip and no glyph runs made afresh. The most recently used lines are kept, enough for a screenful, so
// that memory stays bounded however long the text.
namespace {
// A kept line's glyphs by character, taken when the line is first painted, so that painting it again in
// other colours draws slices of them instead of asking the layout for glyph runs (which allocates). The
// glyphs are in the line's logical order; a character's glyphs are those from its first glyph to the next
// character's, and a glyph a character shares with the one before it (a ligature) is listed once.
struct LineGlyphs {
    bool valid = false;
    std::vector<quint32> indexes;
    std::vector<QPointF> positions;
    std::vector<UInt8> face;        // per glyph: its entry in faces
    std::vector<SInt32> firstGlyph; // per character, and one past the last
    std::vector<SInt32> shared;     // per character: the glyph it shares with the one before it, or -1
    std::vector<QGlyphRun> faces;   // one per font and flags, drawn with its data pointed at a slice
};

struct PaintedLine {
    UInt64 generation = 0;
    SInt32 line = -1;
    UInt64 lastUse = 0;
    int width = 0;
    int height = 0;
    int margin = 0;           // room around the line's box for glyphs and shadows that reach past it
    std::vector<QRgb> pixels; // premultiplied, width x height; the buffer is kept for the next line
    LineGlyphs glyphs;
};
constexpr size_t kPaintedLineCount = 48;
std::vector<PaintedLine> gPaintedLines;
UInt64 gLayoutGeneration = 0;
UInt64 gPaintClock = 0;

// The cached line (painted when its size is not 0), or the least recently used slot taken for it.
PaintedLine& PaintedLineSlot(UInt64 generation, SInt32 line) {
    if (gPaintedLines.capacity() < kPaintedLineCount) gPaintedLines.reserve(kPaintedLineCount);
    ++gPaintClock;
    PaintedLine* oldest = nullptr;
    for (PaintedLine& entry : gPaintedLines) {
        if (entry.generation == generation && entry.line == line) {
            entry.lastUse = gPaintClock;
            return entry;
        }
        if (!oldest || entry.lastUse < oldest->lastUse) oldest = &entry;
    }
    if (gPaintedLines.size() < kPaintedLineCount) {
        gPaintedLines.emplace_back();
        oldest = &gPaintedLines.back();
    }
    oldest->generation = generation;
    oldest->line = line;
    oldest->lastUse = gPaintClock;
    oldest->width = oldest->height = 0;
    oldest->glyphs.valid = false;
    return *oldest;
}

// The one image lines are painted in, with a painter that stays open on it: opening a painter, setting
// its clip and making pens cost heap blocks every time.
struct LineCanvas {
    QImage image;
    QPainter* painter = nullptr;
};
LineCanvas gCanvas;

QPainter& CanvasOfSize(int width, int height) {
    if (!gCanvas.painter || gCanvas.image.width() < width || gCanvas.image.height() < height) {
        delete gCanvas.painter;
        gCanvas.painter = nullptr;
        // Grown with room to spare, so that a slightly longer line does not make it again.
        const int w = std::max(width + width / 4, gCanvas.image.width());
        const int h = std::max(height + height / 4, gCanvas.image.height());
        gCanvas.image = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
        gCanvas.painter = new QPainter(&gCanvas.image);
        gCanvas.painter->setRenderHint(QPainter::Antialiasing, true);
    }
    for (int y = 0; y < height; y++) {
        QRgb* row = reinterpret_cast<QRgb*>(gCanvas.image.scanLine(y));
        std::fill(row, row + width, QRgb(0));
    }
    return *gCanvas.painter;
}

// Pens of the colours drawn most, made once: a painter given a colour makes a new pen each time.
const QPen& PenOf(QRgb rgb) {
    struct Kept {
        QRgb rgb = 0;
        QPen pen;
    };
    // Enough for the speed reader's fades, a colour a character on each side of the reading words, in the
    // words' colours as they change along the text.
    constexpr int kKeptPens = 256;
    static Kept kept[kKeptPens];
    static int next = 0;
    for (const Kept& k : kept)
        if (k.rgb == rgb && k.pen.style() != Qt::NoPen) return k.pen;
    Kept& k = kept[next];
    next = (next + 1) % kKeptPens;
    k.rgb = rgb;
    k.pen = QPen(QColor::fromRgb(rgb));
    return k.pen;
}

// s over d, both premultiplied (an opaque destination stays opaque), rounded as the toolkit rounds.
inline QRgb BlendOver(QRgb s, QRgb d) {
    const UInt32 a = 255 - qAlpha(s);
    UInt32 rb = (d & 0xff00ff) * a;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    UInt32 ag = ((d >> 8) & 0xff00ff) * a;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return s + (rb | ag);
}
} // namespace

static QColor ColorOf(const RGBColor& c) {
    return QColor::fromRgb(PixelFromRGB(c));
}

UnicodeParagraph* NewUnicodeParagraph() {
    return new UnicodeParagraph;
}

void DisposeUnicodeParagraph(UnicodeParagraph* paragraph) {
    delete paragraph;
}

static QTextOption::TabType TabTypeOf(SInt16 kind) {
    switch (kind) {
    case kTabCentre:
        return QTextOption::CenterTab;
    case kTabRight:
        return QTextOption::RightTab;
    case kTabDecimal:
        return QTextOption::DelimiterTab;
    default:
        return QTextOption::LeftTab;
    }
}

// The strike lines and extra underlines are drawn by us in their own colours, so the font carries neither.
// The few fonts a script uses are made once and shared by all its paragraphs.
namespace {
struct MadeFont {
    SInt16 font = 0, face = -1, size = 0;
    QFont made;
};
MadeFont gMadeFonts[8];
int gNextMadeFont = 0;
} // namespace

static QFont FontOfRun(const UnicodeRunStyle& run) {
    auto& fonts = gMadeFonts;
    int& next = gNextMadeFont;
    const SInt16 face = SInt16(run.face & ~(strikeOut | underline));
    for (const MadeFont& m : fonts)
        if (m.face == face && m.font == run.font && m.size == run.size) return m.made;
    MadeFont& m = fonts[next];
    next = (next + 1) % 8;
    m.made = MakeFont(run.font, face, run.size);
    m.made.setKerning(true);
    m.font = run.font;
    m.face = face;
    m.size = run.size;
    return m.made;
}

void ReleasePaintedLines() {
    delete gCanvas.painter;
    gCanvas = LineCanvas{};
    gPaintedLines = std::vector<PaintedLine>();
    // Fonts belong to the toolkit, which is about to go.
    for (MadeFont& m : gMadeFonts)
        m = MadeFont{};
}

// Room for a colour a character, at once, while the speed reader fades the text.
static void MakeRoomForCharacterColours(UnicodeParagraph* p) {
    if (!gRoomForCharacterColours) return;
    const size_t room =
        p->runs.size() + size_t(std::min<SInt32>(SInt32(p->text.size()), kFadeRunRoom)) + kRecolourRoom;
    if (p->runs.capacity() >= room) return;
    p->runs.reserve(room);
    p->runStarts.reserve(room + 1);
    p->fonts.reserve(room);
}

// Breaking at word boundaries reads a word whole before it weighs whether the word fits on the line, and a
// word too long for a line is then broken anywhere: each line cut from a long word read all the rest of it
// again, and a paragraph with no break opportunity took time growing with the square of its length. So a
// line that starts with a long word is first broken anywhere at a little more than its width: when that
// ends inside the word, the word cannot fit, and the line is broken anywhere at its width, where breaking
// at word boundaries puts it too, without reading the rest of the word.
namespace {
// Shorter first words are left to breaking at word boundaries alone.
constexpr SInt32 kLongWord = 64;
UInt64 gBreakingReads = 0;

bool IsBreakableBlank(QChar c) {
    return c.isSpace() && c.decompositionTag() != QChar::NoBreak;
}

// Where breaking at word boundaries weighs whether a line is full: at each break opportunity, breakable
// blank, unit after a tab, and the paragraph's end. Asked in order along the paragraph.
class WordEnds {
  public:
    WordEnds(const QString& text, bool wraps) : text_(text), length_(SInt32(text.size())) {
        // Break opportunities are found only where a long word may be.
        SInt32 stretch = 0;
        if (!wraps) return;
        for (SInt32 i = 0; i < length_ && !hasLongWords_; i++) {
            stretch = IsBlankEnd(i) ? 0 : stretch + 1;
            hasLongWords_ = stretch > kLongWord;
        }
        if (!hasLongWords_) return;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
            opportunities_.push_back(SInt32(at));
    }
    bool HasLongWords() const { return hasLongWords_; }
    // The first word end after offset.
    SInt32 After(SInt32 offset) {
        while (nextOpportunity_ < opportunities_.size() && opportunities_[nextOpportunity_] <= offset)
            nextOpportunity_++;
        const SInt32 opportunity =
            nextOpportunity_ < opportunities_.size() ? opportunities_[nextOpportunity_] : length_;
        return std::min(opportunity, BlankEndAfter(offset));
    }
    // The first blank, unit after a tab or the end after offset: how far breaking at word boundaries reads
    // the word after a line ending at offset, at most.
    SInt32 BlankEndAfter(SInt32 offset) {
        if (nextBlank_ <= offset) {
            nextBlank_ = offset + 1;
            while (nextBlank_ < length_ && !IsBlankEnd(nextBlank_))
                nextBlank_++;
        }
        return std::min(nextBlank_, length_);
    }

  private:
    bool IsBlankEnd(SInt32 i) const {
        return IsBreakableBlank(text_[i]) || (i > 0 && text_[i - 1] == QChar('\t'));
    }
    const QString& text_;
    const SInt32 length_;
    bool hasLongWords_ = false;
    std::vector<SInt32> opportunities_;
    size_t nextOpportunity_ = 0;
    SInt32 nextBlank_ = 0;
};

SInt32 EndOf(const QTextLine& line) {
    return SInt32(line.textStart() + line.textLength());
}

// Fills the line from its start at width, as breaking at word boundaries (else anywhere) does.
void BreakLine(QTextLayout& layout, QTextLine& line, qreal width, qreal slack, WordEnds& ends) {
    const SInt32 start = SInt32(line.textStart());
    if (ends.HasLongWords() && ends.After(start) - start > kLongWord) {
        QTextOption anywhere = layout.textOption();
        const QTextOption option = anywhere;
        anywhere.setWrapMode(QTextOption::WrapAnywhere);
        layout.setTextOption(anywhere);
        line.setLineWidth(width + slack);
        gBreakingReads += UInt64(EndOf(line) - start + 1);
        const bool tooLong = EndOf(line) < ends.After(start);
        if (tooLong) {
            line.setLineWidth(width);
            gBreakingReads += UInt64(EndOf(line) - start + 1);
        }
        layout.setTextOption(option);
        if (tooLong) return;
    }
    line.setLineWidth(width);
    gBreakingReads += UInt64(ends.BlankEndAfter(EndOf(line)) - start);
}
} // namespace

UInt64 UnicodeBreakingReads() {
    return gBreakingReads;
}

SInt32 LayOutUnicodeParagraph(UnicodeParagraph* p, const UInt16* text, SInt32 length,
                              const UnicodeRunStyle* runs, SInt32 runCount,
                              const UnicodeLayoutOptions& options) {
    p->text = QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
    // Room for a highlighted range's runs (one run split in three), so that colouring one allocates nothing.
    const size_t room = size_t(runCount) + kRecolourRoom;
    p->runs.reserve(room);
    p->runStarts.reserve(room + 1);
    p->fonts.reserve(room);
    p->runs.assign(runs, runs + runCount);
    p->runStarts.resize(size_t(runCount) + 1);
    p->fonts.resize(size_t(runCount));
    p->formats.clear();
    // The formats carry fonts only, a range for each stretch of one font: runs that differ only in colour
    // are shaped as one, so that colouring a word never moves a glyph. Colours are the pens' when drawn.
    SInt32 at = 0;
    for (SInt32 i = 0; i < runCount; i++) {
        p->runStarts[size_t(i)] = at;
        p->fonts[size_t(i)] = FontOfRun(runs[i]);
        if (i > 0 && p->fonts[size_t(i)] == p->fonts[size_t(i) - 1]) {
            p->formats.last().length += runs[i].length;
        } else {
            QTextLayout::FormatRange range;
            range.start = at;
            range.length = runs[i].length;
            range.format.setFont(p->fonts[size_t(i)]);
            p->formats.append(range);
        }
        at += runs[i].length;
    }
    p->runStarts[size_t(runCount)] = at;

    QTextOption option;
    const bool unbounded = options.lineWidth <= 0;
    option.setWrapMode(unbounded ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(options.justify && !unbounded ? Qt::AlignJustify : Qt::AlignLeft);
    p->tabs.clear();
    for (SInt32 i = 0; i < options.tabCount; i++) {
        QTextOption::Tab tab(options.tabs[i].position, TabTypeOf(options.tabs[i].kind));
        if (options.tabs[i].kind == kTabDecimal) tab.delimiter = QChar('.');
        p->tabs.append(tab);
    }
    option.setTabs(p->tabs);

    p->layout.clearLayout();
    p->layout.setText(p->text);
    p->layout.setFont(runCount > 0 ? p->fonts[0] : MakeFont(0, 0, 12));
    p->layout.setTextOption(option);
    // One font needs no formats: the layout's font is the run's, and the colour is the pen's when drawn.
    // A layout without formats draws without making fonts and pens for every item.
    if (p->formats.size() > 1)
        p->layout.setFormats(p->formats);
    else
        p->layout.clearFormats();
    p->layout.beginLayout();
    p->lines.clear();
    const qreal width = unbounded ? kUnboundedWidth : qreal(options.lineWidth);
    // More than any glyph reaches past its advance: a word wider than the line by this much cannot fit.
    SInt16 largest = 12; // what a size of 0 stands for
    for (SInt32 i = 0; i < runCount; i++)
        largest = std::max(largest, runs[i].size);
    const qreal slack = 2.0 * largest + 16;
    WordEnds ends(p->text, !unbounded);
    for (;;) {
        QTextLine line = p->layout.createLine();
        if (!line.isValid()) break;
        if (unbounded) {
            line.setLineWidth(width);
            gBreakingReads += UInt64(line.textLength());
        } else {
            BreakLine(p->layout, line, width, slack, ends);
        }
        line.setPosition(QPointF(0, 0)); // vertical placement is the engine's
        p->lines.push_back(UnicodeLineInfo{SInt32(line.textStart()), SInt32(line.textLength()),
                                           SInt32(std::ceil(line.naturalTextWidth() - 0.01))});
    }
    p->layout.endLayout();
    if (p->lines.empty()) p->lines.push_back(UnicodeLineInfo{});
    p->generation = ++gLayoutGeneration;
    p->released = false;
    return SInt32(p->lines.size());
}

void ReleaseUnicodeLayout(UnicodeParagraph* p) {
    if (p->released) return;
    // A cleared layout keeps the capacity of its line and glyph arrays; a new one holds none.
    std::destroy_at(&p->layout);
    std::construct_at(&p->layout);
    p->text = QString();
    p->formats = QList<QTextLayout::FormatRange>();
    p->released = true;
}

bool IsUnicodeLayoutReleased(const UnicodeParagraph* p) {
    return p->released;
}

SInt32 CountUnicodeLines(const UnicodeParagraph* p) {
    return SInt32(p->lines.size());
}

void GetUnicodeLine(const UnicodeParagraph* p, SInt32 line, UnicodeLineInfo* info) {
    *info = p->lines[size_t(std::clamp<SInt32>(line, 0, SInt32(p->lines.size()) - 1))];
}

SInt32 UnicodeLineOfOffset(const UnicodeParagraph* p, SInt32 offset) {
    auto found = std::upper_bound(p->lines.begin(), p->lines.end(), offset,
                                  [](SInt32 value, const UnicodeLineInfo& l) { return value < l.start; });
    return std::max<SInt32>(0, SInt32(found - p->lines.begin()) - 1);
}

SInt32 UnicodeOffsetToX(const UnicodeParagraph* p, SInt32 offset) {
    if (p->layout.lineCount() == 0) return 0;
    QTextLine line = p->layout.lineAt(UnicodeLineOfOffset(p, offset));
    return SInt32(std::lround(line.cursorToX(std::clamp<SInt32>(offset, 0, SInt32(p->text.size())))));
}

SInt32 UnicodeXToOffset(const UnicodeParagraph* p, SInt32 line, SInt32 x, bool* leading) {
    *leading = true;
    if (p->layout.lineCount() == 0) return 0;
    QTextLine tl = p->layout.lineAt(std::clamp<SInt32>(line, 0, p->layout.lineCount() - 1));
    const SInt32 offset = tl.xToCursor(x, QTextLine::CursorOnCharacter);
    const SInt32 nearest = tl.xToCursor(x, QTextLine::CursorBetweenCharacters);
    if (nearest > offset) *leading = false;
    return offset;
}

SInt32 UnicodeNaturalWidth(const UnicodeParagraph* p) {
    SInt32 widest = 0;
    for (const UnicodeLineInfo& l : p->lines)
        widest = std::max(widest, l.width);
    return widest;
}

// A shadow's blur is approximated by stacking faint copies over a disc of the blur radius.
static void DrawShadow(QPainter& painter, const QGlyphRun& glyphs, QPointF at, const UnicodeRunStyle& run) {
    QColor color = ColorOf(run.shadowColor);
    const QPointF shifted = at + QPointF(run.shadowDx, run.shadowDy);
    if (run.shadowBlur <= 0) {
        painter.setPen(color);
        painter.drawGlyphRun(shifted, glyphs);
        return;
    }
    const int radius = std::min<int>(run.shadowBlur, 8);
    int copies = 0;
    for (int dy = -radius; dy <= radius; dy++)
        for (int dx = -radius; dx <= radius; dx++)
            if (dx * dx + dy * dy <= radius * radius) copies++;
    color.setAlphaF(std::min(1.0f, 2.5f / float(copies)));
    painter.setPen(color);
    for (int dy = -radius; dy <= radius; dy++)
        for (int dx = -radius; dx <= radius; dx++)
            if (dx * dx + dy * dy <= radius * radius) painter.drawGlyphRun(shifted + QPointF(dx, dy), glyphs);
}

// count lines of the given thickness, one above the other, the first with its top at y.
static void DrawRules(QPainter& painter, qreal left, qreal right, qreal y, qreal thickness, SInt16 count,
                      const RGBColor& color) {
    const QColor c = ColorOf(color);
    for (SInt16 k = 0; k < std::max<SInt16>(count, 1); k++)
        painter.fillRect(QRectF(left, std::round(y + k * 2 * thickness), right - left, thickness), c);
}

// Draws the kept glyphs of the line's characters from..to (offsets from the line's start).
static void DrawKeptGlyphs(QPainter& painter, LineGlyphs& kept, QPointF origin, SInt32 from, SInt32 to) {
    if (const SInt32 shared = kept.shared[size_t(from)]; shared >= 0) {
        QGlyphRun& run = kept.faces[kept.face[size_t(shared)]];
        run.setRawData(&kept.indexes[size_t(shared)], &kept.positions[size_t(shared)], 1);
        painter.drawGlyphRun(origin, run);
    }
    const SInt32 last = kept.firstGlyph[size_t(to)];
    for (SInt32 g = kept.firstGlyph[size_t(from)]; g < last;) {
        SInt32 end = g + 1;
        while (end < last && kept.face[size_t(end)] == kept.face[size_t(g)])
            end++;
        QGlyphRun& run = kept.faces[kept.face[size_t(g)]];
        run.setRawData(&kept.indexes[size_t(g)], &kept.positions[size_t(g)], int(end - g));
        painter.drawGlyphRun(origin, run);
        g = end;
    }
}

// Whether a run of from..to draws more than its glyphs: shadows and rules whose colours may follow the
// text's.
static bool HasDrawnEffects(const UnicodeParagraph* p, SInt32 from, SInt32 to) {
    constexpr SInt16 kDrawnByUs = dropShadow | underline | strikeOut;
    for (size_t i = 0; i < p->runs.size(); i++)
        if (p->runStarts[i] < to && p->runStarts[i + 1] > from && (p->runs[i].face & kDrawnByUs)) return true;
    return false;
}

// Takes each character's glyphs of the line, as the layout gives them for that character alone.
static void KeepLineGlyphs(QTextLine& line, LineGlyphs* kept) {
    const SInt32 lineStart = SInt32(line.textStart()), count = SInt32(line.textLength());
    kept->indexes.clear();
    kept->positions.clear();
    kept->face.clear();
    kept->faces.clear();
    kept->firstGlyph.assign(size_t(count) + 1, 0);
    kept->shared.assign(size_t(count) + 1, -1);
    SInt32 previous = 0; // the previous character's first glyph
    for (SInt32 c = 0; c < count; c++) {
        const SInt32 first = SInt32(kept->indexes.size());
        kept->firstGlyph[size_t(c)] = first;
        for (const QGlyphRun& run : line.glyphRuns(lineStart + c, 1)) {
            size_t face = 0;
            while (face < kept->faces.size() && !(kept->faces[face].rawFont() == run.rawFont() &&
                                                  kept->faces[face].flags() == run.flags()))
                face++;
            if (face == kept->faces.size()) {
                if (face > 255) return; // more fonts on one line than kept: painted the layout's way
                QGlyphRun made;
                made.setRawFont(run.rawFont());
                made.setFlags(run.flags());
                kept->faces.push_back(made);
            }
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype k = 0; k < indexes.size() && k < positions.size(); k++) {
                // The glyph of a cluster that began at an earlier character is that character's.
                auto same = [&](SInt32 g) {
                    return kept->indexes[size_t(g)] == indexes[k] &&
                           kept->positions[size_t(g)] == positions[k] && kept->face[size_t(g)] == face;
                };
                SInt32 match = -1;
                if (c > 0) {
                    if (const SInt32 s = kept->shared[size_t(c) - 1]; s >= 0 && same(s)) match = s;
                    for (SInt32 g = previous; match < 0 && g < first; g++)
                        if (same(g)) match = g;
                }
                if (match >= 0) {
                    if (kept->shared[size_t(c)] < 0) kept->shared[size_t(c)] = match;
                    continue;
                }
                kept->indexes.push_back(indexes[k]);
                kept->positions.push_back(positions[k]);
                kept->face.push_back(UInt8(face));
            }
        }
        previous = first;
    }
    kept->firstGlyph[size_t(count)] = SInt32(kept->indexes.size());
    kept->valid = true;
}

// Paints a line's glyphs and effects with its left at h and its baseline at v; from the line's kept glyphs
// when it has them.
static void PaintLine(QPainter& painter, const UnicodeParagraph* p, QTextLine& line, qreal h, qreal v,
                      LineGlyphs* kept = nullptr) {
    const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
    line.cursorToX(lineStart); // settles justification before glyph positions are read
    const QPointF origin(h, v - line.ascent());
    constexpr SInt16 kDrawnByUs = dropShadow | underline | strikeOut;
    if (p->runs.size() == 1 && !(p->runs[0].face & kDrawnByUs)) {
        painter.setPen(PenOf(PixelFromRGB(p->runs[0].color)));
        line.draw(&painter, origin);
        return;
    }
    if (kept && kept->valid && !HasDrawnEffects(p, lineStart, lineEnd)) {
        for (size_t i = 0; i < p->runs.size(); i++) {
            const SInt32 from = std::max(p->runStarts[i], lineStart);
            const SInt32 to = std::min(p->runStarts[i + 1], lineEnd);
            if (from >= to) continue;
            painter.setPen(PenOf(PixelFromRGB(p->runs[i].color)));
            DrawKeptGlyphs(painter, *kept, origin, from - lineStart, to - lineStart);
        }
        return;
    }
    for (size_t i = 0; i < p->runs.size(); i++) {
        const SInt32 from = std::max(p->runStarts[i], lineStart), to = std::min(p->runStarts[i + 1], lineEnd);
        if (from >= to) continue;
        const UnicodeRunStyle& run = p->runs[i];
        const QList<QGlyphRun> glyphs = line.glyphRuns(from, to - from);
        if (run.face & dropShadow)
            for (const QGlyphRun& g : glyphs)
                DrawShadow(painter, g, origin, run);
        painter.setPen(PenOf(PixelFromRGB(run.color)));
        for (const QGlyphRun& g : glyphs)
            painter.drawGlyphRun(origin, g);
        if (!(run.face & (underline | strikeOut))) continue;
        const QFontMetricsF metrics(p->fonts[i]);
        const qreal left = h + line.cursorToX(from), right = h + line.cursorToX(to);
        const qreal thickness = std::max<qreal>(1.0, std::round(metrics.lineWidth()));
        if (run.face & underline)
            DrawRules(painter, left, right, v + std::max<qreal>(1.0, std::round(metrics.underlinePos())),
                      thickness, run.underlineCount, run.underlineColor);
        if (run.face & strikeOut) {
            const qreal span = (2 * std::max<SInt16>(run.strikeCount, 1) - 1) * thickness;
            DrawRules(painter, left, right, v - std::round(metrics.strikeOutPos()) - span / 2, thickness,
                      run.strikeCount, run.strikeColor);
        }
    }
}

// How far a line's blurred shadows reach beyond its glyph box; 0 when it has none.
static int BlurMargin(const UnicodeParagraph* p, const QTextLine& line) {
    const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
    int margin = 0;
    for (size_t i = 0; i < p->runs.size(); i++) {
        const UnicodeRunStyle& run = p->runs[i];
        if (p->runStarts[i] >= lineEnd || p->runStarts[i + 1] <= lineStart) continue;
        if (!(run.face & dropShadow) || run.shadowBlur <= 0) continue;
        const int reach = std::min<int>(run.shadowBlur, 8) + int(std::ceil(std::abs(run.shadowDx))) +
                          int(std::ceil(std::abs(run.shadowDy))) + 4;
        margin = std::max(margin, reach);
    }
    return margin;
}

// Copies the painted line's pixels that lie in the port's drawable area, its top-left at (left, top) in
// local coordinates, over what the port holds.
static void BlendPaintedLine(GrafPort* port, const DrawableArea& area, const PaintedLine& painted, int left,
                             int top) {
    const QRect box(left, top, painted.width, painted.height);
    const QRect image = LocalImageRect(port);
    const bool opaque = port->image.format() == QImage::Format_RGB32;
    area.ForEachPiece(box & image, [&](const QRect& piece) {
        for (int y = piece.top(); y <= piece.bottom(); y++) {
            const QRgb* from =
                painted.pixels.data() + size_t(y - top) * size_t(painted.width) + (piece.left() - left);
            auto* to = reinterpret_cast<QRgb*>(port->image.scanLine(y - port->origin.v)) +
                       (piece.left() - port->origin.h);
            for (int x = 0; x < piece.width(); x++) {
                const QRgb s = from[x];
                if (qAlpha(s) == 0) continue;
                to[x] = qAlpha(s) == 255 ? s : BlendOver(s, to[x]);
                if (opaque) to[x] |= 0xff000000u;
            }
        }
    });
}

// The most pixels a line keeps painted for later frames: a full-HD screen's worth.
constexpr size_t kMaxKeptLinePixels = size_t(1920) * 1080;

// The line painted and kept, found or painted now; null for a line too big to keep.
static PaintedLine* KeptLine(const UnicodeParagraph* p, SInt32 lineIndex, QTextLine& line) {
    const int ascent = int(std::ceil(line.ascent()));
    PaintedLine& painted = PaintedLineSlot(p->generation, lineIndex);
    if (painted.width != 0) return &painted;
    // Room for glyphs that reach past their advance (italics, accents) and for blurred shadows.
    const int margin = std::max(BlurMargin(p, line), int(std::ceil(line.height() / 4)) + 2);
    const int width = int(std::ceil(std::max(line.naturalTextWidth(),
                                             line.cursorToX(line.textStart() + line.textLength())))) +
                      2 * margin;
    const int height = ascent + int(std::ceil(line.descent())) + 2 * margin;
    if (size_t(width) * size_t(height) > kMaxKeptLinePixels) {
        painted.line = -1; // the slot goes back to whoever needs it next
        return nullptr;
    }
    // Glyphs are kept for lines that may be painted again in other colours: painting them again then asks
    // the layout for nothing.
    const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
    if (!painted.glyphs.valid && lineEnd > lineStart && !HasDrawnEffects(p, lineStart, lineEnd))
        KeepLineGlyphs(line, &painted.glyphs);
    QPainter& canvas = CanvasOfSize(width, height);
    PaintLine(canvas, p, line, margin, margin + ascent, &painted.glyphs);
    painted.width = width;
    painted.height = height;
    painted.margin = margin;
    painted.pixels.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; y++) {
        const auto* row = reinterpret_cast<const QRgb*>(gCanvas.image.constScanLine(y));
        std::copy(row, row + width, painted.pixels.data() + size_t(y) * size_t(width));
    }
    return &painted;
}

void KeepRoomForCharacterColours(bool on) {
    gRoomForCharacterColours = on;
}

void PaintUnicodeLineAhead(const UnicodeParagraph* p, SInt32 lineIndex) {
    if (lineIndex < 0 || lineIndex >= p->layout.lineCount()) return;
    // A line about to be shown may be coloured a character at a time (the speed reader's fades): its
    // paragraph makes room for those runs now rather than while the text scrolls.
    MakeRoomForCharacterColours(const_cast<UnicodeParagraph*>(p));
    QTextLine line = p->layout.lineAt(lineIndex);
    KeptLine(p, lineIndex, line);
}

void DrawUnicodeLine(const UnicodeParagraph* p, SInt32 lineIndex, SInt32 h, SInt32 v) {
    if (lineIndex < 0 || lineIndex >= p->layout.lineCount()) return;
    GrafPort* port = CurrentPort();
    const DrawableArea area(port);
    if (area.IsEmpty() || port->image.isNull()) return;
    QTextLine line = p->layout.lineAt(lineIndex);
    const int ascent = int(std::ceil(line.ascent()));
    PaintedLine* kept = KeptLine(p, lineIndex, line);
    if (!kept) {
        // A line too big to keep (a long unbroken line in a huge size) is painted straight into the
        // port each time instead of holding gigabytes for it.
        QPainter painter(&port->image);
        painter.translate(-port->origin.h, -port->origin.v);
        painter.setClipRegion(area.ToRegion());
        PaintLine(painter, p, line, h, v);
        return;
    }
    const PaintedLine& painted = *kept;
    const int left = h - painted.margin, top = v - ascent - painted.margin;
    const QImage::Format format = port->image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) {
        BlendPaintedLine(port, area, painted, left, top);
        return;
    }
    // Other pixel formats are blended by the toolkit.
    const QImage image(reinterpret_cast<const uchar*>(painted.pixels.data()), painted.width, painted.height,
                       QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&port->image);
    painter.translate(-port->origin.h, -port->origin.v);
    painter.setClipRegion(area.ToRegion());
    painter.drawImage(QPoint(left, top), image);
}

namespace {

bool SameLook(const UnicodeRunStyle& a, const UnicodeRunStyle& b) {
    auto same = [](const RGBColor& x, const RGBColor& y) {
        return x.red == y.red && x.green == y.green && x.blue == y.blue;
    };
    return a.font == b.font && a.face == b.face && a.size == b.size && same(a.color, b.color) &&
           same(a.shadowColor, b.shadowColor) && a.shadowDx == b.shadowDx && a.shadowDy == b.shadowDy &&
           a.shadowBlur == b.shadowBlur && a.strikeCount == b.strikeCount &&
           same(a.strikeColor, b.strikeColor) && a.underlineCount == b.underlineCount &&
           same(a.underlineColor, b.underlineColor);
}

// A glyph's pixel painted in one colour over nothing holds the colour scaled by the glyph's coverage, which
// its alpha keeps: the same pixel in another colour is that colour scaled by the alpha, rounded as the
// toolkit rounds its text.
inline QRgb ScaledByCoverage(QRgb opaque, UInt32 coverage) {
    UInt32 rb = (opaque & 0xff00ff) * coverage;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    UInt32 ag = ((opaque >> 8) & 0xff00ff) * coverage;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return rb | ag;
}

bool IsBlank(QChar c) {
    return c == QChar(' ') || c == QChar('\t');
}

// A column of the kept line within a pixel of x (from the painted left) that no glyph inks, or -1: the
// glyphs on either side of it cannot share a column.
int EmptyColumnNear(const PaintedLine& painted, qreal x) {
    const int middle = int(std::lround(x));
    for (int column : {middle, middle - 1, middle + 1}) {
        if (column < 0 || column >= painted.width) continue;
        bool empty = true;
        for (int y = 0; empty && y < painted.height; y++)
            empty = qAlpha(painted.pixels[size_t(y) * size_t(painted.width) + size_t(column)]) == 0;
        if (empty) return column;
    }
    return -1;
}

// The columns of a kept line (from its painted left) that hold the glyphs of from..to: out to the middle
// of a blank beside the range, where the ink of a neighbouring glyph cannot reach, to an empty column
// between two glyphs, or to the painted edge at the line's ends. False where the range ends between two
// glyphs that may share a column.
bool InkColumns(const UnicodeParagraph* p, const QTextLine& line, const PaintedLine& painted, SInt32 from,
                SInt32 to, int* left, int* right) {
    const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
    auto x = [&](SInt32 offset) { return painted.margin + line.cursorToX(offset); };
    // Where the colour changes between offset - 1 and offset, or -1.
    auto split = [&](SInt32 offset) -> qreal {
        if (IsBlank(p->text[offset - 1])) return (x(offset - 1) + x(offset)) / 2;
        if (IsBlank(p->text[offset])) return (x(offset) + x(offset + 1)) / 2;
        return EmptyColumnNear(painted, x(offset));
    };
    qreal l = 0, r = painted.width;
    if (from > lineStart && (l = split(from)) < 0) return false;
    if (to < lineEnd && (r = split(to)) < 0) return false;
    *left = std::clamp(int(std::lround(l)), 0, painted.width);
    *right = std::clamp(int(std::lround(r)), *left, painted.width);
    return true;
}

std::vector<UnicodeRunStyle> gRecolouredRuns; // kept between calls
} // namespace

bool RecolourUnicodeRange(UnicodeParagraph* p, SInt32 from, SInt32 to, const RGBColor& color) {
    if (p->released) return false;
    const SInt32 length = p->runStarts.empty() ? 0 : p->runStarts.back();
    from = std::clamp(from, SInt32(0), length);
    to = std::clamp(to, from, length);
    if (from >= to) return true;
    if (HasDrawnEffects(p, from, to)) return false;

    std::vector<UnicodeRunStyle>& runs = gRecolouredRuns;
    runs.clear();
    auto add = [&runs](const UnicodeRunStyle& run, SInt32 units) {
        if (units <= 0) return;
        if (!runs.empty() && SameLook(runs.back(), run)) {
            runs.back().length += units;
            return;
        }
        runs.push_back(run);
        runs.back().length = units;
    };
    for (size_t i = 0; i < p->runs.size(); i++) {
        const SInt32 s = p->runStarts[i], e = p->runStarts[i + 1];
        if (e <= from || s >= to) {
            add(p->runs[i], e - s);
            continue;
        }
        UnicodeRunStyle coloured = p->runs[i];
        coloured.color = color;
        add(p->runs[i], from - s);
        add(coloured, std::min(e, to) - std::max(s, from));
        add(p->runs[i], e - to);
    }
    if (runs.size() > p->runs.capacity()) MakeRoomForCharacterColours(p);
    p->runs.assign(runs.begin(), runs.end());
    p->runStarts.resize(p->runs.size() + 1);
    p->fonts.resize(p->runs.size());
    SInt32 at = 0;
    for (size_t i = 0; i < p->runs.size(); i++) {
        p->runStarts[i] = at;
        p->fonts[i] = FontOfRun(p->runs[i]);
        at += p->runs[i].length;
    }
    p->runStarts[p->runs.size()] = at;

    // The kept lines of the range take the colour; where a glyph of the range may share columns with its
    // neighbour's, the line is painted again instead.
    const QRgb pen = PixelFromRGB(color) | 0xff000000u;
    for (PaintedLine& painted : gPaintedLines) {
        if (painted.generation != p->generation || painted.width == 0 || painted.line < 0 ||
            painted.line >= p->layout.lineCount())
            continue;
        const QTextLine line = p->layout.lineAt(painted.line);
        const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
        const SInt32 a = std::max(from, lineStart), b = std::min(to, lineEnd);
        if (a >= b) continue;
        int left = 0, right = 0;
        if (!InkColumns(p, line, painted, a, b, &left, &right)) {
            painted.width = painted.height = 0; // painted again when next drawn
            continue;
        }
        for (int y = 0; y < painted.height; y++) {
            QRgb* row = painted.pixels.data() + size_t(y) * size_t(painted.width);
            for (int column = left; column < right; column++)
                if (const UInt32 coverage = qAlpha(row[column]))
                    row[column] = ScaledByCoverage(pen, coverage);
        }
    }
    return true;
}
