#include "editor/edit_controls.h"

#include <numeric>
#include <utility>

namespace trevalo::editor {

namespace {

constexpr std::array<int, kCtlKinds> kFirstFlat = [] {
    std::array<int, kCtlKinds> first{};
    int next = 0;
    for (int k = 0; k < kCtlKinds; ++k) {
        first[static_cast<std::size_t>(k)] = next;
        next += kCtlCount[static_cast<std::size_t>(k)];
    }
    return first;
}();

constexpr int kFlatCount = std::accumulate(kCtlCount.begin(), kCtlCount.end(), 0);

}  // namespace

ChangeLog::ChangeLog() : position_in_list_(kFlatCount, -1) {}

int ChangeLog::flat(ControlRef control)
{
    return kFirstFlat[static_cast<std::size_t>(control.ctl)] + control.index;
}

void ChangeLog::mark(ControlRef control, std::uint16_t props)
{
    int& at = position_in_list_[static_cast<std::size_t>(flat(control))];
    if (at < 0) {
        at = static_cast<int>(list_.size());
        list_.push_back({control, props});
    } else {
        list_[static_cast<std::size_t>(at)].props |= props;
    }
}

std::vector<Change> ChangeLog::take()
{
    for (const Change& c : list_)
        position_in_list_[static_cast<std::size_t>(flat(c.control))] = -1;
    return std::exchange(list_, {});
}

}  // namespace trevalo::editor
