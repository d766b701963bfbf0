#pragma once

// Reading a program file back: the program its bytes hold, under the model,
// unit and mode shown now. The file does not say which model, unit or mode it
// was made for, so a value the current settings do not offer is refused,
// never bent to a neighbour.

#include "base/result.h"
#include "program/program.h"

#include <cstdint>
#include <span>
#include <string>

namespace trevalo::program_file {

// Segments the model does not show keep their defaults, as a change of
// settings gives them; the file's values for them are not read.
Result<program::Program> read_program(std::span<const std::uint8_t> bytes, const program::Settings& settings);

// The refusal of a file of another size than a program's.
std::string size_refusal(std::uint64_t size);

// 65 bytes ending in 0: how a program file is told from a record file.
bool has_program_shape(std::span<const std::uint8_t> bytes);

}  // namespace trevalo::program_file
