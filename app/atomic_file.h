#pragma once

// Writes a file whole or not at all: the content goes to a temporary file
// beside the target, which replaces the target only once everything is
// written. A failed write leaves any earlier file untouched.

#include <QString>

#include <functional>

class QIODevice;

namespace trevalo::app {

// `write` fills the open device and on failure says why in its second
// argument. On failure tells why in `error`, in words for the user.
bool write_file_atomically(const QString& path, const std::function<bool(QIODevice&, QString*)>& write,
                           QString* error);

}  // namespace trevalo::app
