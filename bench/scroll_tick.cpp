// The scroll tick of the running program at full-HD size with a 100,000-character script: pacing, the
// text engine's scroll, the background and text composed, mirrored, flipped or turned, the cue and the
// copy onto the window, as the timer runs it 60 times a second. Each figure is one tick of a brisk pace
// (2 pixels); a frame has 16.7 ms. Every tick's CPU time is taken on its own (p50, p95) and its heap
// allocations are counted by the program's own operator new.
#include "shell/scroll_tick.h"
#include "foundation/error_dialog.h"
#include "foundation/offscreen_copy.h"
#include "platform/clock.h"
#include "platform/resources.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_lines_ahead.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <benchmark/benchmark.h>

#include "support/plain_frame_copy.h"

#include <execinfo.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<long> gHeapAllocations{0};
// Set for one tick when ORVALIS_TRACE_ALLOCATIONS is in the environment: every allocation prints its stack.
bool gTraceAllocations = false;

void TraceAllocation() {
    gTraceAllocations = false;
    void* frames[28];
    const int count = backtrace(frames, 28);
    backtrace_symbols_fd(frames, count, 2);
    ::write(2, "--\n", 3);
    gTraceAllocations = true;
}

// Out of line, so that the compiler does not pair a free it can see with the operator new it came from.
[[gnu::noinline]] void ReleaseBlock(void* p) noexcept {
    std::free(p);
}
} // namespace

