#include "app/commands/import_command.h"

#include "app/commands/kind_folder_dialog.h"
#include "app/commands/messages.h"
#include "app/commands/program_arrival.h"
#include "app/commands/threshold_dialog.h"
#include "files/file_source.h"
#include "imports/workout_import.h"

#include <QFileDialog>
#include <QFileInfo>

#include <string>

namespace trevalo::app {

namespace {

// A day of a watch's records at one a second is a few megabytes.
constexpr std::uint64_t kLargestWorkoutFile = 64 << 20;

}  // namespace

ImportCommand::ImportCommand(QWidget* window, editor::EditModel& edit, std::function<void()> chosen)
    : QObject(window), window_(window), edit_(edit), chosen_(std::move(chosen))
{
}

void ImportCommand::Command_import_Click()
{
    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog5"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& filter : imports::import_filters())
        filters.append(QString::fromStdString(filter));
    dialog.setNameFilters(filters);
    if (exec_in_kind_folder(dialog, folders::kWorkoutPlans, QString()) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return;
    import(dialog.selectedFiles().constFirst());
}

void ImportCommand::import(const QString& path)
{
    const auto refused = [&](const QString& why) {
        refuse_file(window_, tr("The workout was not imported."), path, why, "ImportMessage");
    };
    // Only regular files, read whole: a pipe or a device is answered at once.
    files::FileSource source;
    if (const Result<void> opening = source.open(path.toStdString()); !opening)
        return refused(QString::fromLocal8Bit(opening.error()));
    if (source.size() > kLargestWorkoutFile)
        return refused(tr("The file holds %1 bytes, far more than a workout file.").arg(source.size()));
    const Result<std::string> bytes = source.read_up_to(static_cast<std::size_t>(source.size()) + 1);
    if (!bytes)
        return refused(QString::fromLocal8Bit(bytes.error()));

    const auto file = imports::read_workout_file(*bytes, QFileInfo(path).fileName().toStdString());
    if (!file)
        return refused(QString::fromStdString(file.error()));
    double pace = 0;
    const bool threshold = imports::needs_threshold_pace(*file);
    if (threshold || imports::needs_steady_pace(*file)) {
        const std::optional<double> asked = threshold ? ask_threshold_pace(window_, edit_.unit())
                                                      : ask_steady_pace(window_, edit_.unit());
        if (!asked)
            return;
        pace = *asked;
    }
    const auto made = imports::workout_program(*file, {edit_.model(), edit_.unit(), edit_.mode()},
                                               edit_.state().set_weight, pace);
    if (!made)
        return refused(QString::fromStdString(made.error()));
    arrive(window_, edit_, made->program, chosen_, made->notes,
           tr("The workout is now the program on the Edit tab."), "ImportMessage");
}

}  // namespace trevalo::app
