#include "imports/fit_workout_reader.h"

#include "base/translation.h"
#include "fit/file_type.h"
#include "fit/incline_field.h"
#include "fit/profile.h"

#include <cmath>
#include <unordered_map>
#include <vector>

namespace trevalo::imports {
namespace {

using fit::DeveloperField;

namespace profile = fit::profile;
namespace incline_field = fit::incline_field;
namespace ws = profile::workout_step;
using fit::Decoded;
using fit::Message;
using plans::Step;

// Beyond these a file is taken for damaged or hostile, not a workout: both
// bound the memory an expansion takes.
constexpr double longest_workout_s = plans::kLongestPlanSeconds;
constexpr std::size_t most_steps = plans::kMostPlanSteps;
// How long the plan layer runs an open step, and the slowest pace assumed for
// a distance without a speed: only to weigh a workout against the bounds.
constexpr double open_step_s = plans::kOpenStepSeconds;
constexpr double slowest_mps = 1;

std::string step_at(std::size_t position, const Message& message)
{
    return filled(translated("imports", "Step %1 (byte %2)"), position + 1, message.offset);
}

std::string repeat_condition(std::int64_t duration_type)
{
    switch (duration_type) {
    case profile::duration_repeat_until_time: return translated("imports", "until a time");
    case profile::duration_repeat_until_distance: return translated("imports", "until a distance");
    case profile::duration_repeat_until_calories: return translated("imports", "until a count of calories");
    case profile::duration_repeat_until_hr_less_than:
        return translated("imports", "until the heart rate fell below a value");
    case profile::duration_repeat_until_hr_greater_than:
        return translated("imports", "until the heart rate rose above a value");
    case profile::duration_repeat_until_power_less_than:
        return translated("imports", "until the power fell below a value");
    default: return translated("imports", "until the power rose above a value");
    }
}

bool is_repeat(std::int64_t duration_type)
{
    return duration_type >= profile::duration_repeat_until_steps_cmplt &&
           duration_type <= profile::duration_repeat_until_power_greater_than;
}

// The profile makes these fields unsigned; a file that declares them
// signed does not get to shorten a workout with a negative time.
std::optional<std::int64_t> not_negative(std::optional<std::int64_t> value)
{
    return value && *value >= 0 ? value : std::nullopt;
}

class StepReader {
public:
    explicit StepReader(const Decoded& decoded) : d_(decoded), incline_(decoded.developer_field(incline_field::name)) {}

