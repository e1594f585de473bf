// Putting a window's port on an X display, as every scroll tick does: the flush of the whole frame and of a
// band makes no heap allocation. It needs an X display (ctest runs it under a virtual one of its own when
// xvfb-run is installed) and the sanitizer build, whose allocator counts every allocation, the toolkit's
// and the X library's included; elsewhere it is skipped.
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocate)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));
#endif

namespace {

long gAllocations = 0;

[[maybe_unused]] void CountAllocation(const volatile void*, size_t) {
    ++gAllocations;
}

[[maybe_unused]] void IgnoreFree(const volatile void*) {}

bool CountsAllocations() {
#if defined(__SANITIZE_ADDRESS__)
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(&CountAllocation, &IgnoreFree) != 0;
    return installed;
#else
    return false;
#endif
}

bool OnX11() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && std::strcmp(platform, "xcb") == 0;
}

TEST(WindowFlushOnX11, FlushingTheFrameOrABandAllocatesNothing) {
    if (!OnX11()) GTEST_SKIP() << "needs an X display (QT_QPA_PLATFORM=xcb)";
    if (!CountsAllocations()) GTEST_SKIP() << "allocations are counted in the sanitizer build";
    Rect bounds{40, 40, 520, 680};
    WindowPtr window = NewWindowOfClass(kPlainWindowClass, &bounds, nullptr, 0);
    ASSERT_NE(window, nullptr);
    ShowWindow(window);
    Delay(10, nullptr); // mapped and shown before the first frame
    CGrafPtr port = GetWindowPort(window);
    SetPort(port);
    RgnHandle band = NewRgn();
    SetRectRgn(band, 0, 100, 640, 196);
    const Rect all{0, 0, 480, 640};
    // The first flush of a window looks at the window once; the frames after it are the scroll's ticks.
    EraseRect(&all);
    QDFlushPortBuffer(port, nullptr);
    QDFlushPortBuffer(port, band);
    const long before = gAllocations;
    for (int frame = 0; frame < 120; ++frame) {
        QDFlushPortBuffer(port, nullptr);
        QDFlushPortBuffer(port, band);
    }
    EXPECT_EQ(gAllocations - before, 0) << "heap allocations in 240 flushes";
    DisposeRgn(band);
    DisposeWindow(window);
}

} // namespace
