#include "files/atomic_writer.h"

#include "base/translation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <vector>

namespace trevalo::files {

namespace {

// Longer names would leave no room for the hidden prefix and the suffix
// within the 255 bytes a name may have.
constexpr std::size_t kNameRoom = 200;
constexpr int kMaxLinks = 40;  // as the kernel allows in one path
constexpr int kMaxTries = 100;

struct Place {
    std::string folder;
    std::string name;
};

Place place_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Different for every call in every process, so that two saves of the same
// file never pick the same temporary name; O_EXCL catches what is left.
std::string unique_suffix()
{
    static std::atomic<std::uint64_t> calls{0};
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t mixed =
        now ^ (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++calls * 0x9E3779B97F4A7C15ULL);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(mixed));
    return text;
}

// `step` is a text marked for translation in the "files" context.
Result<void> fail(const char* step, int error_number)
{
    return Result<void>::failure(
        filled(translated("files", "%1: %2"), translated("files", step), std::generic_category().message(error_number)));
}

}  // namespace

ssize_t AtomicWriter::write_some(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

Result<void> AtomicWriter::write(const std::string& path, std::string_view bytes)
{
    // Replacing a link would cut it off from the file it points to; the new
    // content goes beside that file instead.
    std::string target = path;
    struct stat link;
    for (int hops = 0; ::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode); ++hops) {
        if (hops == kMaxLinks)
            return fail(TREVALO_NOOP("files", "Could not follow the link"), ELOOP);
        std::vector<char> points_to(PATH_MAX);
        const ssize_t length = ::readlink(target.c_str(), points_to.data(), points_to.size());
        if (length < 0)
            return fail(TREVALO_NOOP("files", "Could not follow the link"), errno);
        const std::string next(points_to.data(), static_cast<std::size_t>(length));
        target = next.starts_with('/') ? next : place_of(target).folder + '/' + next;
    }
    const Place place = place_of(target);

    // rename would swap a device or a pipe for a plain file without a word.
    // A folder needs no check: rename refuses to put a file over one.
    struct stat existing;
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))
        return Result<void>::failure(
            translated("files", "Could not replace the file: it is a device or a pipe, not a regular file"));

    std::string temporary;
    int fd = -1;
    for (int tries = 1; fd < 0; ++tries) {
        temporary = place.folder + "/." + place.name.substr(0, kNameRoom) + '.' + unique_suffix();
        // 0666 lets the umask (and a default ACL) decide, as for any new file.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || tries == kMaxTries))
            return fail(TREVALO_NOOP("files", "Could not create a file in the folder"), errno);
    }
    auto abandon = [&](const char* step, int error_number) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        return fail(step, error_number);
    };

    // Best effort: a FAT stick refuses modes it cannot store, and its files
    // have the mount's mode anyway.
    if (replacing)
        (void)::fchmod(fd, existing.st_mode & 07777);

    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write_some(fd, bytes.data() + done, bytes.size() - done);
        if (written > 0)
            done += static_cast<std::size_t>(written);
        else if (written == 0)  // a device that takes nothing would hold the loop forever
            return abandon(TREVALO_NOOP("files", "Could not write the content"), EIO);
        else if (errno != EINTR)
            return abandon(TREVALO_NOOP("files", "Could not write the content"), errno);
    }
    // Network and FUSE file systems may report a lost write only here or at
    // close. EINVAL means the file system has nothing to flush.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return abandon(TREVALO_NOOP("files", "Could not save the content to the disk"), errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return abandon(TREVALO_NOOP("files", "Could not finish the file"), errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return abandon(TREVALO_NOOP("files", "Could not put the new file in place"), errno);

    // Best effort: the new name survives a power cut only once the folder is
    // on the disk too, but the file is already whole under it.
    const int folder = ::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace trevalo::files
