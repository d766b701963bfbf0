#include "records/file_source.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevalo::records {

namespace {

const char* kind_of(unsigned mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a regular file";
}

}  // namespace

FileSource::~FileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileSource::refuse_unless_regular(unsigned mode)
{
    if (S_ISREG(mode))
        return false;
    not_a_file_ = true;
    error_ = std::string("This is ") + kind_of(mode) + ", not a file that can be read.";
    return true;
}

bool FileSource::open(const std::string& path)
{
    // Looked at before opening, since opening some devices already acts.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (refuse_unless_regular(info.st_mode))
        return false;
    // Non-blocking, in case the path was replaced by a pipe in between.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (::fstat(fd_, &info) != 0 || refuse_unless_regular(info.st_mode)) {
        if (error_.empty())
            error_ = std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

std::string FileSource::read_up_to(std::size_t count)
{
    std::string bytes(count, '\0');
    std::size_t got = 0;
    for (std::ptrdiff_t n; got < count && (n = read(bytes.data() + got, count - got)) > 0;)
        got += static_cast<std::size_t>(n);
    bytes.resize(got);
    return bytes;
}

std::ptrdiff_t FileSource::read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            error_ = std::strerror(errno);
            return -1;
        }
    }
}

}  // namespace trevalo::records
