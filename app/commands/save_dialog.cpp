#include "app/commands/save_dialog.h"

#include "app/commands/kind_folder_dialog.h"

#include <QFileDialog>

namespace trevalo::app {

std::optional<QString> ask_save_path(QWidget* parent, const QString& dialog_name, const QString& filter,
                                     const QString& suffix, const QString& proposed, folders::FileKind kind)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(dialog_name);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (exec_in_kind_folder(dialog, kind, proposed) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace trevalo::app
