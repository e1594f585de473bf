// Screens as devices: the main one, the list, their whole and usable bounds, and the screen that holds
// most of a rectangle. A device record lives until shutdown, so a handle the program kept never dangles
// when a screen goes away; it then has empty bounds and is no longer listed.
#include "platform/windows.h"

#include "event_internal.h"
#include "window_record.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <memory>
#include <vector>

struct GDevice {
    QPointer<QScreen> screen;
};

namespace {

std::vector<std::unique_ptr<GDevice>> gDevices;

GDHandle DeviceForScreen(QScreen* screen) {
    if (!screen) return nullptr;
    for (auto& device : gDevices)
        if (device->screen == screen) return device.get();
    gDevices.push_back(std::make_unique<GDevice>());
    gDevices.back()->screen = screen;
    return gDevices.back().get();
}

// The screens in the order the program sees them: the main one first, then the toolkit's order.
std::vector<QScreen*> OrderedScreens() {
    std::vector<QScreen*> screens;
    if (!QGuiApplication::instance()) return screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) screens.push_back(primary);
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary) screens.push_back(screen);
    return screens;
}

} // namespace

GDHandle GetMainDevice() {
    return QGuiApplication::instance() ? DeviceForScreen(QGuiApplication::primaryScreen()) : nullptr;
}

GDHandle GetDeviceList() {
    return GetMainDevice();
}

GDHandle GetNextDevice(GDHandle device) {
    if (!device) return nullptr;
    std::vector<QScreen*> screens = OrderedScreens();
    for (size_t i = 0; i + 1 < screens.size(); ++i)
        if (screens[i] == device->screen) return DeviceForScreen(screens[i + 1]);
    return nullptr;
}

Rect GetDeviceBounds(GDHandle device) {
    return device && device->screen ? RectFromQRect(device->screen->geometry()) : Rect{};
}

Rect GetAvailableBounds(GDHandle device) {
    return device && device->screen ? RectFromQRect(device->screen->availableGeometry()) : Rect{};
}

GDHandle GetMaxDevice(const Rect* globalRect) {
    if (!globalRect) return GetMainDevice();
    QRect area = QRectFromRect(*globalRect);
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* screen : OrderedScreens()) {
        QRect overlap = screen->geometry().intersected(area);
        qint64 size = qint64(overlap.width()) * overlap.height();
        if (size > bestArea) {
            bestArea = size;
            best = screen;
        }
    }
    return best ? DeviceForScreen(best) : GetMainDevice();
}

void ShutdownScreens() {
    gDevices.clear();
}
