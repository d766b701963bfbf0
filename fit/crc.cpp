#include "fit/crc.h"

#include <array>

namespace trevalo::fit {
namespace {

// The reflected polynomial x^16 + x^15 + x^2 + 1, a byte at a time: a table
// of 256 entries, not the nibble table FIT's own examples use, because the
// decoder runs it over every byte of a day-long activity.
constexpr std::array<std::uint16_t, 256> table = [] {
    std::array<std::uint16_t, 256> t{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        t[byte] = static_cast<std::uint16_t>(crc);
    }
    return t;
}();

}  // namespace

std::uint16_t crc16(std::string_view bytes, std::uint16_t crc)
{
    for (const char c : bytes)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ table[(crc ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

}  // namespace trevalo::fit
