#include "exports/fit_activity_writer.h"
#include "exports/fit_workout_writer.h"
#include "exports/record_workout.h"
#include "exports/tcx_writer.h"
#include "program_file/program_file.h"
#include "records/tests/record_file_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace trevalo::exports {
namespace {

// A user's files do not depend on the system that wrote them: each writer's
// file for one workout and one program is compared, byte for byte, with the
// one the Linux build wrote (Garmin's SDK, xmllint and Python read those
// back in the writers' own tests). TREVALO_WRITE_SAME_BYTES=1 writes them anew.
TEST(SameBytes, EveryWriterWritesWhatItWroteOnLinux)
{
    records::testing::RecordFile log;
    log.header("2026/03/01 07:30").weight("165", "LBS");
    const char* speeds[] = {" 2.5", " 4.0", " 6.5", " 7.2", " 3.1"};
    for (int k = 0; k < 5; ++k) {
        char minute[8], calories[8], pulse[8], incline[8], distance[8];
        std::snprintf(minute, sizeof minute, "%02d", 2 * k);
        std::snprintf(calories, sizeof calories, "%03d", k * 17 + 10);
        std::snprintf(pulse, sizeof pulse, "%03d", k == 0 ? 0 : 95 + 9 * k);
        std::snprintf(incline, sizeof incline, "%02d", k * 2);
        std::snprintf(distance, sizeof distance, "%4.2f", 0.1 + 0.19 * k);
        log.sample({minute, "30", calories, pulse, incline, distance, speeds[k]});
    }
    const auto loaded = records::testing::load(log.text());
    ASSERT_TRUE(loaded.outcome) << loaded.outcome.error();
    const Workout workout = workout_from_record(*loaded.store, 0, 1772350200);

    program::Program hills = program::default_program({program::Model::QM20, program::Unit::KPH, program::Mode::General});
    for (int s = 0; s < program::kSegments; ++s)
        hills.incline[s] = static_cast<std::uint8_t>(s % 8);
    hills.minutes = 42;
    const auto cus = program_file::program_bytes(hills);

    const std::pair<const char*, std::string> files[] = {
        {"workout.fit", write_fit_activity(workout, 0x5eed1234)},
        {"workout.tcx", write_tcx(workout).toStdString()},
        {"workout.csv", samples_csv(*loaded.store, 0)},
        {"program.fit", write_fit_workout(hills, "Hills", {0x5eed5678, 1772350200})},
        {"program.cus", std::string(cus.begin(), cus.end())},
    };
    const bool write = std::getenv("TREVALO_WRITE_SAME_BYTES") != nullptr;
    for (const auto& [name, bytes] : files) {
        const std::string path = TREVALO_SOURCE_DIR "/exports/tests/same_bytes/" + std::string(name);
        if (write)
            std::ofstream(path, std::ios::binary) << bytes;
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(bytes, std::string(std::istreambuf_iterator<char>(in), {})) << name;
    }
}

}  // namespace
}  // namespace trevalo::exports
