#include "model_helpers.h"

#include "editor/number_text.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

using testing::column;
using testing::selected_text;
using testing::started;

std::string lit_up_to(int level)
{
    std::string lit(kLevels, '0');
    for (int l = 0; l <= level; ++l)
        lit[l] = '1';
    return lit;
}

struct SpeedLampsCase {
    Model model;
    Unit unit;
    Mode mode;
    std::array<int, 8> tenths;  // speed selected by the lamp of each level; 0: lamp disabled
};

void PrintTo(const SpeedLampsCase& c, std::ostream* os)
{
    *os << kModelNames[static_cast<int>(c.model)] << (c.unit == Unit::MPH ? " MPH " : " KPH ")
        << (c.mode == Mode::General ? "General" : "Silver");
}

class SpeedLamps : public ::testing::TestWithParam<SpeedLampsCase> {};

TEST_P(SpeedLamps, EachLampSelectsItsSpeedAndLightsItsColumnUpToItself)
{
    const SpeedLampsCase& c = GetParam();
    EditModel m = started(c.model, c.unit, c.mode);
    const int segment = 3;
    for (int level = 0; level < kLevels; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const int lamp = lamp_index(segment, level);
        if (c.tenths[level] == 0) {
            EXPECT_FALSE(m.lamp(Ctl::Image1, lamp).enabled);
            continue;
        }
        m.click_lamp(Ctl::Image1, lamp);
        EXPECT_EQ(m.state().seg_s[segment], c.tenths[level]);
        EXPECT_EQ(selected_text(m, {Ctl::Combo_s, segment}), tenths_text(c.tenths[level]));
        EXPECT_EQ(column(m, Ctl::Image1, segment), lit_up_to(level));
        EXPECT_EQ(m.state().seg_no, segment);
        // The value's own level is the lamp's: a repaint from the list agrees.
        m.select({Ctl::Combo_s, segment}, m.combo({Ctl::Combo_s, segment}).selected);
        EXPECT_EQ(column(m, Ctl::Image1, segment), lit_up_to(level));
        EXPECT_EQ(m.state().busy, 0);
    }
    for (int other : {2, 4})
        EXPECT_EQ(column(m, Ctl::Image1, other), "10000000");
}

INSTANTIATE_TEST_SUITE_P(
    AllSettings, SpeedLamps,
    ::testing::Values(
        SpeedLampsCase{Model::QM20, Unit::MPH, Mode::General, {2, 20, 40, 60, 80, 95, 115, 135}},
        SpeedLampsCase{Model::QM5, Unit::MPH, Mode::General, {5, 20, 40, 60, 80, 95, 115, 135}},
        SpeedLampsCase{Model::R300, Unit::MPH, Mode::General, {5, 20, 35, 50, 65, 80, 100, 115}},
        SpeedLampsCase{Model::QM20, Unit::KPH, Mode::General, {3, 35, 65, 95, 125, 155, 190, 220}},
        SpeedLampsCase{Model::QM5, Unit::KPH, Mode::General, {8, 35, 65, 95, 125, 155, 190, 220}},
        SpeedLampsCase{Model::R300, Unit::KPH, Mode::General, {8, 30, 55, 80, 105, 130, 160, 185}},
        SpeedLampsCase{Model::QM20, Unit::MPH, Mode::Silver, {2, 10, 20, 30, 40, 50, 60, 70}},
        SpeedLampsCase{Model::QM5, Unit::MPH, Mode::Silver, {5, 10, 20, 30, 40, 50, 60, 0}},
        SpeedLampsCase{Model::QM20, Unit::KPH, Mode::Silver, {3, 20, 35, 50, 65, 80, 100, 115}},
        SpeedLampsCase{Model::QM5, Unit::KPH, Mode::Silver, {8, 20, 35, 50, 65, 80, 100, 0}}));

