#include "fit/serial_number.h"

#include <chrono>
#include <random>

namespace trevalo::fit {

std::uint32_t new_serial_number()
{
    // The clock alone repeats for files written in the same tick, the
    // random source alone may be a fixed sequence on some platforms.
    const auto ticks = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::random_device random;
    const std::uint32_t serial = static_cast<std::uint32_t>(ticks ^ ticks >> 32) ^ random();
    return serial == 0 ? 1 : serial;
}

}  // namespace trevalo::fit
