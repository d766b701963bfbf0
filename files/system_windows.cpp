#include "files/system.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>

namespace trevalo::files::system {

namespace {

std::wstring wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

std::string narrow(const wchar_t* text, int length)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// GetLastError's codes with the system's own words for them (GCC 12's
// system_category knows only the C library's), and the few conditions the
// writer and the reader ask about.
class WindowsCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }

    std::string message(int code) const override
    {
        // What a user meets on Linux too, in the same words there.
        if (const std::error_condition same = default_error_condition(code); same.category() == std::generic_category())
            return same.message();
        wchar_t* text = nullptr;
        const DWORD length = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
            static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::string words = length ? narrow(text, static_cast<int>(length)) : "error " + std::to_string(code);
        ::LocalFree(text);
        // Shaped as the C library's texts, which the messages put after a colon.
        while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' ||
                                  words.back() == '.'))
            words.pop_back();
        return words;
    }

    std::error_condition default_error_condition(int code) const noexcept override
    {
        switch (code) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::errc::file_exists;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::errc::no_such_file_or_directory;
        case ERROR_ACCESS_DENIED:
            return std::errc::permission_denied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::errc::no_space_on_device;
        case ERROR_OPERATION_ABORTED:
            return std::errc::interrupted;
        case ERROR_INVALID_FUNCTION:
            return std::errc::function_not_supported;
        default:
            return {code, *this};
        }
    }
};

const WindowsCategory& windows_category()
{
    static const WindowsCategory category;
    return category;
}

HANDLE handle_of(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

Kind kind_of_handle(HANDLE handle)
{
    switch (::GetFileType(handle)) {
    case FILE_TYPE_DISK: {
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return Kind::folder;
        return Kind::regular;
    }
    case FILE_TYPE_PIPE:  // sockets too
        return Kind::pipe;
    case FILE_TYPE_CHAR:  // NUL, CON, COM1 and the like
        return Kind::device;
    default:
        return Kind::other;
    }
}

// A descriptor of the C runtime, in binary mode: no line end is ever changed.
int descriptor_of(HANDLE handle, int flags, std::error_code& error)
{
    if (handle == INVALID_HANDLE_VALUE) {
        error = last_error();
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        error = std::make_error_code(std::errc::too_many_files_open);
        ::CloseHandle(handle);
    }
    return fd;
}

}  // namespace

std::string_view separators() { return "/\\"; }

std::error_code last_error() { return {static_cast<int>(::GetLastError()), windows_category()}; }

bool interrupted(std::error_code error) { return error == std::errc::interrupted; }

bool nothing_to_flush(std::error_code error) { return error == std::errc::function_not_supported; }

std::error_code kind_of(const std::string& path, Kind& kind, unsigned& mode)
{
    mode = 0;
    const std::wstring name = wide(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    // A pipe's name (\\.\pipe\...) has no attributes; its handle tells.
    const std::error_code no_attributes = attributes == INVALID_FILE_ATTRIBUTES ? last_error() : std::error_code();
    if (!no_attributes && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        kind = Kind::folder;
        return {};
    }
    // Pipes and devices tell what they are only through a handle; one that
    // asks for no access reads nothing and waits on nothing.
    const HANDLE handle = ::CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (no_attributes)
            return no_attributes;
        kind = Kind::regular;  // a file another program holds exclusively is still a file
        return {};
    }
    kind = kind_of_handle(handle);
    ::CloseHandle(handle);
    return {};
}

std::error_code kind_of(int fd, Kind& kind, std::uint64_t& size)
{
    const HANDLE handle = handle_of(fd);
    kind = kind_of_handle(handle);
    size = 0;
    LARGE_INTEGER bytes{};
    if (kind == Kind::regular) {
        if (!::GetFileSizeEx(handle, &bytes))
            return last_error();
        size = static_cast<std::uint64_t>(bytes.QuadPart);
    }
    return {};
}

// Links are rare on Windows and need privileges to make; the writer puts the
// file in the place of whatever the path names.
std::error_code follow_links(std::string&) { return {}; }

int open_for_reading(const std::string& path, std::error_code& error)
{
    // Others may go on reading and writing the file, as on other systems.
    const HANDLE handle =
        ::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return descriptor_of(handle, _O_RDONLY, error);
}

int create_new(const std::string& path, std::error_code& error)
{
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return descriptor_of(handle, _O_WRONLY, error);
}

// A new file takes the folder's permissions, as Windows gives every file.
void keep_mode(int, unsigned) {}

long long read_some(int fd, char* buffer, std::size_t size)
{
    DWORD got = 0;
    const DWORD asked = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (::ReadFile(handle_of(fd), buffer, asked, &got, nullptr))
        return got;
    return ::GetLastError() == ERROR_HANDLE_EOF || ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

long long write_some(int fd, const char* data, std::size_t size)
{
    DWORD written = 0;
    const DWORD asked = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    return ::WriteFile(handle_of(fd), data, asked, &written, nullptr) ? static_cast<long long>(written) : -1;
}

std::error_code flush_to_disk(int fd)
{
    return ::FlushFileBuffers(handle_of(fd)) ? std::error_code() : last_error();
}

std::error_code close(int fd)
{
    return ::_close(fd) == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
}

// MoveFileExW rather than ReplaceFileW: ReplaceFileW may fail half way with
// the earlier file gone from its name. A file another program holds open is
// refused here, and the earlier file stays.
std::error_code replace(const std::string& from, const std::string& to)
{
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? std::error_code()
               : last_error();
}

void remove(const std::string& path) { ::DeleteFileW(wide(path).c_str()); }

// MOVEFILE_WRITE_THROUGH already waited for the new name to reach the disk.
void flush_folder(const std::string&) {}

unsigned process_id() { return static_cast<unsigned>(::GetCurrentProcessId()); }

}  // namespace trevalo::files::system
