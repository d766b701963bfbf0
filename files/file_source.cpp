#include "files/file_source.h"

#include "base/translation.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevalo::files {

namespace {

std::string refusal_of(unsigned mode)
{
    if (S_ISDIR(mode))
        return translated("files", "This is a folder, not a file that can be read.");
    if (S_ISFIFO(mode))
        return translated("files", "This is a named pipe, not a file that can be read.");
    if (S_ISSOCK(mode))
        return translated("files", "This is a socket, not a file that can be read.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return translated("files", "This is a device, not a file that can be read.");
    return translated("files", "This is not a regular file, not a file that can be read.");
}

// Taken at once: errno changes with the next call.
Result<void> system_failure() { return Result<void>::failure(std::strerror(errno)); }

}  // namespace

FileSource::~FileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Result<void> FileSource::refuse_unless_regular(unsigned mode)
{
    if (S_ISREG(mode))
        return {};
    not_a_file_ = true;
    return Result<void>::failure(refusal_of(mode));
}

Result<void> FileSource::open(const std::string& path)
{
    // Looked at before opening, since opening some devices already acts.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return system_failure();
    if (Result<void> regular = refuse_unless_regular(info.st_mode); !regular)
        return regular;
    // Non-blocking, in case the path was replaced by a pipe in between.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return system_failure();
    Result<void> opened = ::fstat(fd_, &info) == 0 ? refuse_unless_regular(info.st_mode) : system_failure();
    if (!opened) {
        ::close(fd_);
        fd_ = -1;
        return opened;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    return {};
}

Result<std::string> FileSource::read_up_to(std::size_t count)
{
    std::string bytes(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        const Result<std::size_t> n = read(bytes.data() + got, count - got);
        if (!n)
            return Result<std::string>::failure(n.error());
        if (*n == 0)
            break;
        got += *n;
    }
    bytes.resize(got);
    return bytes;
}

Result<std::size_t> FileSource::read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return Result<std::size_t>::failure(std::strerror(errno));
    }
}

}  // namespace trevalo::files
