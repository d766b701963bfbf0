// Any bytes given as a record file, fed in pieces cut anywhere, must load or
// fail cleanly, and whatever loaded must be drawable: every workout can be
// picked and scrolled through to its end. A load given up half way leaves
// what was shown before exactly as it was.

#include "fuzz/fuzz_check.h"
#include "records/record_view.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using trevalo::fuzz::check;
using trevalo::records::RecordView;

namespace {

// What the window shows of the view.
std::vector<std::string> shown(const RecordView& view)
{
    std::vector<std::string> texts = view.dates();
    texts.insert(texts.end(), {view.label_time(), view.label_calo(), view.label_dist(), view.label_weight(),
                               view.speed_frame_caption(), view.scroll().end_caption});
    std::string levels;
    for (int k = 0; k < trevalo::records::kColumns; ++k)
        levels += {static_cast<char>(view.speed_bar(k)), static_cast<char>(view.incline_bar(k)),
                   static_cast<char>(view.pulse_level(k)), static_cast<char>(view.line(k).visible)};
    texts.push_back(levels + std::to_string(view.selected_date()) + " " + std::to_string(view.scroll().value));
    return texts;
}

// Feeds the file in pieces whose sizes the file's first bytes choose.
void feed(RecordView& view, std::string_view file)
{
    std::size_t piece = file.empty() ? 1 : static_cast<unsigned char>(file[0]) % 64 + 1;
    while (!file.empty()) {
        const std::size_t n = std::min(piece, file.size());
        view.reader().feed(file.substr(0, n));
        file.remove_prefix(n);
        piece = piece * 3 % 257 + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static RecordView view;  // its stores reused, as the window does
    const std::string_view file(reinterpret_cast<const char*>(data), size);

    // A load given up changes nothing.
    const std::vector<std::string> before = shown(view);
    view.begin_load();
    feed(view, file.substr(0, size / 2));
    view.cancel_load();
    check(shown(view) == before);

    view.begin_load();
    feed(view, file);
    view.reader().finish();
    const bool failed = !view.end_load().ok();
    if (!failed && !view.dates().empty())
        check(view.selected_date() == static_cast<int>(view.dates().size()) - 1);

    for (int r = 0; r < static_cast<int>(view.dates().size()); ++r) {
        view.choose_date(r);
        for (int value = 0; value <= view.scroll().maximum; value += 7) {
            view.scroll_to(value);
            for (int k = 0; k < trevalo::records::kColumns; ++k) {
                const int speed = view.speed_bar(k), incline = view.incline_bar(k);
                check(speed >= 0 && speed <= 8 && incline >= 0 && incline <= 8);
            }
        }
        view.scroll_to(view.scroll().maximum);
        trevalo::records::pulse_chart_description(view);
        trevalo::records::shown_workout_title(view);
    }
    return 0;
}
