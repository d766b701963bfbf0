#pragma once

// The Record tab: the loaded record file, the list of its workouts, the
// result summary, the speed scale, the scroll bar and the three charts, with
// the handlers named after their events. The window forwards the user's
// actions, feeds the file to reader(), and applies take_changes().

#include "records/chart_layout.h"
#include "records/record_reader.h"
#include "records/record_store.h"
#include "records/result_text.h"
#include "records/workout_statistics.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace trevalo::records {

// Groups of controls that changed, as bits.
enum RecordChange : std::uint16_t {
    DateItems = 1 << 0,      // Combo_date's items
    DateSelection = 1 << 1,  // Combo_date's selected item
    Summary = 1 << 2,        // the four result labels
    SpeedScale = 1 << 3,     // Frame1_Record's caption and Label_record_s
    Scroll = 1 << 4,         // HScroll1's range, value and visibility, Label_start, Label_end
    Charts = 1 << 5,         // bars and pulse line segments
    Statistics = 1 << 6,     // the Statistics frame's labels
};

// Words for a screen reader: a chart column's sample, what it read, and levels.
// A bar means the reading a sighted user takes off the scale.
std::string bar_name(const class RecordView& view, bool speed, int column);  // "Speed, sample 5: 6 MPH"
std::string bar_description(int level);                      // "3 of 8 lamps lit"
std::string pulse_chart_description(const class RecordView& view);  // "Samples 1 to 20, pulse: about 120, ..."
// What the charts show, for a picture of them: "2026/03/01 07:30, samples 1 to 20".
std::string shown_workout_title(const class RecordView& view);

// A segment of the pulse line, end points in twips.
struct LineState {
    float x1 = 0, y1 = 0, x2 = 360, y2 = 0;
    bool visible = true;
};

struct ScrollState {
    int maximum = 0;
    int value = 0;
    bool visible = true;  // also of Label_start and Label_end
    std::string start_caption = "Label1";
    std::string end_caption = "Label1";
};

class RecordView {
public:
    RecordView();

    // The Record tab's part of start-up: the pulse line hidden, the scales
    // written, the scroll bar hidden.
    void Form_Load();

    // --- Loading a file -------------------------------------------------------
    // Starts a reader on a second, cleared store. What is shown stays as it
    // is until the load ends, so that a load can be given up.
    void begin_load();
    // Feed the file here between begin_load and end_load or cancel_load.
    RecordReader& reader() { return *reader_; }
    // Takes the loaded file: clears the summary, the list and the charts,
    // and after a load that read at least one record without failing, shows
    // the last record. Returns how the load went.
    Result<void> end_load();
    // Gives the load up: the file shown before stays, exactly as it was.
    void cancel_load();

    // --- What a user does -----------------------------------------------------
    void choose_date(int index);
    void scroll_to(int value);

    // --- Handlers -------------------------------------------------------------
    void Combo_date_Click();
    void HScroll1_Change();

    // --- Reading ----------------------------------------------------------------
    const std::vector<std::string>& dates() const { return dates_; }
    int selected_date() const { return selected_; }
    const std::string& label_time() const { return summary_[0]; }
    const std::string& label_calo() const { return summary_[1]; }
    const std::string& label_dist() const { return summary_[2]; }
    const std::string& label_weight() const { return summary_[3]; }
    const std::string& statistics_caption(int j) const { return statistics_[static_cast<std::size_t>(j)]; }
    const std::string& speed_frame_caption() const { return speed_frame_; }
    const std::string& speed_scale_caption(int j) const { return speed_scale_[static_cast<std::size_t>(j)]; }
    const std::string& incline_scale_caption(int j) const { return incline_scale_[static_cast<std::size_t>(j)]; }
    const std::string& pulse_scale_caption(int j) const { return pulse_scale_[static_cast<std::size_t>(j)]; }
    const ScrollState& scroll() const { return scroll_; }
    int speed_bar(int column) const { return speed_bars_[static_cast<std::size_t>(column)]; }
    int incline_bar(int column) const { return incline_bars_[static_cast<std::size_t>(column)]; }
    int pulse_level(int column) const { return pulse_levels_[static_cast<std::size_t>(column)]; }
    const LineState& line(int column) const { return lines_[static_cast<std::size_t>(column)]; }
    const RecordStore& store() const { return *store_; }
    // The store shown, for work that outlives it on another thread: a load
    // puts a new store in its place and never changes this one.
    std::shared_ptr<const RecordStore> shared_store() const { return store_; }

    std::uint16_t take_changes() { return std::exchange(changes_, 0); }

private:
    void set_scroll_value(int value);
    void clear_summary();
    void clear_charts();

    std::shared_ptr<RecordStore> store_;
    // The store a load fills; it takes the place of store_ when the load ends.
    std::unique_ptr<RecordStore> loading_store_;
    std::unique_ptr<RecordReader> reader_;
    std::vector<std::string> dates_, loading_dates_;
    int selected_ = -1;
    std::array<std::string, 4> summary_ = empty_summary();
    std::array<std::string, kStatisticsLabels> statistics_ = statistics_names();
    std::string speed_frame_ = "SPEED(MPH)";
    std::array<std::string, kScaleLabels> speed_scale_{}, incline_scale_{};
    std::array<std::string, kPulseLabels> pulse_scale_{};
    ScrollState scroll_;
    std::array<int, kColumns> speed_bars_{}, incline_bars_{}, pulse_levels_{};
    std::array<LineState, kColumns> lines_{};
    std::uint16_t changes_ = 0;
};

}  // namespace trevalo::records
