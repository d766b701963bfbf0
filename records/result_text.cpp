#include "records/result_text.h"

#include "base/translation.h"

#include <charconv>
#include <cstdlib>

namespace trevalo::records {

std::string time_text(int seconds)
{
    const std::string sign = seconds < 0 ? "-" : "";
    const int t = std::abs(seconds);
    const int s = t % 60;
    return sign + std::to_string(t / 60) + kFullWidthColon + (s < 10 ? "0" : "") + std::to_string(s);
}

std::string distance_text(double distance)
{
    // Round to 15 significant digits first, then write the shortest text
    // that reads back as that number, never in exponent form.
    char buffer[400];
    const auto general = std::to_chars(buffer, buffer + sizeof buffer, distance, std::chars_format::general, 15);
    double rounded = 0;
    std::from_chars(buffer, general.ptr, rounded);
    if (rounded == 0)
        rounded = 0;  // no "-0"
    const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed);
    return fixed.ec == std::errc{} ? std::string(buffer, fixed.ptr) : std::string("0");
}

std::array<std::string, 4> empty_summary()
{
    return {translated("records", "Time"), translated("records", "Calories"), translated("records", "Distance"),
            translated("records", "Weight")};
}

std::string time_caption(const RecordTotals& record)
{
    return filled(translated("records", "Time(m:s) %1"), time_text(record.rec_time));
}

std::string calories_caption(const RecordTotals& record)
{
    return filled(translated("records", "Calories：%1 Kcal"), record.rec_calories);
}

std::string distance_caption(const RecordTotals& record)
{
    return filled(RecordStore::imperial(record) ? translated("records", "Distance：%1 Mile")
                                                : translated("records", "Distance：%1 KM"),
                  distance_text(record.rec_distance));
}

std::string weight_caption(const RecordTotals& record)
{
    return filled(RecordStore::imperial(record) ? translated("records", "Weight：%1 LBS")
                                                : translated("records", "Weight：%1 KG"),
                  record.rec_weight);
}

std::string speed_frame_caption(bool imperial)
{
    return imperial ? translated("records", "SPEED(MPH)") : translated("records", "SPEED(KPH)");
}

std::string speed_scale_caption(bool imperial, int j) { return std::to_string((imperial ? 2 : 3) * j); }

}  // namespace trevalo::records
