#pragma once

// The scroll bar under the charts. It takes the keyboard focus, and the
// arrow keys move it by one sample, as Page Up and Page Down move it by a
// whole chart and Home and End to either end.

#include <QScrollBar>

namespace trevalo::app {

class SampleScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit SampleScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace trevalo::app
