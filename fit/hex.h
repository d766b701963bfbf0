#pragma once

// Values in messages for the user, as FIT's tools show them: CRCs in hex.

#include <cstdint>
#include <string>

namespace trevalo::fit {

inline std::string hex(std::uint16_t value)
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::string out = "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(digits[value >> shift & 0xF]);
    return out;
}

}  // namespace trevalo::fit
