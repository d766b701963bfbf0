#pragma once

// The texts of the result summary and of the speed scale. UTF-8: the labels
// separate name and value with a full-width colon.

#include "records/record_store.h"

#include <array>
#include <string>

namespace trevalo::records {

inline constexpr const char* kFullWidthColon = "\xEF\xBC\x9A";  // U+FF1A

// Minutes and two-digit seconds: 1510 -> "25：10", 125 -> "2：05".
std::string time_text(int seconds);
// Shortest decimal of at most 15 significant digits, point as separator:
// 5.0 - 3.7 -> "1.3", 12.0 -> "12", 0.35 -> "0.35".
std::string distance_text(double distance);

// The Result frame's captions before a workout is shown: "Time", "Calories", ...
std::array<std::string, 4> empty_summary();
std::string time_caption(const RecordTotals& record);
std::string calories_caption(const RecordTotals& record);
std::string distance_caption(const RecordTotals& record);
std::string weight_caption(const RecordTotals& record);

std::string speed_frame_caption(bool imperial);
// Speed scale label j (0 at the bottom): 2 x j mph or 3 x j km/h.
std::string speed_scale_caption(bool imperial, int j);

}  // namespace trevalo::records
