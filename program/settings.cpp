#include "program/settings.h"

namespace trevalo::program {

std::string_view model_name(Model model) { return kModelNames[static_cast<std::size_t>(model)]; }
std::string_view mode_name(Mode mode) { return mode == Mode::General ? "General" : "Silver"; }
std::string_view unit_name(Unit unit) { return unit == Unit::MPH ? "MPH" : "KPH"; }

double metres_per_second_per_unit(Unit unit)
{
    return (unit == Unit::MPH ? kMetresPerMile : 1000.0) / 3600.0;
}

}  // namespace trevalo::program
