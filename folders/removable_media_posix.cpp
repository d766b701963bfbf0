#include "folders/removable_media.h"

namespace trevalo::folders {

// The folders themselves may be mount points of a system disk; only what is
// mounted below them is removable.
bool is_removable(const QStorageInfo& volume)
{
    const QString root = volume.rootPath();
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"));
}

}  // namespace trevalo::folders
