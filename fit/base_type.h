#pragma once

// FIT's base types: how many bytes a value takes, whether it is signed, and
// the value that stands for "no data".

#include <cstdint>
#include <optional>

namespace trevalo::fit {

// The numbers as definitions carry them (bit 7: a multi-byte type).
enum class BaseType : std::uint8_t {
    enum8 = 0x00,
    sint8 = 0x01,
    uint8 = 0x02,
    sint16 = 0x83,
    uint16 = 0x84,
    sint32 = 0x85,
    uint32 = 0x86,
    string = 0x07,
    float32 = 0x88,
    float64 = 0x89,
    uint8z = 0x0A,
    uint16z = 0x8B,
    uint32z = 0x8C,
    byte = 0x0D,
    sint64 = 0x8E,
    uint64 = 0x8F,
    uint64z = 0x90,
};

struct BaseTypeInfo {
    BaseType type;
    int size;             // bytes of one value
    bool is_signed;
    bool is_float;
    std::uint64_t invalid;  // the raw bits of "no data"
};

// What the type's number says, bit 7 ignored: writers are not all careful
// with it. None for a number FIT does not define.
std::optional<BaseTypeInfo> base_type_info(std::uint8_t number);

inline BaseTypeInfo info(BaseType type) { return *base_type_info(static_cast<std::uint8_t>(type)); }

// The range a value written as `type` may take, its invalid value left
// outside, so that a clamped value is never read back as missing.
struct ValueRange {
    std::int64_t min;
    std::int64_t max;
};
ValueRange writable_range(BaseType type);

}  // namespace trevalo::fit
