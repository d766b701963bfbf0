#pragma once

// The captions of the Edit tab's program summary: "Segment：1:30",
// "Distance：3.75 Mile", "Avg speed：7.5 MPH", "Climb：528 ft". UTF-8, with
// the full-width colon of the Record tab's captions.

#include "program/program.h"

#include <string>

namespace trevalo::editor {

struct SummaryCaptions {
    std::string segment, distance, speed, climb;
    friend bool operator==(const SummaryCaptions&, const SummaryCaptions&) = default;
};

SummaryCaptions summary_captions(const program::Program& program);

}  // namespace trevalo::editor
