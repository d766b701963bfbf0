#include "app/window/summary_frame.h"

#include "app/widgets/controls.h"
#include "app/widgets/twips.h"
#include "editor/summary_captions.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

namespace trevalo::app {

SummaryFrame::SummaryFrame(QWidget* parent)
{
    // Between the speed grid's frame (right edge 6360) and the settings
    // column (8040), above the speed lists' frame (3360).
    frame_ = make_frame(parent, "Frame_summary", QCoreApplication::translate("SummaryFrame", "Program"), 6420, 360, 1590, 2880, 9);
    frame_->setAccessibleName(QCoreApplication::translate("SummaryFrame", "Program summary"));
    const char* names[] = {"Label_sum_segment", "Label_sum_distance", "Label_sum_speed", "Label_sum_climb"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = make_label(frame_, QLatin1String(names[i]), {}, 1500, 375, false);
        labels_[i]->move(at(45, 420 + 600 * static_cast<int>(i)));
    }
}

void SummaryFrame::show(const program::Program& program)
{
    const editor::SummaryCaptions c = editor::summary_captions(program);
    const std::string* texts[] = {&c.segment, &c.distance, &c.speed, &c.climb};
    // One size for the four, the largest at which every one fits: the column
    // reads as one block, not as four sizes picked line by line.
    QFont font = arial(9);
    for (double size = 9; size >= 7; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (std::size_t i = 0; i < labels_.size(); ++i)
            fits = fits && metrics.tightBoundingRect(QString::fromStdString(*texts[i])).width() < labels_[i]->width();
        if (fits)
            break;
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setFont(font);
        labels_[i]->setText(QString::fromStdString(*texts[i]));
    }
}

}  // namespace trevalo::app
