#pragma once

// "Export…": writes a workout (the one the Record tab shows, or one from the
// history) as a FIT, TCX or CSV file for fitness tools, whole or not at all.

#include "app/commands/workout_in_hand.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace trevalo::app {

class ExportCommand : public QObject {
    Q_OBJECT
public:
    ExportCommand(QWidget* window, WorkoutSource workout);

    void Command_export_Click();

private:
    // Seconds since 1970 UTC; none when the user cancels.
    std::optional<qint64> start_utc(const WorkoutInHand& workout);

    QWidget* window_;
    WorkoutSource workout_;
};

}  // namespace trevalo::app
