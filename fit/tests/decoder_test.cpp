#include "fit/crc.h"
#include "fit/decoder.h"
#include "fit/fit_workout_reader.h"
#include "fit/tests/workout_files.h"

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::fit {
namespace {

const std::vector<testing::StepRow> one_step = {{profile::duration_time, 60'000, profile::target_speed, 0, 2500, 2500, 20}};

// The test workout with `raw` after its messages, the CRC made to fit.
std::string with_raw(std::string_view raw)
{
    std::string file = testing::workout_file(one_step);
    file.resize(file.size() - 2);
    file += raw;
    const auto data_size = static_cast<std::uint32_t>(file.size() - 14);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<char>(data_size >> (8 * i) & 0xFF);
    const std::uint16_t header_crc = crc16(file.substr(0, 12));
    file[12] = static_cast<char>(header_crc & 0xFF);
    file[13] = static_cast<char>(header_crc >> 8);
    const std::uint16_t crc = crc16(file);
    return file + static_cast<char>(crc & 0xFF) + static_cast<char>(crc >> 8);
}

// Where with_raw's bytes begin.
const std::string raw_at = std::to_string(testing::workout_file(one_step).size() - 2);

std::string flip(std::string file, std::size_t at)
{
    file[at] ^= 0x10;
    return file;
}

TEST(FitDecoder, SaysWhatIsDamagedAndWhere)
{
    const std::string file = testing::workout_file(one_step);
    const std::string crc_at = std::to_string(file.size() - 2);
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> said;
    } rows[] = {
        {"a bit flipped in a message", flip(file, 30), {"The file's CRC is 0x", "(byte " + crc_at + ")."}},
        {"a bit flipped in the CRC", flip(file, file.size() - 1), {"The file's CRC is 0x", "(byte " + crc_at + ")."}},
        {"no .FIT", flip(file, 9), {"Not a FIT file: no \".FIT\" at byte 8."}},
        {"a header's CRC", flip(file, 12), {"The FIT header's CRC is 0x", "(byte 12)."}},
        {"shorter than a header", "\x0E\x20", {"Not a FIT file: it is 2 bytes long"}},
        {"a header of 13 bytes", std::string("\x0D") + file.substr(1), {"not 12 or 14 (byte 0)"}},
        {"cut short", file.substr(0, file.size() - 5), {"cut short", "(byte " + std::to_string(file.size() - 5) + ")"}},
        {"a later protocol", flip(file, 1), {"protocol version 3.0"}},
        {"an undefined local type", with_raw("\x07"), {"local message type 7, which no definition", "(byte " + raw_at + ")."}},
        {"a definition cut short", with_raw({"\x41\x00\x00\x14\x00\x05\x06\x02", 8}),
         {"A definition message runs past the end of the messages (byte " + raw_at + ")."}},
        {"developer fields cut short", with_raw({"\x61\x00\x00\x14\x00\x00", 6}), {"definition message runs past the end"}},
        {"architecture 2", with_raw({"\x41\x00\x02\x14\x00\x00", 6}), {"gives architecture 2", "(byte " + raw_at + ")."}},
        {"a data message cut short", with_raw({"\x41\x00\x00\x14\x00\x01\x05\x04\x86\x01\x00\x00", 12}),
         {"A data message runs past the end of the messages (byte " + std::to_string(std::stoi(raw_at) + 9) + ")."}},
    };
    for (const auto& row : rows) {
        const Result<Decoded> decoded = decode(row.bytes);
        ASSERT_FALSE(decoded) << row.name;
        for (const std::string& part : row.said)
            EXPECT_NE(decoded.error().find(part), std::string::npos) << row.name << ": " << decoded.error();
    }
}

// A 12-byte header, or a 14-byte one without its CRC, holds the same file.
TEST(FitDecoder, ReadsEveryHeader)
{
    const std::string file = testing::workout_file(one_step);
    const auto recrc = [](std::string bytes) {
        const std::uint16_t crc = crc16(bytes.substr(0, bytes.size() - 2));
        bytes[bytes.size() - 2] = static_cast<char>(crc & 0xFF);
        bytes[bytes.size() - 1] = static_cast<char>(crc >> 8);
        return bytes;
    };
    const std::string variants[] = {
        file,
        recrc(std::string("\x0C") + file.substr(1, 11) + file.substr(14)),
        recrc(file.substr(0, 12) + std::string(2, '\0') + file.substr(14)),
    };
    for (const std::string& variant : variants) {
        const Result<Decoded> decoded = decode(variant);
        ASSERT_TRUE(decoded) << decoded.error();
        const Result<plans::Plan> plan = read_fit_workout(*decoded);
        ASSERT_TRUE(plan) << plan.error();
        EXPECT_EQ(testing::text(*plan), "1T60@2.5/2") << static_cast<int>(variant[0]);
    }
}

}  // namespace
}  // namespace trevalo::fit
