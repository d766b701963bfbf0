#pragma once

// Resource paths of the window's bitmaps.

#include <QString>

namespace trevalo::assets {

inline const QString kLampGreen = QStringLiteral(":/pictures/lamp_green.bmp");
inline const QString kLampGrey = QStringLiteral(":/pictures/lamp_grey.bmp");
inline const QString kLampRed = QStringLiteral(":/pictures/lamp_red.bmp");
inline const QString kLampOrange = QStringLiteral(":/pictures/lamp_orange.bmp");
inline const QString kPulseGrid = QStringLiteral(":/pictures/pulse_grid.bmp");

// The chart bar with `lit` lamps lit from the bottom, 0..8.
QString speed_bar(int lit);
QString incline_bar(int lit);

}  // namespace trevalo::assets
