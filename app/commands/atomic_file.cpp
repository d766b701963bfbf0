#include "app/commands/atomic_file.h"

#include "files/atomic_writer.h"

#include <QFile>

namespace trevalo::app {

bool write_file_atomically(const QString& path, QByteArrayView bytes, QString* error, files::AtomicWriter* writer)
{
    files::AtomicWriter plain;
    files::AtomicWriter& used = writer ? *writer : plain;
    if (used.write(QFile::encodeName(path).toStdString(), std::string_view(bytes.data(), bytes.size())))
        return true;
    // The system's reasons come in the user's language and encoding.
    *error = QString::fromLocal8Bit(used.errorString());
    return false;
}

}  // namespace trevalo::app
