#include "files/system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace trevalo::files::system {

namespace {

constexpr int kMaxLinks = 40;  // as the kernel allows in one path

Kind kind_of_mode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::regular;
    if (S_ISDIR(mode))
        return Kind::folder;
    if (S_ISFIFO(mode))
        return Kind::pipe;
    if (S_ISSOCK(mode))
        return Kind::socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Kind::device;
    return Kind::other;
}

std::string folder_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string_view separators() { return "/"; }

std::error_code last_error() { return {errno, std::generic_category()}; }

bool interrupted(std::error_code error) { return error == std::errc::interrupted; }

bool nothing_to_flush(std::error_code error) { return error == std::errc::invalid_argument; }

std::error_code kind_of(const std::string& path, Kind& kind, unsigned& mode)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return last_error();
    kind = kind_of_mode(info.st_mode);
    mode = info.st_mode & 07777;
    return {};
}

std::error_code kind_of(int fd, Kind& kind, std::uint64_t& size)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return last_error();
    kind = kind_of_mode(info.st_mode);
    size = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::error_code follow_links(std::string& target)
{
    struct stat link;
    for (int hops = 0; ::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode); ++hops) {
        if (hops == kMaxLinks)
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        std::vector<char> points_to(PATH_MAX);
        const ssize_t length = ::readlink(target.c_str(), points_to.data(), points_to.size());
        if (length < 0)
            return last_error();
        const std::string next(points_to.data(), static_cast<std::size_t>(length));
        target = next.starts_with('/') ? next : folder_of(target) + '/' + next;
    }
    return {};
}

int open_for_reading(const std::string& path, std::error_code& error)
{
    // Non-blocking, in case the path was replaced by a pipe since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        error = last_error();
    return fd;
}

int create_new(const std::string& path, std::error_code& error)
{
    // 0666 lets the umask (and a default ACL) decide, as for any new file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        error = last_error();
    return fd;
}

// Best effort: a FAT stick refuses modes it cannot store, and its files have
// the mount's mode anyway.
void keep_mode(int fd, unsigned mode) { (void)::fchmod(fd, static_cast<mode_t>(mode)); }

long long read_some(int fd, char* buffer, std::size_t size) { return ::read(fd, buffer, size); }

long long write_some(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

std::error_code flush_to_disk(int fd) { return ::fsync(fd) == 0 ? std::error_code() : last_error(); }

std::error_code close(int fd) { return ::close(fd) == 0 ? std::error_code() : last_error(); }

std::error_code replace(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : last_error();
}

void remove(const std::string& path) { ::unlink(path.c_str()); }

void flush_folder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

unsigned process_id() { return static_cast<unsigned>(::getpid()); }

}  // namespace trevalo::files::system
