// The toolkit's input-method events as the program's: the confirmed text and the text being composed,
// in Mac Roman, with the caret and the marking of each composed range; and where the composed text stands.
#include "event_internal.h"
#include "port_internal.h"
#include "qt_text.h"
#include "window_host.h"
#include "window_record.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QTextCharFormat>

#include <algorithm>

namespace {

// A composed range's marking: a highlighted background marks the part the input method is working on.
SInt16 RangeStyle(const QTextCharFormat& format) {
    const bool selected = format.hasProperty(QTextFormat::BackgroundBrush);
    const bool converted = format.underlineStyle() == QTextCharFormat::SingleUnderline && !selected;
    if (selected) return 3;
    return converted ? SInt16(4) : SInt16(2);
}

} // namespace

void TranslateInputMethodEvent(WindowPtr window, const QInputMethodEvent& event) {
    DispatchScope scope;
    InputMethodText text;
    text.commit = MacRomanFromQString(event.commitString());
    text.preedit = MacRomanFromQString(event.preeditString());
    text.caret = SInt32(text.preedit.size());
    const SInt32 length = SInt32(text.preedit.size());
    for (const QInputMethodEvent::Attribute& a : event.attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            text.caret = std::clamp<SInt32>(a.start, 0, length);
        } else if (a.type == QInputMethodEvent::TextFormat && a.length > 0) {
            const SInt32 start = std::clamp<SInt32>(a.start, 0, length);
            const SInt32 end = std::clamp<SInt32>(a.start + a.length, start, length);
            if (start < end)
                text.ranges.push_back(
                    {start, end - start, RangeStyle(a.value.value<QTextFormat>().toCharFormat())});
        }
    }
    if (text.ranges.empty() && length > 0) text.ranges.push_back({0, length, 2});
    PlatformEvent platformEvent = MakePlatformEvent(EventKind::InputMethod, window);
    platformEvent.inputMethod = &text;
    DispatchPlatformEvent(platformEvent);
}

void SetInputMethodArea(WindowPtr window, const Rect& local) {
    WindowHost* host = window ? window->host : nullptr;
    if (!host) return;
    const GrafPort* port = window->port;
    const int dh = port ? port->origin.h : 0, dv = (port ? port->origin.v : 0) - MenuBarInset(window);
    host->inputArea =
        QRect(local.left - dh, local.top - dv, local.right - local.left, local.bottom - local.top);
}

void PostInputMethodEvent(WindowPtr window, const std::string& commitUtf8, const std::string& preeditUtf8,
                          SInt32 caret) {
    WindowHost* host = window ? window->host : nullptr;
    if (!host) return;
    const QString preedit = QString::fromUtf8(preeditUtf8.data(), qsizetype(preeditUtf8.size()));
    QList<QInputMethodEvent::Attribute> attributes;
    attributes.append(QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, caret, 1, QVariant()));
    if (!preedit.isEmpty()) {
        QTextCharFormat format;
        format.setUnderlineStyle(QTextCharFormat::DotLine);
        attributes.append(
            QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, int(preedit.size()), format));
    }
    auto* event = new QInputMethodEvent(preedit, attributes);
    event->setCommitString(QString::fromUtf8(commitUtf8.data(), qsizetype(commitUtf8.size())));
    QCoreApplication::postEvent(host, event);
}

void ResetInputMethod() {
    if (QGuiApplication::instance()) QGuiApplication::inputMethod()->reset();
}
