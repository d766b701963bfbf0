#include "fit/file_header.h"

#include "fit/crc.h"
#include "fit/byte_text.h"

namespace trevalo::fit {
namespace {

std::uint32_t little_endian(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

void put(std::string& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

}  // namespace

std::string header_bytes(const FileHeader& header)
{
    std::string out;
    out.push_back(14);
    out.push_back(static_cast<char>(header.protocol_version));
    put(out, header.profile_version, 2);
    put(out, header.data_size, 4);
    out += ".FIT";
    put(out, crc16(out), 2);
    return out;
}

Result<FileHeader> read_header(std::string_view whole, std::size_t at)
{
    using R = Result<FileHeader>;
    const std::string_view file = whole.substr(at);
    const auto byte = [at](std::size_t offset) { return byte_text(at + offset); };
    if (file.size() < 12)
        return R::failure(filled(
            translated("fit", "This is not a FIT file: it is %1 bytes long, shorter than any FIT file's header."),
            file.size()));
    if (file.substr(8, 4) != ".FIT")
        return R::failure(
            filled(translated("fit", "This is not a FIT file: it does not begin as one (no \".FIT\" at %1)."), byte(8)));
    FileHeader header;
    header.size = static_cast<std::uint8_t>(file[0]);
    if (header.size != 12 && header.size != 14)
        return R::failure(
            filled(translated("fit", "This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2)."),
                   header.size, byte(0)));
    header.protocol_version = static_cast<std::uint8_t>(file[1]);
    // A later major version may change the layout of the messages.
    if (header.protocol_version >> 4 > 2)
        return R::failure(filled(translated("fit", "This FIT file is of a newer kind than this tool reads: protocol "
                                                   "version %1.%2, where it reads up to 2 (%3)."),
                                 header.protocol_version >> 4, header.protocol_version & 0xF, byte(1)));
    header.profile_version = static_cast<std::uint16_t>(little_endian(file, 2, 2));
    header.data_size = little_endian(file, 4, 4);
    if (header.size == 14 && file.size() < 14)
        return R::failure(
            filled(translated("fit", "The file is cut short: it ends inside its header (%1)."), byte(file.size())));
    if (header.size == 14) {
        const auto stored = static_cast<std::uint16_t>(little_endian(file, 12, 2));
        if (stored != 0 && stored != crc16(file.substr(0, 12)))
            return R::failure(
                filled(translated("fit", "The file is damaged: its header's check sum does not match (%1)."), byte(12)));
    }
    const std::uint64_t needed = std::uint64_t{header.size} + header.data_size + 2;
    if (file.size() < needed)
        return R::failure(filled(translated("fit", "The file is cut short: it ends %1 bytes before the end its header "
                                                   "announces (%2)."),
                                 needed - file.size(), byte(file.size())));
    return header;
}

}  // namespace trevalo::fit
