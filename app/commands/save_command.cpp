#include "app/commands/save_command.h"

#include "app/commands/kind_folder_dialog.h"
#include "app/commands/program_writer.h"
#include "editor/edit_model.h"
#include "editor/edit_program.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace trevalo::app {

SaveCommand::SaveCommand(QWidget* window, const editor::EditModel& model)
    : QObject(window), window_(window), model_(model)
{
}

QString SaveCommand::success_text(const QString& path)
{
    return QStringLiteral("File Save As  ") + path + QStringLiteral(" Success!");
}

QString SaveCommand::failure_text(const QString& path, const QString& reason)
{
    return QStringLiteral("The program was not saved.\n\nCould not write the file\n%1\n\n%2")
        .arg(path, reason);
}

bool SaveCommand::Command_save_Click()
{
    const program::Program program = editor::program_of(model_);
    program_file::fill_buffers(program, buffers_);

    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog2"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Edit Files(*.cus)"));
    // The treadmill lists only ".cus" files: a name typed without an
    // extension gets one, a name typed with one is kept as typed.
    dialog.setDefaultSuffix(QStringLiteral("cus"));
    const QString proposed = QString::fromLatin1(editor::file_word(model_.model()));
    if (exec_in_kind_folder(dialog, folders::kProgramFiles, proposed) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
    const QString shown = QDir::toNativeSeparators(path);

    QString reason;
    if (!write_program_file(path, program_file::program_bytes(program, buffers_), &reason)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("TREVALO USB AP"), failure_text(shown, reason),
                        QMessageBox::Ok, window_);
        box.setObjectName(QStringLiteral("SaveFailedMessage"));
        box.exec();
        return false;
    }
    emit saved();
    QMessageBox box(QMessageBox::NoIcon, QString(), success_text(shown), QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("SaveMessage"));
    box.exec();
    return true;
}

}  // namespace trevalo::app
