// Decoding run-length pictures into a port, in each of the three run forms, beside a plain copy of a frame
// of the same size: the copy is the floor a decoder that touches every pixel once can come near.
#include "foundation/rle_pictures.h"
#include "platform/drawing.h"
#include "platform/memory.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr SInt16 kWidth = 640;
constexpr SInt16 kHeight = 360;
constexpr UInt32 kHeaderLength = 30;

enum Form { kPacked, kPairs, kFourBit };

// One row of each form, covering kWidth pixels with a mix of the forms' run kinds.
std::vector<UInt8> RowRuns(Form form, int row) {
    std::vector<UInt8> runs;
    if (form == kFourBit) {
        for (int x = 0; x < kWidth; x += 10)
            runs.push_back(UInt8(10 << 4 | ((x / 10 + row) & 0x0F)));
    } else if (form == kPairs) {
        for (int x = 0; x < kWidth; x += 16)
            runs.insert(runs.end(), {16, UInt8((x / 16 + row) % 200)});
    } else {
        // 64 pixels per group: 8 literal pixels, 8 alternating, 48 of one colour.
        for (int x = 0; x < kWidth; x += 64) {
            runs.push_back(7);
            for (int i = 0; i < 8; ++i)
                runs.push_back(UInt8((x + i + row) % 200));
            runs.insert(runs.end(), {UInt8(1 << 6 | 3), 10, 20});
            runs.insert(runs.end(), {UInt8(2 << 6 | 47), UInt8((row + x) % 200)});
        }
    }
    return runs;
}

void Put(std::vector<UInt8>& bytes, size_t at, UInt32 value, int size) {
    std::memcpy(bytes.data() + at, &value, size_t(size));
}

// The picture in the machine's byte order, with its row map attached.
Handle MakePicture(Form form) {
    std::vector<UInt8> bytes(kHeaderLength, 0);
    std::vector<UInt32> map;
    Put(bytes, kRLEHeaderLength, kHeaderLength, 4);
    Put(bytes, kRLEWidth, UInt16(kWidth), 2);
    Put(bytes, 10, UInt16(kHeight), 2);
    Put(bytes, 12, UInt16(kWidth), 2);
    Put(bytes, kRLEDepth, form == kFourBit ? 4 : 8, 2);
    Put(bytes, kRLETransparent, 255, 2);
    Put(bytes, kRLEEncoding, form == kPacked ? 0 : 2, 2);
    for (int row = 0; row < kHeight; ++row) {
        map.push_back(UInt32(bytes.size() - kHeaderLength));
        const std::vector<UInt8> runs = RowRuns(form, row);
        bytes.insert(bytes.end(), runs.begin(), runs.end());
    }
    Handle picture = NewHandle(Size(bytes.size()));
    std::memcpy(*picture, bytes.data(), bytes.size());
    Handle rowMap = NewHandle(Size(map.size() * 4));
    std::memcpy(*rowMap, map.data(), map.size() * 4);
    SetRLERowMap(picture, rowMap);
    return picture;
}

GWorldPtr MakeWorld() {
    const Rect bounds{0, 0, SInt16(kHeight + 2), SInt16(kWidth + 2)};
    GWorldPtr world = nullptr;
    NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0);
    return world;
}

void BM_DrawRLEN(benchmark::State& state) {
    Handle picture = MakePicture(Form(state.range(0)));
    GWorldPtr world = MakeWorld();
    const Rect destination{0, 0, kHeight, kWidth};
    for (auto _ : state) {
        DrawRLEN(picture, &destination, world);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    DisposeGWorld(world);
    DisposeRLEPicture(picture);
}
BENCHMARK(BM_DrawRLEN)
    ->ArgName("form")
    ->Arg(kPacked)
    ->Arg(kPairs)
    ->Arg(kFourBit)
    ->Unit(benchmark::kMicrosecond);

void BM_GetRLENPixelLastColumn(benchmark::State& state) {
    Handle picture = MakePicture(kPacked);
    SInt16 row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetRLENPixel(picture, nullptr, kWidth - 1, row));
        row = SInt16((row + 7) % kHeight);
    }
    DisposeRLEPicture(picture);
}
BENCHMARK(BM_GetRLENPixelLastColumn);

// The same number of 32-bit pixels copied row by row from one world to another.
void BM_PlainFrameCopy(benchmark::State& state) {
    GWorldPtr from = MakeWorld(), to = MakeWorld();
    const auto* source = reinterpret_cast<const UInt8*>(GetPixBaseAddr(from));
    auto* target = reinterpret_cast<UInt8*>(GetPixBaseAddr(to));
    const size_t sourceRow = size_t(GetPixRowBytes(from) & 0x7FFFFFFF);
    const size_t targetRow = size_t(GetPixRowBytes(to) & 0x7FFFFFFF);
    for (auto _ : state) {
        for (size_t y = 1; y <= size_t(kHeight); ++y)
            std::memcpy(target + y * targetRow + 4, source + y * sourceRow + 4, size_t(kWidth) * 4);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    DisposeGWorld(from);
    DisposeGWorld(to);
}
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMicrosecond);

} // namespace
