#include "program/program.h"

namespace trevalo::program {

Program default_program(const Settings& settings)
{
    Program p;
    p.settings = settings;
    p.speed.fill(static_cast<std::uint8_t>(speeds(settings.model, settings.unit, settings.mode).default_value()));
    p.incline.fill(static_cast<std::uint8_t>(inclines(settings.mode).default_value()));
    p.minutes = times(settings.model, settings.mode).default_value();
    p.weight = weights(settings.model, settings.unit).default_value();
    return p;
}

double segment_seconds(Model model, double workout_seconds) { return workout_seconds / segments_shown(model); }

double segment_seconds(const Program& program)
{
    return segment_seconds(program.settings.model, program.minutes * 60.0);
}

bool is_offered(const Program& p)
{
    const Settings& s = p.settings;
    for (int i = 0; i < segments_shown(s.model); ++i) {
        if (!position_of(speeds(s.model, s.unit, s.mode).values, p.speed[static_cast<std::size_t>(i)]) ||
            !position_of(inclines(s.mode).values, p.incline[static_cast<std::size_t>(i)]))
            return false;
    }
    return position_of(times(s.model, s.mode).values, p.minutes) &&
           position_of(weights(s.model, s.unit).values, p.weight);
}

}  // namespace trevalo::program
