// The yardstick the benchmarks' figures are read against, in the same run: one plain copy of a full-HD
// frame between two worlds. A program registers it with BENCHMARK(BM_PlainFrameCopy).
#pragma once

#include "foundation/offscreen_copy.h"
#include "platform/drawing.h"

#include <benchmark/benchmark.h>

inline void BM_PlainFrameCopy(benchmark::State& state) {
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
