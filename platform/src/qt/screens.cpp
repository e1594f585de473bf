// Screens as devices: the main one, the list, their whole and usable bounds, and the screen that holds
// most of a rectangle. A device record lives until shutdown, so a handle the program kept never dangles
// when a screen goes away; it then has empty bounds and is no longer listed. Tests can put fake screens
// in place of the real ones.
#include "platform/screens.h"

#include "event_internal.h"
#include "screen_devices.h"
#include "window_record.h"

#include <QGuiApplication>

#include <memory>
#include <optional>
#include <vector>

namespace {

std::vector<std::unique_ptr<GDevice>> gDevices;
std::vector<GDevice*> gFakes; // while not empty, the screens the program sees
ScreensChangedProc gScreensChanged = nullptr;
bool gWatching = false;
std::optional<Rect> gFakeFrames;

GDHandle DeviceForScreen(QScreen* screen) {
    if (!screen) return nullptr;
    for (auto& device : gDevices)
        if (!device->fake && device->screen == screen) return device.get();
    gDevices.push_back(std::make_unique<GDevice>());
    gDevices.back()->screen = screen;
    return gDevices.back().get();
}

// The screens in the order the program sees them: the main one first, then the toolkit's order.
std::vector<GDHandle> OrderedDevices() {
    std::vector<GDHandle> devices;
    if (!gFakes.empty()) {
        for (GDevice* fake : gFakes)
            if (fake->listed) devices.push_back(fake);
        return devices;
    }
    if (!QGuiApplication::instance()) return devices;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) devices.push_back(DeviceForScreen(primary));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary) devices.push_back(DeviceForScreen(screen));
    return devices;
}

void WatchScreens() {
    if (gWatching || !qGuiApp) return;
    gWatching = true;
    auto watch = [](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, qGuiApp, [] { ReportScreensChanged(); });
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, qGuiApp, [watch](QScreen* screen) {
        watch(screen);
        ReportScreensChanged();
    });
    // The toolkit moves windows off a removed screen by itself only after this signal: report the change
    // once it is done, so that the program places its windows last.
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, qGuiApp, [] {
        QMetaObject::invokeMethod(
            qGuiApp, [] { ReportScreensChanged(); }, Qt::QueuedConnection);
    });
}

} // namespace

void ReportScreensChanged() {
    if (gScreensChanged) gScreensChanged();
}

void SetScreensChangedProc(ScreensChangedProc proc) {
    gScreensChanged = proc;
    WatchScreens();
}

GDHandle GetMainDevice() {
    if (!gFakes.empty()) {
        const std::vector<GDHandle> devices = OrderedDevices();
        return devices.empty() ? nullptr : devices.front();
    }
    return QGuiApplication::instance() ? DeviceForScreen(QGuiApplication::primaryScreen()) : nullptr;
}

GDHandle GetDeviceList() {
    return GetMainDevice();
}

GDHandle GetNextDevice(GDHandle device) {
    if (!device) return nullptr;
    const std::vector<GDHandle> devices = OrderedDevices();
    for (size_t i = 0; i + 1 < devices.size(); ++i)
        if (devices[i] == device) return devices[i + 1];
    return nullptr;
}

Rect GetDeviceBounds(GDHandle device) {
    if (device && device->fake) return device->listed ? device->fakeBounds : Rect{};
    return device && device->screen ? RectFromQRect(device->screen->geometry()) : Rect{};
}

Rect GetAvailableBounds(GDHandle device) {
    if (device && device->fake) return device->listed ? device->fakeAvailable : Rect{};
    return device && device->screen ? RectFromQRect(device->screen->availableGeometry()) : Rect{};
}

GDHandle GetMaxDevice(const Rect* globalRect) {
    if (!globalRect) return GetMainDevice();
    const QRect area = QRectFromRect(*globalRect);
    GDHandle best = nullptr;
    qint64 bestArea = 0;
    for (GDHandle device : OrderedDevices()) {
        const QRect overlap = QRectFromRect(GetDeviceBounds(device)).intersected(area);
        const qint64 size = qint64(overlap.width()) * overlap.height();
        if (size > bestArea) {
            bestArea = size;
            best = device;
        }
    }
    return best ? best : GetMainDevice();
}

void UseFakeScreens(const std::vector<Rect>& bounds, const std::vector<DisplayMode>& modes,
                    const std::vector<Rect>& available) {
    gFakes.clear();
    // Fake screens have no window manager behind them: frames stay as thin as a test says, none at first.
    if (!gFakeFrames) gFakeFrames = Rect{};
    for (size_t i = 0; i < bounds.size(); ++i) {
        const Rect& r = bounds[i];
        auto device = std::make_unique<GDevice>();
        device->fake = true;
        device->fakeBounds = r;
        device->fakeAvailable = i < available.size() ? available[i] : r;
        device->fakeModes = modes;
        if (!modes.empty()) device->fakeCurrent = modes.front();
        gFakes.push_back(device.get());
        gDevices.push_back(std::move(device));
    }
}

void RemoveFakeScreen(int index) {
    if (index < 0 || size_t(index) >= gFakes.size()) return;
    gFakes[size_t(index)]->listed = false;
    ReportScreensChanged();
}

void EndFakeScreens() {
    gFakes.clear();
    gFakeFrames.reset();
}

void UseFakeWindowFrames(const Rect& margins) {
    gFakeFrames = margins;
}

const Rect* FakeWindowFrames() {
    return gFakeFrames ? &*gFakeFrames : nullptr;
}

void SplitScreenFromEnvironment() {
    // ORVALIS_SPLIT_SCREEN=N shows the main screen as N screens side by side: a wide virtual display
    // (Xvfb, a remote desktop) then stands in for a studio's row of monitors.
    const QByteArray split = qgetenv("ORVALIS_SPLIT_SCREEN");
    const int parts = split.toInt();
    if (parts < 2 || parts > 8 || !QGuiApplication::primaryScreen()) return;
    const QRect whole = QGuiApplication::primaryScreen()->geometry();
    std::vector<Rect> bounds;
    for (int i = 0; i < parts; ++i) {
        const int left = whole.left() + whole.width() * i / parts;
        const int right = whole.left() + whole.width() * (i + 1) / parts;
        bounds.push_back(
            Rect{SInt16(whole.top()), SInt16(left), SInt16(whole.top() + whole.height()), SInt16(right)});
    }
    UseFakeScreens(bounds, {});
}

void ShutdownScreens() {
    RestoreDisplayModes();
    gFakes.clear();
    gDevices.clear();
    gScreensChanged = nullptr;
    gWatching = false;
}
