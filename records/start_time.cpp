#include "records/start_time.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace trevalo::records {

namespace {

bool leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in(int year, int month)
{
    constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Reads `count` digits at `at`, or fails.
bool digits(std::string_view text, std::size_t& at, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++at) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return false;
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

bool one_of(std::string_view text, std::size_t& at, std::string_view allowed)
{
    if (at >= text.size() || allowed.find(text[at]) == std::string_view::npos)
        return false;
    ++at;
    return true;
}

}  // namespace

std::optional<LocalTime> header_start(std::string_view header)
{
    while (!header.empty() && header.front() == ' ')
        header.remove_prefix(1);
    while (!header.empty() && header.back() == ' ')
        header.remove_suffix(1);
    LocalTime t;
    std::size_t at = 0;
    if (!digits(header, at, 4, t.year) || at >= header.size())
        return std::nullopt;
    const char separator = header[at];
    if (!one_of(header, at, "/-.") || !digits(header, at, 2, t.month) || at >= header.size() ||
        header[at++] != separator || !digits(header, at, 2, t.day) || !one_of(header, at, " T") ||
        !digits(header, at, 2, t.hour) || !one_of(header, at, ":") || !digits(header, at, 2, t.minute) ||
        at != header.size())
        return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > days_in(t.year, t.month) || t.hour > 23 ||
        t.minute > 59)
        return std::nullopt;
    return t;
}

std::int64_t to_utc(const LocalTime& time)
{
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_isdst = -1;  // as the rules of the day say
    return static_cast<std::int64_t>(std::mktime(&tm));
}

std::string file_stem(const LocalTime& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute);
    return text;
}

}  // namespace trevalo::records