    Step step(const Message& m, std::size_t position) const
    {
        Step s;
        s.name = std::string(d_.text_of(m, ws::wkt_step_name).value_or(""));
        s.number = static_cast<int>(position + 1);
        const auto kind = d_.integer(m, ws::duration_type);
        const auto value = not_negative(d_.integer(m, ws::duration_value));
        const bool timed = kind == profile::duration_time || kind == profile::duration_repetition_time ||
                           kind == profile::duration_time_only;
        if (timed && value) {
            s.length = Step::Length::Time;
            s.amount = static_cast<double>(*value) / 1000;
        } else if (kind == profile::duration_distance && value) {
            s.length = Step::Length::Distance;
            s.amount = static_cast<double>(*value) / 100;
        } else {
            s.length = Step::Length::Open;
        }
        const auto low = not_negative(d_.integer(m, ws::custom_target_value_low));
        const auto high = not_negative(d_.integer(m, ws::custom_target_value_high));
        if (d_.integer(m, ws::target_type) == profile::target_speed && d_.integer(m, ws::target_value).value_or(0) == 0 &&
            (low || high))
            s.speed_mps = static_cast<double>(low.value_or(*high) + high.value_or(*low)) / 2000;
        if (incline_)
            if (const auto incline = d_.developer_value(m, *incline_); incline && std::isfinite(*incline))
                s.incline_pct = *incline;
        return s;
    }

private:
    const Decoded& d_;
    const DeveloperField* incline_;
};

double weight_s(const Step& s)
{
    switch (s.length) {
    case Step::Length::Time: return s.amount;
    case Step::Length::Distance: return s.amount / (s.speed_mps > 0 ? *s.speed_mps : slowest_mps);
    case Step::Length::Open: break;
    }
    return open_step_s;
}

}  // namespace

Result<plans::Plan> read_fit_workout(const fit::Decoded& decoded)
{
    using R = Result<plans::Plan>;
    if (Result<void> kind = fit::expect_file_type(decoded, profile::file_workout); !kind)
        return R::failure(kind.error());

    plans::Plan plan;
    if (const Message* workout = decoded.first(profile::workout::number))
        plan.name = std::string(decoded.text_of(*workout, profile::workout::wkt_name).value_or(""));
    std::vector<const Message*> steps;
    std::unordered_map<std::int64_t, std::size_t> position_of;
    for (const Message& m : decoded.messages) {
        if (m.global != ws::number)
            continue;
        position_of.try_emplace(decoded.integer(m, ws::message_index).value_or(static_cast<std::int64_t>(steps.size())),
                                steps.size());
        steps.push_back(&m);
    }

    const StepReader reader(decoded);
    std::vector<std::size_t> began(steps.size());  // where each step's expansion begins in plan.steps
    std::vector<double> seconds_before{0};         // per expanded step: the weight of those before it
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Message& m = *steps[i];
        began[i] = plan.steps.size();
        const std::int64_t kind = decoded.integer(m, ws::duration_type).value_or(profile::duration_open);
        if (!is_repeat(kind)) {
            plan.steps.push_back(reader.step(m, i));
            seconds_before.push_back(seconds_before.back() + weight_s(plan.steps.back()));
        } else {
            const std::optional<std::int64_t> target = decoded.integer(m, ws::duration_value);
            const auto from = target ? position_of.find(*target) : position_of.end();
            if (from == position_of.end())
                return R::failure(filled(translated("imports", "%1 repeats from message index %2, which no step has."),
                                         step_at(i, m),
                                         target ? std::to_string(*target) : translated("imports", "(none)")));
            if (from->second >= i)
                return R::failure(
                    filled(translated("imports", "%1 repeats from step %2, which does not come before it."),
                           step_at(i, m), from->second + 1));
            const std::size_t first = began[from->second], end = plan.steps.size();
            std::int64_t extra = 0;
            if (kind == profile::duration_repeat_until_steps_cmplt) {
                extra = std::max<std::int64_t>(decoded.integer(m, ws::target_value).value_or(1) - 1, 0);
            } else {
                plan.notes.push_back(
                    from->second + 1 == i
                        ? filled(translated("imports", "Repeat of step %1 %2 was run once."), i, repeat_condition(kind))
                        : filled(translated("imports", "Repeat of steps %1 to %2 %3 was run once."), from->second + 1,
                                 i, repeat_condition(kind)));
            }
            const double block_s = seconds_before[end] - seconds_before[first];
            const auto block_steps = static_cast<double>(end - first);
            if (seconds_before.back() + static_cast<double>(extra) * block_s > longest_workout_s ||
                static_cast<double>(end) + static_cast<double>(extra) * block_steps > most_steps)
                return R::failure(filled(translated("imports", "%1 repeats steps %2 to %3 %4 times: the workout would "
                                                               "run beyond 24 hours or 10,000 steps."),
                                         step_at(i, m), from->second + 1, i, extra + 1));
            // An empty block (a repeat of steps that ran nothing) is not spun
            // through however large its count.
            if (first == end)
                extra = 0;
            plan.steps.reserve(end + static_cast<std::size_t>(extra) * (end - first));
            for (std::int64_t round = 0; round < extra; ++round)
                for (std::size_t k = first; k < end; ++k) {
                    plan.steps.push_back(plan.steps[k]);
                    seconds_before.push_back(seconds_before.back() + weight_s(plan.steps[k]));
                }
        }
        if (seconds_before.back() > longest_workout_s || plan.steps.size() > most_steps)
            return R::failure(
                filled(translated("imports", "%1 takes the workout beyond 24 hours or 10,000 steps."), step_at(i, m)));
    }
    if (plan.steps.empty())
        return R::failure(translated("imports", "The FIT workout holds no steps to run."));
    return plan;
}

}  // namespace trevalo::imports
