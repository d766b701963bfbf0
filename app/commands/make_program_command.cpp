#include "app/commands/make_program_command.h"

#include "app/commands/messages.h"
#include "app/commands/program_arrival.h"
#include "records/record_program.h"

#include <QWidget>

namespace trevalo::app {

MakeProgramCommand::MakeProgramCommand(QWidget* window, editor::EditModel& edit, WorkoutSource workout,
                                       std::function<void()> chosen)
    : QObject(window), window_(window), edit_(edit), workout_(std::move(workout)), chosen_(std::move(chosen))
{
}

void MakeProgramCommand::Command_make_Click()
{
    const std::optional<WorkoutInHand> workout = workout_();
    if (!workout)
        return;
    const auto made =
        records::record_program(*workout->store, workout->record, {edit_.model(), edit_.unit(), edit_.mode()});
    if (!made) {
        show_message(window_, Tone::Refusal,
                     tr("No program was made.\n\n%1").arg(QString::fromStdString(made.error())),
                     "MakeProgramMessage");
        return;
    }
    const program::Settings settings = made->program.settings;
    arrive(window_, edit_, made->program, chosen_, program::describe(made->beyond, settings),
           tr("The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:"),
           "MakeProgramMessage");
}

}  // namespace trevalo::app
