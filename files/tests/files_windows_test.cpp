// What differs on Windows: drive letters and backslashes in the paths the
// dialogs give, devices and pipes by their Windows names, and a file that
// another program holds open while the tool saves over it.

#include "files/atomic_writer.h"
#include "files/file_source.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include <gtest/gtest.h>

namespace trevalo::files {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        seen[utf8(entry.path().lexically_relative(folder))].assign(std::istreambuf_iterator<char>(file), {});
    }
    return seen;
}

// Another program's handle on the file, shared with nobody, for as long as
// the row runs.
struct Lock {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit Lock(const fs::path& path)
        : handle(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~Lock()
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};

TEST(AtomicWriterOnWindows, ReplacesTheFileOrSaysWhyAndChangesNothing)
{
    const fs::path folder = fs::temp_directory_path() / "trevalo_atomic_windows";
    // Bytes a text mode would change: line ends, a lone LF, a ^Z.
    const std::string bytes = std::string("R300\r\n\n\x1a\0", 9) + std::string(5000, 'x');
    const struct {
        const char* name;
        std::string written;  // the path given, as the dialog gives it
        bool locked;
        const char* error;  // the failure, or how it starts when it ends in the system's reason
        const char* lands = "R300.cus";
        bool reason = false;
    } rows[] = {
        {"a new file, with a drive letter and backslashes", utf8(folder) + "\\new.cus", false, "", "new.cus"},
        {"a longer file replaced, forward slashes", utf8(folder) + "/R300.cus", false, ""},
        {"a file another program holds open", utf8(folder) + "\\R300.cus", true,
         "Could not put the new file in place: ", "R300.cus", true},
        {"a device", utf8(folder) + "\\NUL", false,
         "Could not replace the file: it is a device or a pipe, not a regular file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "R300.cus", std::ios::binary) << std::string(9000, 'o');
        std::map<std::string, std::string> expected = snapshot(folder);
        if (!*row.error)
            expected[row.lands] = bytes;

        Result<void> written;
        {
            std::optional<Lock> lock;
            if (row.locked)
                lock.emplace(folder / "R300.cus");
            written = AtomicWriter().write(row.written, bytes);
        }
        EXPECT_EQ(written.ok(), !*row.error);
        if (row.reason) {
            EXPECT_TRUE(written.error().starts_with(row.error)) << written.error();
            EXPECT_GT(written.error().size(), std::string(row.error).size()) << "the system's reason is missing";
        } else {
            EXPECT_EQ(written.error(), row.error);
        }
        EXPECT_EQ(snapshot(folder), expected);
    }
    fs::remove_all(folder);
}

TEST(FileSourceOnWindows, ReadsOnlyRegularFilesWholeInBinary)
{
    const fs::path folder = fs::temp_directory_path() / "trevalo_source_windows";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string bytes("line\r\nend\x1a\r\n", 12);
    std::ofstream(folder / "QM20_REC.cus", std::ios::binary) << bytes;
    const HANDLE pipe = ::CreateNamedPipeW(L"\\\\.\\pipe\\trevalo_test", PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1, 0, 0,
                                           0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const struct {
        const char* name;
        std::string path;
        const char* error;  // empty when read
    } rows[] = {
        {"a file, backslashes", utf8(folder) + "\\QM20_REC.cus", ""},
        {"a folder", utf8(folder), "This is a folder, not a file that can be read."},
        {"a device", "NUL", "This is a device, not a file that can be read."},
        {"a named pipe", "\\\\.\\pipe\\trevalo_test", "This is a named pipe, not a file that can be read."},
        {"nothing there", utf8(folder) + "\\none.cus", "*"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FileSource source;
        const Result<void> opened = source.open(row.path);
        if (*row.error == '*') {
            EXPECT_FALSE(opened.ok());
            EXPECT_FALSE(source.not_a_file());
            EXPECT_FALSE(opened.error().empty());
            continue;
        }
        EXPECT_EQ(opened.error(), row.error);
        EXPECT_EQ(source.not_a_file(), *row.error != '\0');
        if (opened) {
            EXPECT_EQ(source.size(), bytes.size());
            EXPECT_EQ(*source.read_up_to(100), bytes);
        }
    }
    ::CloseHandle(pipe);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::files
