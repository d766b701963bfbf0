#include "files/file_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace trevalo::files {
namespace {

// Nothing but a regular file may be read as a record file, and nothing may
// keep the window waiting: a pipe with no writer and a device without end are
// refused through the Record tab (record_tab_test), the other kinds here.
TEST(FileSource, OpensARegularFileAndRefusesAtOnceAnythingElse)
{
    char name[] = "/tmp/file_source_XXXXXX";
    const std::string folder = ::mkdtemp(name);
    const std::string socket_path = folder + "/socket.cus", file = folder + "/r.cus";
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::ofstream(file) << std::string(100000, 'x');

    using Case = std::tuple<std::string, bool, std::string>;
    for (const auto& [path, not_a_file, says] : {
             Case{socket_path, true, "This is a socket, not a file that can be read."},
             Case{folder, true, "This is a folder, not a file that can be read."},
             Case{folder + "/gone.cus", false, "No such file or directory"},
         }) {
        FileSource source;
        const Result<void> opened = source.open(path);
        EXPECT_FALSE(opened.ok()) << path;
        EXPECT_EQ(source.not_a_file(), not_a_file) << path;
        EXPECT_EQ(opened.error(), says) << path;
    }
    FileSource source;
    const Result<void> opened = source.open(file);
    ASSERT_TRUE(opened.ok()) << opened.error();
    // Its bytes are read to the end by every record file the Record tab opens (record_tab_test).
    EXPECT_EQ(source.size(), 100000u);
    ::close(listening);
    std::filesystem::remove_all(folder);
}

// A file that opens may still fail to read, and a read cut short must not
// pass for a short file. The kernel's view of this process's memory is a
// regular file whose first page is never mapped.
TEST(FileSource, AReadThatFailsSaysWhy)
{
    FileSource source;
    ASSERT_TRUE(source.open("/proc/self/mem").ok());
    char byte;
    const Result<std::size_t> read = source.read(&byte, 1);
    const Result<std::string> read_whole = source.read_up_to(66);
    EXPECT_EQ((std::tuple(read.ok(), read.error(), read_whole.ok(), read_whole.error())),
              (std::tuple(false, "Input/output error", false, "Input/output error")));
}

}  // namespace
}  // namespace trevalo::files
