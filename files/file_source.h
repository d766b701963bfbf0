#pragma once

// Reads a file only when it is a regular file. A named pipe, a device, a
// socket or a folder is refused before anything waits on it: opening a pipe
// blocks until some other program writes to it, and a device such as
// /dev/zero never ends.

#include "base/result.h"
#include "files/system.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace trevalo::files {

class FileSource {
public:
    FileSource() = default;
    ~FileSource();
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // A failure says why in words for the user, in the system's encoding.
    Result<void> open(const std::string& path);
    // open() failed because the path names something that is not a file: a
    // caller may then keep what it showed, as nothing was lost.
    bool not_a_file() const { return not_a_file_; }
    // Reads up to `size` bytes: how many, 0 at the end.
    Result<std::size_t> read(char* buffer, std::size_t size);
    // Reads until `count` bytes or the end, whichever comes first. Ask for
    // one byte more than expected to see a file that grew since it was
    // opened.
    Result<std::string> read_up_to(std::size_t count);
    // The size when opened; the file may still grow or shrink.
    std::uint64_t size() const { return size_; }

private:
    Result<void> refuse_unless_regular(system::Kind kind);

    int fd_ = -1;
    std::uint64_t size_ = 0;
    bool not_a_file_ = false;
};

}  // namespace trevalo::files
