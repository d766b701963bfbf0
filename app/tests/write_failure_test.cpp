// Both writers of the window (the program, the picture of the charts) fail
// the same way on a failing system: they say why, keep the earlier file byte
// for byte, and leave nothing behind. The save test shows that the reason
// reaches the user.

#include "window_helpers.h"

#include "app/commands/atomic_file.h"
#include "app/commands/chart_image.h"
#include "files/atomic_writer.h"
#include "program_file/program_file.h"

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace trevalo::app::testing {
namespace {

namespace fs = std::filesystem;

// A device that fails on purpose, as a worn-out stick does.
class FailingDisk : public files::AtomicWriter {
protected:
    ssize_t write_some(int, const char*, std::size_t) override
    {
        errno = EIO;
        return -1;
    }
};

// The files below a folder with their content; "/" marks a folder.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        seen[entry.path().lexically_relative(folder)] =
            entry.is_directory() ? "/" : std::string(std::istreambuf_iterator<char>(file), {});
    }
    return seen;
}

// More than the stick holds, written up to its last byte; or the stick read-only.
void fill(const fs::path& stick) { std::ofstream(stick / "filler", std::ios::binary) << std::string(1 << 17, 'f'); }
void make_read_only(const fs::path& stick)
{
    EXPECT_EQ(::mount(nullptr, stick.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
}

struct Failure {
    const char* name;
    const char* reason;   // the system's, as the error must carry it
    const char* earlier;  // paths from the test's folder
    const char* target;
    void (*prepare)(const fs::path& stick);  // set for a failure on the stick
    bool failing_disk;
};
// By name in test output, not as bytes.
void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.name; }

const Failure kFailures[] = {
    {"FullStick", "No space left on device", "stick/R300.cus", "stick/R300.cus", &fill, false},
    {"ReadOnlyStick", "Read-only file system", "stick/R300.cus", "stick/R300.cus", &make_read_only, false},
    {"FileInsteadOfFolder", "Not a directory", "R300.cus", "R300.cus/R301.cus", nullptr, false},
    {"FolderInsteadOfFile", "Is a directory", "R300.cus/R300.cus", "R300.cus", nullptr, false},
    {"FailingDevice", "Input/output error", "R300.cus", "R300.cus", nullptr, true},
};

// The parameter's second half: the picture writer, else the program writer.
// The stick is a small file system mounted by the test, as a USB stick would
// be; without root it stays a plain folder.
class WriteFailure : public ::testing::TestWithParam<std::tuple<Failure, bool>> {
protected:
    // Lazily, so that a file dialog still watching the folder cannot keep it.
    void TearDown() override
    {
        if (mounted)
            ::umount2(stick.c_str(), MNT_DETACH);
    }
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    const fs::path stick = folder / "stick";
    bool mounted = false;
};

TEST_P(WriteFailure, SaysWhyKeepsTheEarlierFileAndLeavesNothingBehind)
{
    const auto& [failure, png] = GetParam();
    fs::create_directory(stick);
    mounted = failure.prepare && ::getuid() == 0 && ::mount("tmpfs", stick.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (failure.prepare && !mounted)
        GTEST_SKIP() << "needs root to mount a tmpfs as the failing stick";
    fs::create_directories((folder / failure.earlier).parent_path());
    std::ofstream(folder / failure.earlier, std::ios::binary) << std::string(65, '\7');
    if (failure.prepare)
        failure.prepare(stick);
    const std::map<std::string, std::string> before = snapshot(folder);

    FailingDisk failing;
    files::AtomicWriter* writer = failure.failing_disk ? &failing : nullptr;
    const QString target = QString::fromStdString(folder / failure.target);
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const program_file::ProgramBytes program{};
    const Result<void> written =
        png ? write_png(image, target, writer) : write_file_atomically(target, QByteArrayView(program), writer);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error().find(failure.reason) != std::string::npos) << written.error();
    EXPECT_EQ(snapshot(folder), before);  // the earlier file's bytes among them
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure,
                         ::testing::Combine(::testing::ValuesIn(kFailures), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Png" : "ProgramFile");
                         });

}  // namespace
}  // namespace trevalo::app::testing
