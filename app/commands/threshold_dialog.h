#pragma once

// The paces a Zwift running workout may leave to the runner, asked per
// kilometre or per mile by the unit shown, each remembered between runs:
// the threshold pace its targets are fractions of when the file does not
// carry one, and the steady pace of a hill session, which gives only slopes.

#include "program/settings.h"

#include <optional>

class QWidget;

namespace trevalo::app {

// Seconds per kilometre; nothing when the runner cancels.
std::optional<double> ask_threshold_pace(QWidget* parent, program::Unit unit);
std::optional<double> ask_steady_pace(QWidget* parent, program::Unit unit);

}  // namespace trevalo::app
