// Measuring a 100,000-character script, as the prompter does whenever its text or width changes: counting
// the words, attaching the lines of the laid-out text, counting and timing the syllables, and counting the
// sentences; each pass alone and all of them together.
#include "foundation/text_counting.h"
#include "foundation/character_classes.h"
#include "foundation/syllable_arrays.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "textengine/text_engine.h"

#include <benchmark/benchmark.h>

#include "support/text_view.h"

#include <filesystem>
#include <string>

namespace {

constexpr SInt32 kScriptLength = 100000;

// English prose with punctuation, numbers, abbreviations and paragraph breaks.
const char* const kProse[] = {
    "Good evening, and welcome to the news at nine. ",
    "Tonight the council voted 7-2 to rebuild the old harbour bridge, at a cost of $4.5 million. ",
    "The mayor said it's well-known that the crossing was unsafe; engineers from the USA agreed. ",
    "\"We can't wait another year,\" she told reporters outside the town hall. ",
    "Work begins in March & should take about 18 months.\r",
    "In sport, the home side won 3 - 1 after a late goal. ",
    "Weather: light rain tonight, clearing by morning, with highs near 21 degrees.\r\r",
};

std::string MakeScript() {
    std::string text;
    for (size_t k = 0; text.size() < size_t(kScriptLength); ++k)
        text += kProse[k % std::size(kProse)];
    text.resize(size_t(kScriptLength));
    return text;
}

// The script laid out at 1,600 pixels, with the application's character class table loaded.
struct Fixture {
    std::string text = MakeScript();
    ResFileRefNum resources = -1;
    BenchTextView view{1600, 1080, 36};
    WEReference we = view.we;

    Fixture() {
        const auto beside = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Orvalis.rsrc";
        resources = OpenResFile(beside.string(), fsRdPerm);
        LoadCharacterClasses();
        SetPref(gThePreferences, kPrefSyllablesPerMinute, 160);
        Handle h = NewHandle(kScriptLength);
        BlockMove(text.data(), *h, kScriptLength);
        WEUseText(h, we, false);
        WECalText(we);
    }
    ~Fixture() {
        if (resources > 0) CloseResFile(resources);
    }
    const UInt8* Bytes() const { return reinterpret_cast<const UInt8*>(text.data()); }
};

Fixture& TheFixture() {
    static Fixture fixture;
    return fixture;
}

void CountTheWords(benchmark::State& state) {
    Fixture& f = TheFixture();
    WordLineHdl words = nullptr;
    SInt32 count = 0;
    for (auto _ : state)
        count = CountWords(f.Bytes(), kScriptLength, &words);
    state.counters["words"] = count;
    state.counters["table"] = CharacterClassesLoaded();
    DisposeHandle(words);
}
BENCHMARK(CountTheWords)->Unit(benchmark::kMillisecond);

void AttachTheLines(benchmark::State& state) {
    Fixture& f = TheFixture();
    WordLineHdl words = nullptr;
    CountWords(f.Bytes(), kScriptLength, &words);
    SInt32 lines = 0;
    for (auto _ : state)
        lines = AddLinesToWordLineStruct(words, f.we, 0);
    state.counters["lines"] = lines;
    DisposeHandle(words);
}
BENCHMARK(AttachTheLines)->Unit(benchmark::kMillisecond);

void CountAndTimeTheSyllables(benchmark::State& state) {
    Fixture& f = TheFixture();
    WordLineHdl words = nullptr;
    CountWords(f.Bytes(), kScriptLength, &words);
    AddLinesToWordLineStruct(words, f.we, 0);
    SyllableHdl syllables = nullptr;
    SInt32 count = 0;
    for (auto _ : state)
        syllables = AddSyllablesToSyllableStruct(f.Bytes(), kScriptLength, syllables, words, &count);
    state.counters["syllables"] = count;
    DisposeHandle(syllables);
    DisposeHandle(words);
}
BENCHMARK(CountAndTimeTheSyllables)->Unit(benchmark::kMillisecond);

void CountTheSentences(benchmark::State& state) {
    Fixture& f = TheFixture();
    SentenceHdl sentences = nullptr;
    SInt32 paragraphs = 0;
    SInt32 count = 0;
    for (auto _ : state)
        count = CountSentences(f.Bytes(), kScriptLength, &sentences, &paragraphs);
    state.counters["sentences"] = count;
    DisposeHandle(sentences);
}
BENCHMARK(CountTheSentences)->Unit(benchmark::kMillisecond);

// Everything the prompter redoes after an edit or a new width (the engine's own layout aside).
void RemeasureTheScript(benchmark::State& state) {
    Fixture& f = TheFixture();
    WordLineHdl words = nullptr;
    SyllableHdl syllables = nullptr;
    SentenceHdl sentences = nullptr;
    SInt32 paragraphs = 0;
    SInt32 count = 0;
    for (auto _ : state) {
        CountWords(f.Bytes(), kScriptLength, &words);
        AddLinesToWordLineStruct(words, f.we, 0);
        syllables = AddSyllablesToSyllableStruct(f.Bytes(), kScriptLength, syllables, words, &count);
        CountSentences(f.Bytes(), kScriptLength, &sentences, &paragraphs);
    }
    DisposeHandle(sentences);
    DisposeHandle(syllables);
    DisposeHandle(words);
}
BENCHMARK(RemeasureTheScript)->Unit(benchmark::kMillisecond);

} // namespace
