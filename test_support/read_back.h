#pragma once

// The exported files are read back by the readers they are written for
// (Garmin's FIT SDK under Node.js, xmllint, Python's csv module), run as
// commands on temporary files. Those are Linux programs: a Windows build's
// tests, run under Wine, cannot start them and skip (read_back_windows.cpp).

#include <string>
#include <utility>
#include <vector>

namespace trevalo::test_support {

// Runs `command` with the paths of temporary files holding `files` appended
// as its arguments. Gives its exit status (-1 when it did not run or exit)
// and its standard output and error.
std::pair<int, std::string> read_back(std::string command, const std::vector<std::string>& files);

// Why a reader cannot run here (`probe`, a shell test, fails), empty when it
// can: a packager's plain build installs none of them, and its build machine
// may lack the programs too.
std::string missing(const std::string& probe, const std::string& reason);

}  // namespace trevalo::test_support
