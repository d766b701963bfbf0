#include "program_file/program_reader.h"

#include "editor/number_text.h"
#include "program_file/program_file.h"

#include <algorithm>

namespace trevalo::program_file {

namespace {

using editor::ItemList;
using editor::Mode;
using editor::Model;
using editor::Unit;

// The position of the item that reads as `value`, if the list offers it.
template <typename Read>
std::optional<int> position_of(const ItemList& items, int value, Read read)
{
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const std::string& item) { return read(item) == value; });
    if (found == items.end())
        return std::nullopt;
    return static_cast<int>(found - items.begin());
}

std::string settings_text(Model model, Mode mode)
{
    return "the " + std::string(editor::kModelNames[static_cast<std::size_t>(model)]) + " in " +
           (mode == Mode::General ? "General" : "Silver") + " mode";
}

ProgramRead refuse(std::string what)
{
    return {std::nullopt, what + "\n\nThe program may have been made for another model, unit or mode."};
}

ProgramRead refuse_shape(std::string what) { return {std::nullopt, std::move(what)}; }

}  // namespace

void choose_program(editor::EditModel& model, const ProgramItems& items)
{
    for (int i = 0; i < editor::segments_shown(model.model()); ++i) {
        model.select({editor::Ctl::Combo_s, i}, items.speed[static_cast<std::size_t>(i)]);
        model.select({editor::Ctl::Combo_i, i}, items.incline[static_cast<std::size_t>(i)]);
    }
    model.select({editor::Ctl::Combo_min}, items.time);
    model.select({editor::Ctl::Combo_weight}, items.weight);
}

std::string size_refusal(std::uint64_t size)
{
    return "The file holds " + std::to_string(size) +
           " bytes; a program file holds 65. It may be a record file or no treadmill file.";
}

bool has_program_shape(std::span<const std::uint8_t> bytes)
{
    return bytes.size() == kFileSize && bytes.back() == 0;
}

ProgramRead read_program(std::span<const std::uint8_t> bytes, Model model, Unit unit, Mode mode)
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
            return refuse_shape("Segment " + std::to_string(i + 1) + ": " + editor::tenths_text(mph) + " MPH and " +
                                editor::tenths_text(kph) + " KPH disagree: the file is damaged.");
    }

    const auto whole = [](const std::string& item) { return editor::whole_from_text(item); };
    const auto tenths = [](const std::string& item) { return editor::tenths_from_text(item); };
    const std::string settings = settings_text(model, mode);
    const char* unit_name = unit == Unit::MPH ? "MPH" : "KPH";
    ProgramItems items;
    for (int i = 0; i < editor::segments_shown(model); ++i) {
        const int speed = bytes[static_cast<std::size_t>((unit == Unit::MPH ? 24 : 44) + i)];
        const int incline = bytes[static_cast<std::size_t>(4 + i)];
        const auto s = position_of(editor::speed_items(model, unit, mode), speed, tenths);
        if (!s)
            return refuse("Segment " + std::to_string(i + 1) + ": " + editor::tenths_text(speed) + " " + unit_name +
                          " is not offered by " + settings + ".");
        const auto n = position_of(editor::incline_items(mode), incline, whole);
        if (!n)
            return refuse("Segment " + std::to_string(i + 1) + ": an incline of " + std::to_string(incline) +
                          " % is not offered by " + settings + ".");
        items.speed[static_cast<std::size_t>(i)] = *s;
        items.incline[static_cast<std::size_t>(i)] = *n;
    }
    const auto time = position_of(*editor::time_items(model, mode).items, bytes[3], whole);
    if (!time)
        return refuse("A workout time of " + std::to_string(bytes[3]) + " minutes is not offered by " + settings +
                      ".");
    const int weight_value = unit == Unit::MPH ? lbs : kg;
    const auto weight = position_of(*editor::weight_items(model, unit).items, weight_value, whole);
    if (!weight)
        return refuse("A weight of " + std::to_string(weight_value) + (unit == Unit::MPH ? " LBS" : " KG") +
                      " is not offered by " + settings + ".");
    items.time = *time;
    items.weight = *weight;
    return {items, {}};
}

}  // namespace trevalo::program_file
