#include "records/record_program.h"

#include "base/translation.h"
#include "records/workout_statistics.h"

#include <vector>

namespace trevalo::records {

Result<program::Resampled> record_program(const RecordStore& store, int r, const program::Settings& settings)
{
    const RecordTotals& record = store.record(r);
    if (record.rec_count < 2)
        return Result<program::Resampled>::failure(
            filled(record.rec_count == 1 ? translated("records", "The workout holds %1 sample; a program needs at least two.")
                                         : translated("records", "The workout holds %1 samples; a program needs at least two."),
                   record.rec_count));
    const bool imperial = RecordStore::imperial(record);
    const double per_unit = program::metres_per_second_per_unit(imperial ? program::Unit::MPH : program::Unit::KPH);
    std::vector<program::Reading> readings;
    readings.reserve(static_cast<std::size_t>(record.rec_count));
    // Elapsed time as the totals count it, whether the display ran up or down.
    const ProgressRule rule(store, r);
    for (int i = 0; i < record.rec_count; ++i) {
        const RawSample raw = store.raw(r, i);
        readings.push_back({rule(raw).elapsed_s, raw.speed * per_unit, raw.incline});
    }
    const double length = readings.back().start_s;
    if (!(length > 0))
        return Result<program::Resampled>::failure(
            translated("records", "The workout lasts no time: every sample shows the same time."));

    double weight = record.rec_weight;
    if (imperial != (settings.unit == program::Unit::MPH))
        weight = imperial ? weight * program::kKilogramsPerPound : weight / program::kKilogramsPerPound;
    return program::resample(readings, length, settings, weight);
}

}  // namespace trevalo::records
