// Any bytes given as a program file, read under every model, unit and mode:
// refused with words, or read into list positions that the lists hold; and
// a program read once, chosen again and saved, reads back the same.

#include "editor/edit_model.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <cstddef>
#include <cstdint>

using namespace trevalo;

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

editor::EditModel started(editor::Model model, editor::Unit unit, editor::Mode mode)
{
    editor::EditModel m;
    m.Form_Load();
    m.choose({editor::Ctl::Combo_type}, static_cast<int>(model));
    m.click_option(unit == editor::Unit::MPH ? editor::Ctl::Option_mph : editor::Ctl::Option_kph);
    m.click_option(mode == editor::Mode::General ? editor::Ctl::Option_gen : editor::Ctl::Option_sil);
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (auto model : {editor::Model::QM20, editor::Model::QM5, editor::Model::R300})
        for (auto unit : {editor::Unit::MPH, editor::Unit::KPH})
            for (auto mode : {editor::Mode::General, editor::Mode::Silver}) {
                const program_file::ProgramRead read = program_file::read_program(bytes, model, unit, mode);
                check(read.items.has_value() != !read.refusal.empty());
                if (!read.items)
                    continue;
                check(program_file::has_program_shape(bytes));
                editor::EditModel m = started(model, unit, mode);
                for (int i = 0; i < editor::segments_shown(model); ++i) {
                    check(read.items->speed[i] < m.combo({editor::Ctl::Combo_s, i}).count());
                    check(read.items->incline[i] < m.combo({editor::Ctl::Combo_i, i}).count());
                    m.select({editor::Ctl::Combo_s, i}, read.items->speed[i]);
                    m.select({editor::Ctl::Combo_i, i}, read.items->incline[i]);
                }
                m.select({editor::Ctl::Combo_min}, read.items->time);
                m.select({editor::Ctl::Combo_weight}, read.items->weight);
                program_file::FileBuffers buffers;
                program_file::fill_buffers(m.state(), m.unit(), buffers);
                const program_file::ProgramBytes saved = program_file::program_bytes(m.state(), buffers);
                const program_file::ProgramRead again = program_file::read_program(saved, m.model(), m.unit(), m.mode());
                check(again.items && *again.items == *read.items);
            }
    return 0;
}
