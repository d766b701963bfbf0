#include "app/program_writer.h"

#include "app/atomic_file.h"

#include <QIODevice>

namespace trevalo::app {

bool write_bytes(QIODevice& device, const program_file::ProgramBytes& bytes, QString* error)
{
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 written = device.write(reinterpret_cast<const char*>(bytes.data()), size);
    if (written == size)
        return true;
    *error = device.errorString().isEmpty() ? QStringLiteral("Not every byte could be written.")
                                            : device.errorString();
    return false;
}

bool write_program_file(const QString& path, const program_file::ProgramBytes& bytes, QString* error)
{
    return write_file_atomically(
        path, [&bytes](QIODevice& device, QString* why) { return write_bytes(device, bytes, why); }, error);
}

}  // namespace trevalo::app
