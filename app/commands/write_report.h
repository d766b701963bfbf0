#pragma once

// Saving a file the user names: the dialog that asks where, and what the
// user reads after: the usual confirmation, or what was not done, where, and
// the system's reason.

#include "folders/file_kind.h"

#include <QString>

#include <optional>

class QWidget;

namespace trevalo::app {

// Asks where to save a file of one kind, starting where that kind was last
// saved; none when the user cancels.
std::optional<QString> ask_save_path(QWidget* parent, const QString& dialog_name, const QString& filter,
                                     const QString& suffix, const QString& proposed, folders::FileKind kind);

// `not_done` opens a failure: "The workout was not exported."
void report_write(QWidget* parent, const QString& path, bool written, const QString& not_done,
                  const QString& reason);

}  // namespace trevalo::app
