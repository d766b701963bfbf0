#pragma once

// The dialog that asks where to save a file the user names.

#include "folders/file_kind.h"

#include <QString>

#include <optional>

class QWidget;

namespace trevalo::app {

// Asks where to save a file of one kind, starting where that kind was last
// saved; none when the user cancels.
std::optional<QString> ask_save_path(QWidget* parent, const QString& dialog_name, const QString& filter,
                                     const QString& suffix, const QString& proposed, folders::FileKind kind);

}  // namespace trevalo::app
