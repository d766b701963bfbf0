#pragma once

// A two-page tabbed control whose pages span the whole control, tabs
// included, so that controls on a page are placed from the control's own
// top-left corner and the frames start just under the tabs.

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace trevalo::app {

class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    // Adds a page under a new tab with this caption.
    void addPage(QWidget* page, const QString& caption);
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* bar_;
    QStackedWidget* pages_;
};

}  // namespace trevalo::app
