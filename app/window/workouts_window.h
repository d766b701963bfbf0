#pragma once

// "All Workouts…": every workout of the loaded file in a sortable table with
// the totals, and the chosen workout whole as one chart. Choosing a row
// shows that workout on the Record tab; clicking the chart moves the Record
// tab's samples there.

#include <QDialog>

class QLabel;
class QTableWidget;

namespace trevalo::records {
class RecordView;
}

namespace trevalo::app {

class WorkoutChartView;

class WorkoutsWindow : public QDialog {
    Q_OBJECT
public:
    // The Record tab owns the window and ties its signals to its own: the
    // window knows only the view it shows.
    WorkoutsWindow(const records::RecordView& view, QWidget* parent);

    // A new file: the table anew. A new choice or scroll position: the chart.
    void refresh_table();
    void refresh_chart();

signals:
    // The user chose a row (the workout's index in the file) or a place on
    // the chart (a sample's index).
    void workoutChosen(int index);
    void showFrom(int first);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void export_all();

    const records::RecordView& view_;
    QTableWidget* table_ = nullptr;
    QLabel* totals_ = nullptr;
    WorkoutChartView* chart_ = nullptr;
    int charted_ = -2;  // the workout the chart holds
    bool stale_ = false;  // a file was loaded while the window was closed
};

}  // namespace trevalo::app
