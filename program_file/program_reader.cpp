#include "program_file/program_reader.h"

#include "program/decimal_text.h"
#include "program_file/program_file.h"

#include <algorithm>

namespace trevalo::program_file {

namespace {

using program::Mode;
using program::Model;
using program::Unit;

std::string settings_text(const program::Settings& s)
{
    return "the " + std::string(program::model_name(s.model)) + " in " + std::string(program::mode_name(s.mode)) +
           " mode";
}

Result<program::Program> refuse(std::string what)
{
    return Result<program::Program>::failure(what +
                                             "\n\nThe program may have been made for another model, unit or mode.");
}

Result<program::Program> refuse_shape(std::string what) { return Result<program::Program>::failure(std::move(what)); }

}  // namespace

std::string size_refusal(std::uint64_t size)
{
    return "The file holds " + std::to_string(size) +
           " bytes; a program file holds 65. It may be a record file or no treadmill file.";
}

bool has_program_shape(std::span<const std::uint8_t> bytes)
{
    return bytes.size() == kFileSize && bytes.back() == 0;
}

Result<program::Program> read_program(std::span<const std::uint8_t> bytes, const program::Settings& s)
{
    if (bytes.size() != kFileSize)
        return refuse_shape(size_refusal(bytes.size()));
    if (bytes.back() != 0)
        return refuse_shape("The file's last byte is " + std::to_string(bytes.back()) +
                            "; a program file ends in 0. It may be no treadmill file.");

    // Both units as SAVE writes them: either may be the one edited in.
    const int lbs = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    const int kg = bytes[2];
    if (kg != lbs_to_kg(lbs) && lbs != kg_to_lbs(kg))
        return refuse_shape("The weight of " + std::to_string(lbs) + " LBS and of " + std::to_string(kg) +
                            " KG disagree: the file is damaged.");
    for (int i = 0; i < 20; ++i) {
        const int mph = bytes[static_cast<std::size_t>(24 + i)], kph = bytes[static_cast<std::size_t>(44 + i)];
        if (kph != mph_to_kph(mph) && mph != kph_to_mph(kph))
            return refuse_shape("Segment " + std::to_string(i + 1) + ": " + program::tenths_text(mph) + " MPH and " +
                                program::tenths_text(kph) + " KPH disagree: the file is damaged.");
    }

    const std::string settings = settings_text(s);
    const char* unit_name = s.unit == Unit::MPH ? "MPH" : "KPH";
    program::Program p = program::default_program(s);
    for (int i = 0; i < program::segments_shown(s.model); ++i) {
        const int speed = bytes[static_cast<std::size_t>((s.unit == Unit::MPH ? 24 : 44) + i)];
        const int incline = bytes[static_cast<std::size_t>(4 + i)];
        if (!program::position_of(program::speeds(s.model, s.unit, s.mode).values, speed))
            return refuse("Segment " + std::to_string(i + 1) + ": " + program::tenths_text(speed) + " " + unit_name +
                          " is not offered by " + settings + ".");
        if (!program::position_of(program::inclines(s.mode).values, incline))
            return refuse("Segment " + std::to_string(i + 1) + ": an incline of " + std::to_string(incline) +
                          " % is not offered by " + settings + ".");
        p.speed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(speed);
        p.incline[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(incline);
    }
    if (!program::position_of(program::times(s.model, s.mode).values, bytes[3]))
        return refuse("A workout time of " + std::to_string(bytes[3]) + " minutes is not offered by " + settings +
                      ".");
    const int weight = s.unit == Unit::MPH ? lbs : kg;
    if (!program::position_of(program::weights(s.model, s.unit).values, weight))
        return refuse("A weight of " + std::to_string(weight) + (s.unit == Unit::MPH ? " LBS" : " KG") +
                      " is not offered by " + settings + ".");
    p.minutes = bytes[3];
    p.weight = weight;
    return p;
}

}  // namespace trevalo::program_file
