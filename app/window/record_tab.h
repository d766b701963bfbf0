#pragma once

// The "Record" tab page: the three charts, the workout list, the results and
// the scroll bar under the charts. Forwards what the user does to the record
// view model and applies what it reports as changed.

#include "records/record_view.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace trevalo::app {

class LineSegment;
class PictureBox;
struct Pictures;

class RecordTab : public QWidget {
    Q_OBJECT
public:
    // `proposed_name` gives the file name the open dialog proposes.
    RecordTab(records::RecordView& model, const Pictures& pictures, std::function<QString()> proposed_name,
              QWidget* parent = nullptr);

    // Brings every control in line with the model; used once after start-up.
    void apply_all();

    // "Open File": asks for a record file and loads it.
    void Command_open_Click();
    // Loads a record file, telling the user what went wrong, if anything.
    // A load that takes longer than the delay shows its progress and can be
    // cancelled. `opened` runs once the file is open, before anything
    // changes. Returns false when the path is no file to read (a pipe, a
    // device, a folder): then nothing changed.
    bool load(const QString& path, const std::function<void()>& opened = {});
    void set_progress_delay(int milliseconds) { progress_delay_ms_ = milliseconds; }

    // As the user's choice in Combo_date.
    void choose_workout(int index);
    // As the user's move of HScroll1: the samples from `first` on.
    void show_from_sample(int first);

    // "Make Program…", enabled while a workout is shown.
    QPushButton* make_program_button() const { return make_; }
    // "History…", always enabled: the history outlives the file shown.
    QPushButton* history_button() const { return history_; }

signals:
    // Another workout or other samples are shown.
    void shown_changed();
    // A load ended: other workouts are listed.
    void file_loaded();
    // The workouts of the file at `path` are shown (some of them, when the
    // load stopped at a fault); a cancelled load shows none.
    void workouts_shown(const QString& path);

private:
    void build_charts();
    void build_side();
    void apply(std::uint16_t changes);
    void apply_scroll();
    void apply_charts();
    // "Save Charts as Image…" from the charts' context menu.
    void save_charts();
    void Command_workouts_Click();

    records::RecordView& model_;
    const Pictures& pictures_;
    std::function<QString()> proposed_name_;
    int progress_delay_ms_ = 330;

    QGroupBox* frame1_ = nullptr;
    QGroupBox* incline_frame_ = nullptr;
    QGroupBox* pulse_frame_ = nullptr;
    QGroupBox* result_frame_ = nullptr;
    QAction* save_charts_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* make_ = nullptr;
    QPushButton* workouts_ = nullptr;
    QPushButton* history_ = nullptr;
    class WorkoutsWindow* workouts_window_ = nullptr;
    QString loaded_path_;  // the record file shown
    std::array<PictureBox*, records::kColumns> image_s_{}, image_i_{};
    std::array<LineSegment*, records::kColumns> line1_{};
    std::array<QLabel*, records::kScaleLabels> label_record_s_{}, label_record_i_{};
    std::array<QLabel*, records::kPulseLabels> label_record_p_{};
    std::array<QLabel*, 4> results_{};  // time, calories, distance, weight
    std::array<QLabel*, records::kStatisticsLabels> statistics_{};
    QComboBox* combo_date_ = nullptr;
    PictureBox* pulse_chart_ = nullptr;
    QScrollBar* hscroll1_ = nullptr;
    QLabel* label_start_ = nullptr;
    QLabel* label_end_ = nullptr;
};

}  // namespace trevalo::app
