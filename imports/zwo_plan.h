#pragma once

// A Zwift run as a training plan, its shares of a threshold pace made speeds.

#include "imports/zwo_workout.h"
#include "plans/plan.h"

namespace trevalo::imports {

// A hill session, as treadmill tools write one: no segment gives a share of
// a pace, and some give a slope. Its steps run at one steady pace, the
// runner's, at the slopes' inclines.
bool is_hill_session(const ZwoWorkout& workout);

// `pace_s_per_km`: for a hill session the steady pace every step runs at;
// else the threshold pace, the file's own or one the runner gave when the
// file has none: speed in km/h = 3600 x share / threshold. A pace that is
// not a positive number leaves every step without speed, which the import
// then refuses.
plans::Plan zwo_plan(const ZwoWorkout& workout, double pace_s_per_km);

}  // namespace trevalo::imports
