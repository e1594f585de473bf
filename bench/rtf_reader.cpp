// Reading RTF: a 1 MB script as a word processor writes it (font and colour tables, a paragraph style on
// every paragraph, bold, italic, underlined and coloured runs, escaped accents and Unicode characters).
#include "textengine/rtf_reader.h"
#include "textengine/text_engine.h"

#include "platform/memory.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr size_t kDocumentBytes = 1 << 20;

std::string StyledDocument() {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
        "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
        "{\\f2\\fmodern\\fcharset0 Courier New;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red200\\green30\\blue30;\\red20\\green60\\blue200;}\n"
        "{\\*\\generator Bench;}{\\info{\\title A long script}}\n";
    const char* const kRuns[] = {
        "Good evening, and welcome to the late news. ",
        "{\\b Tonight:} ",
        "the caf\\'e9 on the corner reopens ",
        "{\\i after \\u8220?three\\u8221? long years}, ",
        "{\\cf2\\ul and prices rise by 5\\u8364?} ",
        "{\\f1\\fs28 as the \\lquote new\\rquote\\ owners promised}. ",
        "{\\f2 (Cue: map)} ",
    };
    for (int paragraph = 0; rtf.size() < kDocumentBytes; paragraph++) {
        rtf += paragraph % 5 == 0 ? "\\pard\\plain\\qc\\f1\\fs32\\b " : "\\pard\\plain\\ql\\f0\\fs24 ";
        for (int i = 0; i < 12; i++)
            rtf += kRuns[(paragraph + i) % std::size(kRuns)];
        rtf += "\\par\n";
    }
    return rtf + "}";
}

void ReadOneMegabyteOfStyledRtf(benchmark::State& state) {
    const std::string rtf = StyledDocument();
    std::vector<char> buffer(rtf.size());
    SInt32 textLength = 0, runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(rtf.begin(), rtf.end(), buffer.begin());
        state.ResumeTiming();
        SInt32 length = SInt32(buffer.size());
        Handle styles = nullptr;
        benchmark::DoNotOptimize(ProcessRTF(buffer.data(), &length, &styles));
        textLength = length;
        runs = styles ? SInt32((GetHandleSize(styles) - 2) / 20) : 0;
        if (styles) DisposeHandle(styles);
    }
    state.counters["text_bytes"] = double(textLength);
    state.counters["runs"] = double(runs);
    state.SetBytesProcessed(SInt64(state.iterations()) * SInt64(rtf.size()));
}
BENCHMARK(ReadOneMegabyteOfStyledRtf)->Unit(benchmark::kMillisecond);

// The same document read and put into a text view with its runs, as opening it does.
void OpenOneMegabyteOfStyledRtfInATextView(benchmark::State& state) {
    const std::string rtf = StyledDocument();
    std::vector<char> buffer(rtf.size());
    SInt32 runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(rtf.begin(), rtf.end(), buffer.begin());
        LongRect dest{0, 0, 1000000, 1800};
        LongRect view{0, 0, 1080, 1800};
        WEReference we = nullptr;
        WENew(&dest, &view, 0, &we);
        state.ResumeTiming();
        SInt32 length = SInt32(buffer.size());
        Handle styles = nullptr;
        ProcessRTF(buffer.data(), &length, &styles);
        WEInsert(buffer.data(), length, styles, nullptr, we, 0);
        state.PauseTiming();
        runs = WECountRuns(we);
        if (styles) DisposeHandle(styles);
        WEDispose(we);
        state.ResumeTiming();
    }
    state.counters["runs"] = double(runs);
}
BENCHMARK(OpenOneMegabyteOfStyledRtfInATextView)->Unit(benchmark::kMillisecond);

} // namespace
