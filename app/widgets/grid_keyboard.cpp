#include "app/widgets/grid_keyboard.h"

#include "app/widgets/twips.h"
#include "editor/lamp_keyboard.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace trevalo::app {

namespace {

// A ring drawn around the marked lamp.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* parent) : QWidget(parent)
    {
        setObjectName(parent->objectName() + QStringLiteral("_focus"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(px(300) + 4, px(300) + 4);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

}  // namespace

GridKeyboard::GridKeyboard(QWidget* frame, const editor::EditModel& model, editor::Ctl grid,
                           std::function<void(int)> click)
    : QObject(frame), frame_(frame), mark_(new FocusMark(frame)), model_(model), grid_(grid), click_(std::move(click))
{
    frame_->setFocusPolicy(Qt::StrongFocus);
    frame_->installEventFilter(this);
}

bool GridKeyboard::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        settle();
        mark_->show();
        mark_->raise();
        return false;
    case QEvent::FocusOut:
        mark_->hide();
        return false;
    case QEvent::KeyPress: {
        using editor::Direction;
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Left: move_to(editor::move_cursor(model_, grid_, cursor_, Direction::Left)); return true;
        case Qt::Key_Right: move_to(editor::move_cursor(model_, grid_, cursor_, Direction::Right)); return true;
        case Qt::Key_Up: move_to(editor::move_cursor(model_, grid_, cursor_, Direction::Up)); return true;
        case Qt::Key_Down: move_to(editor::move_cursor(model_, grid_, cursor_, Direction::Down)); return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click_(cursor_);
            describe();
            return true;
        default: return false;
        }
    }
    default: return false;
    }
}

void GridKeyboard::settle() { move_to(editor::settle_cursor(model_, grid_, cursor_)); }

void GridKeyboard::move_to(int lamp)
{
    cursor_ = lamp;
    const editor::Point p = editor::lamp_position(lamp);
    mark_->move(px(p.left) - 2, px(p.top) - 2);
    describe();
}

// The frame tells a screen reader which lamp is marked and what it does.
void GridKeyboard::describe()
{
    frame_->setAccessibleDescription(QString::fromStdString(editor::lamp_name(grid_, cursor_) + ": " +
                                                            editor::lamp_description(model_, grid_, cursor_)));
}

}  // namespace trevalo::app
