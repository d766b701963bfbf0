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

void fill_buffers(const editor::EditState& state, editor::Unit unit, FileBuffers& buffers)
{
    const double weight = state.set_weight;
    if (unit == editor::Unit::MPH) {
        buffers.file_weight_lbs = state.set_weight;
        buffers.file_weight_kg = static_cast<std::uint8_t>(nearest(weight / kLbsPerKg));
    } else {
        buffers.file_weight_lbs = static_cast<std::int16_t>(nearest(weight * kLbsPerKg));
        buffers.file_weight_kg = static_cast<std::uint8_t>(state.set_weight);
    }
    for (int i = 0; i < 20; ++i) {
        const std::uint8_t speed = state.seg_s[i];
        if (unit == editor::Unit::MPH) {
            buffers.file_speed_mph[i] = speed;
            buffers.file_speed_kph[i] = static_cast<std::uint8_t>(nearest(speed * kKmPerMile));
        } else {
            buffers.file_speed_mph[i] = static_cast<std::uint8_t>(nearest(speed / kKmPerMile));
            buffers.file_speed_kph[i] = speed;
        }
    }
}

// Each 21-element array is laid down whole; its last element falls on the
// first byte of the next block, which overwrites it.
ProgramBytes program_bytes(const editor::EditState& state, const FileBuffers& buffers)
{
    ProgramBytes bytes{};
    const auto lbs = static_cast<std::uint16_t>(buffers.file_weight_lbs);
    bytes[0] = static_cast<std::uint8_t>(lbs & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(lbs >> 8);
    bytes[2] = buffers.file_weight_kg;
    bytes[3] = state.set_min;
    std::copy(state.seg_i.begin(), state.seg_i.end(), bytes.begin() + 4);
    std::copy(buffers.file_speed_mph.begin(), buffers.file_speed_mph.end(), bytes.begin() + 24);
    std::copy(buffers.file_speed_kph.begin(), buffers.file_speed_kph.end(), bytes.begin() + 44);
    return bytes;
}

}  // namespace trevalo::program_file
