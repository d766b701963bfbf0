#pragma once

// What a program is composed for: a treadmill model, a display unit and a
// mode. Each decides which values may be picked.

#include <array>
#include <cstdint>
#include <string_view>

namespace trevalo::program {

enum class Model : std::uint8_t { QM20 = 0, QM5 = 1, R300 = 2 };
enum class Unit : std::uint8_t { MPH, KPH };
enum class Mode : std::uint8_t { General, Silver };

// The models' names, in the order of their numbers.
inline constexpr std::array<std::string_view, 3> kModelNames{"QM-20", "QM-5", "R300"};

std::string_view model_name(Model model);
std::string_view mode_name(Mode mode);  // "General" / "Silver"
std::string mode_text(Mode mode);       // the same in the user's language
std::string_view unit_name(Unit unit);  // "MPH" / "KPH"

struct Settings {
    Model model = Model::R300;
    Unit unit = Unit::MPH;
    Mode mode = Mode::General;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Every setting the treadmills can run, "R300" in "General" only.
inline constexpr std::array<Settings, 10> kAllSettings{{
    {Model::QM20, Unit::MPH, Mode::General}, {Model::QM5, Unit::MPH, Mode::General},
    {Model::R300, Unit::MPH, Mode::General}, {Model::QM20, Unit::MPH, Mode::Silver},
    {Model::QM5, Unit::MPH, Mode::Silver},   {Model::QM20, Unit::KPH, Mode::General},
    {Model::QM5, Unit::KPH, Mode::General},  {Model::R300, Unit::KPH, Mode::General},
    {Model::QM20, Unit::KPH, Mode::Silver},  {Model::QM5, Unit::KPH, Mode::Silver},
}};

// Unit conversions the tool uses everywhere.
inline constexpr double kMetresPerMile = 1609.344;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kKilogramsPerPound = 0.45359237;

// Metres per second in one unit of speed shown: a mile or a kilometre an hour.
double metres_per_second_per_unit(Unit unit);

}  // namespace trevalo::program
