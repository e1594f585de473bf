// Simple text in ports: the port's font, face, size and text mode, integer metrics and widths, and
// drawing Mac Roman text at the pen. The pen moves by exactly the width that measuring reports.
#include "platform/text_drawing.h"
#include "platform/text_encoding.h"
#include "qt/font_registry.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"
#include "qt_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <optional>
#include <vector>

namespace {

// The font of the last (family, face, size) asked for: text is drawn in runs of one style, so one entry
// saves rebuilding the font and its metrics on every call.
struct PortFont {
    SInt16 family = -1;
    SInt16 face = -1;
    SInt16 size = -1;
    QFont font;
    std::optional<QFontMetrics> metrics;
};

// Null before the toolkit is started: there are no fonts to measure then.
const PortFont* FontOf(const GrafPort* port) {
    static PortFont cached;
    if (!QGuiApplication::instance()) return nullptr;
    if (cached.family != port->textFont || cached.face != port->textFace || cached.size != port->textSize ||
        !cached.metrics) {
        cached.family = port->textFont;
        cached.face = port->textFace;
        cached.size = port->textSize;
        cached.font = MakeFont(port->textFont, port->textFace, port->textSize);
        cached.metrics.emplace(cached.font);
    }
    return &cached;
}

QString TextToQString(const void* text, SInt16 firstByte, SInt16 byteCount) {
    if (!text || firstByte < 0 || byteCount <= 0) return QString();
    return QStringFromMacRoman(
        std::string_view(static_cast<const char*>(text) + firstByte, size_t(byteCount)));
}

SInt16 MeasureText(const QString& s) {
    const PortFont* f = FontOf(CurrentPort());
    return f && !s.isEmpty() ? SInt16(std::clamp(f->metrics->horizontalAdvance(s), -32768, 32767))
                             : SInt16(0);
}

// Exclusive-or text flips the pixels under the glyphs' aliased shapes, so drawing it twice restores. The
// glyphs are rendered only over the part of their box that can be drawn.
void XorText(GrafPort* port, const DrawableArea& area, const PortFont& f, const QString& s, Point pen,
             int width) {
    const int ascent = f.metrics->ascent(), descent = f.metrics->descent();
    const int margin = ascent / 2 + 2; // italic overhang
    const QRect box =
        QRect(pen.h - margin, pen.v - ascent - margin, width + 2 * margin, ascent + descent + 2 * margin) &
        area.Bounds();
    if (box.isEmpty()) return;
    const int w = box.width(), h = box.height();
    static QImage canvas;
    static std::vector<UInt8> mask;
    if (canvas.width() < w || canvas.height() < h)
        canvas = QImage(std::max(w, canvas.width()), std::max(h, canvas.height()),
                        QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull()) return;
    canvas.fill(0);
    QFont aliased = f.font;
    aliased.setStyleStrategy(QFont::NoAntialias);
    {
        QPainter painter(&canvas);
        painter.setFont(aliased);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(pen.h - box.left(), pen.v - box.top()), s);
    }
    mask.resize(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const UInt32*>(canvas.constScanLine(y));
        for (int x = 0; x < w; ++x)
            mask[size_t(y) * size_t(w) + size_t(x)] = (row[x] >> 24) >= 0x80;
    }
    FillMask(port, box.left(), box.top(), w, h, mask.data(), w, InvertPaintOp());
}

void PaintText(GrafPort* port, const DrawableArea& area, const PortFont& f, const QString& s, Point pen) {
    QPainter painter(&port->image);
    painter.translate(-port->origin.h, -port->origin.v);
    if (!area.IsRectangle() || area.Bounds() != LocalImageRect(port)) painter.setClipRegion(area.ToRegion());
    painter.setFont(f.font);
    if (port->textFace & dropShadow) {
        const int offset = f.font.pixelSize() >= 24 ? 2 : 1;
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(QPoint(pen.h + offset, pen.v + offset), s);
    }
    painter.setPen(QColor::fromRgb(PixelFromRGB(port->foreColor)));
    painter.drawText(QPoint(pen.h, pen.v), s);
}

} // namespace

void TextFont(SInt16 family) {
    CurrentPort()->textFont = family;
}
void TextFace(SInt16 face) {
    CurrentPort()->textFace = face;
}
void TextSize(SInt16 size) {
    CurrentPort()->textSize = size;
}
void TextMode(SInt16 mode) {
    CurrentPort()->textMode = mode;
}
SInt16 GetPortTextFont(GrafPort* port) {
    return (port ? port : CurrentPort())->textFont;
}
SInt16 GetPortTextFace(GrafPort* port) {
    return (port ? port : CurrentPort())->textFace;
}
SInt16 GetPortTextSize(GrafPort* port) {
    return (port ? port : CurrentPort())->textSize;
}
SInt16 GetPortTextMode(GrafPort* port) {
    return (port ? port : CurrentPort())->textMode;
}

void GetFontInfo(FontInfo* info) {
    if (!info) return;
    *info = FontInfo{};
    const PortFont* f = FontOf(CurrentPort());
    if (!f) return;
    info->ascent = SInt16(f->metrics->ascent());
    info->descent = SInt16(f->metrics->descent());
    info->widMax = SInt16(f->metrics->maxWidth());
    info->leading = SInt16(std::max(0, f->metrics->leading()));
}

SInt16 CharWidth(UInt8 ch) {
    return TextWidth(&ch, 0, 1);
}

SInt16 StringWidth(ConstStr255Param s) {
    return s ? TextWidth(s + 1, 0, s[0]) : SInt16(0);
}

SInt16 TextWidth(const void* text, SInt16 firstByte, SInt16 byteCount) {
    return MeasureText(TextToQString(text, firstByte, byteCount));
}

void DrawChar(UInt8 ch) {
    DrawText(&ch, 0, 1);
}

void DrawString(ConstStr255Param s) {
    if (s) DrawText(s + 1, 0, s[0]);
}

void DrawText(const void* text, SInt16 firstByte, SInt16 byteCount) {
    GrafPort* port = CurrentPort();
    const QString s = TextToQString(text, firstByte, byteCount);
    const PortFont* f = FontOf(port);
    if (s.isEmpty() || !f) return;
    const int width = f->metrics->horizontalAdvance(s);
    const Point pen = port->penLocation;
    const DrawableArea area(port);
    if (!area.IsEmpty()) {
        switch (port->textMode) {
        case srcXor:
            XorText(port, area, *f, s, pen, width);
            break;
        case srcCopy:
            FillRect(port, QRect(pen.h, pen.v - f->metrics->ascent(), width, f->metrics->height()),
                     ErasePaintOp(port));
            PaintText(port, area, *f, s, pen);
            break;
        default:
            PaintText(port, area, *f, s, pen);
            break;
        }
    }
    port->penLocation.h = SInt16(pen.h + width);
}
