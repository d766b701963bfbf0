#pragma once

// Who wrote a FIT file: this tool, as a development manufacturer's product,
// in every file it writes, workout or activity.

#include <cstdint>

namespace trevalo::exports {

constexpr std::int64_t product_trevalo = 1;

}  // namespace trevalo::exports
