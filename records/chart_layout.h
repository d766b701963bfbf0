#pragma once

// Where the Record tab's charts stand, in twips inside their frames, and the
// fixed texts of their scales.

#include <string>

namespace trevalo::records {

inline constexpr int kColumns = 20;      // samples shown at a time
inline constexpr int kBarLevels = 8;     // lamps in a chart bar
inline constexpr int kScaleLabels = 8;   // speed and incline scales
inline constexpr int kPulseLabels = 10;  // pulse scale
inline constexpr int kPulseLineWidth = 2;

struct Position {
    int left;
    int top;
};

constexpr Position bar_position(int column) { return {420 + 300 * column, 240}; }

// Scale label j counts from the bottom of the chart.
constexpr Position scale_label_position(int j) { return {120, 2550 - 300 * j}; }
constexpr Position pulse_label_position(int j) { return {60, 2550 - 240 * j}; }

// The speed scale reads 0, 2, ... 14 until a metric record is shown; the
// incline scale always does.
inline std::string scale_label_caption(int j) { return std::to_string(2 * j); }
inline std::string pulse_label_caption(int j) { return std::to_string(40 + 20 * j); }

}  // namespace trevalo::records
