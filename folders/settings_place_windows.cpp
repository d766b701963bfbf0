#include "folders/settings_place.h"

namespace trevalo::folders {

// An INI file under %APPDATA%: it roams with the user as settings should.
QSettings::Format settings_format() { return QSettings::IniFormat; }

}  // namespace trevalo::folders
