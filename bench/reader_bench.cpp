// The record reader on the largest record file, against `wc -l` on the same
// file in the same run: the reader should stay within 4 times wc's time.
//
// usage: reader_bench FILE [benchmark options]

#include "records/record_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string g_file;
std::int64_t g_file_size = 0;

void ReadLargestRecordFile(benchmark::State& state)
{
    std::vector<char> chunk(1 << 20);
    for (auto _ : state) {
        // A new store for every load, as the window takes.
        auto store = std::make_unique<trevalo::records::RecordStore>();
        std::vector<std::string> names;
        trevalo::records::RecordReader reader(*store, names);
        std::FILE* f = std::fopen(g_file.c_str(), "rb");
        if (!f) {
            state.SkipWithError("cannot open the file");
            return;
        }
        std::size_t got = 0;
        while ((got = std::fread(chunk.data(), 1, chunk.size(), f)) > 0)
            reader.feed(std::string_view(chunk.data(), got));
        std::fclose(f);
        if (!reader.finish() || reader.records() != trevalo::records::kMaxRecords) {
            state.SkipWithError("the file did not load whole");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * g_file_size);
}
BENCHMARK(ReadLargestRecordFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The whole `wc -l` command, process start included, as a user would time it.
void WcLinesSameFile(benchmark::State& state)
{
    const std::string command = "wc -l < '" + g_file + "' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("wc failed");
}
BENCHMARK(WcLinesSameFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    g_file = argv[1];
    if (std::FILE* f = std::fopen(g_file.c_str(), "rb")) {
        std::fseek(f, 0, SEEK_END);
        g_file_size = std::ftell(f);
        std::fclose(f);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
