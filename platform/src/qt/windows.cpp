// Making, showing and disposing of windows, and the attributes kept with them: class, title, reference
// constant, alpha and staying above other programs. Stacking is in window_order.cpp, bounds in
// window_bounds.cpp, updates in window_updates.cpp.
#include "platform/windows.h"

#include "event_internal.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "port_internal.h"
#include "qt_text.h"
#include "window_host.h"
#include "window_record.h"

#include <QApplication>

#include <algorithm>
#include <unordered_map>

namespace {

UInt32 gLastWindowId = 0;
std::unordered_map<UInt32, WindowPtr> gWindowsById;
// Windows disposed while a handler ran: the dispatch that is still going may read them.
std::vector<WindowPtr> gDisposedWindows;

// Definition IDs carry the kind of frame in their variation code (the low four bits); 124 is the
// family of floating frames.
constexpr SInt16 kFloatingDefinitionFamily = 124;
enum : SInt16 {
    kVariationDialog = 1,
    kVariationPlainBox = 2,
    kVariationShadowBox = 3,
    kVariationMovableDialog = 5
};

WindowClass WindowClassForProcID(SInt16 procID) {
    if (procID < 0) return kDocumentWindowClass;
    if (procID / 16 == kFloatingDefinitionFamily) return kFloatingWindowClass;
    if (procID / 16 != 0) return kDocumentWindowClass;
    switch (procID % 16) {
    case kVariationDialog:
    case kVariationShadowBox:
    case kVariationMovableDialog:
        return kModalWindowClass;
    case kVariationPlainBox:
        return kPlainWindowClass;
    default:
        return kDocumentWindowClass;
    }
}

Qt::WindowFlags FlagsForClass(WindowClass windowClass, bool closeBox) {
    Qt::WindowFlags flags;
    switch (windowClass) {
    case kFloatingWindowClass:
        flags = Qt::Tool;
        break;
    case kModalWindowClass:
        flags = Qt::Dialog;
        break;
    case kPlainWindowClass:
        return Qt::Window | Qt::FramelessWindowHint;
    case kDocumentWindowClass:
    default:
        flags = Qt::Window;
        break;
    }
    if (!closeBox) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    return flags;
}

WindowPtr MakeWindow(WindowClass windowClass, const Rect& bounds, std::string_view title, bool visible,
                     WindowPtr behind, bool closeBox, SInt32 refCon) {
    if (!QApplication::instance()) return nullptr;
    int width = std::max(1, int(bounds.right) - int(bounds.left));
    int height = std::max(1, int(bounds.bottom) - int(bounds.top));

    auto* window = new OpaqueWindow;
    if (++gLastWindowId == 0) ++gLastWindowId;
    window->id = gLastWindowId;
    window->windowClass = windowClass;
    window->title = std::string(title);
    window->refCon = refCon;
    window->port = NewWindowPort(width, height, window);
    if (!window->port) {
        delete window;
        return nullptr;
    }
    auto* host = new WindowHost(window, FlagsForClass(windowClass, closeBox));
    if (windowClass == kModalWindowClass) host->setWindowModality(Qt::ApplicationModal);
    host->setWindowTitle(QStringFromMacRoman(title));
    host->setGeometry(bounds.left, bounds.top, width, height);
    window->host = host;
    window->port->host = host;
    window->reportedBounds = RectFromQRect(host->geometry());
    // The first showing asks the program to draw the whole content.
    window->invalidArea = QRegion(0, 0, width, height);
    gWindowsById[window->id] = window;
    InsertWindowInOrder(window, behind);
    if (visible) ShowWindow(window);
    return window;
}

} // namespace

WindowPtr NewCWindow(void* storage, const Rect* bounds, ConstStr255Param title, bool visible, SInt16 procID,
                     WindowPtr behind, bool goAwayFlag, SInt32 refCon) {
    if (!bounds) return nullptr;
    return MakeWindow(WindowClassForProcID(procID), *bounds, PStringView(title), visible, behind, goAwayFlag,
                      refCon);
}

WindowPtr NewWindowOfClass(WindowClass windowClass, const Rect* bounds, ConstStr255Param title,
                           SInt32 refCon) {
    if (!bounds || windowClass > kPlainWindowClass) return nullptr;
    return MakeWindow(windowClass, *bounds, PStringView(title), false, kFirstWindowOfClass, true, refCon);
}

