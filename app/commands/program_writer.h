#pragma once

// Writes a program file, always whole: a failed save leaves any earlier file
// untouched.

#include "program_file/program_file.h"

#include <QString>

namespace trevalo::files {
class AtomicWriter;
}

namespace trevalo::app {

// Writes the program to `path`, replacing what was there. On failure tells
// why in `error`, in words for the user. `writer` does the work, a plain one
// when null.
bool write_program_file(const QString& path, const program_file::ProgramBytes& bytes, QString* error,
                        files::AtomicWriter* writer = nullptr);

}  // namespace trevalo::app
