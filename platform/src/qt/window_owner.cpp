// The window the tool windows belong to. The desktop keeps a window above the one it belongs to (its
// transient parent) and brings it along when that one is raised, so a click in the prompter never sends
// the toolbar or the bookmark list behind it, while other programs' windows still cover them all.
#include "platform/windows.h"

#include "window_host.h"
#include "window_record.h"

#include <QWindow>

namespace {

WindowPtr gToolOwner = nullptr;

bool BelongsToOwner(WindowPtr window) {
    return gToolOwner && window != gToolOwner && !window->disposed &&
           (window->windowClass == kFloatingWindowClass || window->keptAboveOwner);
}

// The toolkit's window behind a host, made when the host has none yet.
QWindow* NativeWindow(WindowHost* host) {
    if (!host) return nullptr;
    if (!host->windowHandle()) host->winId();
    return host->windowHandle();
}

} // namespace

void ApplyWindowOwners(bool ownerShownAnew) {
    QWindow* owner = gToolOwner ? NativeWindow(gToolOwner->host) : nullptr;
    for (WindowPtr window : WindowOrder()) {
        WindowHost* host = window->host;
        if (!host || window == gToolOwner) continue;
        const bool belongs = BelongsToOwner(window);
        // A window that belongs to nobody and has no native window yet has nothing to change.
        if (!belongs && !host->windowHandle()) continue;
        QWindow* wanted = belongs ? owner : nullptr;
        QWindow* native = NativeWindow(host);
        if (!native || (native->transientParent() == wanted && !(belongs && ownerShownAnew))) continue;
        native->setTransientParent(wanted);
        // The desktop reads whom a window belongs to when it is mapped: a window on screen is shown anew.
        if (host->isVisible()) {
            const QRect geometry = host->geometry();
            window->applyingBounds = true;
            host->hide();
            host->setGeometry(geometry);
            host->show();
            window->applyingBounds = false;
        }
    }
}

bool IsToolWindowOwner(WindowPtr window) {
    return window && window == gToolOwner;
}

void ForgetWindowOwner(WindowPtr window) {
    if (window && window == gToolOwner) gToolOwner = nullptr;
}

void SetToolWindowOwner(WindowPtr owner) {
    if (owner == gToolOwner) return;
    gToolOwner = owner && owner->host ? owner : nullptr;
    ApplyWindowOwners();
}

WindowPtr GetToolWindowOwner() {
    return gToolOwner;
}

void SetWindowKeptAboveOwner(WindowPtr window, bool kept) {
    if (!window || !window->host || window->keptAboveOwner == kept) return;
    window->keptAboveOwner = kept;
    WindowHost* host = window->host;
    // The desktop lets only tool windows belong to another window: the host takes a tool window's type.
    if (window->windowClass != kFloatingWindowClass) {
        const Qt::WindowFlags flags = host->windowFlags();
        const Qt::WindowFlags type = kept ? Qt::Tool : Qt::Window;
        const QRect geometry = host->geometry();
        const bool visible = host->isVisible();
        window->applyingBounds = true;
        host->setWindowFlags((flags & ~Qt::WindowType_Mask) | type);
        host->setGeometry(geometry);
        if (visible) host->show();
        window->applyingBounds = false;
    }
    ApplyWindowOwners();
}

WindowPtr GetWindowKeptAbove(WindowPtr window) {
    if (!window || !window->host || !window->host->windowHandle()) return nullptr;
    const QWindow* parent = window->host->windowHandle()->transientParent();
    if (!parent) return nullptr;
    for (WindowPtr candidate : WindowOrder())
        if (candidate->host && candidate->host->windowHandle() == parent) return candidate;
    return nullptr;
}
