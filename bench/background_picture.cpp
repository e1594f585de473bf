// The prompter's background on a full redraw while scrolling, at full-screen size: the picture made
// upright to the output in gAnotherOffscreen and copied into the composite world. Kept pixels make a
// redraw a copy; the first draw of a picture also decodes it.
#include "scroll/background_picture.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"

#include <benchmark/benchmark.h>

namespace {

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;

// A 640 x 360 picture of bands, as the built-in backgrounds are sized.
PicHandle MakePicture() {
    const Rect bounds{0, 0, 360, 640};
    GWorldPtr world = nullptr;
    NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0);
    SetGWorld(world, nullptr);
    for (SInt16 band = 0; band < 36; ++band) {
        const RGBColor color{UInt16(band * 1500), UInt16(0x2000), UInt16(0x4000)};
        RGBForeColor(&color);
        const Rect strip{SInt16(band * 10), 0, SInt16(band * 10 + 10), 640};
        PaintRect(&strip);
    }
    PicHandle picture = NewPictureFromPort(world, &bounds);
    DisposeGWorld(world);
    return picture;
}

class ScrollingBackground {
  public:
    explicit ScrollingBackground(SInt16 rotation, SInt16 mirror) {
        saved_ = gThePreferences;
        SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindFile);
        SetPref(gThePreferences, kPrefPictureFillsArea, 1);
        SetPref(gThePreferences, kPrefRotation, rotation);
        SetPref(gThePreferences, kPrefMirror, mirror);
        gMyBitWidth = 32;
        gScrollOn = 1;
        gAvailableRect = Rect{0, 0, kHeight, kWidth};
        NewGWorld(&composite_, 32, &gAvailableRect, nullptr, nullptr, 0);
        gThePicture = MakePicture();
    }
    ~ScrollingBackground() {
        DisposeScrollPicture();
        if (gAnotherOffscreen) DisposeGWorld(gAnotherOffscreen), gAnotherOffscreen = nullptr;
        DisposeGWorld(composite_);
        gScrollOn = 0;
        gThePreferences = saved_;
    }
    void Draw() {
        SetGWorld(composite_, nullptr);
        DrawScrollPicture(0, 0);
    }

  private:
    PrefsRecord saved_;
    GWorldPtr composite_ = nullptr;
};

void BM_RedrawKeptPicture(benchmark::State& state) {
    ScrollingBackground background(SInt16(state.range(0)), SInt16(state.range(1)));
    background.Draw();
    for (auto _ : state)
        background.Draw();
}
BENCHMARK(BM_RedrawKeptPicture)
    ->ArgNames({"rotation", "mirror"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond);

// A picture met for the first time: decoded and scaled to the screen, then made upright.
void BM_DrawNewPicture(benchmark::State& state) {
    ScrollingBackground background(0, 0);
    // The picture drawn last stays alive, so that its copy cannot take its address and pass for it.
    Handle previous = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        Handle copy = gThePicture;
        HandToHand(&copy);
        if (previous) DisposeHandle(previous);
        previous = gThePicture;
        gThePicture = copy;
        state.ResumeTiming();
        background.Draw();
    }
    if (previous) DisposeHandle(previous);
}
BENCHMARK(BM_DrawNewPicture)->Unit(benchmark::kMillisecond);

} // namespace
