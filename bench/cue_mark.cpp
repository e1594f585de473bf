// The cue marker redrawn in a full-HD prompter port: upright on the back colour, and turned and mirrored
// over a background, whose pixels under the marker go through the marker's small worlds and back.
#include "scroll/cue_marker.h"

#include "platform/drawing.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"

#include <benchmark/benchmark.h>

namespace {

// A 24 x 16 icon standing in for the application's, made from a port so that no resource file is needed.
CIconHandle MakeIcon() {
    GWorldPtr art = nullptr;
    const Rect bounds{0, 0, 16, 24};
    NewGWorld(&art, 32, &bounds, nullptr, nullptr, 0);
    GrafPtr saved;
    GetPort(&saved);
    SetPort(art);
    const RGBColor amber{0xFFFF, 0xA000, 0x1800};
    RGBForeColor(&amber);
    const Rect head{2, 10, 14, 24};
    PaintOval(&head);
    SetPort(saved);
    CIconHandle icon = NewPictureFromPort(art, &bounds);
    DisposeGWorld(art);
    return icon;
}

void BM_UpdateCueMark(benchmark::State& state) {
    const bool turned = state.range(0) != 0;
    GWorldPtr port = nullptr;
    const Rect screen{0, 0, 1080, 1920};
    NewGWorld(&port, 32, &screen, nullptr, nullptr, 0);
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    gMyBitWidth = 32;
    gTheCue = MakeIcon();
    PrefsRecord& p = gThePreferences;
    SetPref(p, kPrefCueMarkerShown, 1);
    SetPref(p, kPrefPositionsFromCue, 1);
    SetPref(p, kPrefCuePositionKind, 3);
    SetPref(p, kPrefBackgroundKind, turned ? 1 : 0);
    SetPref(p, kPrefRotation, turned ? 1 : 0);
    SetPref(p, kPrefMirror, turned ? 1 : 0);
    gScrollOn = 1;
    gCueRect = turned ? Rect{0, 0, 24, 1904} : Rect{0, 0, 1080, 24};
    gScrollTextRect = turned ? Rect{24, 0, 1080, 1904} : Rect{0, 24, 1080, 1904};
    for (auto _ : state) {
        UpdateCueMark();
        benchmark::DoNotOptimize(gCueSpot);
    }
    SetPort(saved);
    DisposeCue();
    DisposeGWorld(port);
    gScrollOn = 0;
}
BENCHMARK(BM_UpdateCueMark)->Arg(0)->Arg(1)->ArgNames({"turned_over_background"});

} // namespace
