#include "records/record_program.h"
#include "records/tests/record_file_builder.h"

#include <gtest/gtest.h>

namespace trevalo::records {
namespace {

using testing::RecordFile;
using enum program::Model;
using enum program::Unit;
using enum program::Mode;

std::vector<int> shown(const program::Program& p, const std::array<std::uint8_t, program::kSegments>& values)
{
    return {values.begin(), values.begin() + program::segments_shown(p.settings.model)};
}

TEST(RecordProgram, AWorkoutBecomesItsOwnSegmentsUnlessTooShortToResample)
{
    const std::vector<int> per_minute_speed{30, 35, 40, 45, 50, 55, 60, 65, 70, 75,
                                            80, 85, 90, 95, 100, 105, 110, 115, 120, 125};
    const std::vector<int> per_minute_incline{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3};
    const struct {
        const char* what;
        std::string file;
        program::Settings settings;
        std::vector<int> speed, incline;
        int minutes, weight;
    } rows[] = {
        {"counting up, onto QM-20 MPH", testing::twenty_minutes(false, "150", "LBS"), {QM20, MPH, General},
         per_minute_speed, per_minute_incline, 20, 150},
        {"counting down gives the same", testing::twenty_minutes(true, "150", "LBS"), {QM20, MPH, General},
         per_minute_speed, per_minute_incline, 20, 150},
        // A record in kilograms counts in km/h: 3 km/h is 1.86 mph.
        {"kilograms onto an MPH tab", testing::twenty_minutes(false, " 70", " KG"), {QM20, MPH, General},
         {20, 20, 25, 30, 30, 35, 35, 40, 45, 45, 50, 55, 55, 60, 60, 65, 70, 70, 75, 80}, per_minute_incline, 20,
         154},
        {"pounds onto a KPH tab, speeds in km/h", testing::twenty_minutes(false, "150", "LBS"), {QM5, KPH, General},
         {50, 55, 65, 70, 80, 90, 95, 105, 115, 120, 130, 135, 145, 155, 160, 170, 175, 185, 195, 200},
         per_minute_incline, 20, 68},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const testing::Loaded l = testing::load(row.file);
        ASSERT_TRUE(l.outcome) << l.outcome.error();
        const auto made = record_program(*l.store, 0, row.settings);
        ASSERT_TRUE(made) << made.error();
        EXPECT_EQ(shown(made->program, made->program.speed), row.speed);
        EXPECT_EQ(shown(made->program, made->program.incline), row.incline);
        EXPECT_EQ(made->program.minutes, row.minutes);
        EXPECT_EQ(made->program.weight, row.weight);
        EXPECT_TRUE(made->beyond.empty());
    }
    // Fewer than two samples, or no time between them: nothing to resample.
    RecordFile file;
    file.header().weight("150", "LBS").header().weight("150", "LBS").samples(1, {.speed = " 6.0"});
    file.header().weight("150", "LBS").samples(5, {.minutes = "03"});
    const testing::Loaded l = testing::load(file.text());
    for (int r = 0; r < 3; ++r)
        EXPECT_FALSE(record_program(*l.store, r, {})) << r;
}

}  // namespace
}  // namespace trevalo::records
