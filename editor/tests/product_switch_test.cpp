#include "model_helpers.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

using testing::column;
using testing::started;

TEST(StartUp, OpensOnR300WithSixteenNumberedSegmentsEightToARow)
{
    EditModel m;
    m.Form_Load();
    EXPECT_EQ(m.combo({Ctl::Combo_type}).selected, 2);
    EXPECT_TRUE(m.option(Ctl::Option_gen).value);
    EXPECT_TRUE(m.option(Ctl::Option_mph).value);
    EXPECT_FALSE(m.option(Ctl::Option_sil).enabled);
    for (int i = 0; i < kSegments; ++i) {
        const bool shown = i < 16;
        EXPECT_EQ(m.label({Ctl::Label_seg_s, i}).caption, std::to_string(i + 1));
        EXPECT_EQ(m.label({Ctl::Label_seg_s, i}).visible, shown) << i;
        EXPECT_EQ(m.combo({Ctl::Combo_i, i}).visible, shown) << i;
        EXPECT_EQ(m.lamp(Ctl::Image2, lamp_index(i, 3)).visible, shown) << i;
        EXPECT_EQ(m.label({Ctl::Label_seg_i, i}).position, (Point{150 + 300 * i, 2700}));
    }
    EXPECT_EQ(m.lamp(Ctl::Image1, 31).position, (Point{1020, 240}));
    EXPECT_EQ(m.lamp(Ctl::Image2, 0).position, (Point{120, 2340}));
}

struct PlacementCase {
    Model model;
    ControlRef control;
    Point position;
    const char* caption;  // for labels; empty for lists
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << kModelNames[static_cast<int>(c.model)] << " control " << static_cast<int>(c.control.ctl) << '_'
        << c.control.index;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, SelectorsStandInTheRowsOfTheModel)
{
    const PlacementCase& c = GetParam();
    const EditModel m = started(c.model);
    const bool list = c.control.ctl == Ctl::Combo_s || c.control.ctl == Ctl::Combo_i;
    if (list) {
        EXPECT_EQ(m.combo(c.control).position, c.position);
    } else {
        EXPECT_EQ(m.label(c.control).position, c.position);
        EXPECT_EQ(m.label(c.control).caption, c.caption);
        EXPECT_TRUE(m.label(c.control).centred);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Models, Placement,
    ::testing::Values(PlacementCase{Model::R300, {Ctl::Label_s, 7}, {5280, 240}, "8"},
                      PlacementCase{Model::R300, {Ctl::Label_s, 8}, {240, 960}, "9"},
                      PlacementCase{Model::R300, {Ctl::Combo_i, 15}, {5280, 1200}, ""},
                      PlacementCase{Model::R300, {Ctl::Label_i, 15}, {5280, 960}, "16"},
                      PlacementCase{Model::QM20, {Ctl::Label_s, 10}, {240, 960}, "11"},
                      PlacementCase{Model::QM20, {Ctl::Label_s, 12}, {1680, 960}, "13"},
                      PlacementCase{Model::QM20, {Ctl::Combo_s, 9}, {6720, 480}, ""},
                      PlacementCase{Model::QM5, {Ctl::Combo_i, 19}, {6720, 1200}, ""},
                      PlacementCase{Model::QM5, {Ctl::Label_i, 0}, {240, 240}, "1"}));

TEST(ProductSwitch, R300ForcesGeneralAndLocksSilver)
{
    EditModel m = started(Model::QM20, Unit::KPH, Mode::Silver);
    ASSERT_EQ(m.mode(), Mode::Silver);
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::R300));
    EXPECT_EQ(m.mode(), Mode::General);
    EXPECT_FALSE(m.option(Ctl::Option_sil).enabled);
    EXPECT_EQ(m.unit(), Unit::KPH);
    EXPECT_EQ(m.combo({Ctl::Combo_s, 0}).count(), 40);
    EXPECT_EQ(m.state().seg_s[19], 8);  // hidden segments are reset too
    EXPECT_EQ(m.combo({Ctl::Combo_i, 0}).count(), 16);
    EXPECT_EQ(m.state().set_min, 32);

    m.click_option(Ctl::Option_sil);  // greyed out: no effect
    EXPECT_EQ(m.mode(), Mode::General);
}

TEST(ProductSwitch, ReChoosingTheSelectedModelKeepsTheProgram)
{
    EditModel m = started(Model::QM20);
    m.choose({Ctl::Combo_s, 2}, 20);
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::QM20));
    EXPECT_EQ(m.state().seg_s[2], 100);
}

// Everything a user can see or save, for comparing two states.
std::string snapshot(const EditModel& m)
{
    std::string s;
    auto add = [&s](auto... parts) { ((s += std::to_string(parts) + ','), ...); };
    for (int i = 0; i < kSegments; ++i) {
        for (Ctl c : {Ctl::Combo_s, Ctl::Combo_i}) {
            const ComboState& combo = m.combo({c, i});
            add(combo.count(), combo.selected, combo.position.left, combo.position.top, combo.visible);
        }
        for (Ctl c : {Ctl::Label_s, Ctl::Label_i, Ctl::Label_seg_s, Ctl::Label_seg_i}) {
            const LabelState& l = m.label({c, i});
            s += l.caption;
            add(l.position.left, l.position.top, l.visible, l.centred);
        }
        add(m.state().seg_s[i], m.state().seg_i[i]);
    }
    for (int k = 0; k < kLamps; ++k)
        for (Ctl g : {Ctl::Image1, Ctl::Image2}) {
            const LampState& l = m.lamp(g, k);
            add(static_cast<int>(l.picture), l.enabled, l.visible);
        }
    add(m.state().set_min, m.state().set_weight, m.option(Ctl::Option_sil).enabled);
    return s;
}

TEST(ProductSwitch, R300ToQm20AndBackEndsAsTheFirstSwitchToR300)
{
    EditModel m = started(Model::R300);
    const std::string first = snapshot(m);
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::QM20));
    EXPECT_NE(snapshot(m), first);
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::R300));
    EXPECT_EQ(snapshot(m), first);
}

}  // namespace
}  // namespace trevalo::editor
