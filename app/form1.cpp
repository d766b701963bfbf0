#include "app/form1.h"

#include "app/controls.h"
#include "app/edit_tab.h"
#include "app/pictures.h"
#include "app/record_tab.h"
#include "app/save_command.h"
#include "app/tab_control.h"
#include "app/twips.h"

#include <QPushButton>

namespace trevalo::app {

namespace {

// The tab control, in twips inside the window.
constexpr int kTabLeft = 120;
constexpr int kTabTop = 120;
constexpr int kTabWidth = 10440;
constexpr int kTabHeight = 9885;

}  // namespace

QString window_title(bool multi_line)
{
    return multi_line ? QStringLiteral("TREVALO USB AP\r\nv0.9") : QStringLiteral("TREVALO USB AP v0.9");
}

Form1::Form1(QWidget* parent) : QWidget(parent), pictures_(std::make_unique<Pictures>())
{
    setObjectName(QStringLiteral("Form1"));
    // Window titles are single lines on every desktop Qt runs on.
    setWindowTitle(window_title(false));
    setFont(arial(12));

    tabs_ = new TabControl(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setFont(arial(12));
    tabs_->setGeometry(area(kTabLeft, kTabTop, kTabWidth, kTabHeight));
    edit_tab_ = new EditTab(edit_model_, *pictures_);
    record_tab_ = new RecordTab(record_view_, *pictures_, [this] {
        return QString::fromLatin1(editor::file_word(edit_model_.model())) + QStringLiteral("_REC");
    });
    tabs_->addPage(edit_tab_, QStringLiteral("Edit"));
    tabs_->addPage(record_tab_, QStringLiteral("Record"));
    tabs_->setCurrentIndex(0);

    auto* save = new SaveCommand(this, edit_model_);
    connect(edit_tab_->save_button(), &QPushButton::clicked, save, &SaveCommand::Command_save_Click);

    Form_Load();
}

Form1::~Form1() = default;

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
