#pragma once

// Garmin's own FIT SDK (`@garmin/fitsdk`, run with Node.js) as the other end
// of every file: what it encodes our reader must read, what our writer
// makes it must decode. Packagers' plain builds have neither: tests skip.

#include "test_support/read_back.h"

#include <filesystem>
#include <string>

namespace trevalo::test_support {

// Empty when the SDK can run, else why not.
inline std::string why_no_sdk()
{
    if (std::string unreachable = missing("true", "a shell"); !unreachable.empty())
        return unreachable;
    if (std::string(TREVALO_NODE).empty() || !std::filesystem::exists(TREVALO_NODE))
        return "Node.js is not installed";
    if (!std::filesystem::exists(TREVALO_SOURCE_DIR "/node_modules/@garmin/fitsdk"))
        return "Garmin's FIT SDK is not in node_modules (npm ci)";
    return {};
}

inline std::string node_script(const char* name)
{
    return "'" TREVALO_NODE "' '" TREVALO_SOURCE_DIR "/test_support/" + std::string(name) + "'";
}

// The bytes of the file a script printed in hex; empty when it printed
// anything else.
inline std::string from_hex(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        if (hex.find_first_not_of("0123456789abcdef", i) < i + 2)
            return {};
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

}  // namespace trevalo::test_support
