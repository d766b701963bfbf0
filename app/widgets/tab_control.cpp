#include "app/widgets/tab_control.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace trevalo::app {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)), pages_(new QStackedWidget(this))
{
    bar_->setObjectName(QStringLiteral("SSTab1_tabs"));
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    connect(bar_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    bar_->raise();
}

void TabControl::addPage(QWidget* page, const QString& caption)
{
    pages_->addWidget(page);
    bar_->addTab(caption);
    bar_->resize(bar_->sizeHint());
    bar_->raise();
}

int TabControl::currentIndex() const { return bar_->currentIndex(); }
void TabControl::setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

void TabControl::resizeEvent(QResizeEvent*)
{
    pages_->setGeometry(rect());
    bar_->resize(bar_->sizeHint());
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    frame.tabBarSize = bar_->size();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace trevalo::app
