#pragma once

// A workout of the loaded record file as fitness tools take it: the record
// converted to SI units for the FIT and TCX writers, or its samples as read
// for CSV. Which file a user gets is export_formats.h's concern.

#include "exports/workout.h"
#include "records/record_store.h"
#include "records/workouts_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::exports {

// Record r of the store, starting at `start_utc`.
Workout workout_from_record(const records::RecordStore& store, int r, std::int64_t start_utc);

// One row per sample: elapsed seconds, every reading as read, the unit.
std::string samples_csv(const records::RecordStore& store, int r);

// The workouts table, one row per workout.
std::string workouts_csv(const std::vector<records::WorkoutRow>& rows);

}  // namespace trevalo::exports
