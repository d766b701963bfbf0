#pragma once

// "History…": every workout ever kept, with the totals per week or month,
// the trend of distance and pace, and the personal bests. A chosen workout
// is shown whole and can be made a program or exported, whether or not its
// file is still at hand.

#include "app/commands/workout_in_hand.h"
#include "history/history_store.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;

namespace trevalo::editor {
class EditModel;
}

namespace trevalo::app {

class HistoryService;
class PeriodChart;
class WorkoutChartView;
class HistoryWorkoutsModel;

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // `program_chosen` brings the Edit tab in line once Make Program… made
    // a program, as the Record tab's button does.
    HistoryWindow(HistoryService& history, editor::EditModel& edit, std::function<void()> program_chosen,
                  QWidget* parent);

    // Reads the history anew; what it finds arrives a moment later.
    void refresh();

signals:
    // The tables were filled from the history (for tests and the curious).
    void refreshed();
    // The chosen workout's readings arrived and are charted.
    void workoutShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Snapshot;
    void build();
    void show_snapshot(Snapshot snapshot);
    void choose(std::int64_t id);
    void show_workout(std::int64_t id);
    void forget();
    void export_all();
    std::vector<std::int64_t> selected_ids() const;
    history::Unit unit() const;

    HistoryService& history_;
    QCheckBox* keep_ = nullptr;
    QComboBox* unit_ = nullptr;
    QComboBox* period_ = nullptr;
    HistoryWorkoutsModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QTableWidget* periods_ = nullptr;
    QTableWidget* bests_ = nullptr;
    QLabel* totals_ = nullptr;
    PeriodChart* trend_ = nullptr;
    WorkoutChartView* chart_ = nullptr;
    QPushButton* make_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* forget_ = nullptr;
    QPushButton* export_all_ = nullptr;
    std::vector<std::optional<std::int64_t>> best_ids_;
    std::optional<WorkoutInHand> chosen_;
    std::int64_t asked_ = 0;  // the workout chosen last, whose readings were asked for
    int refreshes_ = 0;  // readings of the history asked for
    bool read_only_ = false;
    bool unit_chosen_ = false;  // by the user, now or in an earlier run
};

}  // namespace trevalo::app
