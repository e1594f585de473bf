// Display modes of a device: a fake screen's own list in tests, else XRandR on an X display. Other
// windowing platforms have no modes, and the program then keeps the mode it has.
#include "platform/screens.h"

#include "screen_devices.h"
#include "xrandr_modes.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

int gSwitches = 0;

DisplayMode FromX(const XrandrMode& m) {
    return DisplayMode{m.width, m.height, m.bitsPerPixel, m.refreshRate, m.options};
}

XrandrMode ToX(const DisplayMode& m) {
    return XrandrMode{m.width, m.height, m.bitsPerPixel, m.refreshRate, m.options};
}

bool OnX11() {
    return qGuiApp && QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

std::vector<DisplayMode> GetDisplayModes(GDHandle device) {
    if (!device) return {};
    if (device->fake) return device->listed ? device->fakeModes : std::vector<DisplayMode>{};
    if (!device->screen || !OnX11()) return {};
    const QRect g = device->screen->geometry();
    std::vector<DisplayMode> modes;
    for (const XrandrMode& m : XrandrModes(device->screen->name().toStdString(), g.x(), g.y(), nullptr))
        modes.push_back(FromX(m));
    return modes;
}

bool GetCurrentDisplayMode(GDHandle device, DisplayMode* mode) {
    if (!device || !mode) return false;
    if (device->fake) {
        if (!device->listed || device->fakeModes.empty()) return false;
        *mode = device->fakeCurrent;
        return true;
    }
    if (!device->screen || !OnX11()) return false;
    const QRect g = device->screen->geometry();
    XrandrMode current;
    current.width = -1;
    XrandrModes(device->screen->name().toStdString(), g.x(), g.y(), &current);
    if (current.width < 0) return false;
    *mode = FromX(current);
    return true;
}

bool SetDisplayMode(GDHandle device, const DisplayMode& mode) {
    if (!device) return false;
    if (device->fake) {
        const auto& modes = device->fakeModes;
        if (!device->listed || std::find(modes.begin(), modes.end(), mode) == modes.end()) return false;
        device->fakeCurrent = mode;
        ++gSwitches;
        return true;
    }
    if (!device->screen || !OnX11()) return false;
    const QRect g = device->screen->geometry();
    if (!XrandrSetMode(device->screen->name().toStdString(), g.x(), g.y(), ToX(mode))) return false;
    ++gSwitches;
    return true;
}

void RestoreDisplayModes() {
    XrandrRestoreAll();
}

int CountDisplayModeSwitches() {
    return gSwitches;
}
