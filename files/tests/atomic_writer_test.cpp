#include "files/atomic_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include <gtest/gtest.h>

namespace trevalo::files {
namespace {

namespace fs = std::filesystem;

using Device = std::function<ssize_t(int fd, const char* data, std::size_t size)>;

// A writer whose disk is `device`, the real one when empty.
struct Writer : AtomicWriter {
    Device device;
    ssize_t write_some(int fd, const char* data, std::size_t size) override
    {
        return device ? device(fd, data, size) : AtomicWriter::write_some(fd, data, size);
    }
};

// Interrupted every other call and takes three bytes at a time; once it has
// taken `room` bytes it is full.
Device slow_stick(std::size_t room)
{
    return [room, calls = 0](int fd, const char* data, std::size_t size) mutable -> ssize_t {
        errno = ++calls % 2 ? EINTR : ENOSPC;
        if (calls % 2 || room == 0)
            return -1;
        const ssize_t written = ::write(fd, data, std::min({size, room, std::size_t{3}}));
        room -= static_cast<std::size_t>(written);
        return written;
    };
}

// Everything in a folder: files with their content, links with their target.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string& what = seen[entry.path().lexically_relative(folder)];
        if (entry.is_symlink()) {
            what = "link to " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            what.assign(std::istreambuf_iterator<char>(file), {});
        }
    }
    return seen;
}

// The folder afterwards holds the bytes where they belong, or on failure is
// as it was: the earlier file byte for byte, no temporary file left behind.
TEST(AtomicWriter, ReplacesTheFileTheLinksEndAtOrSaysWhyAndChangesNothing)
{
    const mode_t old_umask = ::umask(027);
    std::string name = (fs::temp_directory_path() / "atomic_writer_XXXXXX").string();
    const fs::path folder = ::mkdtemp(name.data());
    const std::string bytes = std::string("R300\0\x7f", 6) + std::string(5000, 'x');
    const struct {
        const char* name;
        const char* written;  // the path given to the writer
        Device device;
        const char* error;  // empty when the write succeeds
        // Where the bytes must be, or the file that must keep its mode.
        const char* lands = "R300.cus";
        fs::perms mode = fs::perms(0604);
    } rows[] = {
        {"a new file gets 0666 less the umask, through a slow, interrupted device", "new.cus", slow_stick(SIZE_MAX),
         "", "new.cus", fs::perms(0640)},
        {"a replaced longer file keeps its permissions", "R300.cus", {}, ""},
        {"a relative link is followed into its folder and kept", "link.cus", {}, "", "sub/real.cus", fs::perms(0640)},
        {"a chain ending in a dangling absolute link makes its file", "chain.cus", {}, "", "sub/new.cus",
         fs::perms(0640)},
        {"a stick that fills up", "R300.cus", slow_stick(100), "Could not write the content: No space left on device"},
        {"a device that takes nothing", "R300.cus", [](int, const char*, std::size_t) -> ssize_t { return 0; },
         "Could not write the content: Input/output error"},
        {"a pipe", "pipe", {}, "Could not replace the file: it is a device or a pipe, not a regular file"},
        {"a loop of links", "a", {}, "Could not follow the link: Too many levels of symbolic links"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        std::ofstream(folder / "R300.cus") << std::string(9000, 'o');
        fs::permissions(folder / "R300.cus", fs::perms(0604));
        std::ofstream(folder / "sub/real.cus") << "earlier";
        fs::create_symlink("sub/real.cus", folder / "link.cus");
        fs::create_symlink(folder / "sub/new.cus", folder / "sub/link");
        fs::create_symlink("sub/link", folder / "chain.cus");
        fs::create_symlink("b", folder / "a");
        fs::create_symlink("a", folder / "b");
        ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
        std::map<std::string, std::string> expected = snapshot(folder);
        if (!*row.error)
            expected[row.lands] = bytes;

        Writer writer;
        writer.device = row.device;
        const Result<void> written = writer.write(folder / row.written, bytes);
        EXPECT_EQ(written.ok(), !*row.error);
        EXPECT_EQ(written.error(), row.error);
        EXPECT_EQ(snapshot(folder), expected);
        EXPECT_EQ(fs::status(folder / row.lands).permissions(), row.mode);
    }
    ::umask(old_umask);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::files
