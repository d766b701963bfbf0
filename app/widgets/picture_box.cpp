#include "app/widgets/picture_box.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace trevalo::app {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    resize(sizeHint());
    update();
}

void PictureBox::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& class_name, QObject* object) -> QAccessibleInterface* {
            auto* box = qobject_cast<PictureBox*>(object);
            if (!box || class_name != QLatin1String(staticMetaObject.className()))
                return nullptr;
            return new QAccessibleWidget(box, box->accessibleRole());
        });
        return true;
    }();
    (void)installed;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace trevalo::app
