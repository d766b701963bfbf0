#include "folders/removable_media.h"

#include <QDir>
#include <QStorageInfo>

#include <windows.h>

namespace trevalo::folders {

// Sticks get a drive letter of their own; the system tells a removable
// drive from a fixed disk by its letter.
QStringList removable_media()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() &&
            ::GetDriveTypeW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(root).utf16())) ==
                DRIVE_REMOVABLE)
            roots.append(root);
    }
    return roots;
}

}  // namespace trevalo::folders
