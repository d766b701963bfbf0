#include "fit/crc.h"
#include "fit/tests/reads_as.h"
#include "fit/tests/workout_files.h"

#include <gtest/gtest.h>

namespace trevalo::fit {
namespace {

const std::vector<testing::StepRow> one_step = {{profile::duration_time, 60'000, profile::target_speed, 0, 2500, 2500, 20}};
const std::string file = testing::workout_file(one_step);
const std::string end = std::to_string(file.size() - 2);  // where the CRC, or a tail before it, begins

std::string with_tail(std::string_view tail) { return testing::workout_file(one_step, {.tail = tail}); }

// `bytes` with the file's CRC made to fit them again.
std::string recrc(std::string bytes)
{
    bytes.resize(bytes.size() - 2);
    const std::uint16_t crc = crc16(bytes);
    return bytes + static_cast<char>(crc & 0xFF) + static_cast<char>(crc >> 8);
}

std::string flip(std::string bytes, std::size_t at)
{
    bytes[at] ^= 0x10;
    return bytes;
}

// A 12-byte header, or a 14-byte one without its CRC, holds the same file;
// a damaged one is refused, saying what is wrong and at which byte.
TEST(FitDecoder, ReadsEveryHeaderAndSaysWhatIsDamagedAndWhere)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string said;  // '*' for any text
    } rows[] = {
        {"a 12-byte header", recrc("\x0C" + file.substr(1, 11) + file.substr(14)), "1T60@2.5/2"},
        {"a header CRC of 0", recrc(file.substr(0, 12) + std::string(2, '\0') + file.substr(14)), "1T60@2.5/2"},
        {"a bit flipped in a message", flip(file, 30), "The file's CRC is 0x*(byte " + end + ")."},
        {"a bit flipped in the CRC", flip(file, file.size() - 1), "The file's CRC is 0x*(byte " + end + ")."},
        {"no .FIT", flip(file, 9), "Not a FIT file: no \".FIT\" at byte 8."},
        {"a header's CRC", flip(file, 12), "The FIT header's CRC is 0x*(byte 12)."},
        {"shorter than a header", "\x0E\x20", "Not a FIT file: it is 2 bytes long"},
        {"a header of 13 bytes", "\x0D" + file.substr(1), "not 12 or 14 (byte 0)"},
        {"cut short", file.substr(0, file.size() - 5), "cut short*(byte " + std::to_string(file.size() - 5) + ")"},
        {"a later protocol", flip(file, 1), "protocol version 3.0"},
        {"an undefined local type", with_tail("\x07"), "local message type 7, which no definition*(byte " + end + ")."},
        {"a definition cut short", with_tail({"\x41\x00\x00\x14\x00\x05\x06\x02", 8}),
         "A definition message runs past the end of the messages (byte " + end + ")."},
        {"developer fields cut short", with_tail({"\x61\x00\x00\x14\x00\x00", 6}), "definition message runs past the end"},
        {"architecture 2", with_tail({"\x41\x00\x02\x14\x00\x00", 6}), "gives architecture 2*(byte " + end + ")."},
        {"a data message cut short", with_tail({"\x41\x00\x00\x14\x00\x01\x05\x04\x86\x01\x00\x00", 12}),
         "A data message runs past the end of the messages (byte " + std::to_string(std::stoi(end) + 9) + ")."},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(testing::reads_as(row.bytes, row.said)) << row.name;
}

}  // namespace
}  // namespace trevalo::fit
