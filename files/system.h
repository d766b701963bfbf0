#pragma once

// The calls this folder makes to the operating system, one function each,
// so that the writer and the reader above them are the same on every
// system: system_posix.cpp and system_windows.cpp hold the two sides, and
// the build picks one. Paths are UTF-8; a file is a C runtime descriptor,
// always in binary mode.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace trevalo::files::system {

// What a path names.
enum class Kind { regular, folder, pipe, socket, device, other };

// The characters that end a folder in a path.
std::string_view separators();

// The error of the call that just failed, as errno or GetLastError gives it.
std::error_code last_error();
bool interrupted(std::error_code error);
// The error a file system reports when it has nothing to flush.
bool nothing_to_flush(std::error_code error);

// Looks at `path` without opening it. On a system that tells pipes and
// devices only once opened, anything not a folder reads as regular here.
std::error_code kind_of(const std::string& path, Kind& kind, unsigned& mode);
std::error_code kind_of(int fd, Kind& kind, std::uint64_t& size);

// Follows symbolic links from `path` to the file that a write must replace.
std::error_code follow_links(std::string& path);

// Opens for reading without waiting on whatever the path names.
int open_for_reading(const std::string& path, std::error_code& error);
// Creates a new file, failing when the name is taken.
int create_new(const std::string& path, std::error_code& error);
// The earlier file's permission bits, where the system has them.
void keep_mode(int fd, unsigned mode);
long long read_some(int fd, char* buffer, std::size_t size);
long long write_some(int fd, const char* data, std::size_t size);
// Through the system's caches to the device.
std::error_code flush_to_disk(int fd);
std::error_code close(int fd);
// Puts `from` in the place of `to` in one step, and for good.
std::error_code replace(const std::string& from, const std::string& to);
void remove(const std::string& path);
// Makes the folder's new entries last through a power cut, where the
// replacing alone does not.
void flush_folder(const std::string& folder);
unsigned process_id();

}  // namespace trevalo::files::system
