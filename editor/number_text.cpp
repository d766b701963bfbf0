#include "editor/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace trevalo::editor {

std::string tenths_text(int tenths)
{
    // GCC 12's library has no std::format yet.
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += '.' + std::to_string(tenths % 10);
    return text;
}

namespace {

std::optional<double> number_from_text(std::string_view text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

// std::nearbyint rounds in the current mode, which is to nearest, ties to even.
std::optional<int> tenths_from_text(std::string_view text)
{
    auto value = number_from_text(text);
    if (!value)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(*value * 10.0));
}

std::optional<int> whole_from_text(std::string_view text)
{
    auto value = number_from_text(text);
    if (!value)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(*value));
}

}  // namespace trevalo::editor
