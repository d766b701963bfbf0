#pragma once

// Texts of list items and captions, and reading them back. The point is the
// decimal separator whatever the desktop's regional settings: the values are
// the treadmill's, not the user's locale's.

#include <optional>
#include <string>
#include <string_view>

namespace trevalo::editor {

// A speed in tenths as its item text: 5 -> "0.5", 10 -> "1", 138 -> "13.8".
std::string tenths_text(int tenths);

// An item text read back as tenths, rounded half to even: "13.8" -> 138.
// Empty for a text that is not a plain decimal number.
std::optional<int> tenths_from_text(std::string_view text);

// An item text read back as a whole number, rounded half to even.
std::optional<int> whole_from_text(std::string_view text);

}  // namespace trevalo::editor
