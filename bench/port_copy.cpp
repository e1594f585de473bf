// The drawing hot path at full-screen size: plain and transformed copies, scrolling, erasing and a line
// of prompter text. Each figure is the time for one frame.
#include "platform/drawing.h"
#include "platform/text_drawing.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;

// A world made current for one benchmark, with some content so copies move real pixels.
class World {
  public:
    World(SInt16 width, SInt16 height) {
        Rect bounds{0, 0, height, width};
        NewGWorld(&world_, 32, &bounds, nullptr, nullptr, 0);
        SetGWorld(world_, nullptr);
        for (SInt16 v = 0; v < height; v += 16) {
            Rect stripe{v, 0, SInt16(v + 8), width};
            const RGBColor c{UInt16(v * 37), UInt16(v * 91), UInt16(v * 13)};
            RGBForeColor(&c);
            PaintRect(&stripe);
        }
        NormalColors();
    }
    ~World() { DisposeGWorld(world_); }
    operator GWorldPtr() const { return world_; }

  private:
    GWorldPtr world_ = nullptr;
};

void BM_CopyBitsSrcCopy(benchmark::State& state) {
    World src(kWidth, kHeight), dst(kWidth, kHeight);
    Rect r{0, 0, kHeight, kWidth};
    for (auto _ : state) {
        CopyBits(src, dst, &r, &r, srcCopy, nullptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBitsSrcCopy)->Unit(benchmark::kMillisecond);

void BM_CopyBitsTransformed(benchmark::State& state) {
    const UInt8 transform = UInt8(state.range(0));
    const bool quarter = (transform & 1) != 0;
    World src(kWidth, kHeight);
    World dst(quarter ? kHeight : kWidth, quarter ? kWidth : kHeight);
    Rect from{0, 0, kHeight, kWidth};
    Rect to{0, 0, quarter ? kWidth : kHeight, quarter ? kHeight : kWidth};
    for (auto _ : state) {
        CopyBitsTransformed(src, dst, &from, &to, transform);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBitsTransformed)
    ->ArgName("transform")
    ->Arg(kCopyUpright)
    ->Arg(kCopyRotate90)
    ->Arg(kCopyRotate180)
    ->Arg(kCopyMirrorBit)
    ->Arg(kCopyRotate270 | kCopyMirrorBit)
    ->Unit(benchmark::kMillisecond);

void BM_ScrollRectThreePixels(benchmark::State& state) {
    World world(kWidth, kHeight);
    Rect r{0, 0, kHeight, kWidth};
    RgnHandle update = NewRgn();
    for (auto _ : state) {
        ScrollRect(&r, 0, -3, update);
        benchmark::ClobberMemory();
    }
    DisposeRgn(update);
}
BENCHMARK(BM_ScrollRectThreePixels)->Unit(benchmark::kMillisecond);

void BM_EraseRect(benchmark::State& state) {
    World world(kWidth, kHeight);
    Rect r{0, 0, kHeight, kWidth};
    for (auto _ : state) {
        EraseRect(&r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EraseRect)->Unit(benchmark::kMillisecond);

void BM_DrawStringPrompterLine(benchmark::State& state) {
    World world(kWidth, 200);
    TextFont(kFontHelvetica);
    TextMode(SInt16(state.range(0)));
    TextSize(SInt16(state.range(1)));
    Str255 line;
    const char* text = "Good evening, and welcome to the programme.";
    line[0] = UInt8(std::strlen(text));
    std::memcpy(line + 1, text, line[0]);
    for (auto _ : state) {
        MoveTo(20, 120);
        DrawString(line);
        benchmark::ClobberMemory();
    }
}
// Qt keeps rendered glyphs only up to 64 pixels; larger text is filled as outlines on every draw.
BENCHMARK(BM_DrawStringPrompterLine)
    ->ArgNames({"textMode", "size"})
    ->Args({srcOr, 48})
    ->Args({srcOr, 72})
    ->Args({srcOr, 144})
    ->Args({srcXor, 72})
    ->Unit(benchmark::kMillisecond);

} // namespace
