#include "app/atomic_file.h"

#include <QSaveFile>

namespace trevalo::app {

bool write_file_atomically(const QString& path, const std::function<bool(QIODevice&, QString*)>& write,
                           QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!write(file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace trevalo::app
