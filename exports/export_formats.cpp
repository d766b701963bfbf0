#include "exports/export_formats.h"

#include "exports/fit_activity_writer.h"
#include "exports/fit_workout_writer.h"
#include "exports/record_workout.h"
#include "exports/tcx_writer.h"
#include "fit/serial_number.h"

#include <array>

namespace trevalo::exports {

namespace {

std::string fit_activity(const records::RecordStore& store, int r, std::int64_t start_utc)
{
    return write_fit_activity(workout_from_record(store, r, start_utc));
}

std::string tcx(const records::RecordStore& store, int r, std::int64_t start_utc)
{
    return write_tcx(workout_from_record(store, r, start_utc)).toStdString();
}

std::string csv(const records::RecordStore& store, int r, std::int64_t) { return samples_csv(store, r); }

std::string fit_workout(const program::Program& program, std::string_view name, std::int64_t created_utc)
{
    return write_fit_workout(program, name, {fit::new_serial_number(), created_utc});
}

constexpr std::array kWorkoutFormats{
    WorkoutFormat{TREVALO_NOOP("exports", "FIT activity (*.fit)"), "fit", fit_activity},
    WorkoutFormat{TREVALO_NOOP("exports", "Training Center XML (*.tcx)"), "tcx", tcx},
    WorkoutFormat{TREVALO_NOOP("exports", "CSV, one row per sample (*.csv)"), "csv", csv},
};

constexpr std::array kProgramFormats{
    ProgramFormat{TREVALO_NOOP("exports", "FIT workout (*.fit)"), "fit", fit_workout},
};

}  // namespace

std::span<const WorkoutFormat> workout_formats() { return kWorkoutFormats; }
std::span<const ProgramFormat> program_formats() { return kProgramFormats; }

}  // namespace trevalo::exports
