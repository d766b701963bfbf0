#include "program_file/program_reader.h"

#include "base/translation.h"
#include "program/decimal_text.h"
#include "program_file/program_file.h"

#include <algorithm>

namespace trevalo::program_file {

namespace {

using program::Mode;
using program::Model;
using program::Unit;

Result<program::Program> refuse(const std::string& what)
{
    return Result<program::Program>::failure(
        filled(translated("program_file", "%1\n\nThe program may have been made for another model, unit or mode."),
               what));
}

Result<program::Program> refuse_shape(std::string what) { return Result<program::Program>::failure(std::move(what)); }

}  // namespace

std::string size_refusal(std::uint64_t size)
{
    return filled(translated("program_file",
                             "The file holds %1 bytes; a program file holds 65. It may be a record file or no "
                             "treadmill file."),
                  size);
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
        return refuse_shape(filled(
            translated("program_file", "The file's last byte is %1; a program file ends in 0. It may be no treadmill file."),
            bytes.back()));

    // Both units as SAVE writes them: either may be the one edited in.
    const int lbs = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    const int kg = bytes[2];
    if (kg != lbs_to_kg(lbs) && lbs != kg_to_lbs(kg))
        return refuse_shape(filled(
            translated("program_file", "The weight of %1 LBS and of %2 KG disagree: the file is damaged."), lbs, kg));
    for (int i = 0; i < 20; ++i) {
        const int mph = bytes[static_cast<std::size_t>(24 + i)], kph = bytes[static_cast<std::size_t>(44 + i)];
        if (kph != mph_to_kph(mph) && mph != kph_to_mph(kph))
            return refuse_shape(filled(
                translated("program_file", "Segment %1: %2 MPH and %3 KPH disagree: the file is damaged."), i + 1,
                program::tenths_text(mph), program::tenths_text(kph)));
    }

    const std::string model(program::model_name(s.model));
    const std::string mode = program::mode_text(s.mode);
    program::Program p = program::default_program(s);
    for (int i = 0; i < program::segments_shown(s.model); ++i) {
        const int speed = bytes[static_cast<std::size_t>((s.unit == Unit::MPH ? 24 : 44) + i)];
        const int incline = bytes[static_cast<std::size_t>(4 + i)];
        if (!program::position_of(program::speeds(s.model, s.unit, s.mode).values, speed))
            return refuse(filled(s.unit == Unit::MPH
                                     ? translated("program_file", "Segment %1: %2 MPH is not offered by the %3 in %4 mode.")
                                     : translated("program_file", "Segment %1: %2 KPH is not offered by the %3 in %4 mode."),
                                 i + 1, program::tenths_text(speed), model, mode));
        if (!program::position_of(program::inclines(s.mode).values, incline))
            return refuse(filled(
                translated("program_file", "Segment %1: an incline of %2 % is not offered by the %3 in %4 mode."),
                i + 1, incline, model, mode));
        p.speed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(speed);
        p.incline[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(incline);
    }
    if (!program::position_of(program::times(s.model, s.mode).values, bytes[3]))
        return refuse(filled(
            translated("program_file", "A workout time of %1 minutes is not offered by the %2 in %3 mode."),
            bytes[3], model, mode));
    const int weight = s.unit == Unit::MPH ? lbs : kg;
    if (!program::position_of(program::weights(s.model, s.unit).values, weight))
        return refuse(filled(s.unit == Unit::MPH
                                 ? translated("program_file", "A weight of %1 LBS is not offered by the %2 in %3 mode.")
                                 : translated("program_file", "A weight of %1 KG is not offered by the %2 in %3 mode."),
                             weight, model, mode));
    p.minutes = bytes[3];
    p.weight = weight;
    return p;
}

}  // namespace trevalo::program_file
