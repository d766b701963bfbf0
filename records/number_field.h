#pragma once

// Reading the fixed-width number fields of a record file. The treadmill
// writes a point as decimal separator whatever the desktop's language, so a
// field is read without regard to the locale. Inline: a record file holds
// millions of fields.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace trevalo::records {

namespace detail {

inline constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
inline constexpr int kMaxExactDigits = 15;

inline bool is_digit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

}  // namespace detail

// A field as a decimal number: spaces around it allowed, a leading minus
// allowed, anything else makes it no number.
//
// A record file holds millions of fields, so the usual short field, at most 15
// digits with an optional point, is read here directly: its digits form an
// exact integer, and one division by an exact power of ten rounds correctly,
// giving the same double as std::from_chars. Anything longer goes to
// std::from_chars.
inline std::optional<double> field_number(std::string_view field)
{
    using namespace detail;
    const char* p = field.data();
    const char* end = p + field.size();
    while (p != end && *p == ' ')
        ++p;
    while (end != p && end[-1] == ' ')
        --end;
    if (p == end)
        return std::nullopt;

    const bool negative = *p == '-';
    const char* q = negative ? p + 1 : p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = -1;  // digits after the point; -1 while no point was seen
    for (; q != end; ++q) {
        if (is_digit(*q)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*q - '0');
            ++digits;
            if (decimals >= 0)
                ++decimals;
        } else if (*q == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;  // a sign, letter or second point: no number
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (digits <= kMaxExactDigits) {
        double value = static_cast<double>(mantissa);
        if (decimals > 0)
            value /= kPowersOfTen[decimals];
        return negative ? -value : value;
    }

    double value = 0;
    const auto [stop, ec] = std::from_chars(p, end, value, std::chars_format::fixed);
    if (ec != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

// A number as a 16-bit whole number, rounded half to even; empty when the
// result lies outside the 16-bit range.
//
// Adding and taking away 2^52 leaves a double rounded to a whole number in
// the current rounding mode, which is to nearest, ties to even: the rule the
// treadmill's numbers follow (2.5 -> 2, 3.5 -> 4). std::nearbyint does the
// same but saves and restores the floating-point state on every call, which
// a million samples notice.
inline std::optional<std::int16_t> to_int16(double value)
{
    constexpr double kLimit = 1e9;
    if (!(std::fabs(value) < kLimit))
        return std::nullopt;
    constexpr double kTwo52 = 4503599627370496.0;
    const double rounded = value >= 0 ? (value + kTwo52) - kTwo52 : -((-value + kTwo52) - kTwo52);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace trevalo::records
