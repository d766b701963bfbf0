#include "fit/decoder.h"

#include "fit/base_type.h"
#include "fit/crc.h"
#include "fit/byte_text.h"
#include "fit/profile.h"

#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>

namespace trevalo::fit {
namespace {

struct FieldLayout {
    std::uint8_t number;
    std::uint8_t size;
    std::uint8_t base_type;        // for developer fields: looked up when a message is read
    std::uint8_t developer_index;  // kProfileField for the profile's fields
};

struct Definition {
    bool defined = false;
    bool big_endian = false;
    std::uint16_t global = 0;
    std::uint32_t data_size = 0;
    std::vector<FieldLayout> fields;
};

// What a reader makes of messages that do not hold together: the file was
// changed or broken after its writer made it. `what` is marked for
// translation in the "fit" context.
std::string damaged(const char* what, std::size_t offset)
{
    return filled(translated("fit", "The file is damaged: %1 (%2)."), translated("fit", what), byte_text(offset));
}

std::uint64_t raw_value(const unsigned char* bytes, int size, bool big_endian)
{
    std::uint64_t value = 0;
    if (big_endian) {
        for (int i = 0; i < size; ++i)
            value = value << 8 | bytes[i];
    } else {
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | bytes[i];
    }
    return value;
}

class MessageReader {
public:
    MessageReader(std::string_view file, Decoded& out) : file_(file), out_(out) {}

    Result<bool> read_all(std::size_t begin, std::size_t end)
    {
        // Every message takes at least a byte, every field too: bounded by
        // the file, and saves growing the arrays step by step.
        out_.messages.reserve(out_.messages.size() + (end - begin) / 16);
        out_.fields.reserve(out_.fields.size() + (end - begin) / 4);
        std::size_t at = begin;
        while (at < end) {
            const auto header = static_cast<std::uint8_t>(file_[at]);
            Result<std::size_t> next = (header & 0x80)  ? compressed(at, end, header)
                                       : (header & 0x40) ? definition(at, end, header)
                                                         : data(at, end, header & 0x0F, std::nullopt);
            if (!next)
                return Result<bool>::failure(next.error());
            at = *next;
        }
        return true;
    }

private:
    Result<std::size_t> definition(std::size_t at, std::size_t end, std::uint8_t header)
    {
        using R = Result<std::size_t>;
        const auto past_end = [&] { return R::failure(damaged(TREVALO_NOOP("fit", "a definition message runs past the end of the messages"), at)); };
        if (end - at < 6)
            return past_end();
        Definition d;
        const auto architecture = static_cast<std::uint8_t>(file_[at + 2]);
        if (architecture > 1)
            return R::failure(filled(
                damaged(TREVALO_NOOP("fit", "a definition message gives architecture %1; only 0 (little-endian) and "
                                            "1 (big-endian) exist"),
                        at),
                architecture));
        d.big_endian = architecture == 1;
        d.global = static_cast<std::uint16_t>(raw_value(bytes(at + 3), 2, d.big_endian));
        std::size_t count = static_cast<std::uint8_t>(file_[at + 5]);
        std::size_t next = at + 6;
        const bool developer = header & 0x20;
        for (int part = 0; part < (developer ? 2 : 1); ++part) {
            if (part == 1) {
                if (next >= end)
                    return past_end();
                count = static_cast<std::uint8_t>(file_[next++]);
            }
            if (end - next < 3 * count)
                return past_end();
            for (std::size_t i = 0; i < count; ++i, next += 3) {
                const unsigned char* f = bytes(next);
                // A developer field names its developer where a profile field
                // has its type; one of developer 0xFF can never be declared.
                if (part == 0)
                    d.fields.push_back({f[0], f[1], f[2], kProfileField});
                else if (f[2] == kProfileField)
                    d.fields.push_back({f[0], f[1], no_type, kProfileField});
                else
                    d.fields.push_back({f[0], f[1], 0, f[2]});
                d.data_size += f[1];
            }
        }
        d.defined = true;
        locals_[header & 0x0F] = std::move(d);
        return next;
    }

    Result<std::size_t> compressed(std::size_t at, std::size_t end, std::uint8_t header)
    {
        // Five bits of seconds on top of the last full timestamp, rolling
        // over every 32 s.
        const std::uint32_t offset = header & 0x1F;
        std::uint32_t time = (last_timestamp_ & ~0x1Fu) + offset;
        if (offset < (last_timestamp_ & 0x1F))
            time += 0x20;
        return data(at, end, (header >> 5) & 0x03, time);
    }

    Result<std::size_t> data(std::size_t at, std::size_t end, unsigned local, std::optional<std::uint32_t> time)
    {
        using R = Result<std::size_t>;
        const Definition& d = locals_[local];
        if (!d.defined)
            return R::failure(filled(damaged(TREVALO_NOOP("fit", "a data message uses local message type %1, which no "
                                                                "definition before it declares"),
                                             at),
                                     local));
        if (end - at - 1 < d.data_size)
            return R::failure(damaged(TREVALO_NOOP("fit", "a data message runs past the end of the messages"), at));
        Message message{d.global, static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(out_.fields.size()), 0};
        std::size_t next = at + 1;
        for (const FieldLayout& field : d.fields) {
            const std::uint8_t type = field.developer_index == kProfileField ? field.base_type
                                                                             : developer_type(field);
            if (type != no_type && read_field(field, type, bytes(next), d.big_endian))
                ++message.field_count;
            next += field.size;
        }
        if (time) {
            last_timestamp_ = *time;
            FieldValue stamp;
            stamp.number = profile::timestamp_field;
            stamp.integer = *time;
            out_.fields.push_back(stamp);
            ++message.field_count;
        }
        out_.messages.push_back(message);
        if (message.global == profile::field_description::number)
            declare(message);
        return next;
    }

