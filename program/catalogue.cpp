#include "program/catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trevalo::program {

namespace {

// A speed list: an optional first value off the step, a run in steps of half
// a unit, an optional last value off the step. All in tenths; 0 means "none".
struct SpeedRow {
    int first;
    int run_from;
    int run_to;
    int last;
};

// Indexed [unit][mode][model]. In "Silver" every model but "QM-20" gets the
// "QM-5" list; "R300" never runs in "Silver", the entry is there for safety.
constexpr SpeedRow kSpeedRows[2][2][3] = {
    // MPH
    {{{2, 5, 150, 0}, {0, 5, 135, 138}, {0, 5, 120, 0}},   // General
     {{2, 5, 75, 0}, {0, 5, 65, 69}, {0, 5, 65, 69}}},     // Silver
    // KPH
    {{{3, 5, 240, 0}, {8, 10, 220, 0}, {8, 10, 200, 0}},   // General
     {{3, 5, 120, 0}, {8, 10, 110, 0}, {8, 10, 110, 0}}},  // Silver
};

// Runs come from whole tenths, never from adding 0.5 repeatedly.
std::vector<int> speed_values(const SpeedRow& row)
{
    std::vector<int> values;
    if (row.first)
        values.push_back(row.first);
    for (int tenths = row.run_from; tenths <= row.run_to; tenths += 5)
        values.push_back(tenths);
    if (row.last)
        values.push_back(row.last);
    return values;
}

std::vector<int> whole_values(int from, int to)
{
    std::vector<int> values;
    for (int n = from; n <= to; ++n)
        values.push_back(n);
    return values;
}

int ix(auto setting) { return static_cast<int>(setting); }

// Two distances closer than this are a tie: values converted between units
// in double precision land a hair off an exact half.
constexpr double kTie = 1e-9;

}  // namespace

int segments_shown(Model model) { return model == Model::R300 ? 16 : 20; }

Offered speeds(Model model, Unit unit, Mode mode)
{
    static const auto lists = [] {
        std::array<std::vector<int>, 12> all;
        for (int u = 0; u < 2; ++u)
            for (int md = 0; md < 2; ++md)
                for (int m = 0; m < 3; ++m)
                    all[static_cast<std::size_t>((u * 2 + md) * 3 + m)] = speed_values(kSpeedRows[u][md][m]);
        return all;
    }();
    return {lists[static_cast<std::size_t>((ix(unit) * 2 + ix(mode)) * 3 + ix(model))], 0};
}

Offered inclines(Mode mode)
{
    static const std::vector<int> general = whole_values(0, 15);
    static const std::vector<int> silver = whole_values(0, 6);
    return {mode == Mode::General ? general : silver, 0};
}

Offered times(Model model, Mode mode)
{
    static const std::vector<int> r300 = whole_values(5, 99);
    static const std::vector<int> qm = whole_values(20, 99);
    static const std::vector<int> silver = whole_values(12, 99);
    if (mode == Mode::Silver)
        return {silver, 18};
    if (model == Model::R300)
        return {r300, 27};
    return {qm, 10};
}

Offered weights(Model model, Unit unit)
{
    static const std::vector<int> lbs_r300 = whole_values(70, 400);
    static const std::vector<int> lbs_qm = whole_values(70, 450);
    static const std::vector<int> kg_r300 = whole_values(30, 180);
    static const std::vector<int> kg_qm = whole_values(30, 200);
    const bool r300 = model == Model::R300;
    if (unit == Unit::MPH)
        return {r300 ? lbs_r300 : lbs_qm, 84};
    return {r300 ? kg_r300 : kg_qm, 40};
}

std::optional<int> position_of(std::span<const int> offered, int value)
{
    const auto found = std::lower_bound(offered.begin(), offered.end(), value);
    if (found == offered.end() || *found != value)
        return std::nullopt;
    return static_cast<int>(found - offered.begin());
}

Nearest nearest(std::span<const int> offered, double wanted)
{
    const int last = static_cast<int>(offered.size()) - 1;
    const auto at = [&](int i, bool beyond) { return Nearest{i, offered[static_cast<std::size_t>(i)], beyond}; };
    // Beyond an end means farther out than half the step at that end: what
    // plain rounding to the list's own step would not have kept inside it.
    const double front_gap = last > 0 ? offered[1] - offered[0] : 0;
    const double back_gap = last > 0 ? offered[static_cast<std::size_t>(last)] - offered[static_cast<std::size_t>(last - 1)] : 0;
    if (std::isnan(wanted))
        return at(0, true);
    if (wanted <= offered.front())
        return at(0, offered.front() - wanted > kTie && offered.front() - wanted >= front_gap / 2 - kTie);
    if (wanted >= offered.back())
        return at(last, wanted - offered.back() > back_gap / 2 + kTie);
    const auto above = std::lower_bound(offered.begin(), offered.end(), wanted - kTie,
                                        [](int value, double w) { return value < w; });
    const int hi = static_cast<int>(above - offered.begin());
    const int lo = std::max(hi - 1, 0);
    const double d_lo = wanted - offered[static_cast<std::size_t>(lo)];
    const double d_hi = offered[static_cast<std::size_t>(hi)] - wanted;
    return at(d_hi < d_lo - kTie ? hi : lo, false);
}

}  // namespace trevalo::program
