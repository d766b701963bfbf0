#include "app/commands/edit_history.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <QWidget>

namespace trevalo::app {

namespace {

// One change of the program: the editor's state before and after it.
class EditStep : public QUndoCommand {
public:
    EditStep(EditHistory& history, program::Program before, program::Program after)
        : QUndoCommand(QCoreApplication::translate("EditHistory", "change of the program")), history_(history), before_(std::move(before)),
          after_(std::move(after))
    {
    }
    void undo() override { history_.apply(before_); }
    // Pushed after the change was made: the first redo has nothing to do.
    void redo() override
    {
        if (!first_)
            history_.apply(after_);
        first_ = false;
    }

private:
    EditHistory& history_;
    program::Program before_, after_;
    bool first_ = true;
};

}  // namespace

EditHistory::EditHistory(QWidget* window, editor::EditModel& model, std::function<void()> apply_changes)
    : QObject(window), window_(window), model_(model), apply_changes_(std::move(apply_changes)), last_(editor::program_of(model)),
      saved_(program_file::program_bytes(last_))
{
}

void EditHistory::changed()
{
    if (!restoring_) {
        program::Program now = editor::program_of(model_);
        if (now != last_) {
            const program::Program before = std::exchange(last_, now);
            stack_.push(new EditStep(*this, before, now));
        }
    }
    show_modified();
}

void EditHistory::apply(const program::Program& state)
{
    restoring_ = true;
    editor::restore(model_, state);
    apply_changes_();
    restoring_ = false;
    last_ = state;
    show_modified();
}

void EditHistory::mark_saved()
{
    saved_ = program_file::program_bytes(editor::program_of(model_));
    show_modified();
}

bool EditHistory::modified() const { return program_file::program_bytes(editor::program_of(model_)) != saved_; }

void EditHistory::show_modified() { window_->setWindowModified(modified()); }

}  // namespace trevalo::app
