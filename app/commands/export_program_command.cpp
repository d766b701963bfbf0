#include "app/commands/export_program_command.h"

#include "app/commands/atomic_file.h"
#include "app/commands/messages.h"
#include "app/commands/save_dialog.h"
#include "editor/edit_program.h"
#include "exports/export_formats.h"

#include <QDateTime>
#include <QFileInfo>
#include <QWidget>

namespace trevalo::app {

ExportProgramCommand::ExportProgramCommand(QWidget* window, const editor::EditModel& edit)
    : QObject(window), window_(window), edit_(edit)
{
}

void ExportProgramCommand::Command_export_program_Click()
{
    const exports::ProgramFormat& format = exports::program_formats().front();
    const std::optional<QString> path =
        ask_save_path(window_, QStringLiteral("CommonDialog6"), QString::fromStdString(exports::shown_filter(format)),
                      QString::fromUtf8(format.suffix.data(), format.suffix.size()),
                      QString::fromLatin1(editor::file_word(edit_.model())), folders::kWatchWorkouts);
    if (!path)
        return;
    // The watch lists the workout by the name the runner gave the file.
    const std::string name = QFileInfo(*path).completeBaseName().toStdString();
    const std::string bytes = format.write(editor::program_of(edit_), name, QDateTime::currentSecsSinceEpoch());
    report_write(window_, tr("The program was not exported."), *path,
                 write_file_atomically(*path, QByteArrayView(bytes)), "ExportMessage");
}

}  // namespace trevalo::app
