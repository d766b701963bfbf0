// A whole ZWO run, read and imported for the "QM-20" in km/h. Worked by hand:
// at 360 s/km a share of 1 is 10 km/h. The warm-up (1 km, 6 to 9 km/h) and
// the cool-down (1 km, 9 to 6 km/h) take 8 minutes each; four times 1 km at
// 12 km/h (300 s) and 200 m at 6 km/h (120 s) take 28 minutes: 44 minutes,
// 20 segments of 132 s. Each segment runs the time-weighted mean, e.g.
// segment 4 (396-528 s): 84 s of the warm-up at a mean of 8.7375 and 48 s at
// 12 give 9.92, offered as 10.0; segment 6 (660-792 s): 120 s at 12 and 12 s
// at 6 give 11.45, offered as 11.5. The recoveries (120 s) are shorter than a
// segment and are averaged away. The 2 % incline holds over the intervals
// (480-2160 s): the segments that hold 48 s of it run 0.73, offered as 1.

#include "imports/zwo_plan.h"
#include "imports/zwo_reader.h"
#include "plans/plan_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trevalo;

namespace {

constexpr const char* kIntervals = R"(<?xml version="1.0" encoding="UTF-8"?>
<workout_file>
    <author>Coach</author>
    <name>4 x 1 km</name>
    <sportType>run</sportType>
    <durationType>distance</durationType>
    <thresholdSecPerKm>360</thresholdSecPerKm>
    <workout>
        <Warmup Duration="1000" PowerLow="0.6" PowerHigh="0.9"/>
        <IntervalsT Repeat="4" OnDuration="1000" OffDuration="200" OnPower="1.2" OffPower="0.6" Incline="0.02">
            <textevent timeoffset="0" message="Go!"/>
        </IntervalsT>
        <Cooldown Duration="1000" PowerLow="0.9" PowerHigh="0.6"/>
    </workout>
</workout_file>
)";

TEST(ZwoImport, IntervalsByDistanceBecomeTheProgramWorkedByHand)
{
    const Result<imports::ZwoWorkout> read = imports::read_zwo(kIntervals);
    ASSERT_TRUE(read.ok()) << read.error();
    // Without the file's own pace no step would have a speed, and the import would refuse.
    const plans::Plan plan = imports::zwo_plan(*read, read->threshold_s_per_km.value_or(0));
    EXPECT_EQ(plan.name, "4 x 1 km");
    const program::Settings settings{program::Model::QM20, program::Unit::KPH, program::Mode::General};
    const Result<plans::Imported> imported = plans::plan_program(plan, settings, 70);
    ASSERT_TRUE(imported.ok()) << imported.error();

    program::Program expected{settings, {}, {}, 44, 70};
    expected.speed = {65, 70, 80, 100, 120, 115, 70, 120, 120, 65, 120, 120, 75, 110, 120, 85, 75, 80, 70, 65};
    expected.incline = {0, 0, 0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0, 0, 0};
    EXPECT_EQ(imported->program, expected);
    EXPECT_EQ(imported->notes, std::vector<std::string>{"These steps are shorter than one segment (2:12), so the "
                                                        "program runs them averaged with their neighbours: "
                                                        "IntervalsT 2 off."});
}

}  // namespace
