#pragma once

// "Make Program…": the workout shown on the Record tab becomes the program
// on the Edit tab, under the settings selected there.

#include "editor/edit_model.h"
#include "records/record_view.h"

#include <QObject>

#include <functional>

class QWidget;

namespace trevalo::app {

class MakeProgramCommand : public QObject {
    Q_OBJECT
public:
    // `chosen` runs after the program's values went through the lists'
    // handlers: it applies them to the widgets and shows the Edit tab.
    MakeProgramCommand(QWidget* window, editor::EditModel& edit, const records::RecordView& records,
                       std::function<void()> chosen);

    void Command_make_Click();

private:
    QWidget* window_;
    editor::EditModel& edit_;
    const records::RecordView& records_;
    std::function<void()> chosen_;
};

}  // namespace trevalo::app
