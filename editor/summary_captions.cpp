#include "editor/summary_captions.h"

#include "base/translation.h"
#include "program/decimal_text.h"
#include "program/summary.h"

#include <cmath>

namespace trevalo::editor {

namespace {

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
    // The colon is the full-width one in every language.
    return {
        filled(translated("editor", "Segment：%1"), minutes_seconds(s.segment_s)),
        filled(mph ? translated("editor", "Distance：%1 Mile") : translated("editor", "Distance：%1 km"),
               program::decimal_text(s.distance, 2)),
        filled(mph ? translated("editor", "Avg speed：%1 MPH") : translated("editor", "Avg speed：%1 KPH"),
               program::decimal_text(s.average_speed, 1)),
        filled(mph ? translated("editor", "Climb：%1 ft") : translated("editor", "Climb：%1 m"),
               program::decimal_text(std::nearbyint(s.climb), 0)),
    };
}

}  // namespace trevalo::editor
