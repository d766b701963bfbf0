// Any bytes given as a record file, in two pieces cut anywhere, must load or
// fail cleanly, and whatever loaded must be drawable: every record can be
// picked and scrolled through to its end.

#include "records/record_view.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using trevalo::records::RecordView;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static RecordView view;  // one store, reused, as the window does
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = size ? data[0] % (size + 1) : 0;

    view.begin_load();
    view.reader().feed(file.substr(0, cut));
    view.reader().feed(file.substr(cut));
    view.reader().finish();
    const bool failed = view.end_load().has_value();
    if (!failed && !view.dates().empty() && view.selected_date() != static_cast<int>(view.dates().size()) - 1)
        __builtin_trap();

    for (int r = 0; r < static_cast<int>(view.dates().size()); ++r) {
        view.choose_date(r);
        for (int value = 0; value <= view.scroll().maximum; value += 7) {
            view.scroll_to(value);
            for (int k = 0; k < trevalo::records::kColumns; ++k) {
                const int speed = view.speed_bar(k), incline = view.incline_bar(k);
                if (speed < 0 || speed > 8 || incline < 0 || incline > 8)
                    __builtin_trap();
            }
        }
    }
    return 0;
}
