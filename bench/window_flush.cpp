// Showing a full-screen window port at 1920x1080: the whole frame, a band of it, and a scroll tick
// (rows moved, the uncovered strip erased, the frame shown). Each figure is the time for one frame, with
// the heap allocations each frame made (malloc is counted, so the toolkit's and the X library's count
// too). Run it as it is for the offscreen platform, and under a display (xvfb-run -s "-screen 0
// 1920x1080x24") for X11; ORVALIS_NO_X11_LINK=1 shows the frames through the toolkit's backing store.
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {
long gAllocations = 0;
} // namespace

// Every allocation of the process passes here: the C library's own allocator, counted. The sanitizer
// build keeps its own allocator, and counts nothing.
#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
}

extern "C" void* malloc(size_t size) {
    ++gAllocations;
    return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size) {
    ++gAllocations;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, size_t size) {
    ++gAllocations;
    return __libc_realloc(p, size);
}
#endif

namespace {

// Allocations per frame over the frames the benchmark ran.
void CountAllocations(benchmark::State& state, long before) {
    state.counters["allocs_per_frame"] =
        state.iterations() ? double(gAllocations - before) / double(state.iterations()) : 0.0;
}

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;

// One window for every benchmark, shown and given time to appear on screen before the first frame.
WindowPtr FullScreenWindow() {
    static WindowPtr window = [] {
        Rect bounds{0, 0, kHeight, kWidth};
        WindowPtr w = NewWindowOfClass(kPlainWindowClass, &bounds, nullptr, 0);
        ShowWindow(w);
        Delay(15, nullptr);
        return w;
    }();
    return window;
}

std::string PlatformLabel() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return platform;
    const char* display = std::getenv("DISPLAY");
    return display && *display ? std::string("xcb on ") + display : "offscreen";
}

// Changes a few pixels so that every frame differs from the one before.
void TouchPort(CGrafPtr port, long frame) {
    SetPort(port);
    RGBColor c{UInt16(frame * 997), UInt16(frame * 7919), 0x8000};
    RGBForeColor(&c);
    Rect mark{SInt16(frame % kHeight), 0, SInt16(frame % kHeight + 1), kWidth};
    PaintRect(&mark);
}

void BM_FlushWholePort(benchmark::State& state) {
    CGrafPtr port = GetWindowPort(FullScreenWindow());
    long frame = 0;
    const long allocationsBefore = gAllocations;
    for (auto _ : state) {
        TouchPort(port, ++frame);
        QDFlushPortBuffer(port, nullptr);
    }
    CountAllocations(state, allocationsBefore);
    state.SetLabel(PlatformLabel());
}
BENCHMARK(BM_FlushWholePort)->Unit(benchmark::kMillisecond);

// A band a fifth of the height, as a bar or a caption line might need.
void BM_FlushBand(benchmark::State& state) {
    CGrafPtr port = GetWindowPort(FullScreenWindow());
    RgnHandle band = NewRgn();
    SetRectRgn(band, 0, 400, kWidth, 400 + kHeight / 5);
    long frame = 0;
    const long allocationsBefore = gAllocations;
    for (auto _ : state) {
        TouchPort(port, 400 + (++frame % (kHeight / 5)));
        QDFlushPortBuffer(port, band);
    }
    DisposeRgn(band);
    CountAllocations(state, allocationsBefore);
    state.SetLabel(PlatformLabel());
}
BENCHMARK(BM_FlushBand)->Unit(benchmark::kMillisecond);

// The prompter's tick as the window sees it: the text moves up two rows and the whole frame is shown.
void BM_ScrollTickAndFlush(benchmark::State& state) {
    CGrafPtr port = GetWindowPort(FullScreenWindow());
    SetPort(port);
    Rect all{0, 0, kHeight, kWidth};
    RgnHandle uncovered = NewRgn();
    long frame = 0;
    const long allocationsBefore = gAllocations;
    for (auto _ : state) {
        ScrollRect(&all, 0, -2, uncovered);
        TouchPort(port, kHeight - 1 - (++frame % 2));
        QDFlushPortBuffer(port, nullptr);
    }
    DisposeRgn(uncovered);
    CountAllocations(state, allocationsBefore);
    state.SetLabel(PlatformLabel());
}
BENCHMARK(BM_ScrollTickAndFlush)->Unit(benchmark::kMillisecond);

} // namespace
