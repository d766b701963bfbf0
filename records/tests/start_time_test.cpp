#include "records/start_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace trevalo::records {
namespace {

TEST(StartTime, TheHeadersUsualShapesAreReadAndImpossibleDatesRefused)
{
    const LocalTime half_past_seven{2026, 3, 1, 7, 30};
    const struct {
        const char* header;
        std::optional<LocalTime> start;
    } cases[] = {
        {"2026/03/01 07:30", half_past_seven},
        {"2026-03-01 07:30", half_past_seven},
        {"2026.03.01T07:30", half_past_seven},
        {" 2026/03/01 07:30 ", half_past_seven},
        {"2024/02/29 23:59", LocalTime{2024, 2, 29, 23, 59}},
        {"2026/02/29 10:00", std::nullopt},
        {"2026/13/01 10:00", std::nullopt},
        {"2026/03/01 24:00", std::nullopt},
        {"2026/03-01 07:30", std::nullopt},
        {"01/03/2026 07:30", std::nullopt},
        {"2026/03/01 07:30x", std::nullopt},
        {"2026", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(header_start(c.header), c.start) << c.header;
    EXPECT_EQ(file_stem(half_past_seven), "2026-03-01_0730");
}

// Local time as the system's rules say, summer time included.
TEST(StartTime, LocalTimeBecomesUtc)
{
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    EXPECT_EQ(to_utc({2026, 3, 1, 7, 30}), 1772346600);  // 06:30 UTC
    EXPECT_EQ(to_utc({2026, 7, 1, 7, 30}), 1782883800);  // 05:30 UTC
    before ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace trevalo::records
