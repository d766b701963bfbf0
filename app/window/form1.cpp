#include "app/window/form1.h"

#include "app/commands/edit_history.h"
#include "app/commands/export_program_command.h"
#include "app/commands/history_service.h"
#include "app/commands/import_command.h"
#include "app/commands/make_program_command.h"
#include "app/commands/messages.h"
#include "app/commands/open_command.h"
#include "app/commands/save_command.h"
#include "app/commands/shortcuts.h"
#include "app/widgets/controls.h"
#include "app/widgets/picture_box.h"
#include "app/widgets/pictures.h"
#include "app/widgets/tab_control.h"
#include "app/widgets/twips.h"
#include "app/window/edit_tab.h"
#include "app/window/history_window.h"
#include "app/window/record_tab.h"
#include "files/file_source.h"
#include "imports/outside_file.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

namespace trevalo::app {

namespace {

// The tab control, in twips inside the window.
constexpr int kTabLeft = 120;
constexpr int kTabTop = 120;
constexpr int kTabWidth = 10440;
constexpr int kTabHeight = 9885;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), pictures_(std::make_unique<Pictures>(devicePixelRatioF()))
{
    setObjectName(QStringLiteral("Form1"));
    PictureBox::installAccessibility();
    // The title has the version on a second line where a title can have
    // two; window titles are single lines on every desktop Qt runs on.
    setWindowTitle(QStringLiteral("TREVALO USB AP v0.9[*]"));
    setFont(arial(12));

    tabs_ = new TabControl(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setFont(arial(12));
    tabs_->setGeometry(area(kTabLeft, kTabTop, kTabWidth, kTabHeight));
    edit_tab_ = new EditTab(edit_model_, *pictures_);
    record_tab_ = new RecordTab(record_view_, *pictures_, [this] {
        return QString::fromLatin1(editor::file_word(edit_model_.model())) + QStringLiteral("_REC");
    });
    tabs_->addPage(edit_tab_, tr("Edit"));
    tabs_->addPage(record_tab_, tr("Record"));
    tabs_->setCurrentIndex(0);

    save_ = new SaveCommand(this, edit_model_);
    connect(edit_tab_->save_button(), &QPushButton::clicked, save_, &SaveCommand::Command_save_Click);
    load_ = new OpenCommand(this, edit_model_, [this] { edit_tab_->apply_changes(); });
    connect(edit_tab_->load_button(), &QPushButton::clicked, load_, &OpenCommand::Command_load_Click);

    // A whole program arrives as one change: the lists through their handlers,
    // then the widgets, which reports the change to the history once.
    const auto program_chosen = [this] {
        edit_tab_->apply_changes();
        tabs_->setCurrentIndex(0);
    };
    auto* make = new MakeProgramCommand(this, edit_model_, shown_workout(record_view_, [] { return QString(); }),
                                        program_chosen);
    connect(record_tab_->make_program_button(), &QPushButton::clicked, make, &MakeProgramCommand::Command_make_Click);
    import_ = new ImportCommand(this, edit_model_, program_chosen);
    connect(edit_tab_->import_button(), &QPushButton::clicked, import_, &ImportCommand::Command_import_Click);
    auto* export_program = new ExportProgramCommand(this, edit_model_);
    connect(edit_tab_->export_program_button(), &QPushButton::clicked, export_program,
            &ExportProgramCommand::Command_export_program_Click);

    // The training history: what a load shows is kept on the history's own
    // thread, after it is shown.
    training_ = new HistoryService(history::default_history_path(), this);
    connect(record_tab_, &RecordTab::workouts_shown, this, [this](const QString& path) {
        if (training_->keeping())
            training_->keep(record_view_.shared_store(), record_view_.dates(), QFileInfo(path).fileName());
    });
    connect(training_, &HistoryService::told, this, [this](const QString& text, bool refusal) {
        show_message(this, refusal ? Tone::Refusal : Tone::Note, text, "HistoryMessage");
    });
    connect(record_tab_->history_button(), &QPushButton::clicked, this, &Form1::Command_history_Click);
    program_chosen_ = program_chosen;

    setAcceptDrops(true);
    Form_Load();

    // Undo and redo on the Edit tab, from the keyboard and its context menu.
    history_ = new EditHistory(this, edit_model_, [this] { edit_tab_->apply_changes(); });
    connect(edit_tab_, &EditTab::changed, history_, &EditHistory::changed);
    connect(save_, &SaveCommand::saved, history_, &EditHistory::mark_saved);
    connect(load_, &OpenCommand::opened, history_, &EditHistory::mark_saved);
    QAction* undo = history_->stack().createUndoAction(edit_tab_, tr("Undo"));
    undo->setObjectName(QStringLiteral("Action_undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = history_->stack().createRedoAction(edit_tab_, tr("Redo"));
    redo->setObjectName(QStringLiteral("Action_redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit_tab_->addActions({undo, redo});
    edit_tab_->setContextMenuPolicy(Qt::ActionsContextMenu);
    install_file_shortcuts(*this);
}

void Form1::Command_history_Click()
{
    if (!training_window_)
        training_window_ = new HistoryWindow(*training_, edit_model_, program_chosen_, this);
    training_window_->show();
    training_window_->raise();
    training_window_->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!isWindowModified())
        return event->accept();
    QMessageBox box(QMessageBox::Question, QStringLiteral("TREVALO USB AP"),
                    tr("The program has changes that are not saved.\n\nSave them before closing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("CloseQuestion"));
    box.setDefaultButton(QMessageBox::Save);
    const int answer = box.exec();
    // A save that fails or is cancelled keeps the window, and the work, open.
    if (answer == QMessageBox::Discard || (answer == QMessageBox::Save && save_->Command_save_Click()))
        event->accept();
    else
        event->ignore();
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// The drop is answered at once; the file is opened afterwards, so that the
// program the file came from is not kept waiting by a message box.
void Form1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const QString path = urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
    event->acceptProposedAction();
    QMetaObject::invokeMethod(this, [this, path] { open_dropped(path); }, Qt::QueuedConnection);
}

void Form1::open_dropped(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        show_message(this, Tone::Refusal,
                     tr("Drop one record file, program file or workout file on the window to open it.\n\n"
                        "Several files or a folder cannot be opened at once."),
                     "DropMessage");
        return;
    }
    open_path(path);
}

void Form1::open_path(const QString& path)
{
    // A program file and a treadmill's log share the suffix ".cus", and a
    // workout file may have any name: the bytes tell.
    files::FileSource source;
    std::string head;
    std::uint64_t size = 0;
    if (source.open(path.toStdString())) {
        size = source.size();
        if (Result<std::string> read = source.read_up_to(imports::kOutsideHeadBytes))
            head = std::move(read).value();
    }
    switch (imports::outside_file_kind(head, size, QFileInfo(path).fileName().toStdString())) {
    case imports::OutsideFile::Program:
        tabs_->setCurrentIndex(0);
        load_->open(path);
        return;
    case imports::OutsideFile::Workout:
        import_->import(path);
        return;
    case imports::OutsideFile::Records:
        break;
    }
    record_tab_->load(path, [this] { tabs_->setCurrentIndex(1); });
}

// The history's thread finishes its work while the window's models still
// stand.
Form1::~Form1()
{
    delete training_window_;
    delete training_;
}

void Form1::Form_Load()
{
    // The client area holds the tab control with the same margin all round;
    // the window manager adds the title bar and borders.
    setFixedSize(px(kTabWidth + 2 * kTabLeft), px(kTabHeight + 2 * kTabTop));
    edit_model_.Form_Load();
    record_view_.Form_Load();
    edit_tab_->apply_all();
    record_tab_->apply_all();
}

}  // namespace trevalo::app
