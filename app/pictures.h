#pragma once

// The window's bitmaps, loaded once from the embedded resources.

#include "editor/edit_controls.h"

#include <QPixmap>

#include <array>

namespace trevalo::app {

struct Pictures {
    Pictures();

    QPixmap lamp(editor::Lamp lamp) const;

    QPixmap lamp_green, lamp_grey, lamp_red, lamp_orange;
    std::array<QPixmap, 9> speed_bars;    // index: lamps lit
    std::array<QPixmap, 9> incline_bars;
    QPixmap pulse_grid;
};

}  // namespace trevalo::app
