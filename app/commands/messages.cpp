#include "app/commands/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace trevalo::app {

namespace {

void show_box(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text, const char* name)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QLatin1String(name));
    box.exec();
}

}  // namespace

void show_message(QWidget* parent, Tone tone, const QString& text, const char* name)
{
    show_box(parent, tone == Tone::Refusal ? QMessageBox::Warning : QMessageBox::Information,
             QStringLiteral("TREVALO USB AP"), text, name);
}

void refuse_file(QWidget* parent, const QString& not_done, const QString& path, const QString& why, const char* name)
{
    show_message(parent, Tone::Refusal,
                 QStringLiteral("%1\n\n%2\n\n%3").arg(not_done, QDir::toNativeSeparators(path), why), name);
}

void confirm_written(QWidget* parent, const QString& path, const char* name)
{
    show_box(parent, QMessageBox::NoIcon, QString(),
             QCoreApplication::translate("Messages", "File Save As  %1 Success!").arg(QDir::toNativeSeparators(path)), name);
}

void refuse_write(QWidget* parent, const QString& not_done, const QString& path, const Result<void>& failed,
                  const char* name)
{
    // The system's reasons come in the user's language and encoding.
    show_message(parent, Tone::Refusal,
                 QCoreApplication::translate("Messages", "%1\n\nCould not write the file\n%2\n\n%3")
                     .arg(not_done, QDir::toNativeSeparators(path), QString::fromLocal8Bit(failed.error())),
                 name);
}

void report_write(QWidget* parent, const QString& not_done, const QString& path, const Result<void>& written,
                  const char* name)
{
    if (written)
        confirm_written(parent, path, name);
    else
        refuse_write(parent, not_done, path, written, name);
}

}  // namespace trevalo::app
