#include "app/widgets/workout_chart_view.h"

#include "records/chart_layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace trevalo::app {

namespace {

const QColor kSpeed(0, 160, 0);
const QColor kIncline(220, 0, 0);
const QColor kPulse(40, 40, 200);

}  // namespace

WorkoutChartView::WorkoutChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart_workout"));
    setAccessibleName(tr("Whole workout"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WorkoutChartView::setWorkout(records::WholeWorkout chart)
{
    chart_ = std::move(chart);
    describe();
    update();
}

void WorkoutChartView::setShown(int first, int count)
{
    first_ = first;
    count_ = count;
    describe();
    update();
}

void WorkoutChartView::describe()
{
    const int samples = static_cast<int>(chart_.points.size());
    setAccessibleDescription(
        samples == 0 ? tr("no workout shown")
                     : tr("%1 samples over %2 minutes; speed up to %3, incline up to %4 %, "
                          "pulse up to %5; samples %6 to %7 shown on the Record tab")
                           .arg(samples)
                           .arg(qRound(chart_.duration_s / 60))
                           .arg(chart_.top_speed)
                           .arg(chart_.top_incline)
                           .arg(chart_.top_pulse)
                           .arg(first_ + 1)
                           .arg(std::min(first_ + count_, samples)));
}

QRectF WorkoutChartView::plot() const { return QRectF(rect()).adjusted(8, 8, -8, -20); }

void WorkoutChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRectF area = plot();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    const auto& points = chart_.points;
    if (points.empty())
        return;
    auto at = [&](double x, double y) { return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height()); };

    // The samples the Record tab shows.
    const int last = std::min(first_ + count_, static_cast<int>(points.size())) - 1;
    if (first_ >= 0 && first_ <= last) {
        const double left = points[static_cast<std::size_t>(first_)].x;
        const double right = points[static_cast<std::size_t>(last)].x;
        painter.fillRect(QRectF(at(left, 1), at(right, 0)).adjusted(-1, 0, 1, 0), palette().color(QPalette::Highlight).lighter(170));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    auto line = [&](const QColor& colour, auto value) {
        QPainterPath path;
        bool drawing = false;
        for (const records::ChartPoint& p : points) {
            const std::optional<double> y = value(p);
            if (!y) {
                drawing = false;  // no pulse: a gap, not a fall to zero
                continue;
            }
            drawing ? path.lineTo(at(p.x, *y)) : path.moveTo(at(p.x, *y));
            drawing = true;
        }
        painter.setPen(QPen(colour, 1.5));
        painter.drawPath(path);
    };
    line(kIncline, [](const records::ChartPoint& p) { return std::optional<double>(p.incline); });
    line(kSpeed, [](const records::ChartPoint& p) { return std::optional<double>(p.speed); });
    line(kPulse, [](const records::ChartPoint& p) { return p.pulse; });

    // The legend, each name in its line's colour.
    const std::pair<QColor, QString> legend[] = {
        {kSpeed, tr("speed (top %1)").arg(chart_.top_speed)},
        {kIncline, tr("incline (top %1 %)").arg(chart_.top_incline)},
        {kPulse, tr("pulse (top %1)").arg(chart_.top_pulse)},
        {palette().color(QPalette::Text), tr("%1 min").arg(qRound(chart_.duration_s / 60))},
    };
    qreal left = area.left();
    for (const auto& [colour, text] : legend) {
        painter.setPen(colour);
        painter.drawText(QRectF(left, area.bottom() + 2, area.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, text);
        left += fontMetrics().horizontalAdvance(text) + 16;
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void WorkoutChartView::mousePressEvent(QMouseEvent* event)
{
    const QRectF area = plot();
    if (chart_.points.empty() || area.width() <= 0)
        return;
    const int sample = records::sample_at(chart_, (event->position().x() - area.left()) / area.width());
    emit showFrom(std::max(0, sample - count_ / 2));  // the clicked sample in the middle
}

void WorkoutChartView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: emit showFrom(std::max(0, first_ - 1)); break;
    case Qt::Key_Right: emit showFrom(first_ + 1); break;
    case Qt::Key_PageUp: emit showFrom(std::max(0, first_ - count_)); break;
    case Qt::Key_PageDown: emit showFrom(first_ + count_); break;
    case Qt::Key_Home: emit showFrom(0); break;
    case Qt::Key_End: emit showFrom(static_cast<int>(chart_.points.size())); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

}  // namespace trevalo::app
