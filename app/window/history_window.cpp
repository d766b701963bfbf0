#include "app/window/history_window.h"

#include "app/commands/atomic_file.h"
#include "app/commands/export_command.h"
#include "app/commands/history_service.h"
#include "app/commands/make_program_command.h"
#include "app/commands/messages.h"
#include "app/commands/save_dialog.h"
#include "app/widgets/period_chart.h"
#include "app/widgets/workout_chart_view.h"
#include "exports/record_workout.h"
#include "history/history_table.h"
#include "records/workout_chart.h"
#include "folders/settings_place.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trevalo::app {

namespace {

using history::Unit;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QSettings settings()
{
    return QSettings(folders::settings_format(), QSettings::UserScope, QStringLiteral("trevalo"),
                     QStringLiteral("trevalo"));
}
const QString kUnitKey = QStringLiteral("history/unit");

QTableWidget* make_table(QWidget* parent, const char* name, const QString& accessible, int columns)
{
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessible);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    return table;
}

void set_headings(QTableWidget* table, const auto& headings)
{
    QStringList labels;
    for (const std::string& heading : headings)
        labels.append(QString::fromStdString(heading));
    table->setHorizontalHeaderLabels(labels);
}

void set_cell(QTableWidget* table, int row, int column, const QString& value)
{
    auto* item = new QTableWidgetItem(value);
    if (column > 0)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

}  // namespace

// The workouts as a model, each cell made when it is drawn: ten thousand
// rows cost the window nothing until they are scrolled to.
class HistoryWorkoutsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kIdRole = Qt::UserRole + 1;

    void set_rows(std::vector<history::WorkoutRow> rows, Unit unit)
    {
        beginResetModel();
        rows_ = std::move(rows);
        headings_ = history::workout_headings(unit);
        endResetModel();
    }
    const std::vector<history::WorkoutRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : history::kWorkoutColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const history::WorkoutRow& row = rows_[static_cast<std::size_t>(index.row())];
        switch (role) {
        case Qt::DisplayRole:
            return text(history::workout_cell(row, index.column()));
        case Qt::TextAlignmentRole:
            return index.column() == 0 || index.column() == history::kWorkoutColumns - 1
                       ? QVariant()
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::UserRole:
            if (const auto key = history::workout_sort_key(row, index.column()))
                return *key;
            return text(history::workout_cell(row, index.column()));
        case kIdRole:
            return QVariant::fromValue(row.id);
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < history::kWorkoutColumns)
            return text(headings_[static_cast<std::size_t>(section)]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    std::vector<history::WorkoutRow> rows_;
    std::array<std::string, history::kWorkoutColumns> headings_ = history::workout_headings(Unit::Mile);
};

// What one reading of the history brings back.
struct HistoryWindow::Snapshot {
    std::string unavailable;  // why the history cannot be read
    Unit unit = Unit::Mile;
    bool read_only = false;
    std::vector<history::WorkoutRow> rows;
    std::vector<history::PeriodTotals> periods;
    history::PersonalBests bests;
    history::PeriodTotals overall;
};

