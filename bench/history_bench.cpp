// The training history: keeping the largest record file (1024 workouts of
// 1025 samples), keeping it again, and the History window's queries over
// 10,000 workouts, the history opened afresh each time.
//
// usage: history_bench FILE [benchmark options]

#include "history/history_store.h"
#include "records/record_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;
using trevalo::history::HistoryStore;

constexpr std::int64_t kNow = 1796637600;

std::unique_ptr<trevalo::records::RecordStore> g_store;
std::vector<std::string> g_dates;
fs::path g_folder;

void remove_history(const fs::path& path)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(path.string() + suffix);
}

HistoryStore open_or_die(const fs::path& path)
{
    auto store = HistoryStore::open(path.string(), kNow);
    if (!store) {
        std::fprintf(stderr, "%s\n", store.error().c_str());
        std::exit(1);
    }
    return std::move(store).value();
}

void KeepLargestLog(benchmark::State& state)
{
    const fs::path path = g_folder / "keep.sqlite";
    for (auto _ : state) {
        state.PauseTiming();
        remove_history(path);
        state.ResumeTiming();
        HistoryStore history = open_or_die(path);
        const auto report = history.keep(*g_store, g_dates, "largest.txt", kNow);
        if (!report || report->added != 1024)
            state.SkipWithError("not all kept");
    }
}
BENCHMARK(KeepLargestLog)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();

void KeepLargestLogAgain(benchmark::State& state)
{
    const fs::path path = g_folder / "again.sqlite";
    remove_history(path);
    HistoryStore history = open_or_die(path);
    history.keep(*g_store, g_dates, "largest.txt", kNow);
    for (auto _ : state) {
        const auto report = history.keep(*g_store, g_dates, "largest.txt", kNow);
        if (!report || report->already_kept != 1024)
            state.SkipWithError("kept twice");
    }
}
BENCHMARK(KeepLargestLogAgain)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

void OpenAndQuery10000Workouts(benchmark::State& state)
{
    const fs::path path = g_folder / "ten_thousand.sqlite";
    remove_history(path);
    {
        // Ten years of the largest log's first 1000 workouts.
        HistoryStore history = open_or_die(path);
        for (int year = 0; year < 10; ++year) {
            std::vector<std::string> dates(g_dates.begin(), g_dates.begin() + 1000);
            for (std::string& date : dates)
                date.replace(0, 4, std::to_string(2016 + year));
            history.keep(*g_store, dates, "largest.txt", kNow);
        }
    }
    for (auto _ : state) {
        HistoryStore history = open_or_die(path);
        using trevalo::history::Unit;
        const auto rows = history.workouts(Unit::KM);
        const auto weeks = history.totals(trevalo::history::Period::Week, Unit::KM);
        const auto months = history.totals(trevalo::history::Period::Month, Unit::KM);
        const auto all = history.overall(Unit::KM);
        const auto bests = history.bests(Unit::KM);
        if (!rows || rows->size() != 10000 || !weeks || !months || !all || !bests)
            state.SkipWithError("queries failed");
        benchmark::DoNotOptimize(rows->data());
    }
}
BENCHMARK(OpenAndQuery10000Workouts)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    g_store = std::make_unique<trevalo::records::RecordStore>();
    if (!trevalo::records::read_records(file, *g_store, g_dates) || g_dates.size() != 1024) {
        std::fprintf(stderr, "%s is not the largest record file\n", argv[1]);
        return 1;
    }
    std::string name = (fs::temp_directory_path() / "history_bench_XXXXXX").string();
    g_folder = ::mkdtemp(name.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(g_folder);
    return 0;
}
