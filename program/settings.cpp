#include "program/settings.h"

#include "base/translation.h"

namespace trevalo::program {

std::string_view model_name(Model model) { return kModelNames[static_cast<std::size_t>(model)]; }
std::string_view mode_name(Mode mode)
{
    return mode == Mode::General ? TREVALO_NOOP("program", "General") : TREVALO_NOOP("program", "Silver");
}
std::string mode_text(Mode mode) { return translated("program", mode_name(mode).data()); }
std::string_view unit_name(Unit unit) { return unit == Unit::MPH ? "MPH" : "KPH"; }

double metres_per_second_per_unit(Unit unit)
{
    return (unit == Unit::MPH ? kMetresPerMile : 1000.0) / 3600.0;
}

}  // namespace trevalo::program
