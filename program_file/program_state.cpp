#include "program_file/program_state.h"

namespace trevalo::program_file {

using editor::Ctl;

EditSnapshot snapshot(const editor::EditModel& model)
{
    EditSnapshot s{model.model(), model.unit(), model.mode(), {}};
    for (int i = 0; i < editor::segments_shown(s.model); ++i) {
        s.items.speed[static_cast<std::size_t>(i)] = model.combo({Ctl::Combo_s, i}).selected;
        s.items.incline[static_cast<std::size_t>(i)] = model.combo({Ctl::Combo_i, i}).selected;
    }
    s.items.time = model.combo({Ctl::Combo_min}).selected;
    s.items.weight = model.combo({Ctl::Combo_weight}).selected;
    return s;
}

void restore(editor::EditModel& model, const EditSnapshot& state)
{
    model.choose({Ctl::Combo_type}, static_cast<int>(state.model));
    model.click_option(state.unit == editor::Unit::MPH ? Ctl::Option_mph : Ctl::Option_kph);
    model.click_option(state.mode == editor::Mode::General ? Ctl::Option_gen : Ctl::Option_sil);
    choose_program(model, state.items);
}

ProgramBytes current_bytes(const editor::EditModel& model)
{
    FileBuffers buffers;
    fill_buffers(model.state(), model.unit(), buffers);
    return program_bytes(model.state(), buffers);
}

}  // namespace trevalo::program_file
