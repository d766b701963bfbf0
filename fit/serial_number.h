#pragma once

// Platforms and watches tell FIT files apart by manufacturer, product and
// serial number: each file this tool writes gets a serial number of its own.

#include <cstdint>

namespace trevalo::fit {

// From the clock's nanoseconds and a random source: never 0, which a
// uint32z field reads as "none".
std::uint32_t new_serial_number();

}  // namespace trevalo::fit
