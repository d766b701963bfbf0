#pragma once

// A FIT file as the decoder gives it: every data message in file order with
// its global number and the fields it holds, by number. Kept flat (one
// array of messages, one of fields, one of text) so that a day of records
// costs three allocations, not one per message.

#include "fit/file_header.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::fit {

inline constexpr std::uint8_t kProfileField = 0xFF;  // developer_index of a field the profile defines

// One field of one message. A value that is the base type's "no data", or
// that could not be read (a size that does not fit its type), leaves the
// field out; of an array only the first element is kept, but for a byte
// array of up to 8 bytes, kept whole as one number (its first byte lowest).
struct FieldValue {
    enum class Kind : std::uint8_t { Integer, Real, Text };
    std::uint8_t number = 0;
    std::uint8_t developer_index = kProfileField;
    Kind kind = Kind::Integer;
    std::uint32_t text_size = 0;
    union {
        std::int64_t integer = 0;
        double real;
        std::uint64_t text_at;  // into Decoded::text
    };
};

struct Message {
    std::uint16_t global = 0;
    std::uint32_t offset = 0;  // of its record header in the file, for messages to the user
    std::uint32_t first_field = 0;
    std::uint32_t field_count = 0;
};

// What a field_description message declared about a developer field.
struct DeveloperField {
    std::uint8_t developer_index = 0;
    std::uint8_t number = 0;
    std::uint8_t base_type = 0;
    std::string name;
    std::string units;
    double scale = 1;
    double offset = 0;
};

struct Decoded {
    FileHeader header;  // of the first file of a chain
    std::vector<Message> messages;
    std::vector<FieldValue> fields;
    std::string text;
    std::vector<DeveloperField> developer_fields;  // in the order declared

    std::span<const FieldValue> fields_of(const Message& message) const;

    // A field the profile defines, by number: a whole number (a real one
    // rounded), or text. None when the message does not hold it.
    std::optional<std::int64_t> integer(const Message& message, std::uint8_t number) const;
    // The same of one field, for a reader that takes a message's fields in
    // one pass.
    static std::optional<std::int64_t> integer(const FieldValue& field);
    std::optional<std::string_view> text_of(const Message& message, std::uint8_t number) const;

    // The developer field declared with this name, if any (the last one).
    const DeveloperField* developer_field(std::string_view name) const;
    // Its value in `message` with the declared scale and offset applied.
    std::optional<double> developer_value(const Message& message, const DeveloperField& field) const;

    // The first message of a global number, if any.
    const Message* first(std::uint16_t global) const;
};

}  // namespace trevalo::fit
