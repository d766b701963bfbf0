// Any bytes given as a TCX file: refused with words, or read into readings
// that start at 0 s, climb strictly, hold finite numbers and end no earlier
// than the last one starts; resampled under one of the settings, they give
// a program the settings offer or a refusal with words.

#include "fuzz/fuzz_check.h"
#include "imports/tcx_reader.h"
#include "program/program.h"
#include "program/resample.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace trevalo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<imports::ActivityReadings> read = imports::read_tcx_activity(bytes);
    check(read.ok() != !read.error().empty());
    if (!read)
        return 0;
    const auto& readings = read->readings;
    check(readings.size() >= 2 && readings.front().start_s == 0);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const program::Reading& r = readings[i];
        check(std::isfinite(r.start_s) && std::isfinite(r.speed_mps) && std::isfinite(r.incline_pct));
        check(r.speed_mps >= 0 && (i == 0 || r.start_s > readings[i - 1].start_s));
    }
    check(std::isfinite(read->total_s) && read->total_s >= readings.back().start_s &&
          read->total_s <= imports::kTcxLongestSeconds);
    // The size picks the settings, so that the corpus visits all of them.
    const program::Settings& settings = program::kAllSettings[size % program::kAllSettings.size()];
    const Result<program::Resampled> made = program::resample(readings, read->total_s, settings, 70);
    check(made.ok() != !made.error().empty());
    if (!made)
        return 0;
    check(made->program.settings == settings && program::is_offered(made->program));
    for (const std::string& note : program::describe(made->beyond, settings))
        check(!note.empty());
    return 0;
}
