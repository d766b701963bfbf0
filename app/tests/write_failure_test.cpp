// Every writer of the program fails the same way on a failing system: it
// says why, keeps the earlier file byte for byte, and leaves nothing behind.

#include "window_helpers.h"

#include "app/chart_image.h"
#include "app/program_writer.h"
#include "files/atomic_writer.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

namespace trevalo::app {
namespace {

namespace fs = std::filesystem;

const std::string kEarlier(65, '\7');

// A device that fails on purpose, as a worn-out stick does.
class FailingDisk : public files::AtomicWriter {
protected:
    ssize_t write_some(int, const char*, std::size_t) override
    {
        errno = EIO;
        return -1;
    }
};

std::string read(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The files below a folder with their content; "/" marks a folder.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        seen[entry.path().lexically_relative(folder)] = entry.is_directory() ? "/" : read(entry.path());
    return seen;
}

// A small file system mounted by the test, as a USB stick would be.
class Stick {
public:
    explicit Stick(const fs::path& where) : where_(where)
    {
        fs::create_directory(where);
        mounted_ = ::getuid() == 0 && ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    // Lazily, so that a file dialog still watching the folder cannot keep it.
    ~Stick()
    {
        if (mounted_)
            ::umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    void fill() const
    {
        const int fd = ::open((where_ / "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        const std::string page(4096, 'f');
        while (::write(fd, page.data(), page.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        ::close(fd);
    }
    void make_read_only() const
    {
        EXPECT_EQ(::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    }

private:
    fs::path where_;
    bool mounted_ = false;
};

struct Failure {
    const char* name;
    const char* reason;   // the system's, as the error must carry it
    const char* earlier;  // paths from the test's folder
    const char* target;
    std::function<void(const Stick& stick)> prepare;  // set for a failure on the stick
    bool failing_disk;
};

struct Writer {
    const char* name;
    std::function<bool(const QString& path, QString* error, files::AtomicWriter* writer)> write;
};

void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.name; }
void PrintTo(const Writer& writer, std::ostream* os) { *os << writer.name; }

const Failure kFailures[] = {
    {"FullStick", "No space left on device", "stick/R300.cus", "stick/R300.cus", &Stick::fill, false},
    {"ReadOnlyStick", "Read-only file system", "stick/R300.cus", "stick/R300.cus", &Stick::make_read_only, false},
    {"FileInsteadOfFolder", "Not a directory", "R300.cus", "R300.cus/R301.cus", {}, false},
    {"FolderInsteadOfFile", "Is a directory", "R300.cus/R300.cus", "R300.cus", {}, false},
    {"FailingDevice", "Input/output error", "R300.cus", "R300.cus", {}, true},
};

const Writer kWriters[] = {
    {"ProgramFile",
     [](const QString& path, QString* error, files::AtomicWriter* writer) {
         program_file::ProgramBytes bytes{};
         bytes.fill(3);
         return write_program_file(path, bytes, error, writer);
     }},
    {"Png",
     [](const QString& path, QString* error, files::AtomicWriter* writer) {
         QImage image(16, 16, QImage::Format_ARGB32);
         image.fill(Qt::red);
         return write_png(image, path, error, writer);
     }},
};

class WriteFailure : public ::testing::TestWithParam<std::tuple<Failure, Writer>> {
protected:
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
};

TEST_P(WriteFailure, SaysWhyKeepsTheEarlierFileAndLeavesNothingBehind)
{
    const auto& [failure, writer] = GetParam();
    std::optional<Stick> stick;
    if (failure.prepare && !stick.emplace(folder / "stick").mounted())
        GTEST_SKIP() << "needs root to mount a tmpfs as the failing stick";
    fs::create_directories((folder / failure.earlier).parent_path());
    std::ofstream(folder / failure.earlier, std::ios::binary) << kEarlier;
    if (failure.prepare)
        failure.prepare(*stick);
    const std::map<std::string, std::string> before = snapshot(folder);

    FailingDisk failing;
    QString error;
    EXPECT_FALSE(writer.write(QString::fromStdString(folder / failure.target), &error,
                              failure.failing_disk ? &failing : nullptr));
    EXPECT_TRUE(error.contains(failure.reason)) << error.toStdString();
    EXPECT_EQ(read(folder / failure.earlier), kEarlier);
    EXPECT_EQ(snapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure, ::testing::Combine(::testing::ValuesIn(kFailures),
                                                                       ::testing::ValuesIn(kWriters)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

// What the user sees: the system's reason, never a success.
using SaveOnAFullStick = testing::ShownWindow;

TEST_F(SaveOnAFullStick, SaysWhyAndNotSuccess)
{
    QTemporaryDir temporary;
    const fs::path where = fs::path(temporary.path().toStdString()) / "stick";
    Stick stick(where);
    if (!stick.mounted())
        GTEST_SKIP() << "needs root to mount a tmpfs as the full stick";
    std::ofstream(where / "R300.cus", std::ios::binary) << kEarlier;
    stick.fill();
    const QString path = QString::fromStdString(where / "R300.cus");
    const testing::Outcome outcome = testing::through_file_dialog(
        [this] { QTest::mouseClick(testing::control(window, "Command_save"), Qt::LeftButton); }, "CommonDialog2",
        testing::choose(path));
    EXPECT_TRUE(outcome.message.contains("No space left on device")) << outcome.message.toStdString();
    EXPECT_FALSE(outcome.message.contains("Success"));
    EXPECT_EQ(read(where / "R300.cus"), kEarlier);
}

}  // namespace
}  // namespace trevalo::app
