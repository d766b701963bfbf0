// Plans turned into programs for the "QM-20" in km/h: 20 segments, speeds
// 0.3 and 0.5 to 24.0 in halves, 20 to 99 minutes. Plans of 20 minutes make
// every segment a minute long.

#include "plans/plan_program.h"
#include "program/resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using namespace trevalo;
using plans::Plan;
using plans::Step;

namespace {

const program::Settings kQm20Kph{program::Model::QM20, program::Unit::KPH, program::Mode::General};

std::optional<double> kmh(std::optional<double> speed)
{
    return speed ? std::optional(*speed / 3.6) : std::nullopt;
}

Step step(Step::Length length, double amount, std::optional<double> speed, std::string name = {},
          std::optional<double> end_speed = std::nullopt, double incline = 0)
{
    Step s;
    s.name = std::move(name);
    s.length = length;
    s.amount = amount;
    s.speed_mps = kmh(speed);
    s.end_speed_mps = kmh(end_speed);
    s.incline_pct = incline;
    return s;
}

Step timed(double seconds, std::optional<double> speed, std::string name = {})
{
    return step(Step::Length::Time, seconds, speed, std::move(name));
}

Plan plan_of(std::vector<Step> steps, std::vector<std::string> notes = {})
{
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i].number = static_cast<int>(i) + 1;
    return {"plan", std::move(steps), std::move(notes)};
}

// Steps laid out as a repeat expands them: the same numbers again.
Plan repeated(std::vector<Step> block, int times, Step last)
{
    Plan plan = plan_of(block);
    std::vector<Step> steps;
    for (int i = 0; i < times; ++i)
        steps.insert(steps.end(), plan.steps.begin(), plan.steps.end());
    last.number = static_cast<int>(block.size()) + 1;
    steps.push_back(last);
    return {"plan", steps, {}};
}

struct Probe {
    int segment;
    int speed_tenths;
};

struct Row {
    const char* what;
    Plan plan;
    std::vector<std::string> notes;  // each the end of one note, in order
    int minutes;
    std::vector<Probe> probes;
};

std::vector<Row> rows()
{
    // What lies beyond the lists is worded by the resampling's own describe().
    std::vector<program::Beyond> top;
    for (int segment = 6; segment < 16; ++segment)
        top.push_back({program::Beyond::What::Speed, segment, 30, 240});
    const std::string top_speed = program::describe(top, kQm20Kph).at(0);
    const std::string day = program::describe({{program::Beyond::What::Time, -1, 1440, 99}}, kQm20Kph).at(0);
    std::vector<Row> rows;
    rows.push_back({"a plain plan says nothing", plan_of({timed(600, 10), timed(300, 12.5), timed(300, 8)}), {}, 20,
                    {{0, 100}, {10, 125}, {15, 80}}});
    rows.push_back({"an open step runs five minutes",
                    plan_of({timed(600, 10), step(Step::Length::Open, 0, 8, "Lap"), timed(300, 9)}),
                    {"each runs for 5 minutes: Lap."}, 20, {{12, 80}, {17, 90}}});
    rows.push_back({"a step borrows the speed of the one before",
                    plan_of({timed(600, 10), timed(300, std::nullopt), timed(300, 12)}), {"does): step 2."}, 20,
                    {{12, 100}, {17, 120}}});
    rows.push_back({"a first step borrows from the first with a speed",
                    plan_of({timed(300, std::nullopt, "Jog"), timed(300, std::nullopt), timed(600, 12)}),
                    {"does): Jog, step 2."}, 20, {{0, 120}, {7, 120}}});
    rows.push_back({"a step borrows where a ramp before it ends",
                    plan_of({step(Step::Length::Time, 600, 8, "Up", 12), timed(600, std::nullopt)}),
                    {"does): step 2."}, 20, {{0, 80}, {9, 120}, {15, 120}}});
    // Each minute is the ramp's mean over it: 5.45 + 0.5 k km/h.
    rows.push_back({"a ramp averaged over each segment", plan_of({step(Step::Length::Time, 1210, 5.2, "", 15.2)}),
                    {}, 20, {{0, 55}, {1, 60}, {10, 105}, {19, 150}}});
    // 2 km at 12 km/h and 1.5 km ramping from 6 to 12 km/h: ten minutes each.
    rows.push_back({"distances run at their speed, a ramp's at its mean",
                    plan_of({step(Step::Length::Distance, 2000, 12), step(Step::Length::Distance, 1500, 6, "", 12)}),
                    {}, 20, {{9, 120}, {10, 65}, {19, 115}}});
    rows.push_back({"short steps named once however often they ran",
                    repeated({timed(30, 15, "Fast"), timed(30, 8)}, 4, timed(960, 10)),
                    {"averaged with their neighbours: Fast, step 2."}, 20, {{0, 115}, {3, 115}, {4, 100}}});
    rows.push_back({"short steps alike lose nothing", repeated({timed(30, 10), timed(30, 10)}, 20, timed(0, 10)), {},
                    20, {{0, 100}}});
    rows.push_back({"every note in its place",
                    plan_of({step(Step::Length::Open, 0, 10, "Lap"), timed(20, std::nullopt, "Shake"),
                             timed(40, 14, "Sprint"), timed(600, 30, "Top"), timed(240, 10)},
                            {"From the reader."}),
                    {"From the reader.", ": Lap.", ": Shake.", ": Shake, Sprint.", top_speed}, 20,
                    {{5, 125}, {6, 240}}});
    rows.push_back({"24 hours is the longest accepted", plan_of({timed(86400, 10)}), {day}, 99, {{19, 100}}});
    return rows;
}

