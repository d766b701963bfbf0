#include "history/calendar.h"

#include <cstdint>
#include <cstdio>

namespace trevalo::history {

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t days_from_civil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The date of a day since 1970-01-01.
records::LocalTime civil_from_days(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d, 0, 0};
}

// The civil year of a day since 1970-01-01.
int year_of(std::int64_t days) { return civil_from_days(days).year; }

}  // namespace

std::string iso_week(const records::LocalTime& time)
{
    const std::int64_t day = days_from_civil(time.year, time.month, time.day);
    const std::int64_t weekday = ((day % 7) + 7 + 3) % 7;  // 1970-01-01 was a Thursday; Monday is 0
    const std::int64_t thursday = day - weekday + 3;
    const int year = year_of(thursday);
    const std::int64_t week = (thursday - days_from_civil(year, 1, 1)) / 7 + 1;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-W%02d", year, static_cast<int>(week));
    return text;
}

std::string month(const records::LocalTime& time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", time.year, time.month);
    return text;
}

std::vector<std::string> periods_ending(Period period, const std::string& last, int count)
{
    int year = 0, number = 0;
    char end = 0;
    const char* shape = period == Period::Week ? "%4d-W%2d%c" : "%4d-%2d%c";
    if (std::sscanf(last.c_str(), shape, &year, &number, &end) != 2 || number < 1 ||
        number > (period == Period::Week ? 53 : 12) || count < 1)
        return {};
    std::vector<std::string> names(static_cast<std::size_t>(count));
    if (period == Period::Month) {
        int index = year * 12 + number - 1;
        for (int k = count - 1; k >= 0; --k, --index)
            names[static_cast<std::size_t>(k)] = month({index / 12, index % 12 + 1, 1, 0, 0});
        return names;
    }
    // Week 1 holds 4 January; its Monday is where the count starts.
    const std::int64_t january4 = days_from_civil(year, 1, 4);
    std::int64_t monday = january4 - ((january4 % 7) + 7 + 3) % 7 + 7 * (number - 1);
    for (int k = count - 1; k >= 0; --k, monday -= 7)
        names[static_cast<std::size_t>(k)] = iso_week(civil_from_days(monday));
    return names;
}

}  // namespace trevalo::history
