#pragma once

// A workout as a Training Center XML (TCX v2) file: one running activity of
// one lap, a trackpoint per sample with its speed in the ActivityExtension
// v2 namespace. A treadmill has no position, so no trackpoint has one.

#include "exports/workout.h"

#include <QByteArray>

namespace trevalo::exports {

// UTF-8 XML. Numbers take a point as separator whatever the locale; values
// the schema cannot hold are brought into its range (calories 0..65535,
// heart rate 1..255 with 0 read as no pulse, dates in the years 1..9999).
QByteArray write_tcx(const Workout& workout);

}  // namespace trevalo::exports
