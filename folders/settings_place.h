#pragma once

// Where the tool's settings live: where this system's programs keep theirs,
// ~/.config/trevalo/trevalo.conf on Linux, %APPDATA%\trevalo\trevalo.ini on
// Windows (an INI file beside the program's other data rather than the
// registry, so that a test can give it a folder of its own).

#include <QSettings>

namespace trevalo::folders {


// The format to give QSettings, and to QSettings::setPath.
QSettings::Format settings_format();

}  // namespace trevalo::folders
