#pragma once

// One segment element of a ZWO <workout>, from its attributes. Internal to
// the ZWO reader; the reader says where the element stands.

#include "base/result.h"
#include "imports/zwo_workout.h"

#include <QStringView>
#include <QXmlStreamAttributes>

#include <optional>

namespace trevalo::imports {

// The segment kind an element name stands for; none for other elements.
// Names are matched without regard to case, as files written by hand vary.
std::optional<ZwoSegment::Kind> segment_kind(QStringView element);

// Refused with the attribute and the problem ("OnDuration is missing",
// "Repeat 5000 is not a whole number from 1 to 1000"); position and line
// are the caller's to fill in.
Result<ZwoSegment> read_segment(ZwoSegment::Kind kind, const QXmlStreamAttributes& attributes, ZwoDuration type);

}  // namespace trevalo::imports
