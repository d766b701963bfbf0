#include "folders/removable_media.h"

namespace trevalo::folders {

QStringList removable_media()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && is_removable(volume))
            roots.append(volume.rootPath());
    return roots;
}

}  // namespace trevalo::folders
