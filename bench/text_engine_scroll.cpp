// The prompter's tick: one WEScroll of 2 pixels of a 100,000-character script in a 1,900 x 1,060 view,
// which moves the pixels on screen and draws only the two uncovered rows.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <benchmark/benchmark.h>

#include "support/text_view.h"

#include <string>

namespace {

constexpr SInt32 kScriptLength = 100000;
constexpr SInt16 kViewWidth = 1900;
constexpr SInt16 kViewHeight = 1060;

void ScrollTwoPixels(benchmark::State& state) {
    const bool classic = state.range(0) != 0;
    SetPref(gThePreferences, kPrefClassicText, classic ? 1 : 0);
    BenchTextView view(kViewWidth, kViewHeight, 48);
    WEReference we = view.we;
    std::string text;
    for (SInt32 i = 0; i < kScriptLength; i++)
        text += (i % 500 == 499) ? '\r' : (i % 7 == 6) ? ' ' : char('a' + i % 26);
    _WEInsertText(0, text.data(), kScriptLength, we);
    WETextStyle bold;
    bold.font = kFontTimes;
    bold.size = 48;
    bold.face = kWEBold;
    for (SInt32 start = 0; start < kScriptLength; start += 400)
        _WESetStyleRange(start, start + 200, weDoAll, &bold, we);
    WECalText(we);
    WEUpdate(nullptr, we);

    // Down the script and back, so that every call moves by the same amount over fresh lines.
    SInt32 step = -2, travelled = 0;
    for (auto _ : state) {
        WEScroll(0, step, we);
        travelled += step;
        if (travelled <= -20000 || travelled >= 0) step = -step;
    }
    state.counters["lines"] = RecordOf(we).lineCount;
    SetPref(gThePreferences, kPrefClassicText, 0);
}
BENCHMARK(ScrollTwoPixels)->ArgName("classic")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
