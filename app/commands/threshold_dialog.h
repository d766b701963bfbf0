#pragma once

// The runner's threshold pace, which a Zwift running workout's targets are
// fractions of when the file does not carry one: asked per kilometre or per
// mile by the unit shown, remembered between runs.

#include "program/settings.h"

#include <optional>

class QWidget;

namespace trevalo::app {

// Seconds per kilometre; nothing when the runner cancels.
std::optional<double> ask_threshold_pace(QWidget* parent, program::Unit unit);

}  // namespace trevalo::app
