// Plans turned into programs for the "QM-20" in km/h: 20 segments, speeds
// 0.3 and 0.5 to 24.0 in halves. Plans of 20 minutes make every segment a
// minute long.

#include "plans/plan_program.h"
#include "plans/plan_timeline.h"
#include "plans/timeline_readings.h"
#include "program/resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace trevalo;
using plans::Step;

namespace {

const program::Settings kQm20Kph{program::Model::QM20, program::Unit::KPH, program::Mode::General};

// Speeds in km/h; a ramp runs from `kmh` to `end_kmh`.
Step step(double amount, std::optional<double> kmh, std::string name = {},
          std::optional<double> end_kmh = std::nullopt, Step::Length length = Step::Length::Time)
{
    const auto mps = [](std::optional<double> v) { return v ? std::optional(*v / 3.6) : std::nullopt; };
    return {std::move(name), 0, length, amount, mps(kmh), mps(end_kmh), 0};
}

plans::Plan plan_of(std::vector<Step> steps, std::vector<std::string> notes = {})
{
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i].number = static_cast<int>(i) + 1;
    return {"plan", std::move(steps), std::move(notes)};
}

TEST(PlanProgram, NotesAndSegments)
{
    const struct {
        const char* what;
        plans::Plan plan;
        std::vector<std::string> notes;           // each the end of one note, in order
        std::vector<std::pair<int, int>> speeds;  // segment, tenths of a km/h
    } table[] = {
        // Short steps among steps just like them lose nothing to averaging.
        {"a plain plan says nothing", plan_of(std::vector<Step>(40, step(30, 10))), {}, {{0, 100}, {19, 100}}},
        // The ramp's minutes run its mean over each: 8.2 + 0.4 k km/h.
        {"steps borrow where a ramp starts and ends",
         plan_of({step(300, std::nullopt, "Jog"), step(600, 8, "Up", 12), step(300, std::nullopt)}),
         {"does): Jog, step 3."}, {{0, 80}, {5, 80}, {11, 105}, {14, 120}, {19, 120}}},
        // Kick shares its segment with the end of Top.
        {"every note in its place",
         plan_of({step(0, 10, "Lap", std::nullopt, Step::Length::Open), step(20, std::nullopt, "Shake"),
                  step(40, 14, "Sprint"), step(570, 30, "Top"), step(30, 14, "Kick"), step(240, 10)},
                 {"From the reader."}),
         {"From the reader.", ": Lap.", ": Shake.", ": Shake, Sprint, Kick.", "(the workout ran up to 30 KPH)."},
         {{5, 125}, {6, 240}}},
        {"24 hours is the longest accepted", plan_of({step(86400, 10)}),
         {"1440 minutes: the time is set to 99, the longest the QM-20 offers in General mode."}, {{19, 100}}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        const Result<plans::Imported> imported = plans::plan_program(row.plan, kQm20Kph, 70);
        ASSERT_TRUE(imported.ok()) << imported.error();
        ASSERT_EQ(imported->notes.size(), row.notes.size());
        for (std::size_t i = 0; i < row.notes.size(); ++i)
            EXPECT_TRUE(imported->notes[i].ends_with(row.notes[i])) << imported->notes[i];
        for (const auto& [segment, tenths] : row.speeds)
            EXPECT_EQ(imported->program.speed[static_cast<std::size_t>(segment)], tenths) << "segment " << segment;
    }
}

// Cut each second and where a segment ends, a ramp's pieces give every
// segment the ramp's own mean, however the two fall.
TEST(PlanTimeline, RampCutWhereSegmentsEnd)
{
    const Result<plans::Timeline> timeline = plans::lay_out(plan_of({step(3, 0, "", 10)}));
    ASSERT_TRUE(timeline.ok()) << timeline.error();
    std::vector<double> starts;
    for (const program::Reading& reading : plans::timeline_readings(*timeline, 1.25))
        starts.push_back(reading.start_s);
    EXPECT_EQ(starts, (std::vector<double>{0, 1, 1.25, 2, 2.5}));
}

TEST(PlanProgram, Refusals)
{
    const struct {
        plans::Plan plan;
        std::string error;
    } table[] = {
        {plan_of({}), "The workout has no steps."},
        {plan_of({step(600, std::nullopt), step(0, std::nullopt, "", std::nullopt, Step::Length::Open)}),
         "The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program "
         "needs speeds."},
        {plan_of({step(86000, 10), step(401, 10, "Extra")}),
         "The workout lasts more than 24 hours (by Step 2 (Extra)); that is too long to import."},
        {plan_of({step(0, 10), step(0, 10, "", std::nullopt, Step::Length::Distance)}),
         "The workout has no length: every step lasts 0 seconds."},
        {plan_of({step(60, 10), step(400, 0, "", std::nullopt, Step::Length::Distance)}),
         "Step 2 covers 400 m at a speed of 0, so it never ends."},
        {plan_of({step(NAN, 10)}), "Step 1 has a length of nan, which cannot be run."},
        {plan_of({step(60, -3, "Back")}), "Step 1 (Back) sets a speed of -0.833333 m/s, which cannot be run."},
    };
    for (const auto& row : table) {
        const Result<plans::Imported> imported = plans::plan_program(row.plan, kQm20Kph, 70);
        ASSERT_FALSE(imported.ok()) << row.error;
        EXPECT_EQ(imported.error(), row.error);
    }
}

}  // namespace
