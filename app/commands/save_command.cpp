#include "app/commands/save_command.h"

#include "app/commands/atomic_file.h"
#include "app/commands/kind_folder_dialog.h"
#include "app/commands/messages.h"
#include "editor/edit_model.h"
#include "editor/edit_program.h"

#include <QFileDialog>

namespace trevalo::app {

SaveCommand::SaveCommand(QWidget* window, const editor::EditModel& model)
    : QObject(window), window_(window), model_(model)
{
}

bool SaveCommand::Command_save_Click()
{
    const program::Program program = editor::program_of(model_);
    program_file::fill_buffers(program, buffers_);

    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog2"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("Edit Files(*.cus)"));
    // The treadmill lists only ".cus" files: a name typed without an
    // extension gets one, a name typed with one is kept as typed.
    dialog.setDefaultSuffix(QStringLiteral("cus"));
    const QString proposed = QString::fromLatin1(editor::file_word(model_.model()));
    if (exec_in_kind_folder(dialog, folders::kProgramFiles, proposed) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();

    const program_file::ProgramBytes bytes = program_file::program_bytes(program, buffers_);
    const Result<void> written = write_file_atomically(path, QByteArrayView(bytes));
    if (!written) {
        refuse_write(window_, tr("The program was not saved."), path, written, "SaveFailedMessage");
        return false;
    }
    emit saved();
    confirm_written(window_, path, "SaveMessage");
    return true;
}

}  // namespace trevalo::app