    // Appends the field's value to the output; false when it holds none.
    bool read_field(const FieldLayout& layout, std::uint8_t type_number, const unsigned char* at, bool big_endian)
    {
        const std::optional<BaseTypeInfo> type = base_type_info(type_number);
        if (!type || layout.size == 0 || layout.size % type->size != 0)
            return false;
        FieldValue value;
        value.number = layout.number;
        value.developer_index = layout.developer_index;
        if (type->type == BaseType::string) {
            const auto* nul = static_cast<const unsigned char*>(std::memchr(at, 0, layout.size));
            value.text_size = static_cast<std::uint32_t>(nul ? nul - at : layout.size);
            if (value.text_size == 0)
                return false;
            value.kind = FieldValue::Kind::Text;
            value.text_at = out_.text.size();
            out_.text.append(reinterpret_cast<const char*>(at), value.text_size);
            out_.fields.push_back(value);
            return true;
        }
        // A byte array of a few bytes is one value packed bit by bit from its
        // first byte up (the record's compressed speed and distance); it
        // holds no data only when every byte is 0xFF.
        const bool packed = type->type == BaseType::byte && layout.size > 1 && layout.size <= 8;
        const std::uint64_t raw = packed ? raw_value(at, layout.size, false) : raw_value(at, type->size, big_endian);
        if (packed ? raw == (~0ULL >> (64 - 8 * layout.size)) : raw == type->invalid)
            return false;
        if (type->is_float) {
            value.kind = FieldValue::Kind::Real;
            value.real = type->size == 4 ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(raw)))
                                         : std::bit_cast<double>(raw);
        } else if (type->is_signed) {
            const int unused = 64 - 8 * type->size;
            value.integer = static_cast<std::int64_t>(raw << unused) >> unused;
        } else {
            constexpr auto most = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
            value.integer = static_cast<std::int64_t>(raw > most ? most : raw);
        }
        if (layout.number == profile::timestamp_field && layout.developer_index == kProfileField &&
            type->type == BaseType::uint32)
            last_timestamp_ = static_cast<std::uint32_t>(raw);
        out_.fields.push_back(value);
        return true;
    }

    std::uint8_t developer_type(const FieldLayout& field) const
    {
        const auto found = declared_.find(key(field.developer_index, field.number));
        return found == declared_.end() ? no_type : out_.developer_fields[found->second].base_type;
    }

    // A field_description read: later developer fields of its developer
    // and number are read as it says.
    void declare(const Message& message)
    {
        namespace fd = profile::field_description;
        const auto index = out_.integer(message, fd::developer_data_index);
        const auto number = out_.integer(message, fd::field_definition_number);
        const auto type = out_.integer(message, fd::fit_base_type_id);
        if (!index || !number || !type || !base_type_info(static_cast<std::uint8_t>(*type)) || *index > 0xFE ||
            *number > 0xFF || *type > 0xFF)
            return;
        DeveloperField field;
        field.developer_index = static_cast<std::uint8_t>(*index);
        field.number = static_cast<std::uint8_t>(*number);
        field.base_type = static_cast<std::uint8_t>(*type);
        field.name = out_.text_of(message, fd::field_name).value_or("");
        field.units = out_.text_of(message, fd::units).value_or("");
        if (const auto scale = out_.integer(message, fd::scale); scale && *scale > 0)
            field.scale = static_cast<double>(*scale);
        field.offset = static_cast<double>(out_.integer(message, fd::offset).value_or(0));
        const auto [place, added] = declared_.try_emplace(key(field.developer_index, field.number),
                                                          out_.developer_fields.size());
        if (added)
            out_.developer_fields.push_back(std::move(field));
        else
            out_.developer_fields[place->second] = std::move(field);
    }

    static std::uint16_t key(std::uint8_t index, std::uint8_t number)
    {
        return static_cast<std::uint16_t>(index << 8 | number);
    }

    const unsigned char* bytes(std::size_t at) const { return reinterpret_cast<const unsigned char*>(file_.data() + at); }

    static constexpr std::uint8_t no_type = 0xFF;
    std::string_view file_;
    Decoded& out_;
    std::array<Definition, 16> locals_;
    std::unordered_map<std::uint16_t, std::size_t> declared_;
    std::uint32_t last_timestamp_ = 0;
};

}  // namespace

Result<Decoded> decode(std::string_view file, DecodeOptions options)
{
    using R = Result<Decoded>;
    Decoded decoded;
    // A chain: FIT files one after the other, each with its own header and
    // CRC; all of them are one recording, and a damaged one spoils it.
    for (std::size_t start = 0; start == 0 || start < file.size();) {
        Result<FileHeader> header = read_header(file, start);
        if (!header && start > 0 && (file.size() - start < 12 || file.substr(start + 8, 4) != ".FIT"))
            return R::failure(filled(
                damaged(TREVALO_NOOP("fit", "after its FIT data come %1 bytes that are not FIT data"), start),
                file.size() - start));
        if (!header)
            return R::failure(header.error());
        const std::size_t end = start + header->size + header->data_size;
        if (options.check_crc) {
            const auto stored = static_cast<std::uint16_t>(static_cast<unsigned char>(file[end]) |
                                                           static_cast<unsigned char>(file[end + 1]) << 8);
            if (stored != crc16(file.substr(start, end - start)))
                return R::failure(damaged(TREVALO_NOOP("fit", "its check sum does not match"), end));
        }
        if (start == 0)
            decoded.header = *header;
        MessageReader reader(file, decoded);
        if (Result<bool> read = reader.read_all(start + header->size, end); !read)
            return R::failure(read.error());
        start = end + 2;
    }
    return decoded;
}

}  // namespace trevalo::fit
