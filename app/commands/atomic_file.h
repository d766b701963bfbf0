#pragma once

// The files library's atomic writer for Qt paths and bytes: every file the
// program writes goes through it.

#include "base/result.h"

#include <QByteArrayView>
#include <QString>

namespace trevalo::files {
class AtomicWriter;
}

namespace trevalo::app {

// Replaces the file at `path` with `bytes`, whole or not at all: a failed
// write leaves any earlier file untouched and says why, in words for the
// user, in the system's encoding. `writer` does the work, a plain one when
// null.
Result<void> write_file_atomically(const QString& path, QByteArrayView bytes, files::AtomicWriter* writer = nullptr);

}  // namespace trevalo::app
