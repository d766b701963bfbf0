#include "fit/decoder.h"
#include "fit/fit_workout_reader.h"
#include "fit/fit_workout_writer.h"
#include "fit/tests/garmin_sdk.h"
#include "program/catalogue.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace trevalo::fit {
namespace {

using program::Program;

// Runs of two and three segments and a long one at the end, where the
// speed and the incline change apart and together, over each setting's
// whole lists.
Program hills(const program::Settings& settings)
{
    Program p = program::default_program(settings);
    const auto speeds = program::speeds(settings.model, settings.unit, settings.mode).values;
    const auto inclines = program::inclines(settings.mode).values;
    const auto times = program::times(settings.model, settings.mode).values;
    for (std::size_t i = 0; i < program::kSegments; ++i) {
        p.speed[i] = static_cast<std::uint8_t>(speeds[std::min<std::size_t>(i / 3 * 7, speeds.size() - 1)]);
        p.incline[i] = static_cast<std::uint8_t>(inclines[std::min<std::size_t>(i / 2 * 5, inclines.size() - 1)]);
    }
    p.minutes = times.back();
    return p;
}

struct Wanted {
    std::string name;
    double seconds;
    double speed_mps;
    int incline;
};

// What a watch should run: the segments shown, equal neighbours merged.
std::vector<Wanted> expected_runs(const Program& p)
{
    std::vector<Wanted> runs;
    const double unit = program::metres_per_second_per_unit(p.settings.unit) / 10;
    for (int i = 0; i < program::segments_shown(p.settings.model); ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (i == 0 || p.speed[s] != p.speed[s - 1] || p.incline[s] != p.incline[s - 1])
            runs.push_back({step_name(p.speed[s], p.incline[s], p.settings.unit), 0, p.speed[s] * unit, p.incline[s]});
        runs.back().seconds += program::segment_seconds(p);
    }
    return runs;
}

TEST(FitWorkoutWriter, NamesStepsAsAWatchShowsThem)
{
    const struct {
        int speed, incline;
        program::Unit unit;
        const char* name;
    } rows[] = {{65, 3, program::Unit::MPH, "6.5 mph 3%"}, {95, 2, program::Unit::KPH, "9.5 km/h 2%"},
                {120, 15, program::Unit::KPH, "12.0 km/h 15%"}, {5, 0, program::Unit::MPH, "0.5 mph 0%"}};
    for (const auto& row : rows)
        EXPECT_EQ(step_name(row.speed, row.incline, row.unit), row.name);
}

// Writer and reader agree on every setting: the runs of segments come back
// as steps of the same time, speed, incline and name.
TEST(FitWorkoutWriter, EverySettingReadsBackAsItsRuns)
{
    for (const program::Settings& settings : program::kAllSettings) {
        const Program p = hills(settings);
        const std::string where = std::string(program::model_name(settings.model)) + " " +
                                  std::string(program::unit_name(settings.unit)) + " " +
                                  std::string(program::mode_name(settings.mode));
        const Result<Decoded> decoded = decode(write_fit_workout(p, "Hügelläufe am Morgen", {7, 1'700'000'000}));
        ASSERT_TRUE(decoded) << where << ": " << decoded.error();
        const Result<plans::Plan> plan = read_fit_workout(*decoded);
        ASSERT_TRUE(plan) << where << ": " << plan.error();
        EXPECT_EQ(plan->name, "Hügelläufe am M") << where;
        const std::vector<Wanted> runs = expected_runs(p);
        ASSERT_EQ(plan->steps.size(), runs.size()) << where;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const plans::Step& step = plan->steps[i];
            EXPECT_EQ(step.name, runs[i].name) << where << " step " << i;
            EXPECT_EQ(step.number, static_cast<int>(i + 1)) << where;
            EXPECT_EQ(step.length, plans::Step::Length::Time) << where;
            EXPECT_NEAR(step.amount, runs[i].seconds, 0.0005) << where << " step " << i;
            EXPECT_NEAR(step.speed_mps.value_or(-1), runs[i].speed_mps, 0.0005) << where << " step " << i;
            EXPECT_EQ(step.incline_pct, runs[i].incline) << where << " step " << i;
        }
    }
}

// Garmin's decoder reads each file without an error, with the same steps.
TEST(FitWorkoutWriter, GarminsSdkReadsEveryWorkout)
{
    if (const std::string why = testing::why_no_sdk(); !why.empty())
        GTEST_SKIP() << why;
    for (const program::Settings& settings : program::kAllSettings) {
        const Program p = hills(settings);
        QJsonArray steps;
        for (const Wanted& run : expected_runs(p))
            steps.append(QJsonObject{{"name", QString::fromStdString(run.name)}, {"seconds", run.seconds},
                                     {"speed", run.speed_mps}, {"incline", run.incline}});
        const QJsonObject expected{{"name", "Tempo"}, {"serialNumber", 4'000'000'000.0}, {"steps", steps}};
        const std::string file = write_fit_workout(p, "Tempo", {4'000'000'000U, 1'700'000'000});
        const auto [status, said] = exports::testing::read_back(
            testing::node_script("check_workout.mjs"), {file, QJsonDocument(expected).toJson().toStdString()});
        EXPECT_EQ(status, 0) << program::model_name(settings.model) << ":\n" << said;
        // Without this, a checker that passed everything would pass the writer too.
        steps[0] = QJsonObject{{"name", "x"}, {"seconds", 1}, {"speed", 1}, {"incline", 99}};
        const QJsonObject wrong{{"name", "Tempo"}, {"serialNumber", 4'000'000'000.0}, {"steps", steps}};
        EXPECT_EQ(exports::testing::read_back(testing::node_script("check_workout.mjs"),
                                              {file, QJsonDocument(wrong).toJson().toStdString()}).first, 1);
    }
}

}  // namespace
}  // namespace trevalo::fit