void DisposeWindow(WindowPtr window) {
    if (!window || window->disposed) return;
    window->disposed = true;
    WindowHost* host = window->host;
    bool wasActive = host && host->isActiveWindow();
    RemoveWindowHandlers(window);
    RemoveWindowFromOrder(window);
    ForgetWindowOwner(window);
    gWindowsById.erase(window->id);
    window->host = nullptr;
    if (window->port) {
        window->port->host = nullptr;
        ForgetPort(window->port);
        DisposeWindowPort(window->port);
        window->port = nullptr;
    }
    if (host) {
        host->window = nullptr;
        host->hide();
        // A handler may be running inside one of this widget's own event functions.
        if (IsDispatching())
            host->deleteLater();
        else
            delete host;
    }
    if (wasActive) ActivateFrontWindow();
    if (IsDispatching())
        gDisposedWindows.push_back(window);
    else
        delete window;
}

void DeleteDisposedWindows() {
    std::vector<WindowPtr> disposed;
    disposed.swap(gDisposedWindows);
    for (WindowPtr window : disposed)
        delete window;
}

void DisposeAllWindows() {
    while (!WindowOrder().empty())
        DisposeWindow(WindowOrder().front());
    DeleteDisposedWindows();
}

WindowPtr WindowFromId(UInt32 id) {
    auto it = gWindowsById.find(id);
    return it == gWindowsById.end() ? nullptr : it->second;
}

CGrafPtr GetWindowPort(WindowPtr window) {
    return window ? window->port : nullptr;
}

WindowPtr GetWindowFromPort(CGrafPtr port) {
    return port ? port->window : nullptr;
}

WindowClass GetWindowClass(WindowPtr window) {
    return window ? window->windowClass : kDocumentWindowClass;
}

void ShowWindow(WindowPtr window) {
    if (!window || !window->host || window->host->isVisible()) return;
    // Whom a tool window belongs to must be known before the desktop first sees it.
    ApplyWindowOwners();
    window->host->show();
    RestackWindowHosts();
    if (window->windowClass != kFloatingWindowClass && FrontNonFloatingWindow() == window) {
        window->host->activateWindow();
    } else {
        // Some window systems activate every window they show; the front window keeps the activation.
        window->ignoreShowActivation = true;
    }
    if (!window->invalidArea.isEmpty()) ScheduleUpdateDelivery();
}

void HideWindow(WindowPtr window) {
    if (!window || !window->host || !window->host->isVisible()) return;
    bool wasActive = window->host->isActiveWindow();
    window->host->hide();
    window->ignoreShowActivation = false;
    if (wasActive) ActivateFrontWindow();
}

bool IsWindowVisible(WindowPtr window) {
    return window && window->host && window->host->isVisible();
}

bool IsWindowActive(WindowPtr window) {
    return window && window->host && window->host->isActiveWindow();
}

void SetWTitle(WindowPtr window, ConstStr255Param title) {
    if (!window || !window->host) return;
    window->title = std::string(PStringView(title));
    window->host->setWindowTitle(QStringFromMacRoman(window->title));
}

void GetWTitle(WindowPtr window, StringPtr title) {
    if (!title) return;
    SetPString(title, window ? window->title : std::string());
}

void SetWRefCon(WindowPtr window, SInt32 refCon) {
    if (window) window->refCon = refCon;
}

SInt32 GetWRefCon(WindowPtr window) {
    return window ? window->refCon : 0;
}

OSStatus SetWindowAlpha(WindowPtr window, float alpha) {
    if (!window || !window->host) return paramErr;
    window->alpha = std::clamp(alpha, 0.0f, 1.0f);
    window->host->setWindowOpacity(window->alpha);
    return noErr;
}

float GetWindowAlpha(WindowPtr window) {
    return window ? window->alpha : 1.0f;
}

void SetWindowFloatsAboveAll(WindowPtr window, bool above) {
    if (!window || !window->host || window->floatsAboveAll == above) return;
    window->floatsAboveAll = above;
    WindowHost* host = window->host;
    bool visible = host->isVisible();
    bool active = host->isActiveWindow();
    QRect geometry = host->geometry();
    // Changing a window's flags hides it and makes its native window anew.
    window->applyingBounds = true;
    host->setWindowFlag(Qt::WindowStaysOnTopHint, above);
    host->setGeometry(geometry);
    if (visible) host->show();
    window->applyingBounds = false;
    SyncWindowBounds(window, true);
    ApplyWindowOwners(visible && IsToolWindowOwner(window));
    if (visible) RestackWindowHosts();
    if (active) host->activateWindow();
}
