// Opening a big script: the time from asking the running program to open it to its window drawn, and the
// memory the process holds afterwards, for scripts of 10 KB, 100 KB and 1 MB. Run one size per process for
// the resident figure: bench_script_open --benchmark_filter=/1000000
#include "foundation/error_dialog.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/resources.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "shell/desktop_events.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

#include "support/program_start.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string Script(size_t size) {
    std::string script;
    for (int line = 0; script.size() < size; ++line)
        script += "Line " + std::to_string(line) + ": the quick brown fox reads the news to the nation.\r";
    script.resize(size);
    return script;
}

// The resident set in megabytes, as the kernel counts it for this process.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    return 0;
}

void BM_OpenScript(benchmark::State& state) {
    const size_t size = size_t(state.range(0));
    const std::string home = StartProgramInFreshHome(state, "orvalis-open");
    if (home.empty()) return;
    const std::string path = home + "/script.txt";
    std::ofstream(path, std::ios::binary) << Script(size);
    ProcessPendingEvents();
    const double before = ResidentMegabytes();
    double milliseconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        OpenDocumentsEvent({path});
        ProcessPendingEvents();
        milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["open_ms"] = milliseconds;
    // A long script's lines past the first screens are laid out in idle pieces: 1 when the timer steps
    // that ran while the events were handled had finished them.
    state.counters["laid_out_whole"] = ScrollWEHandle && !WEHasProvisionalLines(ScrollWEHandle);
    state.counters["resident_mb"] = ResidentMegabytes();
    state.counters["resident_growth_mb"] = ResidentMegabytes() - before;
    QuitProgram();
    if (gMainResFileNum > 0) CloseResFile(gMainResFileNum);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_OpenScript)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
