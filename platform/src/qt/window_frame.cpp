// Windows with and without their frame: a frameless window can be given any content rectangle, which is
// how the program covers one screen or several side by side; and how thick the frame around a window is,
// so that the program can keep a whole window, title bar included, on a screen.
#include "platform/windows.h"

#include "screen_devices.h"
#include "window_host.h"
#include "window_manager_frames.h"
#include "window_record.h"

#include <array>
#include <optional>

namespace {

// The frame the window manager last drew around a window of each class.
std::array<std::optional<QMargins>, 4> gKnownFrames;

bool HasManagerFrame(const OpaqueWindow* window) {
    return window->windowClass != kPlainWindowClass && !window->fullScreen &&
           !(window->host->windowFlags() & Qt::FramelessWindowHint);
}

QMargins ManagerFrame(OpaqueWindow* window) {
    if (const Rect* fake = FakeWindowFrames())
        return QMargins(fake->left, fake->top, fake->right, fake->bottom);
    WindowHost* host = window->host;
    std::optional<QMargins>& known = gKnownFrames[size_t(window->windowClass) % gKnownFrames.size()];
    if (host->isVisible()) {
        const QRect frame = host->frameGeometry();
        const QRect inner = host->geometry();
        const QMargins seen(inner.left() - frame.left(), inner.top() - frame.top(),
                            frame.right() - inner.right(), frame.bottom() - inner.bottom());
        // A window just shown has no frame until the manager has put one around it.
        if (!seen.isNull()) {
            known = seen;
            return seen;
        }
    }
    if (known) return *known;
    QMargins asked;
    if (CanRaiseWindows() && AskWindowManagerForFrame(UInt32(host->winId()), &asked)) {
        known = asked;
        return asked;
    }
    return {};
}

} // namespace

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
    ApplyWindowOwners(visible && IsToolWindowOwner(window));
}

bool IsWindowFrameless(WindowPtr window) {
    return window && window->host && (window->host->windowFlags() & Qt::FramelessWindowHint);
}

Rect GetWindowFrameMargins(WindowPtr window) {
    if (!window || !window->host) return Rect{};
    const QMargins frame = HasManagerFrame(window) ? ManagerFrame(window) : QMargins();
    return Rect{ClampToSInt16(frame.top() + window->menuBarInset), ClampToSInt16(frame.left()),
                ClampToSInt16(frame.bottom()), ClampToSInt16(frame.right())};
}
