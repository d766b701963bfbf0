#pragma once

// IMPORT: a workout file from another tool becomes the program on the Edit
// tab, under the settings selected there.

#include "editor/edit_model.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace trevalo::app {

class ImportCommand : public QObject {
    Q_OBJECT
public:
    // `chosen` runs after the program's values went through the lists'
    // handlers: it applies them to the widgets.
    ImportCommand(QWidget* window, editor::EditModel& edit, std::function<void()> chosen);

    void Command_import_Click();
    // Imports the file at `path`, saying what was adapted or why nothing was.
    void import(const QString& path);

private:
    QWidget* window_;
    editor::EditModel& edit_;
    std::function<void()> chosen_;
};

}  // namespace trevalo::app
