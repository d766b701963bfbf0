#pragma once

// Where in a file a problem lies, as the user reads it: "byte 403,454".
// Offsets of big files are long numbers; grouped by thousands they can be
// read out and compared.

#include <cstdint>
#include <string>

#include "base/translation.h"

namespace trevalo::fit {

inline std::string byte_text(std::uint64_t offset)
{
    std::string digits = std::to_string(offset);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return filled(translated("fit", "byte %1"), digits);
}

}  // namespace trevalo::fit
