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

void fill_buffers(const editor::EditState& state, editor::Unit unit, FileBuffers& buffers)
{
    if (unit == editor::Unit::MPH) {
        buffers.file_weight_lbs = state.set_weight;
        buffers.file_weight_kg = static_cast<std::uint8_t>(lbs_to_kg(state.set_weight));
    } else {
        buffers.file_weight_lbs = static_cast<std::int16_t>(kg_to_lbs(state.set_weight));
        buffers.file_weight_kg = static_cast<std::uint8_t>(state.set_weight);
    }
    for (int i = 0; i < 20; ++i) {
        const std::uint8_t speed = state.seg_s[i];
        if (unit == editor::Unit::MPH) {
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
