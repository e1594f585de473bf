// The scroll's cadence as a user sees it: the running program scrolls a 100,000-character script at 2
// pixels a tick on the real clock, driven by the event loop's 1/60 s timer, for 1,200 ticks per output.
// Reports how many ticks moved exactly 2 pixels, how many 0-then-4 pairs there were, how many fires came
// more than 1.5 frames after the one before, and the CPU each tick took (p50 / p95). Run it on a real
// display (or a virtual one at 1920x1080 or more): QT_QPA_PLATFORM=xcb DISPLAY=... bench_scroll_cadence.
// The "clock ticks" rows pace by the ticks of the clock at each fire, as the program used to; the
// "frame ticks" rows as it does now: by the display's frames where start-up chose them (the label says
// which), else by the timer's due times. ORVALIS_NO_X11_LINK=1 runs it without the platform layer's own
// X connection: no display frames, and windows painted through the toolkit.
#include "foundation/error_dialog.h"
#include "platform/clock.h"
#include "platform/display_frames.h"
#include "platform/events.h"
#include "platform/resources.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/frame_clock.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/scroll_tick.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include "support/program_start.h"

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kTicks = 1200;
constexpr UInt32 kDateTime = 3'848'000'000u;

enum Output { kUpright, kMirrored, kTurned, kOverPicture };

std::string Script() {
    std::string script;
    for (int line = 0; script.size() < 100'000; ++line)
        script += "Line " + std::to_string(line) + ": the quick brown fox reads the news to the nation.\r";
    script.resize(100'000);
    return script;
}

double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Cadence {
    bool frameTicks = true;
    std::vector<double> pixels, cpu;
    std::vector<UInt64> fired;
    double lastPosition = 0;
    // The first fires pay the time since the scroll started; they are not counted.
    int warmUp = 2;
};
Cadence gCadence;

// The loop timer's own fire, measured: the due time handed to the step, its CPU, and how far the text went.
void MeasuredFire(EventLoopTimerRef timer, void*) {
    Cadence& c = gCadence;
    const UInt64 outer = gLoopTimerDueMicros;
    gLoopTimerDueMicros = c.frameTicks ? GetEventLoopTimerDueMicroseconds(timer) : 0;
    const double start = ThreadMilliseconds();
    TimerAction();
    if (c.warmUp == 0) c.cpu.push_back(ThreadMilliseconds() - start);
    gLoopTimerDueMicros = outer;
    if (c.warmUp == 0) c.fired.push_back(MonotonicMicroseconds());
    // The position falls as the text moves on.
    if (c.warmUp > 0)
        --c.warmUp;
    else
        c.pixels.push_back(c.lastPosition - gScrollCurrentPos);
    c.lastPosition = gScrollCurrentPos;
    if (gIScrolled == 0) {
        ScrollScrollToBeginning(0);
        c.lastPosition = gScrollCurrentPos;
    }
    if (c.pixels.size() >= size_t(kTicks)) QuitApplicationEventLoop();
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    const auto at = values.begin() + std::ptrdiff_t(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

void BM_ScrollCadence(benchmark::State& state) {
    const Output output = Output(state.range(0));
    const std::string home = StartProgramInFreshHome(state, "orvalis-cadence");
    if (home.empty()) return;
    const std::string path = home + "/script.txt";
    std::ofstream(path, std::ios::binary) << Script();
    OpenDocumentsEvent({path});
    PrefsRecord& p = gThePreferences;
    SetPref(p, kPrefFullScreen, 0);
    SetPref(p, kPrefMirror, output == kMirrored);
    SetPref(p, kPrefRotation, output == kTurned ? 1 : 0);
    SetPref(p, kPrefBackgroundKind, output == kOverPicture ? 1 : 0);
    SetPref(p, kPrefPictureFillsArea, output == kOverPicture ? 1 : 0);
    SetPref(p, kPrefTextRectBackStyle, output == kOverPicture ? 2 : 0);
    SetPref(p, kPrefLoopingText, 0);
    SetPref(p, kPrefMomentum, 0);
    SizeWindow(myScrollWindow, SInt16(1920 + kScrollBarStrip), 1080, false);
    NewScrollWindowSize(SInt16(1920 + kScrollBarStrip), 1080);
    StartScroll(1);
    PauseOff(0);
    gScrollDistance = 2;
    StartScrollTickClock(TickCount());

    for (auto _ : state) {
        gCadence = Cadence{};
        gCadence.frameTicks = state.range(1) != 0;
        gCadence.lastPosition = gScrollCurrentPos;
        gCadence.pixels.reserve(kTicks);
        gCadence.cpu.reserve(kTicks);
        gCadence.fired.reserve(kTicks);
        // The program's own timer gives way to the same timer measured.
        RemoveLoopTimer();
        EventLoopTimerRef timer = nullptr;
        InstallEventLoopTimer(kScrollTimerInterval, kScrollTimerInterval, MeasuredFire, nullptr, &timer);
        // As the program's own scroll timer does: in step with the display's frames where they were chosen.
        if (gCadence.frameTicks) SetEventLoopTimerFollowsDisplay(timer, true);
        RunApplicationEventLoop();
        RemoveEventLoopTimer(timer);
    }

    const Cadence& c = gCadence;
    // A fire more than 1.5 frames after the one before may pay the frame it missed; any other tick that
    // does not move exactly 2 pixels is a judder.
    int atTwo = 0, zeroThenFour = 0, late = 0, judders = 0;
    for (size_t i = 0; i < c.pixels.size(); ++i) {
        const bool cameLate = i > 0 && double(c.fired[i] - c.fired[i - 1]) > 1.5e6 / 60;
        if (c.pixels[i] == 2) ++atTwo;
        if (i > 0 && c.pixels[i - 1] == 0 && c.pixels[i] == 4) ++zeroThenFour;
        if (cameLate) ++late;
        if (c.pixels[i] != 2 && !cameLate) ++judders;
    }
    std::fprintf(stderr, "output %d, %s: pixels per tick", int(output),
                 c.frameTicks ? "frame ticks" : "clock ticks");
    for (int px = 0; px <= 8; ++px) {
        const auto n = std::count(c.pixels.begin(), c.pixels.end(), double(px));
        if (n) std::fprintf(stderr, "  %d px x %ld", px, long(n));
    }
    std::fprintf(stderr, "\n");
    const FramePacingChoice pacing = ChooseFramePacing();
    state.SetLabel(c.frameTicks && pacing.pacing == FramePacing::kDisplayFrames ? "display frames" : "timer");
    state.counters["ticks"] = double(c.pixels.size());
    state.counters["at_2px"] = atTwo;
    state.counters["0_then_4"] = zeroThenFour;
    state.counters["late_fires"] = late;
    state.counters["judders"] = judders;
    state.counters["cpu_p50_ms"] = Percentile(c.cpu, 0.5);
    state.counters["cpu_p95_ms"] = Percentile(c.cpu, 0.95);
    QuitProgram();
    if (gMainResFileNum > 0) CloseResFile(gMainResFileNum);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_ScrollCadence)
    ->ArgNames({"upright0_mirrored1_turned2_picture3", "frameticks"})
    ->ArgsProduct({{kUpright, kMirrored, kTurned, kOverPicture}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
