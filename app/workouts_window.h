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

class RecordTab;
class WorkoutChartView;

class WorkoutsWindow : public QDialog {
    Q_OBJECT
public:
    WorkoutsWindow(RecordTab& tab, const records::RecordView& view, QWidget* parent);

    // A new file: the table anew. A new choice or scroll position: the chart.
    void refresh_table();
    void refresh_chart();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void export_all();

    RecordTab& tab_;
    const records::RecordView& view_;
    QTableWidget* table_ = nullptr;
    QLabel* totals_ = nullptr;
    WorkoutChartView* chart_ = nullptr;
    int charted_ = -2;  // the workout the chart holds
    bool stale_ = false;  // a file was loaded while the window was closed
};

}  // namespace trevalo::app
