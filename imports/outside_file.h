#pragma once

// A file that comes from outside the window (the command line, the file
// manager, a drop) goes where its bytes say: a program file to OPEN, a
// workout file from another tool to IMPORT, anything else to the Record
// tab as a treadmill's log, whose reader says what is wrong with it.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trevalo::imports {

enum class OutsideFile : unsigned char { Program, Workout, Records };

// How much of a file's start tells its kind: an XML file names its root
// element within its first 64 KiB.
inline constexpr std::size_t kOutsideHeadBytes = 64 << 10;

// `head` is the file's first bytes (up to kOutsideHeadBytes), `size` the
// whole file's. The bytes of an import format tell first; then a program
// file's shape (both it and a log are ".cus" files); then the suffix of
// an import format, so that a damaged FIT file is refused by IMPORT in
// words about FIT files.
OutsideFile outside_file_kind(std::string_view head, std::uint64_t size, std::string_view file_name);

}  // namespace trevalo::imports
