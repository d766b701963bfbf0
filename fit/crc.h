#pragma once

// The CRC-16 that FIT files carry after their header and at their end.

#include <cstdint>
#include <string_view>

namespace trevalo::fit {

// Continues `crc` over `bytes`; start at 0. Run over a block followed by its
// own CRC (low byte first), it gives 0.
std::uint16_t crc16(std::string_view bytes, std::uint16_t crc = 0);

}  // namespace trevalo::fit
