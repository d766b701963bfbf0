#pragma once

// A recorded workout as a program: its speed and incline readings over its
// elapsed time, resampled into the segments of the settings given.

#include "program/resample.h"
#include "records/record_store.h"

namespace trevalo::records {

// Refused, with the reason, for a workout of fewer than two samples or of no
// length. The weight is the record's, in the settings' weight unit.
Result<program::Resampled> record_program(const RecordStore& store, int r, const program::Settings& settings);

}  // namespace trevalo::records
