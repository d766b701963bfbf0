#include "app/window/workouts_window.h"

#include "app/commands/atomic_file.h"
#include "app/commands/messages.h"
#include "app/commands/save_dialog.h"
#include "app/widgets/workout_chart_view.h"
#include "exports/record_workout.h"
#include "records/chart_layout.h"
#include "records/record_view.h"
#include "records/workouts_table.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trevalo::app {

namespace {

// Sorts by the model's key, not by the text: "9:05" before "10:00".
class WorkoutItem : public QTableWidgetItem {
public:
    WorkoutItem(const QString& text, double key, int record) : QTableWidgetItem(text), key_(key)
    {
        setData(Qt::UserRole, record);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* item = static_cast<const WorkoutItem*>(&other);
        return column() == 0 ? text() < other.text() : key_ < item->key_;
    }

private:
    double key_;
};

}  // namespace

WorkoutsWindow::WorkoutsWindow(const records::RecordView& view, QWidget* parent)
    : QDialog(parent), view_(view)
{
    setObjectName(QStringLiteral("WorkoutsWindow"));
    setWindowTitle(tr("All Workouts"));
    resize(860, 580);

    table_ = new QTableWidget(0, records::kWorkoutColumns, this);
    table_->setObjectName(QStringLiteral("Table_workouts"));
    table_->setAccessibleName(tr("Workouts"));
    QStringList headings;
    for (const char* heading : records::workout_headings())
        headings.append(QCoreApplication::translate("records", heading));
    table_->setHorizontalHeaderLabels(headings);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The rows share their shapes: the first ones tell each column's width.
    table_->horizontalHeader()->setResizeContentsPrecision(32);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            emit workoutChosen(table_->item(row, 0)->data(Qt::UserRole).toInt());
    });

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("Label_totals"));
    chart_ = new WorkoutChartView(this);
    connect(chart_, &WorkoutChartView::showFrom, this, &WorkoutsWindow::showFrom);

    auto* export_all = new QPushButton(tr("Export All\u2026"), this);
    export_all->setObjectName(QStringLiteral("Command_export_all"));
    connect(export_all, &QPushButton::clicked, this, &WorkoutsWindow::export_all);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(totals_, 1);
    buttons->addWidget(export_all);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 3);
    layout->addLayout(buttons);
    layout->addWidget(chart_, 2);

    stale_ = true;
}

// A closed window costs a load nothing: it catches up when shown.
void WorkoutsWindow::showEvent(QShowEvent* event)
{
    if (stale_)
        refresh_table();
    QDialog::showEvent(event);
}

void WorkoutsWindow::refresh_table()
{
    stale_ = !isVisible();
    if (stale_)
        return;
    const std::vector<records::WorkoutRow> rows = records::workouts_table(view_.dates(), view_.store());
    const QSignalBlocker blocker(table_);
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int column = 0; column < records::kWorkoutColumns; ++column) {
            const records::WorkoutRow& row = rows[static_cast<std::size_t>(r)];
            table_->setItem(r, column,
                            new WorkoutItem(QString::fromStdString(records::workout_cell(row, column)),
                                            records::workout_sort_key(row, column), r));
        }
    table_->setSortingEnabled(true);
    // Once, after filling: fitting the columns at every cell would measure
    // every cell again each time, minutes for a thousand workouts.
    table_->resizeColumnsToContents();
    totals_->setText(QString::fromStdString(records::totals_text(records::workouts_totals(rows))));
    charted_ = -2;
    refresh_chart();
}

void WorkoutsWindow::refresh_chart()
{
    if (stale_)
        return;
    const int shown = view_.selected_date();
    if (shown != charted_) {
        chart_->setWorkout(shown >= 0 ? records::whole_workout(view_.store(), shown) : records::WholeWorkout{});
        charted_ = shown;
        const QSignalBlocker blocker(table_);
        for (int row = 0; row < table_->rowCount(); ++row)
            if (table_->item(row, 0)->data(Qt::UserRole).toInt() == shown)
                table_->setCurrentCell(row, 0);
    }
    chart_->setShown(view_.scroll().value, records::kColumns);
}

void WorkoutsWindow::export_all()
{
    const std::optional<QString> path =
        ask_save_path(this, QStringLiteral("ExportAllDialog"), tr("CSV, one row per workout (*.csv)"),
                      QStringLiteral("csv"), QStringLiteral("workouts"), folders::kExports);
    if (!path)
        return;
    const std::string csv = exports::workouts_csv(records::workouts_table(view_.dates(), view_.store()));
    report_write(this, tr("The workouts were not exported."), *path,
                 write_file_atomically(*path, QByteArrayView(csv)), "ExportMessage");
}

}  // namespace trevalo::app
