// Searching a script for a pattern that is not in it, the longest search there is, with each match kind,
// over 100 KB and 1 MB of text: the times should grow no faster than the text.
#include "foundation/character_classes.h"
#include "foundation/text_counting.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "texttools/fuzzy_search.h"
#include "texttools/search_texts.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Prose without the letters the patterns use (q, z, j, x) and without digits.
const char* const kProse[] = {
    "Good evening, and welcome to the news at nine. ",
    "Tonight the council voted to rebuild the old harbour bridge, at a cost of four million. ",
    "The mayor said it's well-known that the crossing was unsafe; engineers from abroad agreed. ",
    "\"We can't wait another year,\" she told reporters outside the town hall. ",
    "Work begins in March & should take about eighteen months.\r",
    "In sport, the home side won three to one after a late goal. ",
    "Weather: light rain tonight, clearing by morning, with highs near twenty degrees.\r\r",
};

std::string MakeText(size_t length) {
    std::string text;
    for (size_t k = 0; text.size() < length; ++k)
        text += kProse[k % std::size(kProse)];
    text.resize(length);
    return text;
}

std::vector<UInt8> Pascal(const std::string& s) {
    std::vector<UInt8> p(s.size() + 1);
    p[0] = UInt8(s.size());
    std::copy(s.begin(), s.end(), p.begin() + 1);
    return p;
}

// The help text (a program text with word data) holding a script of the given length.
struct HelpText {
    std::string text;
    HelpText(size_t length) : text(MakeText(length)) {
        static ResFileRefNum resources = -1;
        if (resources < 0) {
            const auto beside =
                std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Orvalis.rsrc";
            resources = OpenResFile(beside.string(), fsRdPerm);
            LoadCharacterClasses();
        }
        myHelpText = NewHandle(Size(text.size()));
        std::copy(text.begin(), text.end(), *myHelpText);
        gTotalHelpWords =
            CountWords(reinterpret_cast<const UInt8*>(*myHelpText), SInt32(text.size()), &gHelpWordLineArray);
    }
    ~HelpText() {
        DisposeHandle(myHelpText);
        DisposeHandle(gHelpWordLineArray);
        myHelpText = gHelpWordLineArray = nullptr;
    }
};

void Report(benchmark::State& state, SInt32 found, size_t length) {
    if (found != -1) state.SkipWithError("the absent pattern was found");
    state.SetBytesProcessed(SInt64(state.iterations()) * SInt64(length));
}

// A caller's buffer searched as a substring or, with whole words, place by place.
void BM_SearchBuffer(benchmark::State& state, const char* pattern, bool wholeWords, UInt16 type) {
    const std::string text = MakeText(size_t(state.range(0)));
    const auto p = Pascal(pattern);
    SInt32 found = 0;
    for (auto _ : state) {
        found = FindNextInText(kSourceBuffer, p.data(), text.data(), SInt32(text.size()), wholeWords, false,
                               type, nullptr, nullptr);
        benchmark::DoNotOptimize(found);
    }
    Report(state, found, text.size());
}

// A program text searched word by word with a loose match kind.
void BM_SearchWords(benchmark::State& state, const char* pattern, UInt16 type) {
    HelpText help(size_t(state.range(0)));
    const auto p = Pascal(pattern);
    const auto rack = Pascal("QZJX");
    SearchOptions options;
    options.rack = rack.data();
    SInt32 found = 0;
    for (auto _ : state) {
        found = FindNextInText(kSourceHelp, p.data(), nullptr, 0, true, false, type, nullptr,
                               type == kFindRack ? &options : nullptr);
        benchmark::DoNotOptimize(found);
    }
    Report(state, found, help.text.size());
}

constexpr SInt64 k100KB = 100 * 1024;
constexpr SInt64 k1MB = 1024 * 1024;

#define SIZES ->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMicrosecond)

BENCHMARK_CAPTURE(BM_SearchBuffer, substring, "quiz", false, kFindExact) SIZES;
BENCHMARK_CAPTURE(BM_SearchBuffer, empty_pattern_digits, "", false, kFindDigits) SIZES;
BENCHMARK_CAPTURE(BM_SearchBuffer, whole_word_in_buffer, "quiz", true, kFindExact) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, exact, "quiz", kFindExact) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, transposed, "quiz", kFindTransposed) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, extra_letters, "qz", kFindExtraLetters) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, missing_letters, "qqqqqqqqqqqqqqqqqqqq", kFindMissingLetters) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, misspelled, "quizzed", kFindMisspelled) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, partial, "qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq", kFindPartial) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, mixed_up, "quiz", kFindMixedUp) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, any_letter, "qzjx", kFindAnyLetter) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, word_game_rack, "QZJX", kFindRack) SIZES;
BENCHMARK_CAPTURE(BM_SearchWords, every_loose_kind, "qzjx", 0x00FF) SIZES;

} // namespace
