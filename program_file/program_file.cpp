#include "program_file/program_file.h"

#include <algorithm>
#include <cmath>

namespace trevalo::program_file {

namespace {

constexpr double kKmPerMile = 1.6;
constexpr double kLbsPerKg = 2.2;

// std::nearbyint rounds in the current mode, which is to nearest, ties to even.
double nearest(double x) { return std::nearbyint(x); }

}  // namespace

int mph_to_kph(int tenths) { return static_cast<int>(nearest(tenths * kKmPerMile)); }
int kph_to_mph(int tenths) { return static_cast<int>(nearest(tenths / kKmPerMile)); }
int lbs_to_kg(int pounds) { return static_cast<int>(nearest(pounds / kLbsPerKg)); }
int kg_to_lbs(int kilograms) { return static_cast<int>(nearest(kilograms * kLbsPerKg)); }

void fill_buffers(const program::Program& program, FileBuffers& buffers)
{
    const bool mph = program.settings.unit == program::Unit::MPH;
    const auto weight = static_cast<std::int16_t>(program.weight);
    if (mph) {
        buffers.file_weight_lbs = weight;
        buffers.file_weight_kg = static_cast<std::uint8_t>(lbs_to_kg(weight));
    } else {
        buffers.file_weight_lbs = static_cast<std::int16_t>(kg_to_lbs(weight));
        buffers.file_weight_kg = static_cast<std::uint8_t>(weight);
    }
    for (std::size_t i = 0; i < program::kSegments; ++i) {
        const std::uint8_t speed = program.speed[i];
        if (mph) {
            buffers.file_speed_mph[i] = speed;
            buffers.file_speed_kph[i] = static_cast<std::uint8_t>(mph_to_kph(speed));
        } else {
            buffers.file_speed_mph[i] = static_cast<std::uint8_t>(kph_to_mph(speed));
            buffers.file_speed_kph[i] = speed;
        }
    }
}

// Each 21-element array is laid down whole; its last element falls on the
// first byte of the next block, which overwrites it.
ProgramBytes program_bytes(const program::Program& program, const FileBuffers& buffers)
{
    ProgramBytes bytes{};
    const auto lbs = static_cast<std::uint16_t>(buffers.file_weight_lbs);
    bytes[0] = static_cast<std::uint8_t>(lbs & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(lbs >> 8);
    bytes[2] = buffers.file_weight_kg;
    bytes[3] = static_cast<std::uint8_t>(program.minutes);
    std::copy(program.incline.begin(), program.incline.end(), bytes.begin() + 4);
    std::copy(buffers.file_speed_mph.begin(), buffers.file_speed_mph.end(), bytes.begin() + 24);
    std::copy(buffers.file_speed_kph.begin(), buffers.file_speed_kph.end(), bytes.begin() + 44);
    return bytes;
}

ProgramBytes program_bytes(const program::Program& program)
{
    FileBuffers buffers;
    fill_buffers(program, buffers);
    return program_bytes(program, buffers);
}

}  // namespace trevalo::program_file
