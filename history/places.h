#pragma once

// What the history asks of the system, one function each: places_posix.cpp
// and places_windows.cpp hold the calls, and the build picks one.

#include <string>

namespace trevalo::history {

// Whether a new file may be made in `folder`; when not, `why` says so in the
// system's words. SQLite would only say that the file is not there.
bool may_create_in(const std::string& folder, std::string& why);

}  // namespace trevalo::history