TEST(SpeedList, EveryChoiceLightsTheColumnToTheLevelOfItsValue)
{
    for (Model model : {Model::QM20, Model::QM5, Model::R300})
        for (Unit unit : {Unit::MPH, Unit::KPH})
            for (Mode mode : {Mode::General, Mode::Silver}) {
                EditModel m = started(model, unit, mode);
                const int step = speed_step(model, unit, m.mode());
                const int count = m.combo({Ctl::Combo_s, 19}).count();
                for (int item = count - 1; item >= 0; --item) {
                    m.choose({Ctl::Combo_s, 19}, item);
                    const int value = m.state().seg_s[19];
                    ASSERT_EQ(tenths_text(value), selected_text(m, {Ctl::Combo_s, 19}));
                    ASSERT_EQ(column(m, Ctl::Image1, 19), lit_up_to(value / step))
                        << kModelNames[static_cast<int>(model)] << ' ' << tenths_text(value);
                }
                EXPECT_EQ(m.state().seg_s[20], 0);
            }
}

struct InclineCase {
    Mode mode;
    const char* action;  // "lamp" or "list"
    int segment;
    int level_or_item;
    int incline;
    const char* lit;
};

TEST(Incline, ClicksAndChoicesSetTheInclineAndItsColumn)
{
    for (const InclineCase& c : {InclineCase{Mode::General, "lamp", 3, 5, 10, "11111100"},
                                 InclineCase{Mode::General, "lamp", 0, 0, 0, "10000000"},
                                 InclineCase{Mode::General, "lamp", 19, 7, 14, "11111111"},
                                 InclineCase{Mode::General, "list", 0, 15, 15, "11111111"},
                                 InclineCase{Mode::General, "list", 0, 1, 1, "10000000"},
                                 InclineCase{Mode::General, "list", 0, 5, 5, "11100000"},
                                 InclineCase{Mode::Silver, "lamp", 2, 6, 6, "11111110"},
                                 InclineCase{Mode::Silver, "list", 2, 3, 3, "11110000"}}) {
        EditModel m = started(Model::QM20, Unit::MPH, c.mode);
        if (std::string_view(c.action) == "lamp")
            m.click_lamp(Ctl::Image2, lamp_index(c.segment, c.level_or_item));
        else
            m.choose({Ctl::Combo_i, c.segment}, c.level_or_item);
        EXPECT_EQ(m.state().seg_i[c.segment], c.incline) << c.action << ' ' << c.level_or_item;
        EXPECT_EQ(selected_text(m, {Ctl::Combo_i, c.segment}), std::to_string(c.incline));
        EXPECT_EQ(column(m, Ctl::Image2, c.segment), c.lit) << c.action << ' ' << c.level_or_item;
        EXPECT_EQ(m.state().seg_i[20], 0);
    }
}

TEST(Incline, AClickOnTheTopOfAnOddValuesRunGivesTheEvenValue)
{
    EditModel m = started(Model::QM5);
    m.choose({Ctl::Combo_i, 4}, 5);
    m.click_lamp(Ctl::Image2, lamp_index(4, 2));
    EXPECT_EQ(m.state().seg_i[4], 4);
    EXPECT_EQ(selected_text(m, {Ctl::Combo_i, 4}), "4");
    EXPECT_EQ(column(m, Ctl::Image2, 4), "11100000");
}

TEST(Busy, WhileSetNeitherLampsNorListsChangeTheProgram)
{
    EditModel m = started(Model::QM5);
    m.click_lamp(Ctl::Image1, lamp_index(5, 3));
    m.click_lamp(Ctl::Image2, lamp_index(5, 3));
    m.set_busy(1);
    m.click_lamp(Ctl::Image1, lamp_index(5, 6));
    m.click_lamp(Ctl::Image2, lamp_index(5, 6));
    m.choose({Ctl::Combo_s, 5}, 2);
    m.choose({Ctl::Combo_i, 5}, 12);
    EXPECT_EQ(m.state().seg_s[5], 60);
    EXPECT_EQ(m.state().seg_i[5], 6);
    EXPECT_EQ(column(m, Ctl::Image1, 5), "11110000");
    EXPECT_EQ(column(m, Ctl::Image2, 5), "11110000");
}

TEST(Lamps, HiddenLampsDoNotReact)
{
    EditModel m = started(Model::R300);
    m.click_lamp(Ctl::Image1, lamp_index(17, 4));
    m.click_lamp(Ctl::Image2, lamp_index(17, 4));
    EXPECT_EQ(column(m, Ctl::Image1, 17), "10000000");
    EXPECT_EQ(m.state().seg_s[17], 5);
    EXPECT_EQ(m.state().seg_i[17], 0);
}

}  // namespace
}  // namespace trevalo::editor
