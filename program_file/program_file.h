#pragma once

// The custom program file that the treadmill reads: 65 bytes, no header,
// little-endian. Weight in pounds (signed 16-bit), weight in kilograms,
// minutes, 20 inclines, 20 speeds in tenths of a mile per hour, 20 speeds in
// tenths of a kilometre per hour, a final 0.

#include "program/program.h"

#include <array>
#include <cstdint>

namespace trevalo::program_file {

inline constexpr std::size_t kFileSize = 65;
using ProgramBytes = std::array<std::uint8_t, kFileSize>;

// The program in both units, as the file holds it. Index 20 of the speed
// arrays exists and stays 0; the file's last byte is file_speed_kph[20].
struct FileBuffers {
    std::int16_t file_weight_lbs = 0;
    std::uint8_t file_weight_kg = 0;
    std::array<std::uint8_t, 21> file_speed_mph{};
    std::array<std::uint8_t, 21> file_speed_kph{};
};

// The conversions SAVE writes, to the nearest whole number in double
// precision, halves to even: speeds in tenths, weights whole.
int mph_to_kph(int tenths);
int kph_to_mph(int tenths);
int lbs_to_kg(int pounds);
int kg_to_lbs(int kilograms);

// Converts the program, edited in its unit, into both units: to the nearest
// whole number in double precision, halves to even (1.2 km/h -> 8 tenths mph).
void fill_buffers(const program::Program& program, FileBuffers& buffers);

// The file's bytes for the program and its filled buffers.
ProgramBytes program_bytes(const program::Program& program, const FileBuffers& buffers);
ProgramBytes program_bytes(const program::Program& program);

}  // namespace trevalo::program_file
