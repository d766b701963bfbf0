#include "fit/base_type.h"

#include <array>
#include <limits>

namespace trevalo::fit {
namespace {

constexpr std::uint64_t all_ones(int bytes) { return bytes == 8 ? ~0ULL : (1ULL << (8 * bytes)) - 1; }
constexpr std::uint64_t signed_max(int bytes) { return all_ones(bytes) >> 1; }

// Indexed by the type's number without bit 7.
constexpr std::array<BaseTypeInfo, 17> types{{
    {BaseType::enum8, 1, false, false, 0xFF},
    {BaseType::sint8, 1, true, false, signed_max(1)},
    {BaseType::uint8, 1, false, false, all_ones(1)},
    {BaseType::sint16, 2, true, false, signed_max(2)},
    {BaseType::uint16, 2, false, false, all_ones(2)},
    {BaseType::sint32, 4, true, false, signed_max(4)},
    {BaseType::uint32, 4, false, false, all_ones(4)},
    {BaseType::string, 1, false, false, 0},
    {BaseType::float32, 4, true, true, all_ones(4)},
    {BaseType::float64, 8, true, true, all_ones(8)},
    {BaseType::uint8z, 1, false, false, 0},
    {BaseType::uint16z, 2, false, false, 0},
    {BaseType::uint32z, 4, false, false, 0},
    {BaseType::byte, 1, false, false, 0xFF},
    {BaseType::sint64, 8, true, false, signed_max(8)},
    {BaseType::uint64, 8, false, false, all_ones(8)},
    {BaseType::uint64z, 8, false, false, 0},
}};

}  // namespace

std::optional<BaseTypeInfo> base_type_info(std::uint8_t number)
{
    const unsigned index = number & 0x1F;
    if (index >= types.size())
        return std::nullopt;
    return types[index];
}

ValueRange writable_range(BaseType type)
{
    const BaseTypeInfo t = info(type);
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    if (t.is_signed) {
        const auto max = static_cast<std::int64_t>(signed_max(t.size));
        return {-max - 1, max - 1};
    }
    const std::int64_t max = t.size == 8 ? most : static_cast<std::int64_t>(all_ones(t.size));
    if (t.invalid == 0)
        return {1, max};
    return {0, max - 1};
}

}  // namespace trevalo::fit
