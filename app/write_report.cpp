#include "app/write_report.h"

#include "app/save_command.h"

#include <QDir>
#include <QMessageBox>

namespace trevalo::app {

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
