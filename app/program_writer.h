#pragma once

// Writes a program file, always whole: a failed save leaves any earlier file
// untouched.

#include "program_file/program_file.h"

#include <QString>

class QIODevice;

namespace trevalo::app {

// Writes every byte to an open device; on failure tells why in `error`.
bool write_bytes(QIODevice& device, const program_file::ProgramBytes& bytes, QString* error);

// Writes the program to `path`, replacing what was there. On failure tells
// why in `error`, in words for the user.
bool write_program_file(const QString& path, const program_file::ProgramBytes& bytes, QString* error);

}  // namespace trevalo::app
