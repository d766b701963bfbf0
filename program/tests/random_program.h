#pragma once

// Random programs of values the settings offer, for round trips.

#include "program/program.h"

#include <random>

namespace trevalo::program::testing {

inline Program random_program(const Settings& s, std::mt19937& random)
{
    auto any = [&random](std::span<const int> values) {
        return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    Program p = default_program(s);
    for (int i = 0; i < segments_shown(s.model); ++i) {
        p.speed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(any(speeds(s.model, s.unit, s.mode).values));
        p.incline[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(any(inclines(s.mode).values));
    }
    p.minutes = any(times(s.model, s.mode).values);
    p.weight = any(weights(s.model, s.unit).values);
    return p;
}

}  // namespace trevalo::program::testing
