#include "editor/tests/model_helpers.h"
#include "program_file/program_state.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

namespace trevalo::program_file {
namespace {

using editor::Ctl;
using editor::EditModel;
using editor::testing::started;
using enum editor::Model;
using enum editor::Unit;
using enum editor::Mode;

// Buffers kept from one save to the next, as the save command keeps them.
TEST(ProgramFile, LaysOutAllTwentySegmentsWithTheHiddenOnesAtTheirDefaults)
{
    EditModel m = started(R300, KPH);
    for (int i = 0; i < 16; ++i) {
        m.choose({Ctl::Combo_s, i}, 39);  // 20 km/h
        m.choose({Ctl::Combo_i, i}, 4);
    }
    m.choose({Ctl::Combo_weight}, 80);  // 110 kg
    std::vector<int> expected;
    for (auto [count, value] : {std::pair{1, 242}, {1, 0}, {1, 110}, {1, 32}, {16, 4}, {4, 0}, {16, 125}, {4, 5},
                                {16, 200}, {4, 8}, {1, 0}})
        expected.insert(expected.end(), count, value);
    FileBuffers buffers;
    for (int save = 0; save < 2; ++save) {
        fill_buffers(m.state(), m.unit(), buffers);
        const ProgramBytes bytes = program_bytes(m.state(), buffers);
        EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.end()), expected);
    }
}

// Each row is a program edited in its unit: a weight in pounds and in
// kilograms, and the speed of the last segment in tenths of MPH and of KPH.
TEST(ProgramFile, ConvertsToTheNearestWholeNumberHalvesToEven)
{
    for (auto [unit, lbs, kg, mph, kph] :
         {std::tuple{KPH, 154, 70, 8, 12}, {KPH, 440, 200, 2, 4}, {KPH, 66, 30, 12, 20}, {KPH, 73, 33, 18, 28},
          {KPH, 125, 57, 62, 100}, {KPH, 218, 99, 138, 220}, {KPH, 271, 123, 150, 240}, {KPH, 396, 180, 2, 3},
          {MPH, 450, 205, 150, 240}, {MPH, 70, 32, 5, 8}, {MPH, 400, 182, 138, 221}}) {
        editor::EditState state;
        state.set_weight = static_cast<std::int16_t>(unit == KPH ? kg : lbs);
        state.seg_s[19] = static_cast<std::uint8_t>(unit == KPH ? kph : mph);
        FileBuffers buffers;
        fill_buffers(state, unit, buffers);
        const ProgramBytes bytes = program_bytes(state, buffers);
        EXPECT_EQ(bytes[0] | bytes[1] << 8, lbs);
        EXPECT_EQ(bytes[2], kg);
        EXPECT_EQ(bytes[24 + 19], mph);
        EXPECT_EQ(bytes[44 + 19], kph);
    }
}

// Each file is a saved default program with one thing changed, read under
// the settings named; the message says what and where.
TEST(ProgramReader, RefusesWhatItCannotShowSayingWhatAndWhere)
{
    const struct {
        editor::Model model;
        editor::Mode mode;
        void (*change)(std::vector<std::uint8_t>&);
        const char* starts;
    } cases[] = {
        {R300, General, [](auto& b) { b.pop_back(); }, "The file holds 64 bytes;"},
        {R300, General, [](auto& b) { b.push_back(0); }, "The file holds 66 bytes;"},
        {R300, General, [](auto& b) { b[64] = 1; }, "The file's last byte is 1;"},
        {R300, General, [](auto& b) { b[44 + 4] += 3; }, "Segment 5: 0.5 MPH and 1.1 KPH disagree"},
        {R300, General, [](auto& b) { b[2] += 2; }, "The weight of 154 LBS and of 72 KG disagree"},
        {R300, General, [](auto& b) { b[24 + 4] = 138, b[44 + 4] = 221; },
         "Segment 5: 13.8 MPH is not offered by the R300 in General mode."},
        {QM5, Silver, [](auto& b) { b[4] = 15; },
         "Segment 1: an incline of 15 % is not offered by the QM-5 in Silver mode."},
        {QM20, General, [](auto& b) { b[3] = 3; },
         "A workout time of 3 minutes is not offered by the QM-20 in General mode."},
        {QM20, General, [](auto& b) { b[0] = 460 & 0xFF, b[1] = 460 >> 8, b[2] = 209; },
         "A weight of 460 LBS is not offered by the QM-20 in General mode."},
    };
    const ProgramBytes saved = current_bytes(started(R300));
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes(saved.begin(), saved.end());
        c.change(bytes);
        const ProgramRead read = read_program(bytes, c.model, MPH, c.mode);
        EXPECT_FALSE(read.items) << c.starts;
        EXPECT_TRUE(read.refusal.starts_with(c.starts)) << read.refusal;
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
    for (editor::Model model : {QM20, QM5, R300})
        for (editor::Unit unit : {MPH, KPH})
            for (editor::Mode mode : {General, Silver})
                for (int round = 0; round < 20; ++round) {
                    EditModel edited = started(model, unit, mode);
                    for (int i = 0; i < editor::segments_shown(model); ++i) {
                        edited.choose({Ctl::Combo_s, i}, any(edited.combo({Ctl::Combo_s, i})));
                        edited.choose({Ctl::Combo_i, i}, any(edited.combo({Ctl::Combo_i, i})));
                    }
                    edited.choose({Ctl::Combo_min}, any(edited.combo({Ctl::Combo_min})));
                    edited.choose({Ctl::Combo_weight}, any(edited.combo({Ctl::Combo_weight})));
                    const ProgramBytes saved = current_bytes(edited);
                    const ProgramRead read = read_program(saved, edited.model(), edited.unit(), edited.mode());
                    ASSERT_TRUE(read.items) << read.refusal;
                    EXPECT_EQ(*read.items, snapshot(edited).items);
                    EditModel opened = started(model, unit, mode);
                    choose_program(opened, *read.items);
                    ASSERT_EQ(current_bytes(opened), saved);
                    EXPECT_TRUE(has_program_shape(saved));
                }
}

}  // namespace
}  // namespace trevalo::program_file
