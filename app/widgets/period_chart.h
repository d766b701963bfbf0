#pragma once

// The training history's trend: the distance of each week or month as bars,
// the average pace as a line over them, oldest on the left. A faster pace
// stands higher, as a runner reads "better".

#include "history/history_table.h"

#include <QWidget>

#include <vector>

namespace trevalo::app {

class PeriodChart : public QWidget {
    Q_OBJECT
public:
    explicit PeriodChart(QWidget* parent = nullptr);

    // `distance_unit` and `pace_unit` label the scales ("mi", "/mi").
    void setPeriods(std::vector<history::ChartPeriod> periods, const QString& distance_unit, const QString& pace_unit);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<history::ChartPeriod> periods_;
    QString distance_unit_, pace_unit_;
};

}  // namespace trevalo::app