TEST(PlanProgram, NotesAndSegments)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.what);
        const Result<plans::Imported> imported = plans::plan_program(row.plan, kQm20Kph, 70);
        ASSERT_TRUE(imported.ok()) << imported.error();
        ASSERT_EQ(imported->notes.size(), row.notes.size());
        for (std::size_t i = 0; i < row.notes.size(); ++i)
            EXPECT_TRUE(imported->notes[i].ends_with(row.notes[i])) << imported->notes[i];
        EXPECT_EQ(imported->program.minutes, row.minutes);
        EXPECT_EQ(imported->program.weight, 70);
        for (const Probe& probe : row.probes)
            EXPECT_EQ(imported->program.speed[static_cast<std::size_t>(probe.segment)], probe.speed_tenths)
                << "segment " << probe.segment;
    }
}

TEST(PlanProgram, Refusals)
{
    const struct {
        Plan plan;
        std::string error;
    } table[] = {
        {plan_of({}), "The workout has no steps."},
        {plan_of({timed(600, std::nullopt), step(Step::Length::Open, 0, std::nullopt)}),
         "The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program "
         "needs speeds."},
        {plan_of({timed(86000, 10), timed(401, 10, "Extra")}),
         "The workout lasts more than 24 hours (by Step 2 (Extra)); that is too long to import."},
        {plan_of({timed(0, 10), step(Step::Length::Distance, 0, 10)}),
         "The workout has no length: every step lasts 0 seconds."},
        {plan_of({timed(60, 10), step(Step::Length::Distance, 400, 0)}),
         "Step 2 covers 400 m at a speed of 0, so it never ends."},
        {plan_of({timed(NAN, 10)}), "Step 1 has a length of nan, which cannot be run."},
        {plan_of({timed(60, -3, "Back")}), "Step 1 (Back) sets a speed of -0.833333 m/s, which cannot be run."},
    };
    for (const auto& row : table) {
        const Result<plans::Imported> imported = plans::plan_program(row.plan, kQm20Kph, 70);
        ASSERT_FALSE(imported.ok()) << row.error;
        EXPECT_EQ(imported.error(), row.error);
    }
}

}  // namespace
