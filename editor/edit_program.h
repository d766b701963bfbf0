#pragma once

// The Edit tab's program as a value, and a value brought back into the tab as
// a user would: what undo, OPEN, Make Program and IMPORT go through.

#include "editor/edit_model.h"
#include "program/program.h"

namespace trevalo::editor {

// The program shown, with the settings it is composed under.
program::Program program_of(const EditModel& model);

// Chooses each value of `program` through its list's handler, under the
// settings shown now, so that lamps and values follow as if the user had
// chosen them. Segments the model does not show are left alone. A value the
// lists do not offer takes the nearest item.
void choose_program(EditModel& model, const program::Program& program);

// Brings the editor to `program` and its settings: the settings by their own
// controls (each change of them starting a new program), then every value.
void restore(EditModel& model, const program::Program& program);

}  // namespace trevalo::editor
