// Starting the toolkit: one QApplication for the whole run, on X11 when a display is present and on the
// offscreen platform otherwise (tests, headless runs).
#include "platform/application.h"

#include "event_internal.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<QApplication> gApplication;
// QApplication keeps references to these for its whole life.
int gArgc = 0;
char** gArgv = nullptr;

} // namespace

void InitPlatform(int argc, char** argv) {
    if (gApplication) return;
    // Windows are placed and read back in global coordinates, which Wayland does not allow; X11 runs
    // under XWayland too.
    if (!std::getenv("QT_QPA_PLATFORM")) {
        const char* display = std::getenv("DISPLAY");
        ::setenv("QT_QPA_PLATFORM", display && *display ? "xcb" : "offscreen", 1);
    }
    gArgc = argc;
    gArgv = argv;
    gApplication = std::make_unique<QApplication>(gArgc, gArgv);
    QApplication::setApplicationName("Orvalis");
    QApplication::setQuitOnLastWindowClosed(false);
    InitWindowing();
}

bool IsPlatformStarted() {
    return gApplication != nullptr;
}

bool IsPlatformHeadless() {
    return gApplication && QGuiApplication::platformName() == QLatin1String("offscreen");
}

void ShutdownPlatform() {
    if (!gApplication) return;
    ShutdownWindowing();
    ReleasePaintedLines();
    gApplication.reset();
}

std::string ApplicationFolder() {
    std::error_code ec;
    auto self = std::filesystem::canonical("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path().string() : self.parent_path().string();
}
