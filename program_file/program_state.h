#pragma once

// The editor's program with the settings it was made under: what undo and
// redo bring back, and what tells whether there is unsaved work.

#include "editor/edit_model.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

namespace trevalo::program_file {

struct EditSnapshot {
    editor::Model model = editor::Model::R300;
    editor::Unit unit = editor::Unit::MPH;
    editor::Mode mode = editor::Mode::General;
    ProgramItems items;
    friend bool operator==(const EditSnapshot&, const EditSnapshot&) = default;
};

EditSnapshot snapshot(const editor::EditModel& model);

// Brings the editor to `state` as a user would: the settings by their own
// controls (each change of them starting a new program), then every value
// through its list's handler.
void restore(editor::EditModel& model, const EditSnapshot& state);

// The 65 bytes that SAVE would write now.
ProgramBytes current_bytes(const editor::EditModel& model);

}  // namespace trevalo::program_file
