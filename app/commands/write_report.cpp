#include "app/commands/write_report.h"

#include "app/commands/kind_folder_dialog.h"
#include "app/commands/save_command.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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

void report_write(QWidget* parent, const QString& path, bool written, const QString& not_done, const QString& reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    QMessageBox box(written ? QMessageBox::NoIcon : QMessageBox::Warning,
                    written ? QString() : QStringLiteral("TREVALO USB AP"),
                    written ? SaveCommand::success_text(shown)
                            : QStringLiteral("%1\n\nCould not write the file\n%2\n\n%3").arg(not_done, shown, reason),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ExportMessage"));
    box.exec();
}

}  // namespace trevalo::app
