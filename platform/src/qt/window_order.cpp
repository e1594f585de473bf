// The front-to-back order of windows, kept by us in layers (modal windows in front of floating ones,
// floating ones in front of the rest) and mirrored onto the window system's stacking.
#include "platform/windows.h"

#include "window_host.h"
#include "window_record.h"

#include <algorithm>

namespace {

std::vector<WindowPtr> gWindowOrder;

int Layer(WindowPtr window) {
    switch (window->windowClass) {
    case kModalWindowClass:
        return 0;
    case kFloatingWindowClass:
        return 1;
    default:
        return 2;
    }
}

// The list is sorted by layer, so a layer occupies one run of it.
size_t FrontOfLayer(int layer) {
    auto it = std::find_if(gWindowOrder.begin(), gWindowOrder.end(),
                           [&](WindowPtr w) { return Layer(w) >= layer; });
    return size_t(it - gWindowOrder.begin());
}

size_t BackOfLayer(int layer) {
    auto it =
        std::find_if(gWindowOrder.begin(), gWindowOrder.end(), [&](WindowPtr w) { return Layer(w) > layer; });
    return size_t(it - gWindowOrder.begin());
}

bool IsFrontOfItsClass(WindowPtr window) {
    size_t index = FrontOfLayer(Layer(window));
    return index < gWindowOrder.size() && gWindowOrder[index] == window;
}

void MoveInOrder(WindowPtr window, WindowPtr behind) {
    RemoveWindowFromOrder(window);
    InsertWindowInOrder(window, behind);
}

} // namespace

const std::vector<WindowPtr>& WindowOrder() {
    return gWindowOrder;
}

void InsertWindowInOrder(WindowPtr window, WindowPtr behind) {
    int layer = Layer(window);
    size_t index = BackOfLayer(layer);
    if (behind == kFirstWindowOfClass) {
        index = FrontOfLayer(layer);
    } else if (behind) {
        auto it = std::find(gWindowOrder.begin(), gWindowOrder.end(), behind);
        // A window of another layer cannot be followed directly: go to the nearer end of our own layer.
        if (it != gWindowOrder.end()) {
            if (Layer(behind) == layer)
                index = size_t(it - gWindowOrder.begin()) + 1;
            else if (Layer(behind) < layer)
                index = FrontOfLayer(layer);
        }
    }
    gWindowOrder.insert(gWindowOrder.begin() + std::ptrdiff_t(index), window);
}

void RemoveWindowFromOrder(WindowPtr window) {
    gWindowOrder.erase(std::remove(gWindowOrder.begin(), gWindowOrder.end(), window), gWindowOrder.end());
}

void RestackWindowHosts() {
    if (!CanRaiseWindows()) return;
    for (size_t i = gWindowOrder.size(); i-- > 0;) {
        WindowHost* host = gWindowOrder[i]->host;
        if (host && host->isVisible()) host->raise();
    }
}

bool NoteWindowActivated(WindowPtr window) {
    if (window->ignoreShowActivation) {
        window->ignoreShowActivation = false;
        if (FrontNonFloatingWindow() != window) {
            ActivateFrontWindow();
            return false;
        }
    }
    if (!IsFrontOfItsClass(window)) {
        MoveInOrder(window, kFirstWindowOfClass);
        RestackWindowHosts();
    }
    return true;
}

void ActivateFrontWindow() {
    WindowPtr front = FrontNonFloatingWindow();
    if (front && front->host) front->host->activateWindow();
}

WindowPtr FrontWindow() {
    for (WindowPtr window : gWindowOrder)
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

WindowPtr FrontNonFloatingWindow() {
    for (WindowPtr window : gWindowOrder)
        if (window->windowClass != kFloatingWindowClass && IsWindowVisible(window)) return window;
    return nullptr;
}

// Hidden windows are walked too, so that the program can reach every window it made.
WindowPtr GetNextWindow(WindowPtr window) {
    if (!window) return gWindowOrder.empty() ? nullptr : gWindowOrder.front();
    auto it = std::find(gWindowOrder.begin(), gWindowOrder.end(), window);
    if (it == gWindowOrder.end() || ++it == gWindowOrder.end()) return nullptr;
    return *it;
}

void SelectWindow(WindowPtr window) {
    if (!window || !window->host) return;
    MoveInOrder(window, kFirstWindowOfClass);
    RestackWindowHosts();
    // Floating windows never take the activation from the document they serve.
    if (window->windowClass != kFloatingWindowClass && IsWindowVisible(window))
        window->host->activateWindow();
}

void SendBehind(WindowPtr window, WindowPtr behind) {
    if (!window || !window->host || behind == window) return;
    bool wasActive = window->host->isActiveWindow();
    MoveInOrder(window, behind ? behind : kLastWindowOfClass);
    RestackWindowHosts();
    if (wasActive && FrontNonFloatingWindow() != window) ActivateFrontWindow();
}

void BringToFront(WindowPtr window) {
    if (!window || !window->host) return;
    MoveInOrder(window, kFirstWindowOfClass);
    RestackWindowHosts();
}
