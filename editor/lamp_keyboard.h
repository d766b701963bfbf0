#pragma once

// Working the lamp grids from the keyboard: a cursor that the arrow keys
// move over the lamps a click could reach, and the words that describe a
// lamp to a screen reader.

#include "editor/edit_model.h"

#include <string>

namespace trevalo::editor {

enum class Direction { Left, Right, Up, Down };

// The lamp the cursor moves to from `lamp`: one segment across or one level
// up or down, passing over hidden and disabled lamps. Where no lamp lies that
// way, the cursor stays.
int move_cursor(const EditModel& model, Ctl grid, int lamp, Direction direction);

// A lamp a click can reach, for a cursor whose lamp was hidden or disabled
// by a change of settings: the same lamp if it still can, else the nearest
// one below it, else the first of the grid.
int settle_cursor(const EditModel& model, Ctl grid, int lamp);

// "Speed, segment 4, level 3"
std::string lamp_name(Ctl grid, int lamp);
// What a click on the lamp selects under the current settings: "6 MPH", "4 %".
std::string lamp_value(const EditModel& model, Ctl grid, int lamp);
// "lit; a click sets 6 MPH", "not lit; does not react to clicks"
std::string lamp_description(const EditModel& model, Ctl grid, int lamp);

// The accessible names of the lists: "Speed of segment 4", "Incline of segment 4".
std::string list_name(ControlRef list);

}  // namespace trevalo::editor
