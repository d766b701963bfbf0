#pragma once

// Reading a FIT file: the header, definition and data messages (normal and
// compressed-timestamp record headers, either byte order), developer fields
// as their field_description messages declare them, and both CRCs. Unknown
// messages and fields are kept as numbers for the readers to pass over; a
// field of a developer no field_description declares is skipped.

#include "base/result.h"
#include "fit/decoded.h"

#include <string_view>

namespace trevalo::fit {

struct DecodeOptions {
    // Off only where damaged bytes are wanted: the fuzzer, which would else
    // rarely get past the CRC.
    bool check_crc = true;
};

// Every FIT file of a chain in `file`, their messages one list in file
// order. Refused with what is wrong and the byte offset where: a damaged
// part, or bytes after a part that are no FIT file, spoil the whole.
Result<Decoded> decode(std::string_view file, DecodeOptions options = {});

}  // namespace trevalo::fit
