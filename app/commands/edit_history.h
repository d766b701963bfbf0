#pragma once

// Undo and redo of every change of the program on the Edit tab, and whether
// the program differs from the one last saved or opened. A step back or
// forth brings the editor to an earlier state through the model's own
// handlers, as a user's choices would.

#include "editor/edit_model.h"
#include "editor/edit_program.h"
#include "program_file/program_file.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QWidget;

namespace trevalo::app {

class EditHistory : public QObject {
    Q_OBJECT
public:
    // Starts from what the editor holds now, which counts as saved.
    // `apply_changes` brings what a step changed in the model to the widgets.
    EditHistory(QWidget* window, editor::EditModel& model, std::function<void()> apply_changes);

    QUndoStack& stack() { return stack_; }
    // The program now is the one on disk.
    void mark_saved();
    bool modified() const;

    // Brings the editor to `state`; no step of its own.
    void apply(const program::Program& state);

    // The program may have changed: a step when it did.
    void changed();

private:
    void show_modified();

    QWidget* window_;
    editor::EditModel& model_;
    std::function<void()> apply_changes_;
    QUndoStack stack_;
    program::Program last_;
    program_file::ProgramBytes saved_;
    bool restoring_ = false;
};

}  // namespace trevalo::app
