#include "program/resample.h"

#include "base/translation.h"
#include "program/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace trevalo::program {

namespace {

double finite_or_zero(double value) { return std::isfinite(value) ? value : 0.0; }

// The time-weighted means of speed and incline over each of `count` equal
// spans of [0, total): the area under each reading, which holds from its
// start until the next one's. Time before the first reading takes the first.
struct Means {
    std::vector<double> speed_mps, incline_pct;
};

Means means(std::span<const Reading> readings, double total_s, int count)
{
    Means m{std::vector<double>(static_cast<std::size_t>(count)), std::vector<double>(static_cast<std::size_t>(count))};
    const double span = total_s / count;
    double from = 0;
    for (std::size_t j = 0; j < readings.size(); ++j) {
        // Starts out of order or beyond the end hold for no time.
        const double to = j + 1 < readings.size() ? std::clamp(finite_or_zero(readings[j + 1].start_s), from, total_s)
                                                  : total_s;
        if (to <= from)
            continue;
        const double speed = finite_or_zero(readings[j].speed_mps);
        const double incline = finite_or_zero(readings[j].incline_pct);
        for (int k = std::min(static_cast<int>(from / span), count - 1); k < count; ++k) {
            const double overlap = std::min(to, (k + 1) * span) - std::max(from, k * span);
            if (overlap > 0) {
                m.speed_mps[static_cast<std::size_t>(k)] += speed * overlap;
                m.incline_pct[static_cast<std::size_t>(k)] += incline * overlap;
            }
            if ((k + 1) * span >= to)
                break;
        }
        from = to;
    }
    for (int k = 0; k < count; ++k) {
        m.speed_mps[static_cast<std::size_t>(k)] /= span;
        m.incline_pct[static_cast<std::size_t>(k)] /= span;
    }
    return m;
}

}  // namespace

Result<Resampled> resample(std::span<const Reading> readings, double total_s, const Settings& settings,
                           double weight)
{
    if (readings.empty())
        return Result<Resampled>::failure(translated("program", "The workout holds no readings."));
    if (!(total_s > 0) || !std::isfinite(total_s))
        return Result<Resampled>::failure(translated("program", "The workout has no length."));

    Resampled r{default_program(settings), {}};
    const int count = segments_shown(settings.model);
    const Means m = means(readings, total_s, count);
    const double per_unit = metres_per_second_per_unit(settings.unit);
    const Offered speed_list = speeds(settings.model, settings.unit, settings.mode);
    const Offered incline_list = inclines(settings.mode);
    for (int k = 0; k < count; ++k) {
        const double speed = m.speed_mps[static_cast<std::size_t>(k)] / per_unit;
        const Nearest s = nearest(speed_list.values, speed * 10);
        r.program.speed[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(s.value);
        if (s.beyond)
            r.beyond.push_back({Beyond::What::Speed, k, speed, s.value});
        const double incline = m.incline_pct[static_cast<std::size_t>(k)];
        const Nearest n = nearest(incline_list.values, incline);
        r.program.incline[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(n.value);
        if (n.beyond)
            r.beyond.push_back({Beyond::What::Incline, k, incline, n.value});
    }
    const Nearest t = nearest(times(settings.model, settings.mode).values, total_s / 60);
    r.program.minutes = t.value;
    if (t.beyond)
        r.beyond.push_back({Beyond::What::Time, -1, total_s / 60, t.value});
    const Nearest w = nearest(weights(settings.model, settings.unit).values, weight);
    r.program.weight = w.value;
    if (w.beyond)
        r.beyond.push_back({Beyond::What::Weight, -1, weight, w.value});
    return r;
}

namespace {

std::string segment_list(const std::vector<int>& segments)
{
    std::string numbers = std::to_string(segments.front() + 1);
    for (std::size_t i = 1; i < segments.size(); ++i)
        numbers = filled(i + 1 == segments.size() ? translated("program", "%1 and %2") : translated("program", "%1, %2"),
                         numbers, segments[i] + 1);
    return filled(segments.size() == 1 ? translated("program", "Segment %1") : translated("program", "Segments %1"),
                  numbers);
}

// Segments set to the same end, with the farthest the workout went.
struct Group {
    std::vector<int> segments;
    double farthest = 0;
};

std::vector<std::string> describe_segments(const std::vector<Beyond>& beyond, Beyond::What what, const Settings& s)
{
    std::map<int, Group> by_taken;
    for (const Beyond& b : beyond) {
        if (b.what != what)
            continue;
        Group& g = by_taken[b.taken];
        const bool higher = what == Beyond::What::Speed ? b.wanted * 10 > b.taken : b.wanted > b.taken;
        if (g.segments.empty() || (higher ? b.wanted > g.farthest : b.wanted < g.farthest))
            g.farthest = b.wanted;
        g.segments.push_back(b.segment);
    }
    std::vector<std::string> paragraphs;
    const bool speed = what == Beyond::What::Speed;
    std::string unit = " ";
    unit += speed ? unit_name(s.unit) : "%";
    for (const auto& [taken, g] : by_taken) {
        const double end = speed ? taken / 10.0 : taken;
        const bool higher = g.farthest > end;
        const char* sentence =
            speed ? (higher ? TREVALO_NOOP("program", "%1: set to %2, the highest speed the %3 offers in %4 mode "
                                                      "(the workout ran up to %5).")
                            : TREVALO_NOOP("program", "%1: set to %2, the lowest speed the %3 offers in %4 mode "
                                                      "(the workout ran down to %5)."))
                  : (higher ? TREVALO_NOOP("program", "%1: set to %2, the highest incline the %3 offers in %4 mode "
                                                      "(the workout climbed up to %5).")
                            : TREVALO_NOOP("program", "%1: set to %2, the lowest incline the %3 offers in %4 mode "
                                                      "(the workout climbed down to %5)."));
        paragraphs.push_back(filled(translated("program", sentence), segment_list(g.segments),
                                    decimal_text(end, 1) + unit, model_name(s.model), mode_text(s.mode),
                                    decimal_text(g.farthest, 1) + unit));
    }
    return paragraphs;
}

}  // namespace

std::vector<std::string> describe(const std::vector<Beyond>& beyond, const Settings& settings)
{
    std::vector<std::string> paragraphs = describe_segments(beyond, Beyond::What::Speed, settings);
    for (std::string& p : describe_segments(beyond, Beyond::What::Incline, settings))
        paragraphs.push_back(std::move(p));
    for (const Beyond& b : beyond) {
        const bool higher = b.wanted > b.taken;
        if (b.what == Beyond::What::Time)
            paragraphs.push_back(filled(higher ? translated("program", "The workout lasts %1 minutes: the time is set "
                                                                       "to %2, the longest the %3 offers in %4 mode.")
                                               : translated("program", "The workout lasts %1 minutes: the time is set "
                                                                       "to %2, the shortest the %3 offers in %4 mode."),
                                        decimal_text(b.wanted, 1), b.taken, model_name(settings.model),
                                        mode_text(settings.mode)));
        else if (b.what == Beyond::What::Weight) {
            const std::string unit = settings.unit == Unit::MPH ? " LBS" : " KG";
            paragraphs.push_back(filled(higher ? translated("program", "The weight of %1 is set to %2, the highest the "
                                                                       "%3 offers.")
                                               : translated("program", "The weight of %1 is set to %2, the lowest the "
                                                                       "%3 offers."),
                                        decimal_text(b.wanted, 0) + unit, std::to_string(b.taken) + unit,
                                        model_name(settings.model)));
        }
    }
    return paragraphs;
}

}  // namespace trevalo::program
