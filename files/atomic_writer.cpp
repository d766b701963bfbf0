#include "files/atomic_writer.h"

#include "base/translation.h"

#include "files/system.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace trevalo::files {

namespace {

// Longer names would leave no room for the hidden prefix and the suffix
// within the 255 bytes a name may have.
constexpr std::size_t kNameRoom = 200;
constexpr int kMaxTries = 100;

struct Place {
    std::string folder;
    std::string name;
};

Place place_of(const std::string& path)
{
    const std::size_t slash = path.find_last_of(system::separators());
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
        now ^ (static_cast<std::uint64_t>(system::process_id()) << 40) ^ (++calls * 0x9E3779B97F4A7C15ULL);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(mixed));
    return text;
}

// `step` is a text marked for translation in the "files" context.
Result<void> fail(const char* step, std::error_code error)
{
    return Result<void>::failure(filled(translated("files", "%1: %2"), translated("files", step), error.message()));
}

}  // namespace

ssize_t AtomicWriter::write_some(int fd, const char* data, std::size_t size)
{
    return static_cast<ssize_t>(system::write_some(fd, data, size));
}

Result<void> AtomicWriter::write(const std::string& path, std::string_view bytes)
{
    // Replacing a link would cut it off from the file it points to; the new
    // content goes beside that file instead.
    std::string target = path;
    if (const std::error_code error = system::follow_links(target))
        return fail(TREVALO_NOOP("files", "Could not follow the link"), error);
    const Place place = place_of(target);

    // Replacing would swap a device or a pipe for a plain file without a
    // word. A folder needs no check: no system puts a file over one.
    system::Kind kind = system::Kind::regular;
    unsigned mode = 0;
    const bool replacing = !system::kind_of(target, kind, mode);
    if (replacing && kind != system::Kind::regular && kind != system::Kind::folder)
        return Result<void>::failure(
            translated("files", "Could not replace the file: it is a device or a pipe, not a regular file"));

    std::string temporary;
    int fd = -1;
    for (int tries = 1; fd < 0; ++tries) {
        temporary = place.folder + "/." + place.name.substr(0, kNameRoom) + '.' + unique_suffix();
        std::error_code error;
        fd = system::create_new(temporary, error);
        if (fd < 0 && (error != std::errc::file_exists || tries == kMaxTries))
            return fail(TREVALO_NOOP("files", "Could not create a file in the folder"), error);
    }
    auto abandon = [&](const char* step, std::error_code error) {
        if (fd >= 0)
            (void)system::close(fd);
        system::remove(temporary);
        return fail(step, error);
    };

    if (replacing)
        system::keep_mode(fd, mode);

    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write_some(fd, bytes.data() + done, bytes.size() - done);
        if (written > 0)
            done += static_cast<std::size_t>(written);
        else if (written == 0)  // a device that takes nothing would hold the loop forever
            return abandon(TREVALO_NOOP("files", "Could not write the content"), std::make_error_code(std::errc::io_error));
        else if (const std::error_code error = system::last_error(); !system::interrupted(error))
            return abandon(TREVALO_NOOP("files", "Could not write the content"), error);
    }
    // Network and FUSE file systems may report a lost write only here or at
    // close.
    if (const std::error_code error = system::flush_to_disk(fd); error && !system::nothing_to_flush(error))
        return abandon(TREVALO_NOOP("files", "Could not save the content to the disk"), error);
    const std::error_code closed = system::close(fd);
    fd = -1;
    if (closed)
        return abandon(TREVALO_NOOP("files", "Could not finish the file"), closed);
    if (const std::error_code error = system::replace(temporary, target))
        return abandon(TREVALO_NOOP("files", "Could not put the new file in place"), error);

    // Best effort: the new name survives a power cut only once the folder is
    // on the disk too, but the file is already whole under it.
    system::flush_folder(place.folder);
    return {};
}

}  // namespace trevalo::files
