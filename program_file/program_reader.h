#pragma once

// Reading a program file back into the editor: which item of each list the
// file's values are, under the model, unit and mode shown now. The file
// does not say which model, unit or mode it was made for, so a value the
// current lists do not offer is refused, never bent to a neighbour.

#include "editor/catalogue.h"
#include "editor/edit_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace trevalo::program_file {

// List positions, to be selected each through its list's handler. Segments
// the model does not show keep position 0, as a change of settings gives them.
struct ProgramItems {
    std::array<int, 20> speed{};
    std::array<int, 20> incline{};
    int time = 0;
    int weight = 0;
    friend bool operator==(const ProgramItems&, const ProgramItems&) = default;
};

struct ProgramRead {
    std::optional<ProgramItems> items;
    std::string refusal;  // in words for the user, when there are no items
};

ProgramRead read_program(std::span<const std::uint8_t> bytes, editor::Model model, editor::Unit unit,
                         editor::Mode mode);

// Selects each item through its list's handler, so lamps and values follow
// as if the user had chosen them.
void choose_program(editor::EditModel& model, const ProgramItems& items);

// The refusal of a file of another size than a program's.
std::string size_refusal(std::uint64_t size);

// 65 bytes ending in 0: how a program file is told from a record file.
bool has_program_shape(std::span<const std::uint8_t> bytes);

}  // namespace trevalo::program_file
