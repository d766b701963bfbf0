#pragma once

// A workout of the loaded record file as a file for fitness tools: the
// record converted to SI units and written as FIT, TCX or CSV.

#include "exports/workout.h"
#include "records/record_store.h"
#include "records/workouts_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::exports {

enum class Format { Fit, Tcx, Csv };

// The format a file name asks for by its suffix (".fit", ".TCX"), else the
// one chosen in the dialog.
Format format_for(std::string_view file_name, Format chosen);

// Record r of the store, starting at `start_utc`.
Workout workout_from_record(const records::RecordStore& store, int r, std::int64_t start_utc);

// One row per sample: elapsed seconds, every reading as read, the unit.
std::string samples_csv(const records::RecordStore& store, int r);

// The workouts table, one row per workout.
std::string workouts_csv(const std::vector<records::WorkoutRow>& rows);

// The file's bytes.
std::string workout_file(Format format, const records::RecordStore& store, int r, std::int64_t start_utc);

}  // namespace trevalo::exports
