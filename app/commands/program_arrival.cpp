#include "app/commands/program_arrival.h"

#include "editor/edit_program.h"

#include <QMessageBox>

namespace trevalo::app {

void arrive(QWidget* window, editor::EditModel& edit, const program::Program& program,
            const std::function<void()>& chosen, const std::vector<std::string>& notes, const QString& heading,
            const char* message_name)
{
    editor::choose_program(edit, program);
    chosen();
    if (notes.empty())
        return;
    QStringList paragraphs{heading};
    for (const std::string& note : notes)
        paragraphs.append(QString::fromStdString(note));
    QMessageBox box(QMessageBox::Information, QStringLiteral("TREVALO USB AP"), paragraphs.join(QStringLiteral("\n\n")),
                    QMessageBox::Ok, window);
    box.setObjectName(QLatin1String(message_name));
    box.exec();
}

void refuse(QWidget* window, const QString& text, const char* message_name)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TREVALO USB AP"), text, QMessageBox::Ok, window);
    box.setObjectName(QLatin1String(message_name));
    box.exec();
}

}  // namespace trevalo::app
