#pragma once

// A Zwift run as a training plan, its shares of a threshold pace made speeds.

#include "imports/zwo_workout.h"
#include "plans/plan.h"

namespace trevalo::imports {

// `threshold_s_per_km`: the file's own pace, or one the runner gave when the
// file has none. Speed in km/h = 3600 x share / threshold. A pace that is
// not a positive number leaves every step without speed, which the import
// then refuses.
plans::Plan zwo_plan(const ZwoWorkout& workout, double threshold_s_per_km);

}  // namespace trevalo::imports
