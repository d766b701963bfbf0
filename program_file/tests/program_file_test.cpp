#include "program_file/program_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace trevalo::program_file {
namespace {

using editor::Ctl;
using editor::EditModel;
using editor::EditState;
using editor::Model;
using editor::Unit;

ProgramBytes save(const EditModel& m, FileBuffers& buffers)
{
    fill_buffers(m.state(), m.unit(), buffers);
    return program_bytes(m.state(), buffers);
}

std::vector<int> as_ints(const ProgramBytes& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(ProgramFile, LaysOutAProgramEditedInMilesPerHour)
{
    EditModel m;
    m.Form_Load();
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::QM5));
    m.choose({Ctl::Combo_weight}, 80);  // 150 lb
    for (int i = 0; i < 20; ++i) {
        m.choose({Ctl::Combo_s, i}, 6);  // 3.5 mph
        m.choose({Ctl::Combo_i, i}, 4);
    }
    ASSERT_EQ(m.state().set_weight, 150);
    ASSERT_EQ(m.state().set_min, 30);
    ASSERT_EQ(m.state().seg_s[0], 35);

    FileBuffers buffers;
    std::vector<int> expected{0x96, 0x00, 0x44, 0x1E};
    expected.insert(expected.end(), 20, 0x04);
    expected.insert(expected.end(), 20, 0x23);
    expected.insert(expected.end(), 20, 0x38);
    expected.push_back(0x00);
    EXPECT_EQ(as_ints(save(m, buffers)), expected);
    // Saving again with no edit in between gives the same bytes.
    EXPECT_EQ(as_ints(save(m, buffers)), expected);
}

TEST(ProgramFile, WeightIsWrittenInBothUnits)
{
    struct Case {
        Unit unit;
        std::int16_t weight;
        int lbs_low, lbs_high, kg;
    };
    for (const Case& c : {Case{Unit::KPH, 70, 0x9A, 0x00, 70}, Case{Unit::MPH, 450, 0xC2, 0x01, 205},
                          Case{Unit::KPH, 200, 0xB8, 0x01, 200}, Case{Unit::MPH, 70, 70, 0, 32}}) {
        EditState state;
        state.set_weight = c.weight;
        FileBuffers buffers;
        fill_buffers(state, c.unit, buffers);
        const ProgramBytes bytes = program_bytes(state, buffers);
        EXPECT_EQ(bytes[0], c.lbs_low) << c.weight;
        EXPECT_EQ(bytes[1], c.lbs_high) << c.weight;
        EXPECT_EQ(bytes[2], c.kg) << c.weight;
    }
}

TEST(ProgramFile, SpeedsAreConvertedToTheNearestTenthHalvesToEven)
{
    struct Case {
        Unit unit;
        std::uint8_t tenths;
        int mph, kph;
    };
    for (const Case& c : {Case{Unit::KPH, 12, 8, 12}, Case{Unit::KPH, 4, 2, 4}, Case{Unit::KPH, 20, 12, 20},
                          Case{Unit::KPH, 28, 18, 28}, Case{Unit::KPH, 100, 62, 100},
                          Case{Unit::KPH, 220, 138, 220}, Case{Unit::KPH, 240, 150, 240},
                          Case{Unit::KPH, 3, 2, 3}, Case{Unit::MPH, 150, 150, 240}, Case{Unit::MPH, 5, 5, 8},
                          Case{Unit::MPH, 138, 138, 221}}) {
        EditState state;
        state.seg_s[19] = c.tenths;
        FileBuffers buffers;
        fill_buffers(state, c.unit, buffers);
        const ProgramBytes bytes = program_bytes(state, buffers);
        EXPECT_EQ(bytes[24 + 19], c.mph) << int(c.tenths);
        EXPECT_EQ(bytes[44 + 19], c.kph) << int(c.tenths);
        EXPECT_EQ(bytes[64], 0);
    }
}

TEST(ProgramFile, R300WritesAllTwentySegmentsWithTheHiddenOnesAtTheirDefaults)
{
    EditModel m;
    m.Form_Load();  // "R300", 16 segments shown
    m.click_option(Ctl::Option_kph);
    for (int i = 0; i < 16; ++i)
        m.choose({Ctl::Combo_s, i}, 39);  // 20 km/h
    FileBuffers buffers;
    const ProgramBytes bytes = save(m, buffers);
    for (int i = 0; i < 20; ++i) {
        const bool hidden = i >= 16;
        EXPECT_EQ(bytes[44 + i], hidden ? 8 : 200) << i;
        EXPECT_EQ(bytes[24 + i], hidden ? 5 : 125) << i;
        EXPECT_EQ(bytes[4 + i], 0) << i;
    }
    EXPECT_EQ(bytes[64], 0);
}

}  // namespace
}  // namespace trevalo::program_file
