#include "app/commands/program_arrival.h"

#include "app/commands/messages.h"
#include "editor/edit_program.h"

#include <QStringList>

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
    show_message(window, Tone::Note, paragraphs.join(QStringLiteral("\n\n")), message_name);
}

}  // namespace trevalo::app
