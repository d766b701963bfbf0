#include "records/record_view.h"

#include "base/translation.h"
#include "records/result_text.h"

#include <utility>

namespace trevalo::records {

namespace {

// The pulse line: one point per column, at the column's centre; one pulse
// level is 120 twips (10 beats per minute) above the bottom at 2760.
constexpr int kFirstPointX = 570;
constexpr int kColumnWidth = 300;
int pulse_y(int level) { return 2760 - 120 * level; }

}  // namespace

std::string bar_name(const RecordView& view, bool speed, int column)
{
    const int sample = view.scroll().value + column;
    const std::string pattern =
        speed ? translated("records", "Speed, sample %1: %2") : translated("records", "Incline, sample %1: %2");
    const int r = view.selected_date();
    if (r < 0 || sample >= view.store().record(r).rec_count)
        return filled(pattern, sample + 1, translated("records", "no sample"));
    const RawSample reading = view.store().raw(r, sample);
    if (!speed)
        return filled(pattern, sample + 1, filled(translated("records", "%1 %"), distance_text(reading.incline)));
    return filled(pattern, sample + 1,
                  filled(RecordStore::imperial(view.store().record(r)) ? translated("records", "%1 MPH")
                                                                       : translated("records", "%1 KPH"),
                         distance_text(reading.speed)));
}

std::string bar_description(int level)
{
    return level == 0 ? translated("records", "no sample")
                      : filled(translated("records", "%1 of %2 lamps lit"), level, kBarLevels);
}

// A pulse level stands for ten beats per minute from 40 (level 1) up.
std::string pulse_chart_description(const RecordView& view)
{
    if (view.selected_date() < 0)
        return translated("records", "no workout shown");
    const int first = view.scroll().value + 1;
    std::string pulses;
    for (int k = 0; k < kColumns; ++k) {
        const int level = view.pulse_level(k);
        if (k)
            pulses += translated("records", ", ");
        pulses += level > 0 ? filled(translated("records", "about %1"), 10 * (level + 3)) : translated("records", "none");
    }
    return filled(translated("records", "Samples %1 to %2, pulse in beats per minute: %3"), first,
                  first + kColumns - 1, pulses);
}

std::string shown_workout_title(const RecordView& view)
{
    if (view.selected_date() < 0)
        return translated("records", "No workout shown");
    const int first = view.scroll().value + 1;
    return filled(translated("records", "%1, samples %2 to %3"),
                  view.dates()[static_cast<std::size_t>(view.selected_date())], first, first + kColumns - 1);
}

RecordView::RecordView() : store_(std::make_unique<RecordStore>())
{
    incline_scale_.fill("Label1");
    pulse_scale_.fill("Label1");
}

void RecordView::Form_Load()
{
    for (LineState& line : lines_)
        line.visible = false;
    for (int j = 0; j < kScaleLabels; ++j) {
        speed_scale_[j] = scale_label_caption(j);
        incline_scale_[j] = scale_label_caption(j);
    }
    for (int j = 0; j < kPulseLabels; ++j)
        pulse_scale_[j] = pulse_label_caption(j);
    scroll_.visible = false;
    changes_ |= SpeedScale | Scroll | Charts;
}

// --- Loading ------------------------------------------------------------------

void RecordView::begin_load()
{
    reader_.reset();
    loading_store_ = std::make_unique<RecordStore>();
    loading_dates_.clear();
    reader_ = std::make_unique<RecordReader>(*loading_store_, loading_dates_);
}

void RecordView::cancel_load()
{
    reader_.reset();
    loading_store_.reset();
}

Result<void> RecordView::end_load()
{
    Result<void> outcome = reader_->outcome();
    const int records = reader_->records();
    reader_.reset();
    // The file shown before is let go only now that the new one is whole.
    store_ = std::move(loading_store_);
    std::swap(dates_, loading_dates_);

    clear_summary();
    selected_ = -1;
    scroll_.visible = false;
    clear_charts();
    changes_ |= DateItems | DateSelection | Scroll;
    if (!outcome || records == 0)
        return outcome;
    choose_date(records - 1);
    // Showing a record twice changes nothing; the load has always done so.
    Combo_date_Click();
    return outcome;
}

void RecordView::clear_summary()
{
    summary_ = empty_summary();
    statistics_ = statistics_names();
    changes_ |= Summary | Statistics;
}

void RecordView::clear_charts()
{
    speed_bars_.fill(0);
    incline_bars_.fill(0);
    pulse_levels_.fill(0);
    for (LineState& line : lines_)
        line.visible = false;
    changes_ |= Charts;
}

// --- User actions ---------------------------------------------------------------

void RecordView::choose_date(int index)
{
    if (index < 0 || index >= static_cast<int>(dates_.size()))
        return;
    selected_ = index;
    changes_ |= DateSelection;
    Combo_date_Click();
}

void RecordView::scroll_to(int value)
{
    if (!scroll_.visible || value < 0 || value > scroll_.maximum || value == scroll_.value)
        return;
    set_scroll_value(value);
    HScroll1_Change();
}

void RecordView::set_scroll_value(int value)
{
    scroll_.value = value;
    changes_ |= Scroll;
}

// --- Handlers -------------------------------------------------------------------

void RecordView::Combo_date_Click()
{
    if (selected_ < 0)
        return;
    const RecordTotals& record = store_->record(selected_);
    scroll_.maximum = record.rec_count > kColumns ? record.rec_count - kColumns : 0;
    scroll_.visible = record.rec_count > kColumns;
    set_scroll_value(0);
    HScroll1_Change();

    summary_ = {time_caption(record), calories_caption(record), distance_caption(record), weight_caption(record)};
    const bool imperial = RecordStore::imperial(record);
    statistics_ = statistics_captions(workout_statistics(*store_, selected_), imperial);
    changes_ |= Statistics;
    speed_frame_ = records::speed_frame_caption(imperial);
    for (int j = 0; j < kScaleLabels; ++j)
        speed_scale_[j] = records::speed_scale_caption(imperial, j);
    changes_ |= Summary | SpeedScale;
}

// Each segment starts where the one before it ends, read back from that
// segment: the columns are drawn in ascending order.
void RecordView::HScroll1_Change()
{
    if (selected_ < 0)
        return;
    const int s0 = scroll_.value;
    scroll_.start_caption = std::to_string(s0 + 1);
    scroll_.end_caption = std::to_string(s0 + kColumns);
    for (int k = 0; k < kColumns; ++k) {
        const SampleLevels sample = store_->levels(selected_, s0 + k);
        speed_bars_[k] = sample.rec_speed;
        pulse_levels_[k] = sample.rec_pulse;
        incline_bars_[k] = sample.rec_incline;
        LineState& line = lines_[k];
        line.visible = sample.rec_speed != 0;
        const auto y = static_cast<float>(pulse_y(sample.rec_pulse));
        if (k == 0) {
            line.x1 = kFirstPointX;
            line.y1 = y;
            line.x2 = line.x1;
            line.y2 = y;
        } else {
            const LineState& previous = lines_[k - 1];
            line.x1 = previous.x2;
            line.y1 = previous.y2;
            line.x2 = line.x1 + kColumnWidth;
            line.y2 = y;
        }
    }
    changes_ |= Scroll | Charts;
}

}  // namespace trevalo::records
