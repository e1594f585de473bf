// Paragraph layout on the toolkit's text layout: one QTextLayout per paragraph answers line breaking,
// measuring, hit testing and drawing, so carets and selections sit on the glyphs that are drawn.
#include "platform/unicode_layout.h"
#include "qt/font_registry.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

// Wide enough for any line the program lays out; stands for "no wrapping".
static constexpr qreal kUnboundedWidth = 4.0e6;

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
};

// Painted lines with costly effects, most recently used kept: enough for a screenful or two, so that
// scrolling copies them instead of painting them again, with a bound on memory however long the text.
namespace {
struct PaintedLine {
    UInt64 generation = 0;
    SInt32 line = -1;
    UInt64 lastUse = 0;
    QImage image;
};
constexpr size_t kPaintedLineCount = 96;
std::vector<PaintedLine> gPaintedLines;
UInt64 gLayoutGeneration = 0;
UInt64 gPaintClock = 0;

// The cached image of a line (null when there is none yet; fill it in place).
QImage& PaintedLineImage(UInt64 generation, SInt32 line) {
    ++gPaintClock;
    PaintedLine* oldest = nullptr;
    for (PaintedLine& entry : gPaintedLines) {
        if (entry.generation == generation && entry.line == line) {
            entry.lastUse = gPaintClock;
            return entry.image;
        }
        if (!oldest || entry.lastUse < oldest->lastUse) oldest = &entry;
    }
    if (gPaintedLines.size() < kPaintedLineCount) {
        gPaintedLines.emplace_back();
        oldest = &gPaintedLines.back();
    }
    *oldest = PaintedLine{generation, line, gPaintClock, QImage()};
    return oldest->image;
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
static QFont FontOfRun(const UnicodeRunStyle& run) {
    QFont font = MakeFont(run.font, SInt16(run.face & ~(strikeOut | underline)), run.size);
    font.setKerning(true);
    return font;
}

SInt32 LayOutUnicodeParagraph(UnicodeParagraph* p, const UInt16* text, SInt32 length,
                              const UnicodeRunStyle* runs, SInt32 runCount,
                              const UnicodeLayoutOptions& options) {
    p->text = QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
    p->runs.assign(runs, runs + runCount);
    p->runStarts.resize(size_t(runCount) + 1);
    p->fonts.resize(size_t(runCount));
    p->formats.clear();
    SInt32 at = 0;
    for (SInt32 i = 0; i < runCount; i++) {
        p->runStarts[size_t(i)] = at;
        p->fonts[size_t(i)] = FontOfRun(runs[i]);
        QTextLayout::FormatRange range;
        range.start = at;
        range.length = runs[i].length;
        range.format.setFont(p->fonts[size_t(i)]);
        range.format.setForeground(ColorOf(runs[i].color));
        p->formats.append(range);
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
    p->layout.setFormats(p->formats);
    p->layout.beginLayout();
    p->lines.clear();
    const qreal width = unbounded ? kUnboundedWidth : qreal(options.lineWidth);
    for (;;) {
        QTextLine line = p->layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0)); // vertical placement is the engine's
        p->lines.push_back(UnicodeLineInfo{SInt32(line.textStart()), SInt32(line.textLength()),
                                           SInt32(std::ceil(line.naturalTextWidth() - 0.01))});
    }
    p->layout.endLayout();
    if (p->lines.empty()) p->lines.push_back(UnicodeLineInfo{});
    p->generation = ++gLayoutGeneration;
    return SInt32(p->lines.size());
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

// Paints a line's glyphs and effects with its left at h and its baseline at v.
static void PaintLine(QPainter& painter, const UnicodeParagraph* p, QTextLine& line, qreal h, qreal v) {
    const SInt32 lineStart = SInt32(line.textStart()), lineEnd = lineStart + SInt32(line.textLength());
    line.cursorToX(lineStart); // settles justification before glyph positions are read
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF origin(h, v - line.ascent());
    for (size_t i = 0; i < p->runs.size(); i++) {
        const SInt32 from = std::max(p->runStarts[i], lineStart), to = std::min(p->runStarts[i + 1], lineEnd);
        if (from >= to) continue;
        const UnicodeRunStyle& run = p->runs[i];
        const QList<QGlyphRun> glyphs = line.glyphRuns(from, to - from);
        if (run.face & dropShadow)
            for (const QGlyphRun& g : glyphs)
                DrawShadow(painter, g, origin, run);
        painter.setPen(ColorOf(run.color));
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

// How far a line's blurred shadows reach beyond its glyph box; 0 when it has none (drawn directly).
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

void DrawUnicodeLine(const UnicodeParagraph* p, SInt32 lineIndex, SInt32 h, SInt32 v) {
    if (lineIndex < 0 || lineIndex >= p->layout.lineCount()) return;
    GrafPort* port = CurrentPort();
    const DrawableArea area(port);
    if (area.IsEmpty() || port->image.isNull()) return;
    QTextLine line = p->layout.lineAt(lineIndex);

    QPainter painter(&port->image);
    painter.translate(-port->origin.h, -port->origin.v);
    // One rectangle clips without building a region for it.
    if (area.IsRectangle()) {
        if (area.Bounds() != LocalImageRect(port)) painter.setClipRect(area.Bounds());
    } else {
        painter.setClipRegion(area.ToRegion());
    }
    const int margin = BlurMargin(p, line);
    if (margin == 0) {
        PaintLine(painter, p, line, h, v);
        return;
    }
    // Blurred shadows cost many glyph draws: the line is painted once into an image of its own and copied
    // from then on, until the paragraph is laid out again or the line falls out of the cache.
    const int ascent = int(std::ceil(line.ascent()));
    QImage& image = PaintedLineImage(p->generation, lineIndex);
    if (image.isNull()) {
        const int width = int(std::ceil(std::max(line.naturalTextWidth(),
                                                 line.cursorToX(line.textStart() + line.textLength())))) +
                          2 * margin;
        const int height = ascent + int(std::ceil(line.descent())) + 2 * margin;
        image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        PaintLine(imagePainter, p, line, margin, margin + ascent);
    }
    painter.drawImage(QPoint(h - margin, v - ascent - margin), image);
}