HistoryWindow::HistoryWindow(HistoryService& history, editor::EditModel& edit, std::function<void()> program_chosen,
                             QWidget* parent)
    : QDialog(parent), history_(history)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("History"));
    resize(1240, 800);
    build();

    const WorkoutSource chosen = [this] { return chosen_; };
    auto* make = new MakeProgramCommand(this, edit, chosen, std::move(program_chosen));
    connect(make_, &QPushButton::clicked, make, &MakeProgramCommand::Command_make_Click);
    auto* exporter = new ExportCommand(this, chosen);
    connect(export_, &QPushButton::clicked, exporter, &ExportCommand::Command_export_Click);
    connect(&history_, &HistoryService::changed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void HistoryWindow::build()
{
    keep_ = new QCheckBox(tr("Keep every workout opened"), this);
    keep_->setObjectName(QStringLiteral("Check_keep_history"));
    keep_->setChecked(history_.keeping());
    connect(keep_, &QCheckBox::clicked, this, [this](bool on) { history_.set_keeping(on); });

    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("Combo_history_unit"));
    unit_->setAccessibleName(tr("Unit"));
    unit_->addItems({QStringLiteral("Mile"), QStringLiteral("KM")});
    const QVariant remembered = settings().value(kUnitKey);
    unit_chosen_ = remembered.isValid();
    unit_->setCurrentIndex(remembered.toString() == QStringLiteral("KM") ? 1 : 0);
    connect(unit_, &QComboBox::activated, this, [this] {
        unit_chosen_ = true;
        settings().setValue(kUnitKey, unit_->currentText());
        refresh();
    });

    model_ = new HistoryWorkoutsModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(Qt::UserRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Table_history"));
    table_->setAccessibleName(tr("Workouts kept"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The rows share their shapes: the first ones tell each column's width.
    table_->horizontalHeader()->setResizeContentsPrecision(32);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& at) {
        if (at.isValid())
            show_workout(at.data(HistoryWorkoutsModel::kIdRole).toLongLong());
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { forget_->setEnabled(!read_only_ && !selected_ids().empty()); });

    bests_ = make_table(this, "Table_bests", tr("Personal bests"), 3);
    bests_->setHorizontalHeaderLabels({tr("Best"), tr("Value"), tr("Date")});
    bests_->horizontalHeader()->setStretchLastSection(true);
    connect(bests_, &QTableWidget::cellClicked, this, [this](int row) {
        if (row >= 0 && static_cast<std::size_t>(row) < best_ids_.size() && best_ids_[static_cast<std::size_t>(row)])
            choose(*best_ids_[static_cast<std::size_t>(row)]);
    });

    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("Combo_history_period"));
    period_->setAccessibleName(tr("Totals per"));
    period_->addItems({tr("Week"), tr("Month")});
    connect(period_, &QComboBox::activated, this, &HistoryWindow::refresh);
    trend_ = new PeriodChart(this);
    periods_ = make_table(this, "Table_history_periods", tr("Totals per period"), history::kPeriodColumns);

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("Label_history_totals"));
    totals_->setWordWrap(true);
    chart_ = new WorkoutChartView(this);

    make_ = new QPushButton(tr("Make Program\u2026"), this);
    make_->setObjectName(QStringLiteral("Command_history_make"));
    export_ = new QPushButton(tr("Export\u2026"), this);
    export_->setObjectName(QStringLiteral("Command_history_export"));
    forget_ = new QPushButton(tr("Forget"), this);
    forget_->setObjectName(QStringLiteral("Command_history_forget"));
    connect(forget_, &QPushButton::clicked, this, &HistoryWindow::forget);
    export_all_ = new QPushButton(tr("Export All\u2026"), this);
    export_all_->setObjectName(QStringLiteral("Command_history_csv"));
    connect(export_all_, &QPushButton::clicked, this, &HistoryWindow::export_all);
    for (QPushButton* button : {make_, export_, forget_, export_all_})
        button->setEnabled(false);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* top = new QHBoxLayout;
    top->addWidget(keep_);
    top->addStretch(1);
    auto* unit_label = new QLabel(tr("Unit:"), this);
    unit_label->setBuddy(unit_);
    top->addWidget(unit_label);
    top->addWidget(unit_);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {make_, export_, forget_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(export_all_);

    auto* left = new QVBoxLayout;
    left->addWidget(table_, 3);
    left->addLayout(buttons);
    left->addWidget(chart_, 2);

    auto* period_row = new QHBoxLayout;
    auto* period_label = new QLabel(tr("Totals per"), this);
    period_label->setBuddy(period_);
    period_row->addWidget(period_label);
    period_row->addWidget(period_);
    period_row->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Personal bests"), this));
    right->addWidget(bests_, 2);
    right->addLayout(period_row);
    right->addWidget(trend_, 2);
    right->addWidget(periods_, 2);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totals_, 1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    keep_->setChecked(history_.keeping());
    refresh();
    QDialog::showEvent(event);
}

history::Unit HistoryWindow::unit() const { return unit_->currentIndex() == 1 ? Unit::KM : Unit::Mile; }

void HistoryWindow::refresh()
{
    // Only the latest reading is shown: an earlier one (asked for by a keep
    // that ended, before the user chose another period) may come after it.
    const int number = ++refreshes_;
    const std::optional<Unit> wanted = unit_chosen_ ? std::optional(unit()) : std::nullopt;
    const history::Period period = period_->currentIndex() == 1 ? history::Period::Month : history::Period::Week;
    history_.ask<Snapshot>(
        this,
        [wanted, period](history::HistoryStore* store, const std::string& why) {
            Snapshot s;
            if (!store) {
                s.unavailable = why;
                return s;
            }
            s.read_only = store->read_only();
            // Until the user chooses, the unit of the latest workout.
            s.unit = wanted.value_or(Unit::Mile);
            auto rows = store->workouts(s.unit);
            if (rows && !wanted && !rows->empty() && !rows->front().imperial) {
                s.unit = Unit::KM;
                rows = store->workouts(s.unit);
            }
            auto periods = store->totals(period, s.unit);
            auto bests = store->bests(s.unit);
            auto overall = store->overall(s.unit);
            for (const std::string* error : {&rows.error(), &periods.error(), &bests.error(), &overall.error()})
                if (!error->empty()) {
                    s.unavailable = *error;
                    return s;
                }
            s.rows = std::move(rows).value();
            s.periods = std::move(periods).value();
            s.bests = std::move(bests).value();
            s.overall = std::move(overall).value();
            return s;
        },
        [this, number](Snapshot s) {
            if (number == refreshes_)
                show_snapshot(std::move(s));
        });
}

void HistoryWindow::show_snapshot(Snapshot s)
{
    read_only_ = s.read_only;
    const Unit unit = s.unit;
    unit_->setCurrentIndex(unit == Unit::KM ? 1 : 0);
    const std::int64_t chosen = asked_;

    model_->set_rows(std::move(s.rows), unit);
    table_->resizeColumnsToContents();

    periods_->setRowCount(static_cast<int>(s.periods.size()));
    set_headings(periods_, history::period_headings(unit));
    for (int r = 0; r < periods_->rowCount(); ++r)
        for (int c = 0; c < history::kPeriodColumns; ++c)
            set_cell(periods_, r, c, text(history::period_cell(s.periods[static_cast<std::size_t>(r)], c)));
    periods_->resizeColumnsToContents();
    const history::Period period = period_->currentIndex() == 1 ? history::Period::Month : history::Period::Week;
    trend_->setPeriods(history::chart_periods(s.periods, period),
                       unit == Unit::Mile ? QStringLiteral("mi") : QStringLiteral("km"),
                       unit == Unit::Mile ? QStringLiteral("/mi") : QStringLiteral("/km"));

    const auto names = history::best_names();
    bests_->setRowCount(history::kBestRows);
    best_ids_.assign(history::kBestRows, std::nullopt);
    for (int r = 0; r < history::kBestRows; ++r) {
        const std::optional<history::Best>& best = history::best_of(s.bests, r);
        set_cell(bests_, r, 0, text(names[static_cast<std::size_t>(r)]));
        set_cell(bests_, r, 1, text(history::best_value(s.bests, r, unit)));
        set_cell(bests_, r, 2, best ? text(best->date_line) : QStringLiteral("\u2013"));
        if (best)
            best_ids_[static_cast<std::size_t>(r)] = best->id;
    }
    bests_->resizeColumnsToContents();
    // Every best in sight: there are only eight.
    bests_->setMinimumHeight(bests_->horizontalHeader()->height() + history::kBestRows * bests_->rowHeight(0) +
                             2 * bests_->frameWidth());

    totals_->setText(s.unavailable.empty() ? text(history::totals_text(s.overall, unit)) : text(s.unavailable));
    export_all_->setEnabled(model_->rowCount() > 0);
    forget_->setEnabled(false);
    // The workout chosen before stays chosen where it is still kept.
    chosen_.reset();
    asked_ = 0;
    make_->setEnabled(false);
    export_->setEnabled(false);
    chart_->setWorkout({});
    if (chosen != 0)
        choose(chosen);
    emit refreshed();
}

void HistoryWindow::choose(std::int64_t id)
{
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        const QModelIndex at = sorted_->index(row, 0);
        if (at.data(HistoryWorkoutsModel::kIdRole).toLongLong() == id) {
            table_->selectionModel()->setCurrentIndex(
                at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            table_->scrollTo(at);
            return;
        }
    }
}

void HistoryWindow::show_workout(std::int64_t id)
{
    asked_ = id;
    history_.ask<Result<history::KeptWorkout>>(
        this,
        [id](history::HistoryStore* store, const std::string& why) {
            return store ? store->workout(id) : Result<history::KeptWorkout>::failure(why);
        },
        [this, id](Result<history::KeptWorkout> kept) {
            // Only the latest choice counts: the user may have moved on.
            if (id != asked_)
                return;
            if (!kept) {
                show_message(this, Tone::Refusal, text(kept.error()), "HistoryMessage");
                return;
            }
            history::KeptWorkout workout = std::move(kept).value();
            std::shared_ptr<const records::RecordStore> store(std::move(workout.store));
            chart_->setWorkout(records::whole_workout(*store, 0));
            chosen_ = WorkoutInHand{std::move(store), 0, workout.date_lines.front(), QString()};
            make_->setEnabled(true);
            export_->setEnabled(true);
            emit workoutShown();
        });
}

std::vector<std::int64_t> HistoryWindow::selected_ids() const
{
    std::vector<std::int64_t> ids;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows())
        ids.push_back(row.data(HistoryWorkoutsModel::kIdRole).toLongLong());
    return ids;
}

