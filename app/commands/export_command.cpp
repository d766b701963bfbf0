#include "app/commands/export_command.h"

#include "app/commands/atomic_file.h"
#include "app/commands/dialog_folders.h"
#include "app/commands/messages.h"
#include "exports/workout_file.h"
#include "records/record_view.h"
#include "records/start_time.h"

#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace trevalo::app {

namespace {

struct Choice {
    const char* filter;
    const char* suffix;
    exports::Format format;
};
constexpr std::array<Choice, 3> kChoices{{
    {"FIT activity (*.fit)", "fit", exports::Format::Fit},
    {"Training Center XML (*.tcx)", "tcx", exports::Format::Tcx},
    {"CSV, one row per sample (*.csv)", "csv", exports::Format::Csv},
}};

const Choice& choice_of(const QString& filter)
{
    for (const Choice& c : kChoices)
        if (filter == QLatin1String(c.filter))
            return c;
    return kChoices.front();
}

}  // namespace

ExportCommand::ExportCommand(QWidget* window, const records::RecordView& view, std::function<QString()> loaded_file)
    : QObject(window), window_(window), view_(view), loaded_file_(std::move(loaded_file))
{
}

// A date line that is no date and time: the user says when the workout
// started, from the file's time of change, rather than being refused.
std::optional<qint64> ExportCommand::start_utc(const std::string& header)
{
    if (const auto start = records::header_start(header))
        return records::to_utc(*start);

    QDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("StartTimeDialog"));
    dialog.setWindowTitle(QStringLiteral("TREVALO USB AP"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QStringLiteral("The workout's date line \"%1\" gives no date and time.\nWhen did the workout start?")
            .arg(QString::fromLatin1(header.data(), static_cast<qsizetype>(header.size()))),
        &dialog));
    auto* edit = new QDateTimeEdit(QFileInfo(loaded_file_()).lastModified(), &dialog);
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
    const int r = view_.selected_date();
    if (r < 0)
        return;
    const std::string& header = view_.dates()[static_cast<std::size_t>(r)];
    const std::optional<qint64> start = start_utc(header);
    if (!start)
        return;

    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("CommonDialog4"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const Choice& c : kChoices)
        filters.append(QLatin1String(c.filter));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QLatin1String(kChoices.front().suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(QLatin1String(choice_of(filter).suffix)); });
    const auto local = records::header_start(header);
    const QString proposed = local ? QString::fromStdString(records::file_stem(*local)) : QStringLiteral("workout");
    if (exec_in_kind_folder(dialog, folders::kExports, proposed) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const exports::Format format = exports::format_for(QFileInfo(path).fileName().toStdString(),
                                                       choice_of(dialog.selectedNameFilter()).format);

    const std::string bytes = exports::workout_file(format, view_.store(), r, *start);
    report_write(window_, QStringLiteral("The workout was not exported."), path,
                 write_file_atomically(path, QByteArrayView(bytes)), "ExportMessage");
}

}  // namespace trevalo::app
