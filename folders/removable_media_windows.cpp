#include "folders/removable_media.h"

#include <QDir>

#include <windows.h>

namespace trevalo::folders {

// Sticks get a drive letter of their own; the system tells a removable drive
// from a fixed disk by its letter.
bool is_removable(const QStorageInfo& volume)
{
    const QString root = QDir::toNativeSeparators(volume.rootPath());
    return ::GetDriveTypeW(reinterpret_cast<const wchar_t*>(root.utf16())) == DRIVE_REMOVABLE;
}

}  // namespace trevalo::folders
