#pragma once

#include "editor/edit_model.h"

#include <string>

namespace trevalo::editor::testing {

// A started model, brought to the given settings the way a user would.
inline EditModel started(Model model = Model::R300, Unit unit = Unit::MPH, Mode mode = Mode::General)
{
    EditModel m;
    m.Form_Load();
    m.choose({Ctl::Combo_type}, static_cast<int>(model));
    m.click_option(unit == Unit::MPH ? Ctl::Option_mph : Ctl::Option_kph);
    m.click_option(mode == Mode::General ? Ctl::Option_gen : Ctl::Option_sil);
    return m;
}

inline std::string selected_text(const EditModel& m, ControlRef list)
{
    const ComboState& c = m.combo(list);
    return c.selected < 0 ? std::string{} : c.text(c.selected);
}

// The lit levels of one column, bottom first: "10000000" is the bottom lamp only.
inline std::string column(const EditModel& m, Ctl grid, int segment)
{
    std::string lit;
    for (int level = 0; level < kLevels; ++level)
        lit += m.lamp(grid, lamp_index(segment, level)).picture == Lamp::Grey ? '0' : '1';
    return lit;
}

}  // namespace trevalo::editor::testing
