#include "app/widgets/period_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trevalo::app {

namespace {

const QColor kDistance(0, 160, 0);
const QColor kPace(40, 40, 200);

}  // namespace

PeriodChart::PeriodChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart_history_periods"));
    setAccessibleName(tr("Distance and pace per period"));
    setMinimumHeight(150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PeriodChart::setPeriods(std::vector<history::ChartPeriod> periods, const QString& distance_unit,
                             const QString& pace_unit)
{
    periods_ = std::move(periods);
    distance_unit_ = distance_unit;
    pace_unit_ = pace_unit;
    double longest = 0;
    for (const history::ChartPeriod& p : periods_)
        longest = std::max(longest, p.distance);
    setAccessibleDescription(periods_.empty() ? tr("no workouts kept")
                                              : tr("%1 to %2, up to %3 %4 a period")
                                                    .arg(QString::fromStdString(periods_.front().period),
                                                         QString::fromStdString(periods_.back().period))
                                                    .arg(longest, 0, 'f', 1)
                                                    .arg(distance_unit_));
    update();
}

void PeriodChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    const QRectF area = QRectF(rect()).adjusted(8, metrics.height() + 6, -8, -metrics.height() - 6);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    if (periods_.empty())
        return;

    double longest = 0, slowest = 0, fastest = 0;
    for (const history::ChartPeriod& p : periods_) {
        longest = std::max(longest, p.distance);
        if (p.pace_s) {
            slowest = std::max(slowest, *p.pace_s);
            fastest = fastest == 0 ? *p.pace_s : std::min(fastest, *p.pace_s);
        }
    }
    const double slot = area.width() / static_cast<double>(periods_.size());
    if (longest > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDistance);
        for (std::size_t i = 0; i < periods_.size(); ++i) {
            const double h = periods_[i].distance / longest * area.height();
            painter.drawRect(QRectF(area.left() + slot * static_cast<double>(i) + slot * 0.15, area.bottom() - h,
                                    slot * 0.7, h));
        }
    }
    if (slowest > 0) {
        // Faster at the top; a single pace stands in the middle.
        const double span = slowest - fastest;
        auto y = [&](double pace) {
            const double share = span > 0 ? (slowest - pace) / span * 0.8 + 0.1 : 0.5;
            return area.bottom() - share * area.height();
        };
        QPainterPath line;
        bool drawing = false;
        painter.setBrush(kPace);
        painter.setPen(QPen(kPace, 2));
        for (std::size_t i = 0; i < periods_.size(); ++i) {
            if (!periods_[i].pace_s)
                continue;
            const QPointF at(area.left() + slot * (static_cast<double>(i) + 0.5), y(*periods_[i].pace_s));
            drawing ? line.lineTo(at) : line.moveTo(at);
            drawing = true;
            painter.drawEllipse(at, 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
    }

    painter.setPen(palette().color(QPalette::Text));
    const auto clock = [](double s) { return QString::fromStdString(history::clock_text(s)); };
    painter.drawText(QRectF(area.left(), 2, area.width() / 2, metrics.height()), Qt::AlignLeft,
                     tr("Distance up to %1 %2").arg(longest, 0, 'f', 1).arg(distance_unit_));
    if (slowest > 0)
        painter.drawText(QRectF(area.center().x(), 2, area.width() / 2, metrics.height()), Qt::AlignRight,
                         tr("Pace %1 to %2 %3").arg(clock(fastest), clock(slowest), pace_unit_));
    const double label_y = area.bottom() + 4;
    painter.drawText(QRectF(area.left(), label_y, area.width() / 2, metrics.height()), Qt::AlignLeft,
                     QString::fromStdString(periods_.front().period));
    painter.drawText(QRectF(area.center().x(), label_y, area.width() / 2, metrics.height()), Qt::AlignRight,
                     QString::fromStdString(periods_.back().period));
}

}  // namespace trevalo::app
