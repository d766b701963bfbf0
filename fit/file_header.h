#pragma once

// The header that opens every FIT file: its own size (12 bytes, or 14 with a
// CRC of its own), the protocol and profile versions, the size of the
// messages that follow and ".FIT".

#include "base/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace trevalo::fit {

struct FileHeader {
    std::uint8_t size = 14;
    std::uint8_t protocol_version = 0x20;  // 2.0: developer fields
    std::uint16_t profile_version = 2100;
    std::uint32_t data_size = 0;
};

// The 14 bytes of `header`, its CRC included.
std::string header_bytes(const FileHeader& header);

// The header at byte `at` of `file` (a chain holds several FIT files one
// after the other), checked against the bytes that follow it and its CRC
// when it carries one (0 stands for none). Refusals name bytes of `file`.
Result<FileHeader> read_header(std::string_view file, std::size_t at = 0);

}  // namespace trevalo::fit
