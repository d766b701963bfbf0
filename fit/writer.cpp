#include "fit/writer.h"

#include "fit/crc.h"
#include "fit/file_header.h"
#include "fit/profile.h"

#include <algorithm>

namespace trevalo::fit {
namespace {

constexpr std::size_t local_message_types = 16;
constexpr std::size_t longest_text = 254;  // and its NUL: a field's size is one byte

// The text cut to what a field holds, never inside a UTF-8 character.
std::string_view fitting(std::string_view text)
{
    if (text.size() <= longest_text)
        return text;
    std::size_t size = longest_text;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    return text.substr(0, size);
}

// The bytes a field takes in a data message; 0 leaves it out.
std::size_t field_size(const Field& field)
{
    if (field.type == BaseType::string)
        return field.text.empty() ? 0 : fitting(field.text).size() + 1;
    if (field.type == BaseType::byte && !field.text.empty())
        return std::min<std::size_t>(field.text.size(), 255);
    return field.value ? static_cast<std::size_t>(info(field.type).size) : 0;
}

}  // namespace

void Writer::put(std::string& out, std::uint64_t value, int size) const
{
    for (int i = 0; i < size; ++i) {
        const int shift = order_ == ByteOrder::Little ? i : size - 1 - i;
        out.push_back(static_cast<char>(value >> (8 * shift) & 0xFF));
    }
}

std::uint8_t Writer::write(std::uint16_t global, std::span<const Field> fields, std::span<const DeveloperValue> developer)
{
    // The definition without its record header: what tells one layout from
    // another.
    std::string layout = {0, static_cast<char>(order_)};
    put(layout, global, 2);
    layout.push_back(0);
    for (const Field& field : fields) {
        if (const std::size_t size = field_size(field)) {
            layout += {static_cast<char>(field.number), static_cast<char>(size), static_cast<char>(field.type)};
            ++layout[4];
        }
    }
    const std::size_t developer_count_at = layout.size();
    if (!developer.empty())
        layout.push_back(0);
    for (const DeveloperValue& value : developer) {
        if (value.value) {
            layout += {static_cast<char>(value.number), static_cast<char>(info(value.type).size),
                       static_cast<char>(value.developer_index)};
            ++layout[developer_count_at];
        }
    }

    const std::uint8_t local = local_type_for(std::move(layout), !developer.empty());
    data_.push_back(static_cast<char>(local));
    const auto put_value = [&](BaseType type, std::int64_t value) {
        const ValueRange range = writable_range(type);
        put(data_, static_cast<std::uint64_t>(std::clamp(value, range.min, range.max)), info(type).size);
    };
    for (const Field& field : fields) {
        const std::size_t size = field_size(field);
        if (size == 0)
            continue;
        if (field.type == BaseType::string) {
            data_ += fitting(field.text);
            data_.push_back('\0');
        } else if (field.type == BaseType::byte && !field.text.empty()) {
            data_ += field.text.substr(0, size);
        } else {
            put_value(field.type, *field.value);
        }
    }
    for (const DeveloperValue& value : developer)
        if (value.value)
            put_value(value.type, *value.value);
    return local;
}

void Writer::declare_developer(std::uint8_t developer_index, const std::array<std::uint8_t, 16>& application_id)
{
    namespace id = profile::developer_data_id;
    const std::string_view bytes(reinterpret_cast<const char*>(application_id.data()), application_id.size());
    write(id::number, {
        {id::application_id, BaseType::byte, std::nullopt, bytes},
        {id::developer_data_index, BaseType::uint8, developer_index},
    });
}

void Writer::declare_field(const DeveloperFieldDeclaration& field)
{
    namespace fd = profile::field_description;
    write(fd::number, {
        {fd::developer_data_index, BaseType::uint8, field.developer_index},
        {fd::field_definition_number, BaseType::uint8, field.number},
        {fd::fit_base_type_id, BaseType::uint8, static_cast<std::uint8_t>(field.type)},
        {fd::field_name, BaseType::string, std::nullopt, field.name},
        {fd::scale, BaseType::uint8, field.scale},
        {fd::units, BaseType::string, std::nullopt, field.units},
    });
}

std::uint8_t Writer::local_type_for(std::string layout, bool developer)
{
    // Messages of several layouts alternate freely (records with and without
    // a pulse); keeping each under its own local type defines each once, not
    // at every change. Past the 16 local types the last one is defined anew.
    auto local = static_cast<std::size_t>(std::find(layouts_.begin(), layouts_.end(), layout) - layouts_.begin());
    if (local < layouts_.size())
        return static_cast<std::uint8_t>(local);
    if (layouts_.size() == local_message_types)
        layouts_.pop_back();
    local = layouts_.size();
    layouts_.push_back(std::move(layout));
    data_.push_back(static_cast<char>(0x40 | (developer ? 0x20 : 0) | local));
    data_ += layouts_[local];
    return static_cast<std::uint8_t>(local);
}

std::string Writer::finish(std::uint16_t profile_version) const
{
    FileHeader header;
    header.profile_version = profile_version;
    header.data_size = static_cast<std::uint32_t>(data_.size());
    std::string file = header_bytes(header);
    file.reserve(file.size() + data_.size() + 2);
    file += data_;
    const std::uint16_t crc = crc16(file);
    file.push_back(static_cast<char>(crc & 0xFF));
    file.push_back(static_cast<char>(crc >> 8));
    return file;
}

}  // namespace trevalo::fit
