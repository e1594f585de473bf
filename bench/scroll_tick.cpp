// The scroll tick of the running program at full-HD size with a 100,000-character script: pacing, the
// text engine's scroll, the background and text composed, mirrored, flipped or turned, the cue and the
// copy onto the window, as the timer runs it 60 times a second. Each figure is one tick of a brisk pace
// (2 pixels); a frame has 16.7 ms.
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
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/desktop_events.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;
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
    explicit RunningPrompter(Output output, SInt16 highlight = 0) {
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
        SizeWindow(myScrollWindow, SInt16(kWidth + kScrollBarStrip), kHeight, false);
        NewScrollWindowSize(SInt16(kWidth + kScrollBarStrip), kHeight);
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

void BM_ScrollTick(benchmark::State& state) {
    RunningPrompter prompter(Output(state.range(0)), SInt16(state.range(1)));
    if (!prompter.started()) {
        state.SkipWithError("the prompter did not start scrolling");
        return;
    }
    for (auto _ : state) {
        AdvanceFakeClock(1);
        DoScrollTick(TickCount());
        if (gIScrolled == 0) ScrollScrollToBeginning(0);
    }
    Rect text = gScrollTextRect;
    state.counters["text_w"] = text.right - text.left;
    state.counters["text_h"] = text.bottom - text.top;
}
BENCHMARK(BM_ScrollTick)
    ->ArgNames({"upright0_mirrored1_flipped2_turned3_picture4_mirroredpicture5", "highlight"})
    ->ArgsProduct({benchmark::CreateDenseRange(kUpright, kMirroredOverPicture, 1), {0}})
    // The word highlight at the cue, against the same outputs without it.
    ->ArgsProduct({{kUpright, kMirrored, kTurned}, {0, 2}})
    ->Unit(benchmark::kMillisecond);

// The yardstick the tick's figures are read against, in the same run: one plain copy of a full-HD frame
// between two worlds.
void BM_PlainFrameCopy(benchmark::State& state) {
    const Rect frame{0, 0, 1080, 1920};
    GWorldPtr source = nullptr, destination = nullptr;
    NewGWorld(&source, 32, &frame, nullptr, nullptr, 0);
    NewGWorld(&destination, 32, &frame, nullptr, nullptr, 0);
    for (auto _ : state) {
        CopyOffscreentoOffscreen(source, destination, &frame, &frame, false, false, 0, 0, nullptr, 1, nullptr,
                                 nullptr, 1, nullptr, nullptr, false, 0);
        benchmark::ClobberMemory();
    }
    DisposeGWorld(source);
    DisposeGWorld(destination);
}
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMillisecond);

} // namespace
