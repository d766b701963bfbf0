#include "records/file_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace trevalo::records {
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
        EXPECT_FALSE(source.open(path)) << path;
        EXPECT_EQ(source.not_a_file(), not_a_file) << path;
        EXPECT_EQ(source.errorString(), says) << path;
    }
    FileSource source;
    ASSERT_TRUE(source.open(file)) << source.errorString();
    // Its bytes are read to the end by every record file the Record tab opens (record_tab_test).
    EXPECT_EQ(source.size(), 100000u);
    ::close(listening);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::records
