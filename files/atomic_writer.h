#pragma once

// Replaces a file whole or not at all. The content goes to a hidden file
// beside the target and is flushed to the disk before it takes the target's
// name, so a full stick, a read-only folder or a failing device leaves the
// earlier file byte for byte as it was, and nothing else behind.

#include "base/result.h"

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace trevalo::files {

class AtomicWriter {
public:
    virtual ~AtomicWriter() = default;

    // Replaces the file at `path` with `bytes`. Through a symbolic link it
    // replaces the file the link points to and keeps the link. A replaced
    // file keeps its permission bits; a new one gets 0666 less the umask.
    // A failure names the failed step and the system's reason, in words for
    // a user.
    Result<void> write(const std::string& path, std::string_view bytes);

protected:
    // The one place the bytes reach the disk, as write(2): a count that may
    // be short, or -1 with errno set.
    virtual ssize_t write_some(int fd, const char* data, std::size_t size);
};

}  // namespace trevalo::files
