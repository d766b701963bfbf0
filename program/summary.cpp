#include "program/summary.h"

namespace trevalo::program {

Summary summarise(const Program& p)
{
    Summary s;
    s.segment_s = segment_seconds(p);
    const double segment_h = s.segment_s / 3600.0;
    // A foot is 1/5280 of a mile; a metre 1/1000 of a kilometre.
    const double rise_per_distance = p.settings.unit == Unit::MPH ? 5280.0 : 1000.0;
    for (int i = 0; i < segments_shown(p.settings.model); ++i) {
        const double distance = p.speed[static_cast<std::size_t>(i)] / 10.0 * segment_h;
        s.distance += distance;
        s.climb += distance * p.incline[static_cast<std::size_t>(i)] / 100.0 * rise_per_distance;
    }
    if (p.minutes > 0)
        s.average_speed = s.distance / (p.minutes / 60.0);
    return s;
}

}  // namespace trevalo::program
