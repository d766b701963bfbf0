#include "fit/decoded.h"

#include <algorithm>
#include <cmath>

namespace trevalo::fit {
namespace {

const FieldValue* find(std::span<const FieldValue> fields, std::uint8_t developer_index, std::uint8_t number)
{
    for (const FieldValue& field : fields)
        if (field.number == number && field.developer_index == developer_index)
            return &field;
    return nullptr;
}

}  // namespace

std::span<const FieldValue> Decoded::fields_of(const Message& message) const
{
    return std::span(fields).subspan(message.first_field, message.field_count);
}

std::optional<std::int64_t> Decoded::integer(const Message& message, std::uint8_t number) const
{
    const FieldValue* field = find(fields_of(message), kProfileField, number);
    return field ? integer(*field) : std::nullopt;
}

std::optional<std::int64_t> Decoded::integer(const FieldValue& field)
{
    if (field.kind == FieldValue::Kind::Text)
        return std::nullopt;
    if (field.kind == FieldValue::Kind::Integer)
        return field.integer;
    // Beyond this no field of the profile goes; it keeps the cast defined.
    if (!(std::fabs(field.real) < 0x1p62))
        return std::nullopt;
    return std::llround(field.real);
}

std::optional<std::string_view> Decoded::text_of(const Message& message, std::uint8_t number) const
{
    const FieldValue* field = find(fields_of(message), kProfileField, number);
    if (!field || field->kind != FieldValue::Kind::Text)
        return std::nullopt;
    return std::string_view(text).substr(field->text_at, field->text_size);
}

const DeveloperField* Decoded::developer_field(std::string_view name) const
{
    const auto found = std::find_if(developer_fields.rbegin(), developer_fields.rend(),
                                    [&](const DeveloperField& field) { return field.name == name; });
    return found == developer_fields.rend() ? nullptr : &*found;
}

std::optional<double> Decoded::developer_value(const Message& message, const DeveloperField& declared) const
{
    const FieldValue* field = find(fields_of(message), declared.developer_index, declared.number);
    if (!field || field->kind == FieldValue::Kind::Text)
        return std::nullopt;
    const double raw = field->kind == FieldValue::Kind::Integer ? static_cast<double>(field->integer) : field->real;
    return raw / declared.scale - declared.offset;
}

const Message* Decoded::first(std::uint16_t global) const
{
    const auto found = std::find_if(messages.begin(), messages.end(),
                                    [&](const Message& message) { return message.global == global; });
    return found == messages.end() ? nullptr : &*found;
}

}  // namespace trevalo::fit
