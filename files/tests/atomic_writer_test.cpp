#include "files/atomic_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include <gtest/gtest.h>

namespace trevalo::files {
namespace {

namespace fs = std::filesystem;

using Device = std::function<ssize_t(int fd, const char* data, std::size_t size)>;

// A writer whose disk is `device`, the real one when empty.
class Writer : public AtomicWriter {
public:
    explicit Writer(Device device) : device_(std::move(device)) {}

protected:
    ssize_t write_some(int fd, const char* data, std::size_t size) override
    {
        return device_ ? device_(fd, data, size) : AtomicWriter::write_some(fd, data, size);
    }

private:
    Device device_;
};

// Takes `room` bytes, then refuses with `error`, as a stick that fills up.
Device failing_after(std::size_t room, int error)
{
    return [room, error](int fd, const char* data, std::size_t size) mutable -> ssize_t {
        if (room == 0) {
            errno = error;
            return -1;
        }
        const ssize_t written = ::write(fd, data, std::min(size, room));
        room -= static_cast<std::size_t>(written);
        return written;
    };
}

// Interrupted every other call, and takes three bytes at a time.
ssize_t slow_device(int fd, const char* data, std::size_t size)
{
    static int calls = 0;
    if (++calls % 2) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, std::min<std::size_t>(size, 3));
}

std::string read(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void put(const fs::path& path, const std::string& text, fs::perms mode = fs::perms(0644))
{
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, mode);
}

// Everything in a folder, each entry with its kind and, for files, content.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string& what = seen[entry.path().lexically_relative(folder)];
        if (entry.is_symlink())
            what = "link to " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            what = read(entry.path());
        else
            what = entry.is_fifo() ? "pipe" : "folder";
    }
    return seen;
}

class AtomicWriterTest : public ::testing::Test {
protected:
    AtomicWriterTest() : old_umask_(::umask(027)) {}
    ~AtomicWriterTest() override
    {
        ::umask(old_umask_);
        fs::remove_all(folder);
    }

    const fs::path folder = [] {
        std::string name = (fs::temp_directory_path() / "atomic_writer_XXXXXX").string();
        return fs::path(::mkdtemp(name.data()));
    }();
    const std::string bytes = std::string("R300\0\x7f", 6) + std::string(5000, 'x');

private:
    mode_t old_umask_;
};

TEST_F(AtomicWriterTest, ReplacesTheFileTheLinksEndAtWithItsPermissionsAndLeavesNothingElse)
{
    const struct {
        const char* name;
        std::function<void(const fs::path& folder)> prepare;
        const char* written;  // the path given to the writer
        const char* lands;    // where the bytes must be
        fs::perms mode;
        Device device;
    } rows[] = {
        {"a new file gets 0666 less the umask", {}, "new.cus", "new.cus", fs::perms(0640), {}},
        {"a replaced file keeps its permissions",
         [](const fs::path& f) { put(f / "old.cus", std::string(9000, 'o'), fs::perms(0604)); }, "old.cus",
         "old.cus", fs::perms(0604), {}},
        {"a relative link is followed into its folder and kept",
         [](const fs::path& f) {
             fs::create_directory(f / "sub");
             put(f / "sub/real.cus", "earlier", fs::perms(0600));
             fs::create_symlink("sub/real.cus", f / "link.cus");
         },
         "link.cus", "sub/real.cus", fs::perms(0600), {}},
        {"a chain ending in a dangling absolute link makes its file",
         [](const fs::path& f) {
             fs::create_directory(f / "sub");
             fs::create_symlink(f / "sub/new.cus", f / "sub/link");
             fs::create_symlink("sub/link", f / "link.cus");
         },
         "link.cus", "sub/new.cus", fs::perms(0640), {}},
        {"a slow, interrupted device still gets every byte", {}, "slow.cus", "slow.cus", fs::perms(0640),
         slow_device},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directory(folder);
        if (row.prepare)
            row.prepare(folder);
        const std::map<std::string, std::string> before = snapshot(folder);

        Writer writer(row.device);
        EXPECT_TRUE(writer.write(folder / row.written, bytes)) << writer.errorString();
        EXPECT_EQ(writer.errorString(), "");
        EXPECT_EQ(read(folder / row.lands), bytes);
        EXPECT_EQ(fs::status(folder / row.lands).permissions(), row.mode);
        std::map<std::string, std::string> after = snapshot(folder);
        for (const auto& [name, what] : before) {
            if (what.starts_with("link to ")) {
                EXPECT_EQ(after[name], what);
            }
        }
        for (const auto& [name, what] : after)
            EXPECT_FALSE(fs::path(name).filename().string().starts_with('.')) << "left behind: " << name;
    }
}

TEST_F(AtomicWriterTest, AFailureSaysWhyAndLeavesTheFolderAsItWas)
{
    const struct {
        const char* name;
        std::function<void(const fs::path& folder)> prepare;
        const char* written;
        Device device;
        const char* error;
    } rows[] = {
        {"a stick that fills up", {}, "R300.cus", failing_after(100, ENOSPC),
         "Could not write the content: No space left on device"},
        {"a device that takes nothing", {}, "R300.cus",
         [](int, const char*, std::size_t) -> ssize_t { return 0; },
         "Could not write the content: Input/output error"},
        {"a pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "pipe").c_str(), 0644), 0); }, "pipe", {},
         "Could not replace the file: it is a device or a pipe, not a regular file"},
        {"a loop of links",
         [](const fs::path& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
         },
         "a", {}, "Could not follow the link: Too many levels of symbolic links"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directory(folder);
        put(folder / "R300.cus", "the earlier program");
        if (row.prepare)
            row.prepare(folder);
        const std::map<std::string, std::string> before = snapshot(folder);

        Writer writer(row.device);
        EXPECT_FALSE(writer.write(folder / row.written, bytes));
        EXPECT_EQ(writer.errorString(), row.error);
        EXPECT_EQ(snapshot(folder), before);
    }
}

}  // namespace
}  // namespace trevalo::files