void HistoryWindow::forget()
{
    const std::vector<std::int64_t> ids = selected_ids();
    if (ids.empty())
        return;
    const QString count = ids.size() == 1 ? tr("Forget 1 workout?") : tr("Forget %1 workouts?").arg(ids.size());
    QMessageBox box(QMessageBox::Question, tr("History"),
                    count + QStringLiteral("\n\n") +
                        tr("They are removed from the history and are not kept again when their file is opened "
                           "again."),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("ForgetQuestion"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Yes)
        return;
    chosen_.reset();
    history_.ask<Result<void>>(
        this,
        [ids](history::HistoryStore* store, const std::string& why) {
            return store ? store->forget(ids) : Result<void>::failure(why);
        },
        [this](Result<void> forgotten) {
            if (!forgotten)
                show_message(this, Tone::Refusal, text(forgotten.error()), "HistoryMessage");
            refresh();
        });
}

void HistoryWindow::export_all()
{
    const std::optional<QString> path =
        ask_save_path(this, QStringLiteral("ExportAllDialog"), tr("CSV, one row per workout (*.csv)"),
                      QStringLiteral("csv"), QStringLiteral("history"), folders::kExports);
    if (!path)
        return;
    export_all_->setEnabled(false);
    history_.ask<Result<std::string>>(
        this,
        [](history::HistoryStore* store, const std::string& why) {
            if (!store)
                return Result<std::string>::failure(why);
            const auto rows = store->table_rows();
            return rows ? Result<std::string>(exports::workouts_csv(*rows)) : Result<std::string>::failure(rows.error());
        },
        [this, path = *path](Result<std::string> csv) {
            export_all_->setEnabled(model_->rowCount() > 0);
            const Result<void> written =
                csv ? write_file_atomically(path, QByteArrayView(*csv)) : Result<void>::failure(csv.error());
            report_write(this, tr("The history was not exported."), path, written, "ExportMessage");
        });
}

}  // namespace trevalo::app
