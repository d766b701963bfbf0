#include "app/commands/open_command.h"

#include "app/commands/kind_folder_dialog.h"
#include "app/commands/messages.h"
#include "editor/edit_model.h"
#include "editor/edit_program.h"
#include "files/file_source.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <QFileDialog>

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
    dialog.setNameFilter(tr("Edit Files(*.cus)"));
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
    files::FileSource source;
    QString refusal;
    if (const Result<void> opening = source.open(path.toStdString()); !opening) {
        refusal = QString::fromLocal8Bit(opening.error());
    } else if (source.size() != program_file::kFileSize) {
        refusal = QString::fromStdString(program_file::size_refusal(source.size()));
    } else if (const Result<std::string> text = source.read_up_to(program_file::kFileSize + 1); !text) {
        refusal = QString::fromLocal8Bit(text.error());
    } else {
        const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text->data()), text->size());
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
    refuse_file(window_, tr("The program was not opened."), path, refusal, "OpenProgramMessage");
}

}  // namespace trevalo::app
