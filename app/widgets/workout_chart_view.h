#pragma once

// The whole workout as one chart: speed, incline and pulse over every
// sample, the samples the Record tab shows marked. A click or the arrow keys
// ask for the Record tab's window to move there.

#include "records/workout_chart.h"

#include <QWidget>

namespace trevalo::app {

class WorkoutChartView : public QWidget {
    Q_OBJECT
public:
    explicit WorkoutChartView(QWidget* parent = nullptr);

    // The workout drawn, and the samples first..first+count-1 marked.
    void setWorkout(records::WholeWorkout chart);
    void setShown(int first, int count);

signals:
    // The user asks to see the samples from `first` on.
    void showFrom(int first);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF plot() const;
    void describe();

    records::WholeWorkout chart_;
    int first_ = 0;
    int count_ = 0;
};

}  // namespace trevalo::app
