#include "model_helpers.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

using testing::column;
using testing::selected_text;
using testing::started;

struct DefaultsCase {
    Model model;
    Unit unit;
    Mode mode;
    int speed_count;
    int first_speed;  // tenths
    int incline_count;
    int time_count;
    const char* time_default;
    int weight_count;
    const char* weight_last;
    const char* weight_default;
    const char* speed_caption;
    const char* weight_caption;
    bool speed_top_enabled;
    bool incline_top_enabled;
};

void PrintTo(const DefaultsCase& c, std::ostream* os)
{
    *os << kModelNames[static_cast<int>(c.model)] << (c.unit == Unit::MPH ? " MPH " : " KPH ")
        << (c.mode == Mode::General ? "General" : "Silver");
}

class Defaults : public ::testing::TestWithParam<DefaultsCase> {};

TEST_P(Defaults, EverySettingStartsFromItsCatalogueDefaults)
{
    const DefaultsCase& c = GetParam();
    const EditModel m = started(c.model, c.unit, c.mode);
    ASSERT_EQ(m.model(), c.model);
    ASSERT_EQ(m.unit(), c.unit);
    ASSERT_EQ(m.mode(), c.mode);

    for (int i = 0; i < kSegments; ++i) {
        SCOPED_TRACE("segment " + std::to_string(i));
        EXPECT_EQ(m.combo({Ctl::Combo_s, i}).count(), c.speed_count);
        EXPECT_EQ(m.combo({Ctl::Combo_s, i}).selected, 0);
        EXPECT_EQ(m.state().seg_s[i], c.first_speed);
        EXPECT_EQ(m.combo({Ctl::Combo_i, i}).count(), c.incline_count);
        EXPECT_EQ(selected_text(m, {Ctl::Combo_i, i}), "0");
        EXPECT_EQ(m.state().seg_i[i], 0);
        EXPECT_EQ(column(m, Ctl::Image1, i), "10000000");
        EXPECT_EQ(column(m, Ctl::Image2, i), "10000000");
        EXPECT_EQ(m.lamp(Ctl::Image1, lamp_index(i, 7)).enabled, c.speed_top_enabled);
        EXPECT_EQ(m.lamp(Ctl::Image2, lamp_index(i, 7)).enabled, c.incline_top_enabled);
        EXPECT_TRUE(m.lamp(Ctl::Image1, lamp_index(i, 6)).enabled);
    }
    EXPECT_EQ(m.combo({Ctl::Combo_min}).count(), c.time_count);
    EXPECT_EQ(selected_text(m, {Ctl::Combo_min}), c.time_default);
    EXPECT_EQ(std::to_string(m.state().set_min), c.time_default);
    EXPECT_EQ(m.combo({Ctl::Combo_min}).text(m.combo({Ctl::Combo_min}).count() - 1), "99");
    const ComboState& weight = m.combo({Ctl::Combo_weight});
    EXPECT_EQ(weight.count(), c.weight_count);
    EXPECT_EQ(weight.text(weight.count() - 1), c.weight_last);
    EXPECT_EQ(selected_text(m, {Ctl::Combo_weight}), c.weight_default);
    EXPECT_EQ(std::to_string(m.state().set_weight), c.weight_default);
    EXPECT_EQ(m.frame_caption(Ctl::Frame1_Edit), c.speed_caption);
    EXPECT_EQ(m.frame_caption(Ctl::Frame7_Edit), c.weight_caption);
    EXPECT_EQ(m.state().seg_s[20], 0);
    EXPECT_EQ(m.state().seg_i[20], 0);
    EXPECT_EQ(m.state().busy, 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllSettings, Defaults,
    ::testing::Values(
        DefaultsCase{Model::R300, Unit::MPH, Mode::General, 24, 5, 16, 95, "32", 331, "400", "154",
                     "SPEED(MPH)", "Set_Weight(LBS)", true, true},
        DefaultsCase{Model::R300, Unit::KPH, Mode::General, 40, 8, 16, 95, "32", 151, "180", "70",
                     "SPEED(KPH)", "Set_Weight(KG)", true, true},
        DefaultsCase{Model::QM20, Unit::MPH, Mode::General, 31, 2, 16, 80, "30", 381, "450", "154",
                     "SPEED(MPH)", "Set_Weight(LBS)", true, true},
        DefaultsCase{Model::QM20, Unit::KPH, Mode::General, 49, 3, 16, 80, "30", 171, "200", "70",
                     "SPEED(KPH)", "Set_Weight(KG)", true, true},
        DefaultsCase{Model::QM20, Unit::MPH, Mode::Silver, 16, 2, 7, 88, "30", 381, "450", "154",
                     "SPEED(MPH)", "Set_Weight(LBS)", true, false},
        DefaultsCase{Model::QM20, Unit::KPH, Mode::Silver, 25, 3, 7, 88, "30", 171, "200", "70",
                     "SPEED(KPH)", "Set_Weight(KG)", true, false},
        DefaultsCase{Model::QM5, Unit::MPH, Mode::General, 28, 5, 16, 80, "30", 381, "450", "154",
                     "SPEED(MPH)", "Set_Weight(LBS)", true, true},
        DefaultsCase{Model::QM5, Unit::KPH, Mode::General, 44, 8, 16, 80, "30", 171, "200", "70",
                     "SPEED(KPH)", "Set_Weight(KG)", true, true},
        DefaultsCase{Model::QM5, Unit::MPH, Mode::Silver, 14, 5, 7, 88, "30", 381, "450", "154",
                     "SPEED(MPH)", "Set_Weight(LBS)", false, false},
        DefaultsCase{Model::QM5, Unit::KPH, Mode::Silver, 22, 8, 7, 88, "30", 171, "200", "70",
                     "SPEED(KPH)", "Set_Weight(KG)", false, false}));

TEST(Settings, AChangeOfModelUnitOrModeThrowsTheProgramAwayWithoutConverting)
{
    for (Ctl change : {Ctl::Option_kph, Ctl::Option_sil, Ctl::Combo_type}) {
        EditModel m = started(Model::QM20);
        m.choose({Ctl::Combo_s, 4}, 10);
        m.choose({Ctl::Combo_i, 4}, 9);
        m.choose({Ctl::Combo_min}, 79);
        m.choose({Ctl::Combo_weight}, 380);
        ASSERT_EQ(m.state().set_weight, 450);
        ASSERT_EQ(m.state().set_min, 99);
        ASSERT_EQ(m.state().seg_i[4], 9);

        if (change == Ctl::Combo_type)
            m.choose({Ctl::Combo_type}, static_cast<int>(Model::QM5));
        else
            m.click_option(change);
        const bool kph = change == Ctl::Option_kph;
        EXPECT_EQ(m.state().seg_s[4], kph ? 3 : change == Ctl::Combo_type ? 5 : 2);
        EXPECT_EQ(m.state().seg_i[4], 0);
        EXPECT_EQ(column(m, Ctl::Image1, 4), "10000000");
        EXPECT_EQ(column(m, Ctl::Image2, 4), "10000000");
        EXPECT_EQ(m.state().set_min, 30);
        EXPECT_EQ(m.state().set_weight, kph ? 70 : 154);
    }
}

TEST(Settings, ClickingTheOptionAlreadySelectedKeepsTheProgram)
{
    EditModel m = started(Model::QM5);
    m.choose({Ctl::Combo_s, 0}, 5);
    m.take_changes();
    m.click_option(Ctl::Option_mph);
    m.click_option(Ctl::Option_gen);
    EXPECT_EQ(m.state().seg_s[0], 30);
    EXPECT_TRUE(m.take_changes().empty());
}

}  // namespace
}  // namespace trevalo::editor
