#include "app/program_writer.h"

#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!write_bytes(file, bytes, error)) {
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
