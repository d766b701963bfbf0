#include "plans/plan_program.h"

#include "base/translation.h"
#include "plans/averaged_steps.h"
#include "plans/plan_texts.h"
#include "plans/plan_timeline.h"
#include "plans/timeline_readings.h"
#include "program/catalogue.h"
#include "program/resample.h"

namespace trevalo::plans {

namespace {

std::vector<const Step*> marked(const Plan& plan, const Timeline& timeline, bool TimedStep::*mark)
{
    std::vector<const Step*> steps;
    for (const TimedStep& step : timeline.steps)
        if (step.*mark)
            steps.push_back(&plan.steps[step.index]);
    return steps;
}

}  // namespace

Result<Imported> plan_program(const Plan& plan, const program::Settings& settings, int weight)
{
    const Result<Timeline> timeline = lay_out(plan);
    if (!timeline)
        return Result<Imported>::failure(timeline.error());
    const double segment_s = program::segment_seconds(settings.model, timeline->total_s);
    const std::vector<program::Reading> readings = timeline_readings(*timeline, segment_s);
    Result<program::Resampled> resampled = program::resample(readings, timeline->total_s, settings, weight);
    if (!resampled)
        return Result<Imported>::failure(resampled.error());

    Imported imported{resampled->program, plan.notes};
    std::vector<std::string>& notes = imported.notes;
    if (const auto open = marked(plan, *timeline, &TimedStep::open); !open.empty())
        notes.push_back(filled(translated("plans", "These steps end on a button press or a reading rather than a "
                                                   "time or a distance, so each runs for %1 minutes: %2."),
                               number_text(kOpenStepSeconds / 60), label_list(open)));
    if (const auto borrowed = marked(plan, *timeline, &TimedStep::borrowed); !borrowed.empty())
        notes.push_back(filled(translated("plans", "These steps set no speed, so each runs at the speed of the "
                                                   "nearest step before it that sets one (or, at the start, of the "
                                                   "first step that does): %1."),
                               label_list(borrowed)));
    const int segments = program::segments_shown(settings.model);
    if (const auto averaged = averaged_steps(plan, *timeline, segment_s, segments); !averaged.empty())
        notes.push_back(filled(translated("plans", "These steps are shorter than one segment (%1), so the program "
                                                   "runs them averaged with their neighbours: %2."),
                               minutes_text(segment_s), label_list(averaged)));
    for (std::string& paragraph : program::describe(resampled->beyond, settings))
        notes.push_back(std::move(paragraph));
    return imported;
}

}  // namespace trevalo::plans
