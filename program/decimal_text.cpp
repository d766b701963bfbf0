#include "program/decimal_text.h"

#include <charconv>
#include <cmath>

namespace trevalo::program {

std::string tenths_text(int tenths)
{
    // Whole arithmetic, so that every item text is exact; GCC 12 has no std::format.
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += '.' + std::to_string(tenths % 10);
    return text;
}

std::string decimal_text(double value, int decimals)
{
    if (!std::isfinite(value))
        return "0";
    char buffer[64];
    // to_chars ignores the C locale, which a Qt application sets from the desktop.
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{})
        return "0";
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

}  // namespace trevalo::program
