#pragma once

// Works a lamp grid from the keyboard. The grid's frame takes the focus;
// the arrow keys move a focus mark over the lamps that a click could reach,
// and Space or Enter clicks the marked lamp, through the same handler as the
// mouse.

#include "editor/edit_model.h"

#include <QObject>

#include <functional>

class QWidget;

namespace trevalo::app {

class GridKeyboard : public QObject {
    Q_OBJECT
public:
    // `click` is what a mouse click on a lamp runs.
    GridKeyboard(QWidget* frame, const editor::EditModel& model, editor::Ctl grid, std::function<void(int)> click);

    int cursor() const { return cursor_; }
    // Keeps the cursor on a reachable lamp after the settings changed.
    void settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void move_to(int lamp);
    void describe();

    QWidget* frame_;
    QWidget* mark_;
    const editor::EditModel& model_;
    editor::Ctl grid_;
    std::function<void(int)> click_;
    int cursor_ = 0;
};

}  // namespace trevalo::app
