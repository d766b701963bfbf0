#pragma once

// Where the Edit tab's movable controls stand, in twips inside their frames.

#include "editor/edit_controls.h"
#include "program/program.h"

namespace trevalo::editor {

using program::kSegments;
inline constexpr int kLevels = 8;
inline constexpr int kLamps = kSegments * kLevels;

constexpr int lamp_index(int segment, int level) { return kLevels * segment + level; }
constexpr int segment_of_lamp(int lamp) { return lamp / kLevels; }
constexpr int level_of_lamp(int lamp) { return lamp % kLevels; }

// Lamps touch: each is 300 twips (20 pixels) square.
constexpr Point lamp_position(int lamp)
{
    return {120 + 300 * segment_of_lamp(lamp), 2340 - 300 * level_of_lamp(lamp)};
}

// The numbers under the grid columns.
constexpr Point segment_number_position(int segment) { return {150 + 300 * segment, 2700}; }

// The per-segment selectors stand in two rows of `per_row` (8 or 10): the
// label on top, its list under it.
constexpr int selector_column(int segment, int per_row) { return segment % per_row; }
constexpr bool selector_second_row(int segment, int per_row) { return segment >= per_row; }

constexpr Point selector_label_position(int segment, int per_row)
{
    return {240 + 720 * selector_column(segment, per_row),
            selector_second_row(segment, per_row) ? 960 : 240};
}

constexpr Point selector_list_position(int segment, int per_row)
{
    return {240 + 720 * selector_column(segment, per_row),
            selector_second_row(segment, per_row) ? 1200 : 480};
}

}  // namespace trevalo::editor
