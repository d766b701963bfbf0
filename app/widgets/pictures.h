#pragma once

// The window's pictures: lamps, chart bars and the pulse grid. At the usual
// 96 dots per inch they are the embedded bitmaps; on a scaled display they
// are drawn anew at the display's pixel ratio, so that they stay sharp
// instead of being stretched.

#include "editor/edit_controls.h"

#include <QPixmap>

#include <array>

namespace trevalo::app {

struct Pictures {
    explicit Pictures(qreal device_pixel_ratio = 1.0);

    QPixmap lamp(editor::Lamp lamp) const;

    QPixmap lamp_green, lamp_grey, lamp_red, lamp_orange;
    std::array<QPixmap, 9> speed_bars;    // index: lamps lit
    std::array<QPixmap, 9> incline_bars;
    QPixmap pulse_grid;
};

}  // namespace trevalo::app
