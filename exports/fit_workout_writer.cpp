#include "exports/fit_workout_writer.h"

#include "exports/fit_file_id.h"
#include "fit/incline_field.h"
#include "fit/profile.h"
#include "fit/writer.h"
#include "program/catalogue.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trevalo::exports {
namespace {

namespace profile = fit::profile;
namespace incline_field = fit::incline_field;
using fit::BaseType;
using fit::Writer;
constexpr std::size_t longest_name = 15;

struct Run {
    int speed = 0;    // tenths of the unit
    int incline = 0;  // percent
    int segments = 0;
};

std::vector<Run> runs(const program::Program& p)
{
    std::vector<Run> out;
    const auto shown = static_cast<std::size_t>(std::clamp(program::segments_shown(p.settings.model), 0, program::kSegments));
    for (std::size_t i = 0; i < shown; ++i) {
        if (out.empty() || out.back().speed != p.speed[i] || out.back().incline != p.incline[i])
            out.push_back({p.speed[i], p.incline[i], 0});
        ++out.back().segments;
    }
    return out;
}

// Cut at 15 characters, not bytes, so that a name is never cut inside one.
std::string_view shown_name(std::string_view name)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && characters++ == longest_name)
            return name.substr(0, i);
    }
    return name;
}

}  // namespace

std::string step_name(int speed_tenths, int incline_pct, program::Unit unit)
{
    const char* unit_text = unit == program::Unit::MPH ? " mph " : " km/h ";
    return std::to_string(speed_tenths / 10) + "." + std::to_string(speed_tenths % 10) + unit_text +
           std::to_string(incline_pct) + "%";
}

std::string write_fit_workout(const program::Program& p, std::string_view name, const WorkoutFileId& id)
{
    namespace step = profile::workout_step;
    using enum BaseType;
    const std::vector<Run> steps = runs(p);
    const double segment_s = program::segment_seconds(p);
    const double mps_per_tenth = program::metres_per_second_per_unit(p.settings.unit) / 10;

    Writer out;
    out.write(profile::file_id::number, {
        {profile::file_id::type, enum8, profile::file_workout},
        {profile::file_id::manufacturer, uint16, profile::manufacturer_development},
        {profile::file_id::product, uint16, product_trevalo},
        {profile::file_id::serial_number, uint32z, id.serial_number},
        {profile::file_id::time_created, uint32, std::max<std::int64_t>(id.created_utc - profile::epoch_unix, 0)},
    });
    out.declare_developer(incline_field::developer_index, incline_field::application_id);
    out.declare_field({incline_field::developer_index, incline_field::number, incline_field::type,
                       incline_field::name, incline_field::units, incline_field::scale});
    out.write(profile::workout::number, {
        {profile::workout::wkt_name, string, std::nullopt, shown_name(name)},
        {profile::workout::sport, enum8, profile::sport_running},
        {profile::workout::sub_sport, enum8, profile::sub_sport_treadmill},
        {profile::workout::num_valid_steps, uint16, static_cast<std::int64_t>(steps.size())},
        {profile::workout::capabilities, uint32z, profile::capability_speed},
    });
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Run& run = steps[i];
        const auto mm_per_s = std::llround(run.speed * mps_per_tenth * 1000);
        const std::string text = step_name(run.speed, run.incline, p.settings.unit);
        out.write(step::number,
                  {
                      {step::message_index, uint16, static_cast<std::int64_t>(i)},
                      {step::wkt_step_name, string, std::nullopt, text},
                      {step::duration_type, enum8, profile::duration_time},
                      {step::duration_value, uint32, std::llround(run.segments * segment_s * 1000)},
                      {step::target_type, enum8, profile::target_speed},
                      {step::target_value, uint32, 0},
                      {step::custom_target_value_low, uint32, mm_per_s},
                      {step::custom_target_value_high, uint32, mm_per_s},
                      {step::intensity, enum8, profile::intensity_active},
                  },
                  {{incline_field::developer_index, incline_field::number, incline_field::type,
                    run.incline * std::int64_t{incline_field::scale}}});
    }
    return out.finish();
}

}  // namespace trevalo::exports