// Every heap allocation of the program passes here and is counted.
void* operator new(std::size_t size) {
    gHeapAllocations.fetch_add(1, std::memory_order_relaxed);
    if (gTraceAllocations) TraceAllocation();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    gHeapAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    ReleaseBlock(p);
}
void operator delete[](void* p) noexcept {
    ReleaseBlock(p);
}
void operator delete(void* p, std::size_t) noexcept {
    ReleaseBlock(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    ReleaseBlock(p);
}

namespace {

constexpr UInt32 kDateTime = 3'848'000'000u;

enum Output { kUpright, kMirrored, kFlipped, kTurned, kOverPicture, kMirroredOverPicture };

std::string Script() {
    std::string script;
    for (int line = 0; script.size() < 100'000; ++line)
        script += "Line " + std::to_string(line) + ": the quick brown fox reads the news to the nation.\r";
    script.resize(100'000);
    return script;
}

// The program started in a home of its own, its prompter 1920 x 1080 scrolling the script in the output
// asked for.
class RunningPrompter {
  public:
    explicit RunningPrompter(Output output, SInt16 highlight = 0, SInt16 width = 1920, SInt16 height = 1080) {
        char folder[] = "/tmp/orvalis-bench-XXXXXX";
        home_ = mkdtemp(folder);
        ::setenv("HOME", home_.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_HOME");
        UseFakeClock(1000, kDateTime);
        SetErrorMessageRecording(true);
        gMainResFileNum = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        gLastResFile = gMainResFileNum;
        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        started_ = StartUp();
        const std::string path = home_ + "/script.txt";
        std::ofstream(path, std::ios::binary) << Script();
        OpenDocumentsEvent({path});
        PrefsRecord& p = gThePreferences;
        SetPref(p, kPrefFullScreen, 0);
        SetPref(p, kPrefMirror, output == kMirrored || output == kMirroredOverPicture);
        SetPref(p, kPrefFlip, output == kFlipped);
        SetPref(p, kPrefRotation, output == kTurned ? 1 : 0);
        // The picture kind with no picture file named shows the program's own still picture.
        SetPref(p, kPrefBackgroundKind, output >= kOverPicture ? 1 : 0);
        // Filling the screen, with the text on it without a back of its own.
        SetPref(p, kPrefPictureFillsArea, output >= kOverPicture ? 1 : 0);
        SetPref(p, kPrefTextRectBackStyle, output >= kOverPicture ? 2 : 0);
        SetPref(p, kPrefLoopingText, 0);
        SetPref(p, kPrefMomentum, 0);
        SetPref(p, kPrefHighlightKind, highlight);
        SizeWindow(myScrollWindow, SInt16(width + kScrollBarStrip), height, false);
        NewScrollWindowSize(SInt16(width + kScrollBarStrip), height);
        StartScroll(1);
        PauseOff(0);
        StartScrollTickClock(TickCount());
        gScrollDistance = 2;
    }
    ~RunningPrompter() {
        if (started_) QuitProgram();
        if (gMainResFileNum > 0) CloseResFile(gMainResFileNum);
        UseRealClock();
        std::filesystem::remove_all(home_);
    }
    bool started() const { return started_ && myScrollWindow && gScrollOn; }

  private:
    std::string home_;
    bool started_ = false;
};

// The thread's own CPU time: other programs on a busy machine do not widen the spread of the ticks.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double>& values, double fraction) {
    if (values.empty()) return 0;
    const auto at = values.begin() + std::ptrdiff_t(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

void BM_ScrollTick(benchmark::State& state) {
    const bool big = state.range(2) != 0;
    RunningPrompter prompter(Output(state.range(0)), SInt16(state.range(1)), big ? 3840 : 1920,
                             big ? 2160 : 1080);
    if (!prompter.started()) {
        state.SkipWithError("the prompter did not start scrolling");
        return;
    }
    // A few ticks first, so that what the first ticks build once (caches, kept buffers) is not counted.
    for (int i = 0; i < 8; ++i) {
        AdvanceFakeClock(1);
        DoScrollTick(TickCount());
    }
    if (std::getenv("ORVALIS_TRACE_ALLOCATIONS")) {
        void* warm[4];
        backtrace(warm, 4); // loads the unwinder before the traced tick
        for (int i = 0; i < 40; ++i) {
            gTraceAllocations = true;
            AdvanceFakeClock(1);
            DoScrollTick(TickCount());
            gTraceAllocations = false;
            std::fprintf(stderr, "== tick %d\n", i);
            // The idle time between ticks, as measured below: lines painted ahead are not the tick's.
            PaintScrollLinesAhead();
        }
    }
    std::vector<double> milliseconds;
    milliseconds.reserve(1 << 16);
    long allocations = 0, ticks = 0, allocatingTicks = 0;
    for (auto _ : state) {
        const double start = ThreadMilliseconds();
        const long before = gHeapAllocations.load(std::memory_order_relaxed);
        AdvanceFakeClock(1);
        DoScrollTick(TickCount());
        const long made = gHeapAllocations.load(std::memory_order_relaxed) - before;
        allocations += made;
        allocatingTicks += made > 0;
        ++ticks;
        if (milliseconds.size() < milliseconds.capacity())
            milliseconds.push_back(ThreadMilliseconds() - start);
        if (gIScrolled == 0) ScrollScrollToBeginning(0);
        // The idle time between ticks, as the program's timer step has it after each tick.
        PaintScrollLinesAhead();
    }
    Rect text = gScrollTextRect;
    state.counters["text_w"] = text.right - text.left;
    state.counters["text_h"] = text.bottom - text.top;
    // A tick that reports an error (and so allocates its message) is not the tick being measured.
    state.counters["errors"] = double(RecordedErrorMessages().size());
    if (!RecordedErrorMessages().empty())
        std::fprintf(stderr, "error: %s\n", RecordedErrorMessages().back().c_str());
    state.counters["allocs_per_tick"] = ticks ? double(allocations) / double(ticks) : 0;
    // A line seen for the first time is shaped and painted once (the toolkit allocates for that); every
    // later tick only moves and copies pixels.
    state.counters["allocating_ticks"] = double(allocatingTicks);
    state.counters["p50_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p95_ms"] = Percentile(milliseconds, 0.95);
}
BENCHMARK(BM_ScrollTick)
    ->ArgNames({"upright0_mirrored1_flipped2_turned3_picture4_mirroredpicture5", "highlight", "uhd"})
    ->ArgsProduct({benchmark::CreateDenseRange(kUpright, kMirroredOverPicture, 1), {0}, {0}})
    // The word and line highlights and speed reading at the cue, against the same outputs without them.
    ->ArgsProduct({{kUpright, kMirrored, kTurned},
                   {0, kHighlightWord, kHighlightLine, kHighlightSpeedReading},
                   {0}})
    // Mirrored at 3840 x 2160.
    ->Args({kMirrored, 0, 1})
    ->Unit(benchmark::kMillisecond);

// A "faster" key held while the text scrolls, repeating 30 times a second (every other tick): the key's
// handling and the tick together, and the ticks on which the text did not move (none may be lost).
void BM_ScrollTickWithHeldKey(benchmark::State& state) {
    RunningPrompter prompter(kUpright);
    if (!prompter.started()) {
        state.SkipWithError("the prompter did not start scrolling");
        return;
    }
    for (int i = 0; i < 8; ++i) {
        AdvanceFakeClock(1);
        DoScrollTick(TickCount());
    }
    PlatformEvent key{};
    key.kind = EventKind::KeyRepeat;
    key.charCode = kRightArrowCharCode;
    key.keyCode = kKeyRight;
    std::vector<double> milliseconds;
    milliseconds.reserve(1 << 16);
    long allocations = 0, ticks = 0, stalled = 0;
    for (auto _ : state) {
        const double start = ThreadMilliseconds();
        const long before = gHeapAllocations.load(std::memory_order_relaxed);
        if (ticks % 2 == 0) {
            DoKeyDown(key);
            // The key raises the speed; kept at the tick's brisk pace so every tick moves the text.
            SetScrollAmount(60, 0);
            gScrollDistance = 2;
        }
        const double position = gScrollCurrentPos;
        AdvanceFakeClock(1);
        DoScrollTick(TickCount());
        allocations += gHeapAllocations.load(std::memory_order_relaxed) - before;
        if (gScrollCurrentPos == position && gIScrolled != 0) ++stalled;
        ++ticks;
        if (milliseconds.size() < milliseconds.capacity())
            milliseconds.push_back(ThreadMilliseconds() - start);
        if (gIScrolled == 0) ScrollScrollToBeginning(0);
        // The idle time between ticks, as the program's timer step has it after each tick.
        PaintScrollLinesAhead();
    }
    state.counters["stalled_ticks"] = double(stalled);
    state.counters["allocs_per_tick"] = ticks ? double(allocations) / double(ticks) : 0;
    state.counters["p50_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p95_ms"] = Percentile(milliseconds, 0.95);
}
BENCHMARK(BM_ScrollTickWithHeldKey)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMillisecond);

} // namespace
