#include "app/widgets/line_layer.h"

#include "app/widgets/twips.h"

#include <QPainter>

namespace trevalo::app {

LineSegment::LineSegment(QWidget* layer) : QObject(layer), layer_(layer) {}

void LineSegment::set(float& field, float value)
{
    if (field == value)
        return;
    field = value;
    if (visible_)
        layer_->update();
}

void LineSegment::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    layer_->update();
}

void LineSegment::setBorderWidth(int width)
{
    width_ = width;
    layer_->update();
}

LineLayer::LineLayer(QWidget* frame) : QWidget(frame)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(frame->size());
    raise();
}

void LineLayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QObject* child : children()) {
        const auto* line = qobject_cast<const LineSegment*>(child);
        if (!line || !line->isVisible())
            continue;
        QPen pen(line->colour(), line->borderWidth(), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        const QPointF from(px(double(line->x1())), px(double(line->y1())));
        const QPointF to(px(double(line->x2())), px(double(line->y2())));
        // A segment of length 0 is a dot, which a line of no length does not draw.
        if (from == to)
            painter.drawPoint(from);
        else
            painter.drawLine(from, to);
    }
}

}  // namespace trevalo::app
