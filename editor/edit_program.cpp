#include "editor/edit_program.h"

#include <algorithm>

namespace trevalo::editor {

namespace {

int item_of(std::span<const int> offered, int value)
{
    return program::position_of(offered, value).value_or(program::nearest(offered, value).index);
}

}  // namespace

program::Program program_of(const EditModel& model)
{
    program::Program p;
    p.settings = {model.model(), model.unit(), model.mode()};
    const EditState& s = model.state();
    std::copy_n(s.seg_s.begin(), program::kSegments, p.speed.begin());
    std::copy_n(s.seg_i.begin(), program::kSegments, p.incline.begin());
    p.minutes = s.set_min;
    p.weight = s.set_weight;
    return p;
}

void choose_program(EditModel& model, const program::Program& p)
{
    const Model m = model.model();
    const Unit u = model.unit();
    const Mode md = model.mode();
    for (int i = 0; i < segments_shown(m); ++i) {
        const auto at = static_cast<std::size_t>(i);
        model.select({Ctl::Combo_s, i}, item_of(program::speeds(m, u, md).values, p.speed[at]));
        model.select({Ctl::Combo_i, i}, item_of(program::inclines(md).values, p.incline[at]));
    }
    model.select({Ctl::Combo_min}, item_of(program::times(m, md).values, p.minutes));
    model.select({Ctl::Combo_weight}, item_of(program::weights(m, u).values, p.weight));
}

void restore(EditModel& model, const program::Program& p)
{
    model.choose({Ctl::Combo_type}, static_cast<int>(p.settings.model));
    model.click_option(p.settings.unit == Unit::MPH ? Ctl::Option_mph : Ctl::Option_kph);
    model.click_option(p.settings.mode == Mode::General ? Ctl::Option_gen : Ctl::Option_sil);
    choose_program(model, p);
}

}  // namespace trevalo::editor
