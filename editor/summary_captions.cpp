#include "editor/summary_captions.h"

#include "program/decimal_text.h"
#include "program/summary.h"

#include <cmath>

namespace trevalo::editor {

namespace {

constexpr const char* kColon = "\xEF\xBC\x9A";  // U+FF1A

std::string minutes_seconds(double seconds)
{
    // Whole seconds, halves to even, as every whole number the tool shows.
    const long whole = std::lrint(seconds);
    const long s = whole % 60;
    return std::to_string(whole / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

}  // namespace

SummaryCaptions summary_captions(const program::Program& p)
{
    const program::Summary s = program::summarise(p);
    const bool mph = p.settings.unit == program::Unit::MPH;
    const std::string colon = kColon;
    return {
        "Segment" + colon + minutes_seconds(s.segment_s),
        "Distance" + colon + program::decimal_text(s.distance, 2) + (mph ? " Mile" : " km"),
        "Avg speed" + colon + program::decimal_text(s.average_speed, 1) + (mph ? " MPH" : " KPH"),
        "Climb" + colon + program::decimal_text(std::nearbyint(s.climb), 0) + (mph ? " ft" : " m"),
    };
}

}  // namespace trevalo::editor
