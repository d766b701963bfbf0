#include "app/commands/export_command.h"

#include "app/commands/atomic_file.h"
#include "app/commands/kind_folder_dialog.h"
#include "app/commands/messages.h"
#include "exports/export_formats.h"
#include "records/start_time.h"

#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

#include <string_view>

namespace trevalo::app {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

ExportCommand::ExportCommand(QWidget* window, WorkoutSource workout)
    : QObject(window), window_(window), workout_(std::move(workout))
{
}

// A date line that is no date and time: the user says when the workout
// started, from the file's time of change, rather than being refused.
std::optional<qint64> ExportCommand::start_utc(const WorkoutInHand& workout)
{
    const std::string& header = workout.date_line;
    if (const auto start = records::header_start(header))
        return records::to_utc(*start);

    QDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("StartTimeDialog"));
    dialog.setWindowTitle(QStringLiteral("TREVALO USB AP"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        tr("The workout's date line \"%1\" gives no date and time.\nWhen did the workout start?")
            .arg(QString::fromLatin1(header.data(), static_cast<qsizetype>(header.size()))),
        &dialog));
    const QDateTime changed = workout.file.isEmpty() ? QDateTime() : QFileInfo(workout.file).lastModified();
    auto* edit = new QDateTimeEdit(changed.isValid() ? changed : QDateTime::currentDateTime(), &dialog);
    edit->setObjectName(QStringLiteral("StartTimeEdit"));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    edit->setCalendarPopup(true);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->dateTime().toSecsSinceEpoch();
}

void ExportCommand::Command_export_Click()
{
    const std::optional<WorkoutInHand> workout = workout_();
    if (!workout)
        return;
    const std::string& header = workout->date_line;
    const std::optional<qint64> start = start_utc(*workout);
    if (!start)
        return;

    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog4"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const auto formats = exports::workout_formats();
    const auto format_of = [formats](const QString& filter) -> const exports::WorkoutFormat& {
        return exports::format_of_filter(formats, filter.toStdString());
    };
    QStringList filters;
    for (const exports::WorkoutFormat& format : formats)
        filters.append(QString::fromStdString(exports::shown_filter(format)));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(text(formats.front().suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, format_of](const QString& filter) { dialog.setDefaultSuffix(text(format_of(filter).suffix)); });
    const auto local = records::header_start(header);
    const QString proposed = local ? QString::fromStdString(records::file_stem(*local)) : QStringLiteral("workout");
    if (exec_in_kind_folder(dialog, folders::kExports, proposed) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const exports::WorkoutFormat& format = exports::format_for_name(
        formats, QFileInfo(path).fileName().toStdString(), format_of(dialog.selectedNameFilter()));

    const std::string bytes = format.write(*workout->store, workout->record, *start);
    report_write(window_, tr("The workout was not exported."), path,
                 write_file_atomically(path, QByteArrayView(bytes)), "ExportMessage");
}

}  // namespace trevalo::app
