#include "folders/settings_place.h"

namespace trevalo::folders {

QSettings::Format settings_format() { return QSettings::NativeFormat; }

}  // namespace trevalo::folders
