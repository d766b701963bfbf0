// The statistics and the workouts table of the largest record file (1024
// workouts), and the export of one workout of 1025 samples in each format.
//
// usage: export_bench FILE [benchmark options]

#include "exports/export_formats.h"
#include "records/record_reader.h"
#include "records/workout_statistics.h"
#include "records/workouts_table.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

std::unique_ptr<trevalo::records::RecordStore> g_store;
std::vector<std::string> g_dates;

void StatisticsAndWorkoutsTable(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = trevalo::records::workouts_table(g_dates, *g_store);
        auto shown = trevalo::records::workout_statistics(*g_store, static_cast<int>(g_dates.size()) - 1);
        benchmark::DoNotOptimize(rows.data());
        benchmark::DoNotOptimize(&shown);
    }
}
BENCHMARK(StatisticsAndWorkoutsTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void ExportWorkoutOf1025Samples(benchmark::State& state)
{
    const auto& format = trevalo::exports::workout_formats()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        const std::string bytes = format.write(*g_store, 0, 1772346600);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(std::string(format.suffix));
}
BENCHMARK(ExportWorkoutOf1025Samples)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

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
    if (!trevalo::records::read_records(file, *g_store, g_dates) || g_store->record(0).rec_count != 1025) {
        std::fprintf(stderr, "%s is not the largest record file\n", argv[1]);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
