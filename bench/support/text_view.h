// A text-engine view for benchmarks: an empty instance drawing into a 32-bit world of the given size, its
// lines as wide as the world, its text in Times of the given size.
#pragma once

#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "textengine/text_engine.h"

struct BenchTextView {
    GWorldPtr world = nullptr;
    WEReference we = nullptr;

    BenchTextView(SInt16 width, SInt16 height, SInt16 textSize) {
        const Rect bounds{0, 0, height, width};
        NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0);
        SetGWorld(world, nullptr);
        TextFont(kFontTimes);
        TextSize(textSize);
        LongRect dest{0, 0, 0, width};
        LongRect view{0, 0, height, width};
        WENew(&dest, &view, 0, &we);
    }
    ~BenchTextView() {
        WEDispose(we);
        DisposeGWorld(world);
    }
    BenchTextView(const BenchTextView&) = delete;
    BenchTextView& operator=(const BenchTextView&) = delete;
};
