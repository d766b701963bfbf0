#pragma once

// "OPEN": asks for a program file and reads it into the editor under the
// model, unit and mode shown, or says why it cannot.

#include <QObject>

#include <functional>

class QWidget;

namespace trevalo::editor {
class EditModel;
}

namespace trevalo::app {

class OpenCommand : public QObject {
    Q_OBJECT
public:
    // `applied` brings the Edit tab in line with the model.
    OpenCommand(QWidget* window, editor::EditModel& model, std::function<void()> applied);

    void Command_load_Click();
    // Reads the program file at `path`; the editor stays as it was when it
    // cannot.
    void open(const QString& path);

signals:
    // A program was read: the one on disk is the one shown.
    void opened();

private:
    QWidget* window_;
    editor::EditModel& model_;
    std::function<void()> applied_;
};

}  // namespace trevalo::app
