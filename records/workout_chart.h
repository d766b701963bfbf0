#pragma once

// The whole of one workout as one chart: speed, incline and pulse against
// elapsed time, over every sample, each line scaled to the chart's height.

#include "records/record_store.h"

#include <optional>
#include <vector>

namespace trevalo::records {

struct ChartPoint {
    double x = 0;                  // 0 at the start, 1 at the end
    double speed = 0;              // 0 at the bottom, 1 at the top
    double incline = 0;
    std::optional<double> pulse;   // none where the sample had no pulse
};

struct WholeWorkout {
    std::vector<ChartPoint> points;
    double duration_s = 0;
    double top_speed = 0;     // the record's unit per hour at the top
    double top_incline = 0;   // percent at the top
    double top_pulse = 0;     // beats per minute at the top
};

WholeWorkout whole_workout(const RecordStore& store, int r);

// The sample nearest to a place on the chart, 0 to 1 from left to right.
int sample_at(const WholeWorkout& chart, double x);

}  // namespace trevalo::records
