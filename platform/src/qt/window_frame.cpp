// Windows with and without their frame: a frameless window can be given any content rectangle, which is
// how the program covers one screen or several side by side.
#include "platform/windows.h"

#include "window_host.h"
#include "window_record.h"

void SetWindowFrameless(WindowPtr window, bool frameless) {
    if (!window || !window->host) return;
    WindowHost* host = window->host;
    const Qt::WindowFlags flags = host->windowFlags();
    if (bool(flags & Qt::FramelessWindowHint) == frameless) return;
    const QRect geometry = host->geometry();
    const bool visible = host->isVisible();
    window->applyingBounds = true;
    // Changing the flags re-creates the native window, hidden: it is put back where it was and shown again.
    host->setWindowFlags(frameless ? (flags | Qt::FramelessWindowHint) : (flags & ~Qt::FramelessWindowHint));
    host->setGeometry(geometry);
    if (visible) host->show();
    window->applyingBounds = false;
    SyncWindowBounds(window, true);
}

bool IsWindowFrameless(WindowPtr window) {
    return window && window->host && (window->host->windowFlags() & Qt::FramelessWindowHint);
}
