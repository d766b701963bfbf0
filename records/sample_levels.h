#pragma once

// The chart levels of a sample's readings:
//   speed    speed / 2 + 1 for a record in "LBS", else speed / 3.2 + 1
//   incline  incline / 2 + 1
//   pulse    pulse / 10 - 3 from 40 beats per minute, else 0
// computed in double precision and rounded half to even. Speed and incline
// levels are bars of eight lamps: a reading beyond the treadmills' range
// shows a full or an empty bar instead of asking for a ninth lamp.
//
// Every plain field of the record file's widths has its level looked up in
// tables computed once with the same formulas, which saves three divisions
// on each of a million samples.

#include "records/chart_layout.h"
#include "records/fixed_field.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trevalo::records {

std::optional<std::int16_t> speed_level(double speed, bool imperial);
std::optional<std::int16_t> incline_level(double incline);
std::optional<std::int16_t> pulse_level(double pulse);

class LevelTables {
public:
    static const LevelTables& instance();

    // Plain fields of 4 (speed), 2 (incline) and 3 (pulse) characters.
    std::int16_t speed(PlainNumber n, bool imperial) const
    {
        return speed_[(imperial ? kSpeedEntries : 0) + n.decimals * 10000 + n.mantissa];
    }
    std::int16_t incline(PlainNumber n) const { return incline_[n.decimals * 100 + n.mantissa]; }
    std::int16_t pulse(PlainNumber n) const { return pulse_[n.decimals * 1000 + n.mantissa]; }

private:
    LevelTables();
    static constexpr unsigned kSpeedEntries = 4 * 10000;
    std::vector<std::int16_t> speed_, incline_, pulse_;
};

}  // namespace trevalo::records
