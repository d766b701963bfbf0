#pragma once

// A custom workout program as a value: the settings it is composed for, a
// speed and an incline per segment, the workout time and the user's weight.

#include "program/catalogue.h"
#include "program/settings.h"

#include <array>
#include <cstdint>

namespace trevalo::program {

inline constexpr int kSegments = 20;

struct Program {
    Settings settings;
    // Tenths of the unit shown. Segments the model does not show keep the
    // first offered speed and incline 0, as a change of settings leaves them.
    std::array<std::uint8_t, kSegments> speed{};
    std::array<std::uint8_t, kSegments> incline{};  // percent
    int minutes = 0;
    int weight = 0;  // pounds with "MPH", kilograms with "KPH"
    friend bool operator==(const Program&, const Program&) = default;
};

// What a change of settings leaves: every default of the catalogue.
Program default_program(const Settings& settings);

// The treadmill runs every segment shown for an equal share of the workout
// time: minutes x 60 / the number of segments shown. Everything that turns a
// program into distance, or a workout into segments, rests on this rule.
double segment_seconds(Model model, double workout_seconds);
double segment_seconds(const Program& program);

// Whether every value is one the program's settings offer.
bool is_offered(const Program& program);

}  // namespace trevalo::program
