#include "records/sample_levels.h"

#include "records/number_field.h"

#include <algorithm>

namespace trevalo::records {

namespace {

std::optional<std::int16_t> bar(std::optional<std::int16_t> level)
{
    if (!level)
        return level;
    return std::clamp<std::int16_t>(*level, 0, kBarLevels);
}

}  // namespace

std::optional<std::int16_t> speed_level(double speed, bool imperial)
{
    return bar(to_int16(speed / (imperial ? 2 : 3.2) + 1));
}

std::optional<std::int16_t> incline_level(double incline) { return bar(to_int16(incline / 2 + 1)); }

std::optional<std::int16_t> pulse_level(double pulse)
{
    return pulse >= 40 ? to_int16(pulse / 10 - 3) : std::optional<std::int16_t>(0);
}

const LevelTables& LevelTables::instance()
{
    static const LevelTables tables;
    return tables;
}

// Plain fields of these widths hold at most 9999, so every level fits.
LevelTables::LevelTables() : speed_(2 * kSpeedEntries), incline_(2 * 100), pulse_(3 * 1000)
{
    for (unsigned decimals = 0; decimals < 4; ++decimals)
        for (unsigned m = 0; m < 10000; ++m) {
            const double speed = value_of({m, decimals});
            speed_[decimals * 10000 + m] = speed_level(speed, false).value_or(0);
            speed_[kSpeedEntries + decimals * 10000 + m] = speed_level(speed, true).value_or(0);
        }
    for (unsigned decimals = 0; decimals < 2; ++decimals)
        for (unsigned m = 0; m < 100; ++m)
            incline_[decimals * 100 + m] = incline_level(value_of({m, decimals})).value_or(0);
    for (unsigned decimals = 0; decimals < 3; ++decimals)
        for (unsigned m = 0; m < 1000; ++m)
            pulse_[decimals * 1000 + m] = pulse_level(value_of({m, decimals})).value_or(0);
}

}  // namespace trevalo::records
