#include "app/summary_frame.h"

#include "app/controls.h"
#include "app/twips.h"
#include "editor/summary_captions.h"

#include <QGroupBox>
#include <QLabel>

namespace trevalo::app {

SummaryFrame::SummaryFrame(QWidget* parent)
{
    // Between the speed grid's frame (right edge 6360) and the settings
    // column (8040), above the speed lists' frame (3360).
    frame_ = make_frame(parent, "Frame_summary", "Program", 6450, 360, 1530, 2880, 9);
    frame_->setAccessibleName(QStringLiteral("Program summary"));
    const char* names[] = {"Label_sum_segment", "Label_sum_distance", "Label_sum_speed", "Label_sum_climb"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = make_label(frame_, QLatin1String(names[i]), {}, 1410, 375, false);
        labels_[i]->setFont(arial(9));
        labels_[i]->move(at(60, 420 + 600 * static_cast<int>(i)));
    }
}

void SummaryFrame::show(const program::Program& program)
{
    const editor::SummaryCaptions c = editor::summary_captions(program);
    const std::string* texts[] = {&c.segment, &c.distance, &c.speed, &c.climb};
    for (std::size_t i = 0; i < labels_.size(); ++i)
        set_fitting_text(labels_[i], QString::fromStdString(*texts[i]));
}

}  // namespace trevalo::app
