// Line layout of a long script: laying out 100,000 characters at 1,600 pixels wide, and laying them out
// again after a one-character edit, in the Unicode and the classic text modes.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <benchmark/benchmark.h>

#include "support/text_view.h"

#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"

#include <string>

namespace {

constexpr SInt32 kScriptLength = 100000;
constexpr SInt32 kLongScriptLength = 1000000;
constexpr SInt32 kParagraphLength = 600;
constexpr SInt32 kStyledStretch = 250;

// A script of paragraphs of words, its runs alternating faces, in a world to measure in.
bool UseClassicText(bool classic) {
    SetPref(gThePreferences, kPrefClassicText, classic ? 1 : 0);
    return classic;
}

struct Script {
    // The text mode is chosen before the instance is made.
    const bool classic;
    BenchTextView view{1600, 1080, 36};
    WEReference we = view.we;

    explicit Script(bool classicText, SInt32 length = kScriptLength) : classic(UseClassicText(classicText)) {
        std::string text;
        for (SInt32 i = 0; i < length; i++)
            text += (i % kParagraphLength == kParagraphLength - 1) ? '\r'
                    : (i % 7 == 6)                                 ? ' '
                                                                   : char('a' + i % 26);
        _WEInsertText(0, text.data(), length, we);
        for (SInt32 start = 0; start < length; start += kStyledStretch) {
            WETextStyle style;
            style.font = kFontTimes;
            style.size = 36;
            style.face = UInt8((start / kStyledStretch) % 2 ? bold : italic);
            _WESetStyleRange(start, start + kStyledStretch, weDoAll, &style, we);
        }
    }
    ~Script() { SetPref(gThePreferences, kPrefClassicText, 0); }
};

void LayOutTheWholeScript(benchmark::State& state) {
    Script script(state.range(0) != 0);
    for (auto _ : state) {
        DisposeATSUDataForMe(script.we); // nothing cached: every paragraph laid out
        WECalText(script.we);
    }
    state.counters["lines"] = RecordOf(script.we).lineCount;
    state.SetItemsProcessed(state.iterations() * kScriptLength);
}
BENCHMARK(LayOutTheWholeScript)->ArgName("classic")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A script of a million characters opened: its lines broken as far as the first screen (and one more)
// needs, the rest standing as one estimated line per paragraph; and then the rest laid out in idle pieces.
void LayOutTheFirstScreenOfAMillionCharacters(benchmark::State& state) {
    Script script(state.range(0) != 0, kLongScriptLength);
    for (auto _ : state) {
        DisposeATSUDataForMe(script.we);
        WECalText(script.we);
    }
    state.counters["lines"] = RecordOf(script.we).lineCount;
    state.counters["provisional"] = WEHasProvisionalLines(script.we);
}
BENCHMARK(LayOutTheFirstScreenOfAMillionCharacters)
    ->ArgName("classic")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LayOutTheRestOfAMillionCharactersInPieces(benchmark::State& state) {
    Script script(false, kLongScriptLength);
    for (auto _ : state) {
        DisposeATSUDataForMe(script.we);
        WECalText(script.we);
        while (WEContinueLayout(65536, script.we)) {
        }
    }
    state.counters["lines"] = RecordOf(script.we).lineCount;
}
BENCHMARK(LayOutTheRestOfAMillionCharactersInPieces)->Unit(benchmark::kMillisecond)->Iterations(2);

// One character typed in the middle of the script and the lines laid out again, as typing does.
void RelayAfterOneCharacter(benchmark::State& state) {
    Script script(state.range(0) != 0);
    WECalText(script.we);
    SInt32 offset = 50003;
    for (auto _ : state) {
        const char c = 'x';
        _WEInsertText(offset, &c, 1, script.we);
        _WERedraw(offset, offset + 1, script.we);
        offset = (offset + 7919) % (kScriptLength - 10);
    }
    state.counters["lines"] = RecordOf(script.we).lineCount;
}
BENCHMARK(RelayAfterOneCharacter)->ArgName("classic")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A screenful of the script drawn whole, plain or with every run shadowed (blur 2) and struck through.
void DrawAScreen(benchmark::State& state) {
    Script script(false);
    if (state.range(0)) {
        WETextStyle style;
        style.face = kWEShadow | kWEStrikeOut;
        _WESetStyleRange(0, kScriptLength, weDoFace, &style, script.we);
        gDropColor = kColorFollowsText;
        gDropWidth = gDropHeight = 8 << 16;
        gDropBlur = 2;
    }
    WECalText(script.we);
    for (auto _ : state)
        WEUpdate(nullptr, script.we);
    gDropBlur = 0;
    gDropWidth = gDropHeight = 0;
}
BENCHMARK(DrawAScreen)->ArgName("effects")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
