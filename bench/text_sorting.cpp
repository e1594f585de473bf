// Sorting a script of 5,000 to 20,000 words, as the Sort command does: the whole sort with its styled
// reassembly in the text engine, and the stable sort of the unit list alone. Both should grow as n log n.
#include "scroll/text_sorting.h"

#include "foundation/character_classes.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "textengine/text_engine.h"

#include <benchmark/benchmark.h>

#include "support/text_view.h"

#include <filesystem>
#include <string>

namespace {

// Words of three to nine letters from a fixed pseudo-random sequence, so every run sorts the same text.
std::string MakeWords(SInt64 count) {
    std::string text;
    UInt32 seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (SInt64 i = 0; i < count; ++i) {
        const UInt32 length = 3 + next() % 7;
        for (UInt32 k = 0; k < length; ++k)
            text.push_back(char('a' + next() % 26));
        text.push_back(i % 12 == 11 ? '\r' : ' ');
    }
    return text;
}

struct Resources {
    ResFileRefNum file = -1;
    Resources() {
        const auto beside = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Orvalis.rsrc";
        file = OpenResFile(beside.string(), fsRdPerm);
        LoadCharacterClasses();
        SetPref(gThePreferences, kPrefClassicText, 1);
    }
};

void BM_SortWordsInTheTextEngine(benchmark::State& state) {
    static Resources resources;
    const std::string text = MakeWords(state.range(0));
    BenchTextView view{1600, 1080, 24};
    const SortSpec spec{kSortWords, kSortKeyText, kSortAscending, 0, 0};
    for (auto _ : state) {
        state.PauseTiming();
        Handle h = NewHandle(Size(text.size()));
        BlockMove(text.data(), *h, Size(text.size()));
        WEUseText(h, view.we, false);
        state.ResumeTiming();
        SortWholeText(spec, h, view.we, nullptr);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortWordsInTheTextEngine)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

void BM_SortWordListOnly(benchmark::State& state) {
    static Resources resources;
    const std::string text = MakeWords(state.range(0));
    const auto* bytes = reinterpret_cast<const UInt8*>(text.data());
    const std::vector<SortUnit> units = GetSortUnits(bytes, SInt32(text.size()), kSortWords);
    const SortSpec spec{kSortWords, kSortKeyText, kSortAscending, 1, 0};
    for (auto _ : state) {
        std::vector<SortUnit> sorted = units;
        SortUnitList(sorted, bytes, spec, {}, nullptr);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortWordListOnly)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

} // namespace
