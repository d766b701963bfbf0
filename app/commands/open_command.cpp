#include "app/commands/open_command.h"

#include "app/commands/kind_folder_dialog.h"
#include "editor/edit_model.h"
#include "editor/edit_program.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"
#include "records/file_source.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include <span>
#include <string>

namespace trevalo::app {

OpenCommand::OpenCommand(QWidget* window, editor::EditModel& model, std::function<void()> applied)
    : QObject(window), window_(window), model_(model), applied_(std::move(applied))
{
}

void OpenCommand::Command_load_Click()
{
    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog3"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Edit Files(*.cus)"));
    const QString proposed = QString::fromLatin1(editor::file_word(model_.model()));
    if (exec_in_kind_folder(dialog, folders::kProgramFiles, proposed) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return;
    open(dialog.selectedFiles().constFirst());
}

void OpenCommand::open(const QString& path)
{
    // Only regular files, and no more of them than a program holds: a
    // pipe, a device or a large file is answered at once.
    records::FileSource source;
    QString refusal;
    if (!source.open(QFile::encodeName(path).toStdString())) {
        refusal = QString::fromLocal8Bit(source.errorString());
    } else if (source.size() != program_file::kFileSize) {
        refusal = QString::fromStdString(program_file::size_refusal(source.size()));
    } else {
        const std::string text = source.read_up_to(program_file::kFileSize + 1);
        const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        const Result<program::Program> read =
            program_file::read_program(bytes, {model_.model(), model_.unit(), model_.mode()});
        if (read) {
            editor::choose_program(model_, *read);
            applied_();
            emit opened();
            return;
        }
        refusal = QString::fromStdString(read.error());
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TREVALO USB AP"),
                    QStringLiteral("The program was not opened.\n\n%1\n\n%2").arg(QDir::toNativeSeparators(path), refusal),
                    QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("OpenProgramMessage"));
    box.exec();
}

}  // namespace trevalo::app
