#pragma once

// Fast reading of the short fixed-width number fields (2 to 4 characters)
// of sample lines. Each character is classed as digit, space, point or
// other; the classes of a field's characters pick a precomputed entry that
// says whether the field is a plain number and what each digit is worth.
// That reads a field without a branch per character, which matters for the
// seven fields of a million sample lines. Fields of any other shape (a minus
// sign, a stray letter) go to field_number, which has the final word.

#include "records/number_field.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace trevalo::records {

namespace fixed_field_detail {

enum : std::uint8_t { Digit = 0, Space = 1, Point = 2, Other = 3 };

inline constexpr std::array<std::uint8_t, 256> kClass = [] {
    std::array<std::uint8_t, 256> c{};
    for (int i = 0; i < 256; ++i)
        c[i] = i >= '0' && i <= '9' ? Digit : i == ' ' ? Space : i == '.' ? Point : Other;
    return c;
}();

struct Shape {
    bool plain = false;                 // spaces, digits with at most one point, spaces
    std::uint8_t decimals = 0;          // digits after the point
    std::array<std::uint16_t, 4> worth{};  // what a digit at each position adds
};

// Every arrangement of classes over `width` characters.
template <int width>
constexpr std::array<Shape, 1 << (2 * width)> make_shapes()
{
    std::array<Shape, 1 << (2 * width)> shapes{};
    for (int index = 0; index < (1 << (2 * width)); ++index) {
        std::uint8_t cls[4]{};
        for (int i = 0; i < width; ++i)
            cls[i] = static_cast<std::uint8_t>((index >> (2 * (width - 1 - i))) & 3);
        int first = 0, last = width;
        while (first < width && cls[first] == Space)
            ++first;
        while (last > first && cls[last - 1] == Space)
            --last;
        int digits = 0, points = 0, decimals = 0;
        bool plain = first < last;
        for (int i = first; i < last; ++i) {
            if (cls[i] == Digit) {
                ++digits;
                decimals += points;
            } else if (cls[i] == Point) {
                ++points;
            } else {
                plain = false;
            }
        }
        plain = plain && digits > 0 && points <= 1;
        Shape& s = shapes[static_cast<std::size_t>(index)];
        s.plain = plain;
        if (!plain)
            continue;
        s.decimals = static_cast<std::uint8_t>(decimals);
        std::uint16_t worth = 1;
        for (int i = last - 1; i >= first; --i) {
            if (cls[i] == Digit) {
                s.worth[static_cast<std::size_t>(i)] = worth;
                worth = static_cast<std::uint16_t>(worth * 10);
            }
        }
    }
    return shapes;
}

template <int width>
inline constexpr auto kShapes = make_shapes<width>();

}  // namespace fixed_field_detail

namespace fixed_field_detail {

template <int width>
inline const Shape& shape_of(const char* p)
{
    static_assert(width >= 2 && width <= 4);
    unsigned index = 0;
    for (int i = 0; i < width; ++i)
        index = (index << 2) | kClass[static_cast<unsigned char>(p[i])];
    return kShapes<width>[index];
}

}  // namespace fixed_field_detail

// Whether a field of `width` (2..4) characters at `p` reads as a number.
template <int width>
inline bool fixed_field_is_number(const char* p)
{
    return fixed_field_detail::shape_of<width>(p).plain || field_number(std::string_view(p, width));
}

// A plain field's digits as a whole number, and how many of them follow the
// point: " 3.5" is 35 and 1.
struct PlainNumber {
    unsigned mantissa;
    unsigned decimals;
};

inline double value_of(PlainNumber n)
{
    const double value = n.mantissa;
    return n.decimals ? value / detail::kPowersOfTen[n.decimals] : value;
}

// A field of `width` (2..4) characters at `p`, when it is plain: spaces,
// digits with at most one point, spaces.
template <int width>
inline std::optional<PlainNumber> plain_number(const char* p)
{
    using namespace fixed_field_detail;
    const Shape& shape = shape_of<width>(p);
    if (!shape.plain) [[unlikely]]
        return std::nullopt;
    unsigned mantissa = 0;
    for (int i = 0; i < width; ++i)
        mantissa += static_cast<unsigned>(static_cast<unsigned char>(p[i]) - '0') * shape.worth[i];
    return PlainNumber{mantissa, shape.decimals};
}

// Reads a field of `width` (2..4) characters starting at `p`.
template <int width>
inline std::optional<double> fixed_field(const char* p)
{
    if (const auto plain = plain_number<width>(p)) [[likely]]
        return value_of(*plain);
    return field_number(std::string_view(p, width));
}

}  // namespace trevalo::records
