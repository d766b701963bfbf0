#include "app/widgets/sample_scroll_bar.h"

#include <QKeyEvent>

namespace trevalo::app {

SampleScrollBar::SampleScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SampleScrollBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
    case Qt::Key_Right:
    case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace trevalo::app
