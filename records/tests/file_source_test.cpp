#include "records/file_source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace trevalo::records {
namespace {

class TempFolder {
public:
    TempFolder()
    {
        char name[] = "/tmp/file_source_XXXXXX";
        path_ = mkdtemp(name);
    }
    ~TempFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// None of these may be read as a record file, and none may keep the
// window waiting: a pipe with no writer, a device without end.
TEST(FileSource, RefusesAtOnceWhatIsNotARegularFile)
{
    TempFolder folder;
    const std::string fifo = folder / "pipe.cus";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socket_path = folder / "socket.cus";
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const struct {
        std::string path;
        bool not_a_file;
        const char* says;
    } cases[] = {
        {fifo, true, "This is a named pipe, not a file that can be read."},
        {"/dev/zero", true, "This is a device, not a file that can be read."},
        {socket_path, true, "This is a socket, not a file that can be read."},
        {folder / "", true, "This is a folder, not a file that can be read."},
        {folder / "gone.cus", false, "No such file or directory"},
    };
    for (const auto& c : cases) {
        FileSource source;
        EXPECT_FALSE(source.open(c.path)) << c.path;
        EXPECT_EQ(source.not_a_file(), c.not_a_file) << c.path;
        EXPECT_EQ(source.errorString(), c.says) << c.path;
    }
    ::close(listening);
}

TEST(FileSource, ReadsARegularFileToItsEnd)
{
    TempFolder folder;
    const std::string path = folder / "r.cus";
    const std::string text(100000, 'x');
    std::ofstream(path) << text;
    FileSource source;
    ASSERT_TRUE(source.open(path)) << source.errorString();
    EXPECT_EQ(source.size(), text.size());
    std::string read;
    char buffer[4096];
    for (std::ptrdiff_t got; (got = source.read(buffer, sizeof buffer)) > 0;)
        read.append(buffer, static_cast<std::size_t>(got));
    EXPECT_EQ(read, text);
}

}  // namespace
}  // namespace trevalo::records
