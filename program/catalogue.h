#pragma once

// What each model, unit and mode offers, as numbers: speeds in tenths of the
// unit shown, inclines in percent, workout times in minutes, weights in
// pounds ("MPH") or kilograms ("KPH"). The Edit tab's item texts are made
// from these numbers; nothing reads a number back out of a text.

#include "program/settings.h"

#include <optional>
#include <span>
#include <vector>

namespace trevalo::program {

int segments_shown(Model model);  // 16 for "R300", 20 otherwise

struct Offered {
    std::span<const int> values;  // ascending
    int default_index = 0;
    int default_value() const { return values[static_cast<std::size_t>(default_index)]; }
};

// Each list lives as long as the program.
Offered speeds(Model model, Unit unit, Mode mode);  // default: the first
Offered inclines(Mode mode);                        // default: 0
Offered times(Model model, Mode mode);
Offered weights(Model model, Unit unit);

// The position of exactly `value` in `offered`, if it is there.
std::optional<int> position_of(std::span<const int> offered, int value);

// The offered value nearest to `wanted`; an exact tie goes to the lower.
// Outside the list the nearest end is taken and `beyond` says so.
struct Nearest {
    int index = 0;
    int value = 0;
    bool beyond = false;
};
Nearest nearest(std::span<const int> offered, double wanted);

}  // namespace trevalo::program
