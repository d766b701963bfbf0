#pragma once

// "Make Program…": a workout (the one the Record tab shows, or one from the
// history) becomes the program on the Edit tab, under the settings selected
// there.

#include "app/commands/workout_in_hand.h"
#include "editor/edit_model.h"

#include <QObject>

#include <functional>

class QWidget;

namespace trevalo::app {

class MakeProgramCommand : public QObject {
    Q_OBJECT
public:
    // `chosen` runs after the program's values went through the lists'
    // handlers: it applies them to the widgets and shows the Edit tab.
    MakeProgramCommand(QWidget* window, editor::EditModel& edit, WorkoutSource workout, std::function<void()> chosen);

    void Command_make_Click();

private:
    QWidget* window_;
    editor::EditModel& edit_;
    WorkoutSource workout_;
    std::function<void()> chosen_;
};

}  // namespace trevalo::app
