#include "folders/removable_media.h"

#include <QStorageInfo>

namespace trevalo::folders {

QStringList removable_media()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // The folders themselves may be mount points of a system disk; only
        // what is mounted below them is removable.
        if (volume.isValid() && volume.isReady() &&
            (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"))))
            roots.append(root);
    }
    return roots;
}

}  // namespace trevalo::folders
