#include "files/file_source.h"

#include "base/translation.h"

#include "files/system.h"

namespace trevalo::files {

namespace {

std::string refusal_of(system::Kind kind)
{
    switch (kind) {
    case system::Kind::folder:
        return translated("files", "This is a folder, not a file that can be read.");
    case system::Kind::pipe:
        return translated("files", "This is a named pipe, not a file that can be read.");
    case system::Kind::socket:
        return translated("files", "This is a socket, not a file that can be read.");
    case system::Kind::device:
        return translated("files", "This is a device, not a file that can be read.");
    default:
        return translated("files", "This is not a regular file, not a file that can be read.");
    }
}

Result<void> system_failure(std::error_code error) { return Result<void>::failure(error.message()); }

}  // namespace

FileSource::~FileSource()
{
    if (fd_ >= 0)
        (void)system::close(fd_);
}

Result<void> FileSource::refuse_unless_regular(system::Kind kind)
{
    if (kind == system::Kind::regular)
        return {};
    not_a_file_ = true;
    return Result<void>::failure(refusal_of(kind));
}

Result<void> FileSource::open(const std::string& path)
{
    // Looked at before opening, since opening some devices already acts.
    system::Kind kind = system::Kind::other;
    unsigned mode = 0;
    if (const std::error_code error = system::kind_of(path, kind, mode))
        return system_failure(error);
    if (Result<void> regular = refuse_unless_regular(kind); !regular)
        return regular;
    std::error_code error;
    fd_ = system::open_for_reading(path, error);
    if (fd_ < 0)
        return system_failure(error);
    // Again once open, in case the path was replaced in between.
    error = system::kind_of(fd_, kind, size_);
    Result<void> opened = error ? system_failure(error) : refuse_unless_regular(kind);
    if (!opened) {
        (void)system::close(fd_);
        fd_ = -1;
        size_ = 0;
        return opened;
    }
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
        const long long got = system::read_some(fd_, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (const std::error_code error = system::last_error(); !system::interrupted(error))
            return Result<std::size_t>::failure(error.message());
    }
}

}  // namespace trevalo::files
