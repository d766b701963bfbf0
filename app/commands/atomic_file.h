#pragma once

// The files library's atomic writer for Qt paths and bytes: every file the
// program writes goes through it.

#include <QByteArrayView>
#include <QString>

namespace trevalo::files {
class AtomicWriter;
}

namespace trevalo::app {

// Replaces the file at `path` with `bytes`, whole or not at all: a failed
// write leaves any earlier file untouched. On failure tells why in `error`,
// in words for the user. `writer` does the work, a plain one when null.
bool write_file_atomically(const QString& path, QByteArrayView bytes, QString* error,
                           files::AtomicWriter* writer = nullptr);

}  // namespace trevalo::app
