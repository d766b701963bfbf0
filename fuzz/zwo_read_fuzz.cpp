// Any bytes given as a ZWO file: refused with words, or read into a plan
// at a fixed threshold pace and imported under one of the settings, where
// the import is refused with words or gives a program the settings offer.

#include "fuzz/fuzz_check.h"
#include "imports/zwo_plan.h"
#include "imports/zwo_reader.h"
#include "plans/plan_program.h"
#include "program/program.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace trevalo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<imports::ZwoWorkout> read = imports::read_zwo(bytes);
    check(read.ok() != !read.error().empty());
    if (!read)
        return 0;
    check(!read->segments.empty());
    const plans::Plan plan = imports::zwo_plan(*read, 300);
    check(!plan.steps.empty() && plan.steps.size() <= static_cast<std::size_t>(plans::kMostPlanSteps));
    // A hill session runs every step at the one pace given.
    if (imports::is_hill_session(*read))
        for (const plans::Step& step : plan.steps)
            check(step.speed_mps == 1000.0 / 300 && !step.end_speed_mps);
    // The size picks the settings, so that the corpus visits all of them.
    const program::Settings& settings = program::kAllSettings[size % program::kAllSettings.size()];
    const Result<plans::Imported> imported = plans::plan_program(plan, settings, 70);
    check(imported.ok() != !imported.error().empty());
    if (!imported)
        return 0;
    check(imported->program.settings == settings && program::is_offered(imported->program));
    for (const std::string& note : imported->notes)
        check(!note.empty());
    return 0;
}
