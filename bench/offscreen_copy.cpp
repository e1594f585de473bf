// One full composite of 1920 x 1080 worlds through the compositor, per mode the prompter uses each frame:
// plain, mirrored, flipped and turned copies, text keyed over a background, and a blend. Times are per
// frame, in milliseconds.
#include "foundation/offscreen_copy.h"

#include <benchmark/benchmark.h>

namespace {
constexpr SInt16 kWidth = 1920, kHeight = 1080;

struct Worlds {
    GWorldPtr source = nullptr, destination = nullptr;
    Rect from{0, 0, kHeight, kWidth}, to{0, 0, kHeight, kWidth};
    explicit Worlds(bool turned) {
        if (turned) to = Rect{0, 0, kWidth, kHeight};
        NewGWorld(&source, 32, &from, nullptr, nullptr, 0);
        NewGWorld(&destination, 32, &to, nullptr, nullptr, 0);
        // White text-like stripes on black, so keyed modes see both kinds of pixel.
        auto* pixels = GetPixBaseAddr(source);
        const SInt32 stride = GetPixRowBytes(source) / 4;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels[y * stride + x] = ((x / 7 + y / 11) % 3 == 0) ? 0xFFFFFFFFu : 0xFF000000u;
    }
    ~Worlds() {
        DisposeGWorld(source);
        DisposeGWorld(destination);
    }
};

void Composite(benchmark::State& state, bool mirror, bool flip, SInt16 rotation, SInt16 sourceMode,
               SInt16 destinationMode, bool percent) {
    Worlds worlds(rotation != 0);
    const RGBColor black{0, 0, 0};
    const SInt16 half = 50;
    for (auto _ : state) {
        CopyOffscreentoOffscreen(worlds.source, worlds.destination, &worlds.from, &worlds.to, mirror, flip,
                                 rotation, 0, nullptr, sourceMode, &black, nullptr, destinationMode, &black,
                                 percent ? &half : nullptr, false, 0);
        benchmark::ClobberMemory();
    }
}

void BM_PlainCopy(benchmark::State& state) {
    Composite(state, false, false, 0, 1, 1, false);
}
void BM_MirroredCopy(benchmark::State& state) {
    Composite(state, true, false, 0, 1, 1, false);
}
void BM_FlippedCopy(benchmark::State& state) {
    Composite(state, false, true, 0, 1, 1, false);
}
void BM_TurnedCopy(benchmark::State& state) {
    Composite(state, false, false, 1, 1, 1, false);
}
void BM_TurnedMirroredCopy(benchmark::State& state) {
    Composite(state, true, false, -1, 1, 1, false);
}
// Black is the key: the text's background is dropped and the background world shows through.
void BM_KeyedOverBackground(benchmark::State& state) {
    Composite(state, false, false, 0, 3, 1, false);
}
void BM_BlendHalf(benchmark::State& state) {
    Composite(state, false, false, 0, 1, 5, true);
}
// The text's background blended half into the picture behind it, mirrored.
void BM_MirroredBlendKeyHalf(benchmark::State& state) {
    Composite(state, true, false, 0, 5, 1, true);
}
// A fade in over the first and last fifty rows, without a percent.
void BM_BlendRamp(benchmark::State& state) {
    Composite(state, false, false, 0, 1, 5, false);
}
} // namespace

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirroredCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlippedCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnedCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnedMirroredCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyedOverBackground)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlendHalf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirroredBlendKeyHalf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlendRamp)->Unit(benchmark::kMillisecond);
