#pragma once

// The "Record" tab page: the three charts, the workout list, the results and
// the scroll bar under the charts.

#include "records/chart_layout.h"

#include <QWidget>

#include <array>

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
    explicit RecordTab(const Pictures& pictures, QWidget* parent = nullptr);

    // Places the chart controls and writes the fixed scales; part of start-up.
    void start_up();

private:
    void build_charts();
    void build_side();

    const Pictures& pictures_;
    std::array<PictureBox*, records::kColumns> image_s_{}, image_i_{};
    std::array<LineSegment*, records::kColumns> line1_{};
    std::array<QLabel*, records::kScaleLabels> label_record_s_{}, label_record_i_{};
    std::array<QLabel*, records::kPulseLabels> label_record_p_{};
    QScrollBar* hscroll1_ = nullptr;
    QLabel* label_start_ = nullptr;
    QLabel* label_end_ = nullptr;
};

}  // namespace trevalo::app
