#include "app/commands/program_writer.h"

#include "app/commands/atomic_file.h"

namespace trevalo::app {

bool write_program_file(const QString& path, const program_file::ProgramBytes& bytes, QString* error,
                        files::AtomicWriter* writer)
{
    return write_file_atomically(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), error,
                                 writer);
}

}  // namespace trevalo::app
