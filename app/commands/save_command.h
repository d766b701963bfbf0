#pragma once

// "SAVE": asks where to save the program being composed, writes the program
// file and tells the user how it went.

#include "program_file/program_file.h"

#include <QObject>

class QWidget;

namespace trevalo::editor {
class EditModel;
}

namespace trevalo::app {

class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(QWidget* window, const editor::EditModel& model);

    // True once the program is written.
    bool Command_save_Click();

signals:
    void saved();

private:
    QWidget* window_;
    const editor::EditModel& model_;
    // Filled anew before every dialog; kept between saves.
    program_file::FileBuffers buffers_;
};

}  // namespace trevalo::app
