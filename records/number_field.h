#pragma once

// Reading the fixed-width number fields of a record file. The treadmill
// writes a point as decimal separator whatever the desktop's language, so a
// field is read without regard to the locale.

#include <cstdint>
#include <optional>
#include <string_view>

namespace trevalo::records {

// A field as a decimal number: spaces around it allowed, a leading minus
// allowed, anything else makes it no number.
std::optional<double> field_number(std::string_view field);

// A number as a 16-bit whole number, rounded half to even; empty when the
// result lies outside the 16-bit range.
std::optional<std::int16_t> to_int16(double value);

}  // namespace trevalo::records
