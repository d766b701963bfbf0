#pragma once

// EXPORT: the program as a FIT workout file, for the runner's watch.

#include "editor/edit_model.h"

#include <QObject>

class QWidget;

namespace trevalo::app {

class ExportProgramCommand : public QObject {
    Q_OBJECT
public:
    ExportProgramCommand(QWidget* window, const editor::EditModel& edit);

    void Command_export_program_Click();

private:
    QWidget* window_;
    const editor::EditModel& edit_;
};

}  // namespace trevalo::app
