#pragma once

// What kind of FIT file a decoded one is, by its file_id message, and words
// for every kind, for the user who brought the wrong one.

#include "base/result.h"
#include "fit/decoded.h"
#include "fit/profile.h"

#include <cstdint>
#include <string>

namespace trevalo::fit {

// The type its file_id gives; refused when it has none.
Result<std::int64_t> file_type(const Decoded& decoded);

// What a file of the type holds, to follow "This FIT file holds": "a
// course", "sleep data", "data of a kind this tool does not know (FIT file
// type 99)".
std::string describe_file_type(std::int64_t type);

// Refused, saying what the file holds instead, unless it is of type `wanted`.
Result<void> expect_file_type(const Decoded& decoded, profile::FileType wanted);

}  // namespace trevalo::fit
