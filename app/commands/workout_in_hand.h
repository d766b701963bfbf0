#pragma once

// The workout a command acts on: the one the Record tab shows, or one
// brought back from the training history, whose file may be long gone.

#include "records/record_store.h"
#include "records/record_view.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace trevalo::app {

struct WorkoutInHand {
    std::shared_ptr<const records::RecordStore> store;
    int record = 0;
    std::string date_line;
    // The file it came from, whose time of change stands in for a start the
    // date line does not give; empty when there is none to ask.
    QString file;
};

// None while there is no workout to act on.
using WorkoutSource = std::function<std::optional<WorkoutInHand>()>;

// The Record tab's workout shown, from the file at `loaded_file()`.
inline WorkoutSource shown_workout(const records::RecordView& view, std::function<QString()> loaded_file)
{
    return [&view, loaded_file = std::move(loaded_file)]() -> std::optional<WorkoutInHand> {
        const int r = view.selected_date();
        if (r < 0)
            return std::nullopt;
        return WorkoutInHand{view.shared_store(), r, view.dates()[static_cast<std::size_t>(r)], loaded_file()};
    };
}

}  // namespace trevalo::app
