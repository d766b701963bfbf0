#include "editor/tests/model_helpers.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <gtest/gtest.h>

#include <random>

namespace trevalo::program_file {
namespace {

using editor::Ctl;
using editor::EditModel;
using editor::Mode;
using editor::Model;
using editor::Unit;

ProgramBytes save(const EditModel& m)
{
    FileBuffers buffers;
    fill_buffers(m.state(), m.unit(), buffers);
    return program_bytes(m.state(), buffers);
}

// Each file is a saved default program with one thing changed, read under
// the settings named; the message says what and where.
TEST(ProgramReader, RefusesWhatItCannotShowSayingWhatAndWhere)
{
    const struct {
        const char* what;
        Model model;
        Mode mode;
        std::function<void(std::vector<std::uint8_t>&)> change;
        const char* starts;
    } cases[] = {
        {"short", Model::R300, Mode::General, [](auto& b) { b.pop_back(); }, "The file holds 64 bytes;"},
        {"long", Model::R300, Mode::General, [](auto& b) { b.push_back(0); }, "The file holds 66 bytes;"},
        {"last byte", Model::R300, Mode::General, [](auto& b) { b[64] = 1; }, "The file's last byte is 1;"},
        {"speed blocks", Model::R300, Mode::General, [](auto& b) { b[44 + 4] += 3; },
         "Segment 5: 0.5 MPH and 1.1 KPH disagree"},
        {"weights", Model::R300, Mode::General, [](auto& b) { b[2] += 2; }, "The weight of 154 LBS and of 72 KG disagree"},
        {"speed", Model::R300, Mode::General, [](auto& b) { b[24 + 4] = 138, b[44 + 4] = 221; },
         "Segment 5: 13.8 MPH is not offered by the R300 in General mode."},
        {"incline", Model::QM5, Mode::Silver, [](auto& b) { b[4] = 15; },
         "Segment 1: an incline of 15 % is not offered by the QM-5 in Silver mode."},
        {"time", Model::QM20, Mode::General, [](auto& b) { b[3] = 3; },
         "A workout time of 3 minutes is not offered by the QM-20 in General mode."},
        {"weight", Model::QM20, Mode::General, [](auto& b) { b[0] = 460 & 0xFF, b[1] = 460 >> 8, b[2] = 209; },
         "A weight of 460 LBS is not offered by the QM-20 in General mode."},
    };
    for (const auto& c : cases) {
        const ProgramBytes saved = save(editor::testing::started(Model::R300));
        std::vector<std::uint8_t> bytes(saved.begin(), saved.end());
        c.change(bytes);
        const ProgramRead read = read_program(bytes, c.model, Unit::MPH, c.mode);
        EXPECT_FALSE(read.items) << c.what;
        EXPECT_TRUE(read.refusal.starts_with(c.starts)) << c.what << ": " << read.refusal;
    }
}

// Random programs under every model, unit and mode: saved, read back and
// chosen again through the lists' handlers, they give the same items and
// the same 65 bytes.
TEST(ProgramReader, EveryProgramComesBackAsSaved)
{
    std::mt19937 random(20261206);
    auto any = [&random](const editor::ComboState& list) {
        return std::uniform_int_distribution<int>(0, list.count() - 1)(random);
    };
    for (Model model : {Model::QM20, Model::QM5, Model::R300})
        for (Unit unit : {Unit::MPH, Unit::KPH})
            for (Mode mode : {Mode::General, Mode::Silver})
                for (int round = 0; round < 20; ++round) {
                    EditModel edited = editor::testing::started(model, unit, mode);
                    const int shown = editor::segments_shown(model);
                    for (int i = 0; i < shown; ++i) {
                        edited.choose({Ctl::Combo_s, i}, any(edited.combo({Ctl::Combo_s, i})));
                        edited.choose({Ctl::Combo_i, i}, any(edited.combo({Ctl::Combo_i, i})));
                    }
                    edited.choose({Ctl::Combo_min}, any(edited.combo({Ctl::Combo_min})));
                    edited.choose({Ctl::Combo_weight}, any(edited.combo({Ctl::Combo_weight})));
                    const ProgramBytes saved = save(edited);

                    const ProgramRead read = read_program(saved, edited.model(), edited.unit(), edited.mode());
                    ASSERT_TRUE(read.items) << read.refusal;
                    EditModel opened = editor::testing::started(model, unit, mode);
                    for (int i = 0; i < shown; ++i) {
                        EXPECT_EQ(read.items->speed[i], edited.combo({Ctl::Combo_s, i}).selected);
                        opened.select({Ctl::Combo_s, i}, read.items->speed[i]);
                        opened.select({Ctl::Combo_i, i}, read.items->incline[i]);
                    }
                    opened.select({Ctl::Combo_min}, read.items->time);
                    opened.select({Ctl::Combo_weight}, read.items->weight);
                    ASSERT_EQ(save(opened), saved);
                    EXPECT_TRUE(has_program_shape(saved));
                }
}

}  // namespace
}  // namespace trevalo::program_file
