#include "plans/averaged_steps.h"

#include <algorithm>
#include <cmath>

namespace trevalo::plans {

namespace {

// Overlaps and differences below these are float noise, not a second step
// in the segment.
constexpr double kTouch = 1e-6;
constexpr double kSameSpeed = 1e-9;
constexpr double kSameIncline = 1e-9;

struct Span {
    int first = 0;
    int last = -1;  // none when last < first
};

Span segments_of(const TimedStep& step, double segment_s, int segments)
{
    const double first = std::floor((step.start_s + kTouch) / segment_s);
    const double last = std::ceil((step.end_s() - kTouch) / segment_s) - 1;
    return {static_cast<int>(std::clamp(first, 0.0, segments - 1.0)),
            static_cast<int>(std::clamp(last, -1.0, segments - 1.0))};
}

// What one segment holds, step by step: whether it is still all one speed
// and incline.
struct Content {
    const TimedStep* first = nullptr;
    bool uniform = true;

    void add(const TimedStep& step)
    {
        if (step.ramp())
            uniform = false;
        else if (!first)
            first = &step;
        else if (std::abs(first->speed_mps - step.speed_mps) > kSameSpeed ||
                 std::abs(first->incline_pct - step.incline_pct) > kSameIncline)
            uniform = false;
    }
};

}  // namespace

std::vector<const Step*> averaged_steps(const Plan& plan, const Timeline& timeline, double segment_s,
                                        int segments)
{
    std::vector<Content> contents(static_cast<std::size_t>(segments));
    for (const TimedStep& step : timeline.steps) {
        const Span span = segments_of(step, segment_s, segments);
        for (int k = span.first; k <= span.last; ++k)
            contents[static_cast<std::size_t>(k)].add(step);
    }
    std::vector<const Step*> averaged;
    for (const TimedStep& step : timeline.steps) {
        if (step.duration_s <= kTouch || step.duration_s >= segment_s - kTouch)
            continue;
        const Span span = segments_of(step, segment_s, segments);
        for (int k = span.first; k <= span.last; ++k)
            if (!contents[static_cast<std::size_t>(k)].uniform) {
                averaged.push_back(&plan.steps[step.index]);
                break;
            }
    }
    return averaged;
}

}  // namespace trevalo::plans
