#pragma once

// Numbers as text for the user: a point as decimal separator whatever the
// desktop's regional settings, no trailing zeros, "0" before the point.

#include <string>

namespace trevalo::program {

// A speed in tenths as its item text: 5 -> "0.5", 10 -> "1", 138 -> "13.8".
std::string tenths_text(int tenths);

// `value` to at most `decimals` places: (3.70, 2) -> "3.7", (12.0, 1) -> "12".
std::string decimal_text(double value, int decimals);

}  // namespace trevalo::program
