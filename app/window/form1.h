#pragma once

// The tool's one window: the "Edit" tab composes a custom workout program,
// the "Record" tab shows the workouts a treadmill recorded.

#include "editor/edit_model.h"
#include "records/record_view.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace trevalo::app {

class EditHistory;
class EditTab;
class HistoryService;
class HistoryWindow;
class ImportCommand;
class OpenCommand;
class SaveCommand;
class RecordTab;
class TabControl;
struct Pictures;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Constructing the window runs its start-up: it opens complete, with the
    // default program of the default model.
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const editor::EditModel& edit_model() const { return edit_model_; }

    // A file from outside (the command line, the file manager, a drop),
    // told by its bytes: a program file opens on the Edit tab as OPEN does,
    // a workout file from another tool is imported as IMPORT does, anything
    // else opens on the Record tab as "Open File" does; what is no file at
    // all gets a message.
    void open_path(const QString& path);
    const records::RecordView& record_view() const { return record_view_; }

protected:
    // A record file dropped on the window opens as "Open File" would.
    // Unsaved work is never thrown away without asking.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void open_dropped(const QString& path);
    void Command_history_Click();

    std::unique_ptr<Pictures> pictures_;
    editor::EditModel edit_model_;
    records::RecordView record_view_;
    TabControl* tabs_ = nullptr;
    EditTab* edit_tab_ = nullptr;
    RecordTab* record_tab_ = nullptr;
    SaveCommand* save_ = nullptr;
    OpenCommand* load_ = nullptr;
    ImportCommand* import_ = nullptr;
    EditHistory* history_ = nullptr;
    HistoryService* training_ = nullptr;
    HistoryWindow* training_window_ = nullptr;
    std::function<void()> program_chosen_;
};

}  // namespace trevalo::app

// The window's name as the rest of the tool knows it.
using Form1 = trevalo::app::Form1;
