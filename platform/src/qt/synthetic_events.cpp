// Synthetic input for tests and macros: toolkit events built as the window system would send them and
// posted to the window's widget, so they take the same translation as real input and update the polled
// state when they are handled.
#include "platform/events.h"

#include "event_internal.h"
#include "key_mapping.h"
#include "platform/text_encoding.h"
#include "port_internal.h"
#include "synthetic_mouse_event.h"
#include "window_host.h"
#include "window_record.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

WindowHost* HostOf(WindowPtr window) {
    return window && !window->disposed && QCoreApplication::instance() ? window->host : nullptr;
}

// Local port coordinates to the widget's, and to global ones.
QPointF WidgetPoint(WindowPtr window, Point local) {
    return QPointF(local.h - window->port->origin.h, local.v - window->port->origin.v + MenuBarInset(window));
}

QPointF GlobalPoint(WindowPtr window, QPointF widgetPoint) {
    return widgetPoint + QPointF(window->host->geometry().topLeft());
}

Qt::KeyboardModifiers ModifierOfKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

namespace {

QKeyEvent* MakeKeyEvent(EventKind kind, UInt8 charCode, UInt8 keyCode, UInt16 modifiers) {
    if (kind != EventKind::KeyDown && kind != EventKind::KeyRepeat && kind != EventKind::KeyUp)
        return nullptr;
    int key = ToolkitKeyForKeyCode(keyCode);
    QString text;
    if (key == 0) {
        // A text key: the character decides the key, and the text is what the window system would send,
        // a control character when Ctrl is held.
        bool isLetter = false;
        key = ToolkitKeyForCharacter(charCode, &isLetter);
        char16_t ch = MacRomanToUnicode(charCode);
        if ((modifiers & cmdKey) && isLetter && ch < 0x80)
            text = QChar(char16_t(ch & 0x1F));
        else if (charCode)
            text = QChar(ch);
    } else if (charCode == kReturnCharCode || charCode == kEnterCharCode || charCode == kTabCharCode ||
               charCode == kEscapeCharCode || charCode == kBackspaceCharCode || charCode == kDeleteCharCode) {
        text = QChar(char16_t(charCode == kEnterCharCode ? UInt8(kReturnCharCode) : charCode));
    }
    Qt::KeyboardModifiers toolkitModifiers = ToolkitModifiers(modifiers);
    if (keyCode == kKeyEnter) toolkitModifiers |= Qt::KeypadModifier;
    // The window system gives a modifier key's event the state from before it, and the toolkit flips
    // the key's own bit back; the caller gives the state after it.
    toolkitModifiers ^= ModifierOfKey(key);
    quint32 nativeModifiers = (modifiers & alphaLock) ? kNativeLockMask : 0;
    QEvent::Type type = kind == EventKind::KeyUp ? QEvent::KeyRelease : QEvent::KeyPress;
    return new QKeyEvent(type, key, toolkitModifiers, 0, 0, nativeModifiers, text,
                         kind == EventKind::KeyRepeat);
}

} // namespace

void PostKeyEvent(WindowPtr window, EventKind kind, UInt8 charCode, UInt8 keyCode, UInt16 modifiers) {
    WindowHost* host = HostOf(window);
    if (!host) return;
    if (QKeyEvent* event = MakeKeyEvent(kind, charCode, keyCode, modifiers))
        QCoreApplication::postEvent(host, event);
}

bool PostKeyboardEvent(EventKind kind, UInt8 charCode, UInt8 keyCode, UInt16 modifiers) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    // An open menu holds the keyboard before any window does.
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) return false;
    QKeyEvent* event = MakeKeyEvent(kind, charCode, keyCode, modifiers);
    if (!event) return false;
    QCoreApplication::postEvent(target, event);
    return true;
}

void PostMouseEvent(WindowPtr window, EventKind kind, Point localPoint, UInt16 modifiers, SInt16 clickCount) {
    WindowHost* host = HostOf(window);
    if (!host) return;
    QEvent::Type type;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons = Qt::NoButton;
    switch (kind) {
    case EventKind::MouseDown:
        type = clickCount > 1 ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress;
        button = Qt::LeftButton;
        buttons = Qt::LeftButton;
        break;
    case EventKind::MouseUp:
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        break;
    case EventKind::MouseDragged:
        type = QEvent::MouseMove;
        buttons = Qt::LeftButton;
        break;
    case EventKind::MouseMoved:
        type = QEvent::MouseMove;
        break;
    default:
        return;
    }
    QPointF position = WidgetPoint(window, localPoint);
    auto* event = new SyntheticMouseEvent(type, position, position, GlobalPoint(window, position), button,
                                          buttons, ToolkitModifiers(modifiers));
    event->clickCount = std::max<SInt16>(clickCount, 0);
    event->alphaLock = modifiers & alphaLock;
    QCoreApplication::postEvent(host, event);
}

void PostWheelEvent(WindowPtr window, Point localPoint, SInt16 axis, SInt32 deltaLines, UInt16 modifiers) {
    WindowHost* host = HostOf(window);
    if (!host || deltaLines == 0) return;
    QPointF position = WidgetPoint(window, localPoint);
    constexpr SInt32 kMaxLines = 1'000'000; // keeps the toolkit's angle within an int
    int angle = int(std::clamp(deltaLines, -kMaxLines, kMaxLines)) * 120;
    QPoint angleDelta = axis == 0 ? QPoint(0, angle) : QPoint(angle, 0);
    QCoreApplication::postEvent(host, new QWheelEvent(position, GlobalPoint(window, position), QPoint(),
                                                      angleDelta, Qt::NoButton, ToolkitModifiers(modifiers),
                                                      Qt::NoScrollPhase, false));
}
