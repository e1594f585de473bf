// Text views: a plain-text editor widget over a window's port, with per-range styles, and text drawn
// wrapped into a box of a port.
#include "platform/text_views.h"
#include "qt_text.h"

#include "platform/text_encoding.h"
#include "port_internal.h"
#include "qt/font_registry.h"
#include "window_host.h"
#include "window_record.h"

#include <QPainter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

struct OpaqueTextView {
    WindowPtr window = nullptr;
    QTextEdit* editor = nullptr;
};

namespace {

// The program ends lines with a return; the editor keeps paragraphs. The raw text keeps non-breaking
// spaces, which the editor's plain text would turn into spaces.
QString ToEditorText(const std::string& macRoman) {
    return QStringFromMacRoman(macRoman).replace(QChar('\r'), QChar('\n'));
}

std::string FromEditor(const QTextEdit* editor) {
    QString raw = editor->document()->toRawText();
    raw.replace(QChar(0x2029), QChar('\r')).replace(QChar(0x2028), QChar('\r'));
    return MacRomanFromQString(raw);
}

// Mac Roman holds one character per byte, and every character it holds is one UTF-16 unit, so offsets
// agree on both sides.
int Pin(const OpaqueTextView* view, SInt32 offset) {
    const int length = int(view->editor->document()->characterCount()) - 1;
    return std::clamp(int(offset), 0, std::max(0, length));
}

QRect WidgetRect(WindowPtr window, const Rect& frame) {
    const GrafPort* port = window->port;
    return QRect(ImageX(port, frame.left), ImageY(port, frame.top) + MenuBarInset(window),
                 frame.right - frame.left, frame.bottom - frame.top);
}

QColor ToQColor(const RGBColor& c) {
    return QColor(c.red >> 8, c.green >> 8, c.blue >> 8);
}

} // namespace

TXNObject NewTextView(WindowPtr window, const Rect* frame) {
    if (!window || !window->host || !frame) return nullptr;
    auto* view = new OpaqueTextView;
    view->window = window;
    view->editor = new QTextEdit(window->host);
    view->editor->setAcceptRichText(false);
    view->editor->setGeometry(WidgetRect(window, *frame));
    view->editor->setFont(MakeFont(0, 0, 12));
    view->editor->show();
    return view;
}

void DisposeTextView(TXNObject view) {
    if (!view) return;
    delete view->editor;
    delete view;
}

void SetTextViewFrame(TXNObject view, const Rect* frame) {
    if (view && frame) view->editor->setGeometry(WidgetRect(view->window, *frame));
}

void SetTextViewText(TXNObject view, const std::string& macRoman) {
    if (view) view->editor->setPlainText(ToEditorText(macRoman));
}

std::string GetTextViewText(TXNObject view) {
    return view ? FromEditor(view->editor) : std::string();
}

SInt32 GetTextViewLength(TXNObject view) {
    return view ? SInt32(view->editor->document()->characterCount() - 1) : 0;
}

void SetTextViewSelection(TXNObject view, SInt32 start, SInt32 end) {
    if (!view) return;
    QTextCursor cursor(view->editor->document());
    cursor.setPosition(Pin(view, start));
    cursor.setPosition(Pin(view, std::max(start, end)), QTextCursor::KeepAnchor);
    view->editor->setTextCursor(cursor);
}

void GetTextViewSelection(TXNObject view, SInt32* start, SInt32* end) {
    const QTextCursor cursor = view ? view->editor->textCursor() : QTextCursor();
    if (start) *start = view ? cursor.selectionStart() : 0;
    if (end) *end = view ? cursor.selectionEnd() : 0;
}

OSStatus SetTextViewStyle(TXNObject view, SInt32 start, SInt32 end, const TextViewStyle* style) {
    if (!view || !style) return paramErr;
    QTextCursor cursor(view->editor->document());
    cursor.setPosition(Pin(view, start));
    cursor.setPosition(Pin(view, std::max(start, end)), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (style->mask & (kTextViewFont | kTextViewFace | kTextViewSize)) {
        TextViewStyle now;
        GetTextViewStyle(view, cursor.selectionStart(), &now);
        const SInt16 family = style->mask & kTextViewFont ? style->family : now.family;
        const SInt16 face = style->mask & kTextViewFace ? style->face : now.face;
        const SInt16 size = style->mask & kTextViewSize ? style->size : now.size;
        format.setFont(MakeFont(family, face, size));
        format.setProperty(QTextFormat::UserProperty, int(family));
    }
    if (style->mask & kTextViewColor) format.setForeground(ToQColor(style->color));
    cursor.mergeCharFormat(format);
    return noErr;
}

void GetTextViewStyle(TXNObject view, SInt32 offset, TextViewStyle* style) {
    if (!view || !style) return;
    QTextCursor cursor(view->editor->document());
    cursor.setPosition(Pin(view, offset + 1));
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font();
    *style = TextViewStyle{};
    style->family = SInt16(format.property(QTextFormat::UserProperty).toInt());
    style->face = SInt16((font.bold() ? bold : 0) | (font.italic() ? italic : 0) |
                         (font.underline() ? underline : 0) | (font.strikeOut() ? strikeOut : 0));
    style->size = SInt16(font.pixelSize() > 0 ? font.pixelSize() : 12);
    const QColor color = format.foreground().color();
    style->color =
        RGBColor{UInt16(color.red() * 257), UInt16(color.green() * 257), UInt16(color.blue() * 257)};
}

OSStatus TextViewCut(TXNObject view) {
    if (!view) return paramErr;
    view->editor->cut();
    return noErr;
}

OSStatus TextViewCopy(TXNObject view) {
    if (!view) return paramErr;
    view->editor->copy();
    return noErr;
}

OSStatus TextViewPaste(TXNObject view) {
    if (!view) return paramErr;
    view->editor->paste();
    return noErr;
}

void FocusTextView(TXNObject view) {
    if (view) view->editor->setFocus();
}

void DrawTextInBox(const std::string& macRoman, const Rect* box) {
    GrafPtr port;
    GetPort(&port);
    if (!port || !box || EmptyRect(box)) return;
    QPainter painter(&port->image);
    painter.setFont(MakeFont(port->textFont, port->textFace, port->textSize));
    painter.setPen(ToQColor(port->foreColor));
    if (!port->clipIsWideOpen) painter.setClipRegion(port->clip.translated(-port->origin.h, -port->origin.v));
    const QRect area(ImageX(port, box->left), ImageY(port, box->top), box->right - box->left,
                     box->bottom - box->top);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QStringFromMacRoman(macRoman));
}
