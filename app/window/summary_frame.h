#pragma once

// The Edit tab's program summary: how long a segment runs, how far and how
// fast the program goes, how much it climbs.

#include "program/program.h"

#include <array>

class QGroupBox;
class QLabel;
class QWidget;

namespace trevalo::app {

class SummaryFrame {
public:
    // Builds Frame_summary in `parent`, in the free area right of the speed grid.
    explicit SummaryFrame(QWidget* parent);
    void show(const program::Program& program);

private:
    QGroupBox* frame_ = nullptr;
    std::array<QLabel*, 4> labels_{};
};

}  // namespace trevalo::app
