#include "exports/fit_workout_writer.h"
#include "program/catalogue.h"
#include "test_support/garmin_sdk.h"
#include "test_support/reads_as.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <tuple>

namespace trevalo::exports {
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
    for (std::size_t i = 0; i < program::kSegments; ++i) {
        p.speed[i] = static_cast<std::uint8_t>(speeds[std::min<std::size_t>(i / 3 * 7, speeds.size() - 1)]);
        p.incline[i] = static_cast<std::uint8_t>(inclines[std::min<std::size_t>(i / 2 * 5, inclines.size() - 1)]);
    }
    p.minutes = program::times(settings.model, settings.mode).values.back();
    return p;
}

// What a watch should run: the segments shown, equal neighbours merged, to
// the millisecond and millimetre per second a file holds.
plans::Plan expected_runs(const Program& p)
{
    plans::Plan plan{.name = "Hügelläufe am M", .steps = {}, .notes = {}};  // 15 characters, not bytes
    const double unit = program::metres_per_second_per_unit(p.settings.unit) / 10;
    for (std::size_t i = 0; i < static_cast<std::size_t>(program::segments_shown(p.settings.model)); ++i) {
        if (i == 0 || p.speed[i] != p.speed[i - 1] || p.incline[i] != p.incline[i - 1])
            plan.steps.push_back({step_name(p.speed[i], p.incline[i], p.settings.unit),
                                  static_cast<int>(plan.steps.size() + 1), plans::Step::Length::Time, 0,
                                  std::round(p.speed[i] * unit * 1000) / 1000, std::nullopt,
                                  static_cast<double>(p.incline[i])});
        plan.steps.back().amount += program::segment_seconds(p);
    }
    for (plans::Step& step : plan.steps)
        step.amount = std::round(step.amount * 1000) / 1000;
    return plan;
}

TEST(FitWorkoutWriter, NamesStepsAsAWatchShowsThem)
{
    using enum program::Unit;
    for (const auto& [speed, incline, unit, name] : {std::tuple{65, 3, MPH, "6.5 mph 3%"}, {95, 2, KPH, "9.5 km/h 2%"},
                                                     {120, 15, KPH, "12.0 km/h 15%"}, {5, 0, MPH, "0.5 mph 0%"}})
        EXPECT_EQ(step_name(speed, incline, unit), name);
}

// Our reader and Garmin's decoder read each setting's workout as its runs:
// time, speed, incline and name of every step.
TEST(FitWorkoutWriter, EverySettingReadsBackAsItsRuns)
{
    const std::string no_sdk = test_support::why_no_sdk();
    for (const program::Settings& s : program::kAllSettings) {
        SCOPED_TRACE(::testing::Message() << model_name(s.model) << ' ' << unit_name(s.unit) << ' '
                                          << mode_name(s.mode));
        const Program p = hills(s);
        const plans::Plan runs = expected_runs(p);
        const std::string file = write_fit_workout(p, "Hügelläufe am Morgen", {4'000'000'000U, 1'700'000'000});
        EXPECT_TRUE(test_support::reads_as(file, test_support::text(runs)));
        if (!no_sdk.empty())
            continue;
        QJsonArray steps;
        for (const plans::Step& step : runs.steps)
            steps.append(QJsonObject{{"name", QString::fromStdString(step.name)}, {"seconds", step.amount},
                                     {"speed", *step.speed_mps}, {"incline", step.incline_pct}});
        const auto check = [&] {
            const QJsonObject expected{
                {"name", QString::fromStdString(runs.name)}, {"serialNumber", 4e9}, {"steps", steps}};
            return test_support::read_back(test_support::node_script("check_workout.mjs"),
                                               {file, QJsonDocument(expected).toJson().toStdString()});
        };
        const auto [status, said] = check();
        EXPECT_EQ(status, 0) << said;
        // Without this, a checker that passed everything would pass the writer too.
        steps[0] = QJsonObject{{"name", "x"}, {"seconds", 1}, {"speed", 1}, {"incline", 99}};
        EXPECT_EQ(check().first, 1);
    }
    if (!no_sdk.empty())
        GTEST_SKIP() << "Garmin's decoder: " << no_sdk;
}

}  // namespace
}  // namespace trevalo::exports
