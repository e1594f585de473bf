// Opening a resource file of 10,000 resources and getting each of them by ID.
#include "platform/file_io.h"
#include "platform/resource_format.h"
#include "platform/resources.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kCount = 10000;
constexpr ResType kType = FourCC("TEXT");

const std::string& BenchFile() {
    static const std::string path = [] {
        std::string p =
            (std::filesystem::temp_directory_path() / ("orvalis-bench-" + std::to_string(getpid()) + ".rsrc"))
                .string();
        std::vector<std::string> data(kCount);
        ResourceForkContents contents;
        for (int i = 0; i < kCount; ++i) {
            data[size_t(i)] = "resource number " + std::to_string(i);
            ResourceEntry e;
            e.type = kType;
            e.id = ResID(i);
            e.data = {reinterpret_cast<const UInt8*>(data[size_t(i)].data()), data[size_t(i)].size()};
            contents.entries.push_back(e);
        }
        std::vector<UInt8> bytes;
        SerializeResourceFork(contents, bytes);
        WriteFileAtomically(p, bytes);
        std::atexit([] { std::filesystem::remove(BenchFile()); });
        return p;
    }();
    return path;
}

void BM_OpenAndClose(benchmark::State& state) {
    for (auto _ : state) {
        ResFileRefNum f = OpenResFile(BenchFile(), fsRdPerm);
        benchmark::DoNotOptimize(f);
        CloseResFile(f);
    }
}
BENCHMARK(BM_OpenAndClose)->Unit(benchmark::kMillisecond);

// Each resource loaded fresh: lookup, allocation and copy.
void BM_GetAndReleaseEachById(benchmark::State& state) {
    ResFileRefNum f = OpenResFile(BenchFile(), fsRdPerm);
    for (auto _ : state)
        for (int i = 0; i < kCount; ++i) {
            Handle h = Get1Resource(kType, ResID(i));
            benchmark::DoNotOptimize(h);
            ReleaseResource(h);
        }
    CloseResFile(f);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_GetAndReleaseEachById)->Unit(benchmark::kMillisecond);

// Resources already loaded: the lookup alone, searching the chain.
void BM_GetEachByIdLoaded(benchmark::State& state) {
    ResFileRefNum f = OpenResFile(BenchFile(), fsRdPerm);
    for (auto _ : state)
        for (int i = 0; i < kCount; ++i)
            benchmark::DoNotOptimize(GetResource(kType, ResID(i)));
    CloseResFile(f);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_GetEachByIdLoaded)->Unit(benchmark::kMillisecond);

} // namespace
