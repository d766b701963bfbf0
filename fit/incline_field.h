#pragma once

// The treadmill's incline rides in workout steps as a developer field: FIT's
// grade target has no scale or unit a watch agrees on. The writer declares
// it under this name; the reader finds it by the name, whatever number
// another writer gave it.
//
// sint16 in tenths of a percent (scale 10): programs hold whole percent, but
// a plan from elsewhere may run a decline or a half percent, and a reader
// that applies no scale is off by a plain factor, not by a wrap.

#include "fit/base_type.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace trevalo::fit::incline_field {

inline constexpr std::string_view name = "incline";
inline constexpr std::string_view units = "%";
inline constexpr BaseType type = BaseType::sint16;
inline constexpr std::uint8_t scale = 10;
inline constexpr std::uint8_t developer_index = 0;
inline constexpr std::uint8_t number = 0;
// This tool as the developer application that declares the field.
inline constexpr std::array<std::uint8_t, 16> application_id{
    0x74, 0x72, 0x65, 0x76, 0x61, 0x6C, 0x6F, 0x2D, 0x69, 0x6E, 0x63, 0x6C, 0x69, 0x6E, 0x65, 0x01};

}  // namespace trevalo::fit::incline_field
