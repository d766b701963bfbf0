#include "history/history_table.h"

#include <gtest/gtest.h>

namespace trevalo::history {
namespace {

TEST(HistoryTable, ClockTextRoundsThenChoosesItsShape)
{
    const struct {
        double seconds;
        const char* text;
    } rows[] = {
        {0, "0:00"},          {59.4, "0:59"},       {59.5, "1:00"},
        {1864, "31:04"},      // 5 km at 6 MPH: 3.10686 mi in 31:04.1
        {3599.4, "59:59"},    {3599.5, "1:00:00"},  {3735, "1:02:15"},
        {36000, "10:00:00"},  {-3, "0:00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(clock_text(row.seconds), row.text) << row.seconds;
}

TEST(HistoryTable, PeriodsEndingCrossYearsAndWeek53)
{
    const struct {
        Period period;
        const char* last;
        int count;
        std::vector<std::string> names;
    } rows[] = {
        {Period::Week, "2021-W01", 3, {"2020-W52", "2020-W53", "2021-W01"}},
        {Period::Week, "2027-W01", 2, {"2026-W53", "2027-W01"}},
        {Period::Week, "2026-W02", 3, {"2025-W52", "2026-W01", "2026-W02"}},
        {Period::Month, "2027-02", 3, {"2026-12", "2027-01", "2027-02"}},
        {Period::Month, "2026-13", 3, {}},
        {Period::Week, "2026-12", 2, {}},
        {Period::Week, "", 2, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(periods_ending(row.period, row.last, row.count), row.names) << row.last;
}

TEST(HistoryTable, ChartFillsEmptyPeriodsUpToTheNewestKept)
{
    const std::vector<PeriodTotals> kept = {
        {"2026-12", 3, 30.5, 9000, 100, 295.1},
        {"2026-09", 1, 5, 1800, 0, 360},
        {"", 2, 7, 2000, 0, std::nullopt},  // no date: in no month
    };
    const std::vector<ChartPeriod> chart = chart_periods(kept, Period::Month);
    ASSERT_EQ(chart.size(), std::size_t{kChartMonths});
    EXPECT_EQ(chart.front().period, "2025-01");
    EXPECT_EQ(chart.back().period, "2026-12");
    EXPECT_DOUBLE_EQ(chart.back().distance, 30.5);
    EXPECT_EQ(chart[kChartMonths - 4].period, "2026-09");
    EXPECT_EQ(chart[kChartMonths - 4].pace_s, 360);
    EXPECT_EQ(chart[kChartMonths - 2].distance, 0);
    EXPECT_FALSE(chart[kChartMonths - 2].pace_s);
    EXPECT_TRUE(chart_periods({{"", 2, 7, 2000, 0, std::nullopt}}, Period::Week).empty());
}

TEST(HistoryTable, BestsReadInTheirUnitsAndADashWhereNone)
{
    PersonalBests bests;
    bests.longest_distance = Best{1, "2026/12/06 18:00", 13.1094};
    bests.most_climb = Best{2, "2026/12/01 07:00", 312.4};
    bests.fastest[2] = Best{3, "2026/11/02 06:30", 1864};
    const std::array<std::string, kBestRows> km = {"13.11 km", "\u2013", "312 m", "\u2013", "\u2013",
                                                   "31:04",    "\u2013", "\u2013"};
    for (int row = 0; row < kBestRows; ++row)
        EXPECT_EQ(best_value(bests, row, Unit::KM), km[static_cast<std::size_t>(row)]) << best_names()[row];
    EXPECT_EQ(best_value(bests, 0, Unit::Mile), "13.11 mi");
    EXPECT_EQ(best_names()[7], "Fastest half marathon");
}

}  // namespace
}  // namespace trevalo::history
