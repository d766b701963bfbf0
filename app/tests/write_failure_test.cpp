// Both writers of the window (the program, the picture of the charts) go
// through the atomic writer: a failure says the system's reason and keeps the
// earlier file byte for byte. What a full or read-only stick does to that
// writer is its own tests' concern; the save test shows that the reason
// reaches the user.

#include "window_helpers.h"

#include "app/chart_image.h"
#include "app/program_writer.h"
#include "files/atomic_writer.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

namespace trevalo::app::testing {
namespace {

namespace fs = std::filesystem;

// A device that fails on purpose, as a worn-out stick does: only a writer
// that goes through the one given sees it.
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

struct Failure {
    const char* name;
    const char* reason;   // the system's, as the error must carry it
    const char* earlier;  // paths from the test's folder
    const char* target;
    bool failing_disk;
};
// By name in test output, not as bytes.
void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.name; }

const Failure kFailures[] = {
    {"FileInsteadOfFolder", "Not a directory", "R300.cus", "R300.cus/R301.cus", false},
    {"FolderInsteadOfFile", "Is a directory", "R300.cus/R300.cus", "R300.cus", false},
    {"FailingDevice", "Input/output error", "R300.cus", "R300.cus", true},
};

// The parameter's second half: the picture writer, else the program writer.
class WriteFailure : public ::testing::TestWithParam<std::tuple<Failure, bool>> {};

TEST_P(WriteFailure, SaysWhyAndKeepsTheEarlierFile)
{
    const auto& [failure, png] = GetParam();
    const QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    fs::create_directories((folder / failure.earlier).parent_path());
    std::ofstream(folder / failure.earlier, std::ios::binary) << std::string(65, '\7');
    const std::map<std::string, std::string> before = snapshot(folder);

    FailingDisk failing;
    files::AtomicWriter* writer = failure.failing_disk ? &failing : nullptr;
    const QString target = QString::fromStdString(folder / failure.target);
    QString error;
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    EXPECT_FALSE(png ? write_png(image, target, &error, writer)
                     : write_program_file(target, program_file::ProgramBytes{}, &error, writer));
    EXPECT_TRUE(error.contains(failure.reason)) << error.toStdString();
    EXPECT_EQ(snapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure,
                         ::testing::Combine(::testing::ValuesIn(kFailures), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Png" : "ProgramFile");
                         });

}  // namespace
}  // namespace trevalo::app::testing
