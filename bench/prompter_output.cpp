// The prompter's per-tick output at full-screen size: the composed world copied onto the window with the
// strips clipped off, and the check of the worlds' sizes that a layout change makes (and a tick must not
// pay for). Each figure is the time for one call.
#include "platform/drawing.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"

#include <benchmark/benchmark.h>

namespace {

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;

// A full-screen prompter window with its worlds, made for one benchmark.
class Prompter {
  public:
    Prompter() {
        const Rect bounds{0, 0, kHeight, SInt16(kWidth + kScrollBarStrip)};
        myScrollWindow = NewCWindow(nullptr, &bounds, nullptr, false, 0, kFirstWindowOfClass, false, 1);
        myScrollWindowAlias = GetWindowPort(myScrollWindow);
        SetPort(myScrollWindowAlias);
        SetPref(gThePreferences, kPrefShowInformation, 1);
        gScrollTextRect = Rect{0, 0, SInt16(kHeight - kInfoStrip), kWidth};
        gMyBitWidth = 32;
        CreateOffscreenWindows();
    }
    ~Prompter() {
        DestroyOffscreenWindows();
        DisposeWindow(myScrollWindow);
        myScrollWindow = nullptr;
        myScrollWindowAlias = nullptr;
    }
};

void BM_CopyOffscreenToScrollWindow(benchmark::State& state) {
    Prompter prompter;
    for (auto _ : state)
        CopyOffscreenToScrollWindow();
}
BENCHMARK(BM_CopyOffscreenToScrollWindow)->Unit(benchmark::kMicrosecond);

void BM_CheckOffscreenSizesUnchanged(benchmark::State& state) {
    Prompter prompter;
    for (auto _ : state)
        CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
}
BENCHMARK(BM_CheckOffscreenSizesUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace
