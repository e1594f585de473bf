// The widget of a window: it shows the window's port as it is and hands every input event to the
// translation into the program's events. The program draws into the port, never here.
#include "window_host.h"

#include "drag_internal.h"
#include "event_internal.h"
#include "port_internal.h"
#include "window_record.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>

WindowHost::WindowHost(WindowPtr owner, Qt::WindowFlags flags) : QWidget(nullptr, flags), window(owner) {
    // The port covers the whole widget, so the toolkit need not erase anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
    // Showing a window behind others must not take the activation from the front one.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_InputMethodEnabled);
}

bool WindowHost::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (window) TranslateActivation(window, true);
        break;
    case QEvent::WindowDeactivate:
        if (window) TranslateActivation(window, false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void WindowHost::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const GrafPort* port = window ? window->port : nullptr;
    if (!port) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    const QImage& image = port->image;
    // The port starts below the menu bar, when the window shows one.
    const int inset = MenuBarInset(window);
    const QRegion area = event->region().translated(0, -inset);
    for (const QRect& r : area)
        painter.drawImage(r.topLeft() + QPoint(0, inset), image, r);
    // While a resize is on its way to the port the widget can be larger than the image for a moment.
    if (!image.rect().contains(area.boundingRect())) {
        for (const QRect& r : area.subtracted(image.rect()))
            painter.fillRect(r.translated(0, inset), Qt::white);
    }
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    if (window) TranslateKeyEvent(window, *event);
}

void WindowHost::keyReleaseEvent(QKeyEvent* event) {
    if (window) TranslateKeyEvent(window, *event);
}

void WindowHost::mousePressEvent(QMouseEvent* event) {
    if (window) TranslateMouseEvent(window, *event);
}

// Click counting is the program's own (by its double-click time), so a double click is one more press.
void WindowHost::mouseDoubleClickEvent(QMouseEvent* event) {
    if (window) TranslateMouseEvent(window, *event);
}

void WindowHost::mouseReleaseEvent(QMouseEvent* event) {
    if (window) TranslateMouseEvent(window, *event);
}

void WindowHost::mouseMoveEvent(QMouseEvent* event) {
    if (window) TranslateMouseEvent(window, *event);
}

void WindowHost::wheelEvent(QWheelEvent* event) {
    if (window) TranslateWheelEvent(window, *event);
}

// Moves and resizes by the user or the window manager; the program's own are synced by its call.
void WindowHost::moveEvent(QMoveEvent*) {
    if (window && !window->applyingBounds) SyncWindowBounds(window, true);
}

void WindowHost::resizeEvent(QResizeEvent*) {
    if (menuBar) menuBar->setGeometry(0, 0, width(), menuBar->height());
    if (window && !window->applyingBounds) SyncWindowBounds(window, true);
}

// The close box asks; the program decides whether the window goes.
void WindowHost::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (window) TranslateCloseRequest(window);
}

bool CanRaiseWindows() {
    static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
    return canRaise;
}

void WindowHost::dragEnterEvent(QDragEnterEvent* event) {
    if (window) TranslateDragEvent(window, *event, EventKind::DragEntered);
}

void WindowHost::dragMoveEvent(QDragMoveEvent* event) {
    if (window) TranslateDragEvent(window, *event, EventKind::DragMoved);
}

void WindowHost::dragLeaveEvent(QDragLeaveEvent*) {
    if (window) TranslateDragLeave(window);
}

void WindowHost::dropEvent(QDropEvent* event) {
    if (window) TranslateDragEvent(window, *event, EventKind::DragDropped);
}

void WindowHost::inputMethodEvent(QInputMethodEvent* event) {
    if (window) TranslateInputMethodEvent(window, *event);
    event->accept();
}

QVariant WindowHost::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return inputArea;
    case Qt::ImHints:
        return int(Qt::ImhNone);
    default:
        return QWidget::inputMethodQuery(query);
    }
}
