// Importing a day-long FIT activity: 86,400 records, one a second, as this
// tool exports them (speed, grade, distance and a pulse in each), from the
// bytes to the program that IMPORT chooses in the lists.
//
// usage: fit_import_bench [benchmark options]

#include "exports/fit_activity_writer.h"
#include "imports/workout_import.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace {

std::string day_long_activity()
{
    trevalo::exports::Workout workout;
    workout.start_utc = 1'772'346'600;
    workout.elapsed_s = 86'400;
    workout.points.reserve(86'400);
    for (int i = 0; i < 86'400; ++i)
        workout.points.push_back({double(i), i * 2.5, 2 + (i % 600) * 0.005, 100 + i % 80, (i % 300) * 0.05});
    return trevalo::exports::write_fit_activity(workout, 1);
}

void ImportDayLongActivity(benchmark::State& state)
{
    const std::string file = day_long_activity();
    using namespace trevalo;
    std::size_t readings = 0;
    for (auto _ : state) {
        const auto read = imports::read_workout_file(file, "day.fit");
        const auto made = read ? imports::workout_program(*read, {program::Model::QM20, program::Unit::KPH,
                                                                  program::Mode::General}, 70)
                               : Result<plans::Imported>::failure(read.error());
        if (!made) {
            state.SkipWithError(made.error().c_str());
            return;
        }
        readings = std::get<imports::ActivityReadings>(read->content).readings.size();
        benchmark::DoNotOptimize(made->program);
    }
    state.SetLabel(std::to_string(readings) + " readings from " + std::to_string(file.size() / 1024) + " KiB");
}
BENCHMARK(ImportDayLongActivity)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
