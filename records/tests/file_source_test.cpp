#include "records/file_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace trevalo::records {
namespace {

// Nothing but a regular file may be read as a record file, and nothing may
// keep the window waiting: a pipe with no writer, a device without end.
TEST(FileSource, ReadsARegularFileToItsEndAndRefusesAtOnceAnythingElse)
{
    char name[] = "/tmp/file_source_XXXXXX";
    const std::string folder = ::mkdtemp(name);
    const std::string fifo = folder + "/pipe.cus", socket_path = folder + "/socket.cus", file = folder + "/r.cus";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::string text(100000, 'x');
    std::ofstream(file) << text;

    using Case = std::tuple<std::string, bool, std::string>;
    for (const auto& [path, not_a_file, says] : {
             Case{fifo, true, "This is a named pipe, not a file that can be read."},
             Case{"/dev/zero", true, "This is a device, not a file that can be read."},
             Case{socket_path, true, "This is a socket, not a file that can be read."},
             Case{folder, true, "This is a folder, not a file that can be read."},
             Case{folder + "/gone.cus", false, "No such file or directory"},
         }) {
        FileSource source;
        EXPECT_FALSE(source.open(path)) << path;
        EXPECT_EQ(source.not_a_file(), not_a_file) << path;
        EXPECT_EQ(source.errorString(), says) << path;
    }
    FileSource source;
    ASSERT_TRUE(source.open(file)) << source.errorString();
    EXPECT_EQ(source.size(), text.size());
    std::string read;
    char buffer[4096];
    for (std::ptrdiff_t got; (got = source.read(buffer, sizeof buffer)) > 0;)
        read.append(buffer, static_cast<std::size_t>(got));
    EXPECT_EQ(read, text);
    ::close(listening);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::records
