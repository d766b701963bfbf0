#pragma once

// Writing a FIT file: each message from one list of (field number, base
// type, value), its definition made from the same list so that the two
// cannot disagree; developer fields declared by their own messages; the
// header and both CRCs on closing.

#include "fit/base_type.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::fit {

enum class ByteOrder : std::uint8_t { Little = 0, Big = 1 };

// A field of a message; left out when it has no value. Numbers are clamped
// to the type's range, never wrapped. A string takes `text` (cut to 254
// bytes at a character boundary, left out when empty); a byte array takes
// `text` as its bytes.
struct Field {
    std::uint8_t number = 0;
    BaseType type = BaseType::uint8;
    std::optional<std::int64_t> value;
    std::string_view text = {};
};

// A value of a developer field that a field_description declared.
struct DeveloperValue {
    std::uint8_t developer_index = 0;
    std::uint8_t number = 0;
    BaseType type = BaseType::uint8;
    std::optional<std::int64_t> value;
};

struct DeveloperFieldDeclaration {
    std::uint8_t developer_index = 0;
    std::uint8_t number = 0;
    BaseType type = BaseType::uint8;
    std::string_view name;
    std::string_view units;
    std::optional<std::uint8_t> scale;  // the value written is the real one times this
};

class Writer {
public:
    explicit Writer(ByteOrder order = ByteOrder::Little) : order_(order) {}

    // Gives the local message type the message went out under.
    std::uint8_t write(std::uint16_t global, std::span<const Field> fields, std::span<const DeveloperValue> developer = {});
    std::uint8_t write(std::uint16_t global, std::initializer_list<Field> fields,
                       std::initializer_list<DeveloperValue> developer = {})
    {
        return write(global, std::span(fields.begin(), fields.size()), std::span(developer.begin(), developer.size()));
    }

    // The developer_data_id and field_description messages that must come
    // before any developer value.
    void declare_developer(std::uint8_t developer_index, const std::array<std::uint8_t, 16>& application_id);
    void declare_field(const DeveloperFieldDeclaration& field);

    // Bytes the writer would never make itself (compressed-timestamp
    // headers, damage), for tests and seed files.
    void append_raw(std::string_view bytes) { data_ += bytes; }

    // The whole file: header, messages, CRC.
    std::string finish(std::uint16_t profile_version = 2100) const;

private:
    std::uint8_t local_type_for(std::string layout, bool developer);
    void put(std::string& out, std::uint64_t value, int size) const;

    ByteOrder order_;
    std::vector<std::string> layouts_;
    std::string data_;
};

}  // namespace trevalo::fit
