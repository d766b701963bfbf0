// Any bytes as a FIT file: the import the user meets (CRC checked) refuses
// with words or gives a plan or readings; and behind the CRC, the decoder
// and both readers on whatever the messages say, with what each promises
// checked.

#include "fit/decoder.h"
#include "fuzz/fuzz_check.h"
#include "imports/fit_activity_reader.h"
#include "imports/fit_file_reader.h"
#include "imports/fit_workout_reader.h"
#include "plans/plan.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace trevalo;
using fuzz::check;

namespace {

void check_decoded(const fit::Decoded& d)
{
    std::size_t fields = 0;
    for (const fit::Message& m : d.messages) {
        check(m.first_field == fields);
        fields += m.field_count;
        for (const fit::FieldValue& f : d.fields_of(m))
            if (f.kind == fit::FieldValue::Kind::Text)
                check(f.text_size > 0 && f.text_at + f.text_size <= d.text.size());
    }
    check(fields == d.fields.size());
}

void check_plan(const plans::Plan& plan, std::size_t steps_in_file)
{
    check(!plan.steps.empty() && plan.steps.size() <= static_cast<std::size_t>(plans::kMostPlanSteps));
    for (const plans::Step& s : plan.steps)
        check(s.number >= 1 && static_cast<std::size_t>(s.number) <= steps_in_file && s.amount >= 0);
}

// Readings in order within the timer's time, which a note tells.
void check_activity(const imports::ActivityReadings& a)
{
    check(!a.readings.empty() && a.readings.front().start_s >= 0 && std::isfinite(a.total_s) && a.total_s > 0 &&
          a.readings.back().start_s <= a.total_s && !a.notes.empty());
    for (std::size_t i = 1; i < a.readings.size(); ++i)
        check(a.readings[i].start_s > a.readings[i - 1].start_s);
    for (const program::Reading& r : a.readings)
        check(std::isfinite(r.speed_mps) && r.speed_mps >= 0 && std::isfinite(r.incline_pct));
}

std::size_t steps_in(const fit::Decoded& d)
{
    std::size_t steps = 0;
    for (const fit::Message& m : d.messages)
        steps += m.global == 27;
    return steps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<imports::FitContent> imported = imports::read_fit_file(bytes);
    check(imported.ok() == imported.error().empty());

    const Result<fit::Decoded> decoded = fit::decode(bytes, {.check_crc = false});
    if (!decoded) {
        check(!decoded.error().empty() && !imported);
        return 0;
    }
    check_decoded(*decoded);
    if (const Result<plans::Plan> plan = imports::read_fit_workout(*decoded))
        check_plan(*plan, steps_in(*decoded));
    if (const Result<imports::ActivityReadings> activity = imports::read_fit_activity(*decoded))
        check_activity(*activity);
    if (imported) {
        if (const auto* plan = std::get_if<plans::Plan>(&*imported))
            check_plan(*plan, steps_in(*decoded));
        else
            check_activity(std::get<imports::ActivityReadings>(*imported));
    }
    return 0;
}
