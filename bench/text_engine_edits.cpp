// The text engine's storage under load: typing into a long styled script one character at a time, and
// styling many ranges of it.
#include "textengine/engine_internal.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr SInt32 kScriptLength = 100000;
constexpr SInt32 kStyledStretch = 100; // a new style every 100 characters: 1,000 runs

// A record holding a 100,000-character script whose runs alternate between four faces, laid out in lines.
WEReference MakeStyledScript() {
    LongRect dest{0, 0, 1000000, 1800};
    LongRect view{0, 0, 1080, 1800};
    WEReference we = nullptr;
    WENew(&dest, &view, 0, &we);
    std::string text;
    for (SInt32 i = 0; i < kScriptLength; i++)
        text += (i % 7 == 6) ? ' ' : char('a' + i % 26);
    _WEInsertText(0, text.data(), kScriptLength, we);
    for (SInt32 start = 0; start < kScriptLength; start += kStyledStretch) {
        WETextStyle style;
        style.font = 3;
        style.size = 24;
        style.face = UInt8(1 << ((start / kStyledStretch) % 4));
        _WESetStyleRange(start, start + kStyledStretch, weDoAll, &style, we);
    }
    WECalText(we);
    CreateATSUInfo(nullptr, nullptr, we);
    return we;
}

// 10,000 characters typed one at a time, spread over the script, each keeping runs, lines and the UTF-16
// copy in step.
void TypeTenThousandCharacters(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        WEReference we = MakeStyledScript();
        state.ResumeTiming();
        SInt32 offset = 17;
        for (SInt32 i = 0; i < 10000; i++) {
            char c = char('a' + i % 26);
            _WEInsertText(offset, &c, 1, we);
            offset = (offset + 9973) % RecordOf(we).textLength;
        }
        state.PauseTiming();
        state.counters["runs"] = RecordOf(we).runCount;
        state.counters["lines"] = RecordOf(we).lineCount;
        WEDispose(we);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(TypeTenThousandCharacters)->Unit(benchmark::kMillisecond);

// A style applied to 1,000 ranges that each cut across run boundaries.
void StyleOneThousandRanges(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        WEReference we = MakeStyledScript();
        state.ResumeTiming();
        WETextStyle style;
        style.face = kWEUnderline;
        for (SInt32 i = 0; i < 1000; i++) {
            SInt32 start = i * kStyledStretch + 50;
            _WESetStyleRange(start, start + 80, weDoFace | weDoColor, &style, we);
        }
        state.PauseTiming();
        state.counters["runs"] = RecordOf(we).runCount;
        WEDispose(we);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(StyleOneThousandRanges)->Unit(benchmark::kMillisecond);

} // namespace
