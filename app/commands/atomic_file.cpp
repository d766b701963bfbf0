#include "app/commands/atomic_file.h"

#include "files/atomic_writer.h"


namespace trevalo::app {

Result<void> write_file_atomically(const QString& path, QByteArrayView bytes, files::AtomicWriter* writer)
{
    files::AtomicWriter plain;
    return (writer ? *writer : plain)
        .write(path.toStdString(), std::string_view(bytes.data(), bytes.size()));
}

}  // namespace trevalo::app
