#include "app/pictures.h"

#include "assets/assets.h"

namespace trevalo::app {

Pictures::Pictures()
    : lamp_green(assets::kLampGreen),
      lamp_grey(assets::kLampGrey),
      lamp_red(assets::kLampRed),
      lamp_orange(assets::kLampOrange),
      pulse_grid(assets::kPulseGrid)
{
    for (int lit = 0; lit < 9; ++lit) {
        speed_bars[lit] = QPixmap(assets::speed_bar(lit));
        incline_bars[lit] = QPixmap(assets::incline_bar(lit));
    }
}

QPixmap Pictures::lamp(editor::Lamp lamp) const
{
    switch (lamp) {
    case editor::Lamp::Green: return lamp_green;
    case editor::Lamp::Red: return lamp_red;
    case editor::Lamp::Grey: return lamp_grey;
    case editor::Lamp::None: break;
    }
    return {};
}

}  // namespace trevalo::app
