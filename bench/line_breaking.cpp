// Breaking a megabyte-long paragraph into lines at 1,600 pixels: one with no break opportunity (a single
// character repeated) beside one of short words, and a plain frame copy in the same run to read them by.
#include "textengine/engine_internal.h"

#include "foundation/offscreen_copy.h"
#include "platform/drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <benchmark/benchmark.h>

#include "support/plain_frame_copy.h"

#include "support/text_view.h"

#include <string>

namespace {

constexpr SInt32 kParagraphLength = 1 << 20;

std::string Unbreakable() {
    return std::string(size_t(kParagraphLength), 'x');
}

// Words of two to eight letters, one blank between them.
std::string Words() {
    std::string text;
    text.reserve(size_t(kParagraphLength));
    for (SInt32 i = 0; SInt32(text.size()) < kParagraphLength; i++) {
        text.append(size_t(2 + i % 7), char('a' + i % 26));
        text += ' ';
    }
    text.resize(size_t(kParagraphLength));
    return text;
}

// The paragraph laid out to its end, as the idle time finishes a long text after its first screen.
void LayOutWhole(benchmark::State& state, const std::string& text) {
    SetPref(gThePreferences, kPrefClassicText, state.range(0));
    {
        BenchTextView view(1600, 1080, 36);
        _WEInsertText(0, text.data(), SInt32(text.size()), view.we);
        for (auto _ : state) {
            DisposeATSUDataForMe(view.we);
            WECalText(view.we);
            while (WEContinueLayout(65536, view.we)) {
            }
        }
        state.counters["lines"] = RecordOf(view.we).lineCount;
        state.SetBytesProcessed(state.iterations() * SInt64(text.size()));
    }
    SetPref(gThePreferences, kPrefClassicText, 0);
}

void BM_UnbreakableMegabyte(benchmark::State& state) {
    LayOutWhole(state, Unbreakable());
}
BENCHMARK(BM_UnbreakableMegabyte)->ArgName("classic")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MegabyteOfWords(benchmark::State& state) {
    LayOutWhole(state, Words());
}
BENCHMARK(BM_MegabyteOfWords)->ArgName("classic")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMillisecond);

} // namespace
