#include "records/number_field.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace trevalo::records {

std::optional<double> field_number(std::string_view field)
{
    const auto first = field.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto last = field.find_last_not_of(' ');
    const std::string_view text = field.substr(first, last - first + 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                           std::chars_format::fixed);
    // from_chars also reads "inf" and "nan", which no treadmill writes.
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// std::nearbyint rounds in the current mode, which is to nearest, ties to even.
std::optional<std::int16_t> to_int16(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace trevalo::records
