#pragma once

// The words the import uses for steps and numbers: a step by the file's own
// name for it, else by its place in the file.

#include "plans/plan.h"

#include <string>
#include <vector>

namespace trevalo::plans {

std::string step_label(const Step& step);  // "Warm up" or "step 4"

// "Step 4" or "Step 2 (Warm up)", to open a sentence that refuses the file.
std::string step_reference(const Step& step);

// Labels joined by ", ", each once and in the order first met: a step that a
// repeat ran four times is still one step of the file.
std::string label_list(const std::vector<const Step*>& steps);

// A number as a person writes it: "400", "2.5", "1e+09".
std::string number_text(double value);

// "1:50": minutes and seconds, to the nearest second.
std::string minutes_text(double seconds);

}  // namespace trevalo::plans
