#include "model_helpers.h"

#include "editor/lamp_keyboard.h"
#include "program/decimal_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::editor {
namespace {

using namespace testing;
using enum Model;
using enum Unit;
using enum Mode;

// Where each control stands at start-up is the window layout's golden file.
TEST(StartUp, OpensOnR300WithSixteenNumberedSegments)
{
    EditModel m;
    m.Form_Load();
    EXPECT_EQ(std::tuple(m.model(), m.unit(), m.mode()), std::tuple(R300, MPH, General));
    EXPECT_FALSE(m.option(Ctl::Option_sil).enabled);
    for (int i = 0; i < kSegments; ++i) {
        EXPECT_EQ(m.label({Ctl::Label_seg_s, i}).caption, std::to_string(i + 1));
        EXPECT_EQ(m.combo({Ctl::Combo_i, i}).visible, i < 16) << i;
    }
}

// Each selector is a centred label numbered from 1 with its list 240 twips under it.
// Rows: the model shown, a selector's label, where the label stands.
TEST(ProductSwitch, SelectorsStandInTwoRowsOfHalfTheSegmentsShown)
{
    // R300's rows are those of start-up, in the window layout's golden file.
    for (auto [model, label, at] : {std::tuple{QM20, ControlRef{Ctl::Label_s, 10}, Point{240, 960}},
                                    {QM20, {Ctl::Label_s, 12}, {1680, 960}},
                                    {QM20, {Ctl::Label_s, 9}, {6720, 240}},
                                    {QM5, {Ctl::Label_i, 19}, {6720, 960}},
                                    {QM5, {Ctl::Label_i, 0}, {240, 240}}}) {
        const EditModel m = started(model);
        const ControlRef list{label.ctl == Ctl::Label_s ? Ctl::Combo_s : Ctl::Combo_i, label.index};
        EXPECT_EQ(m.label(label).position, at);
        EXPECT_EQ(m.label(label).caption, std::to_string(label.index + 1));
        EXPECT_TRUE(m.label(label).centred);
        EXPECT_EQ(m.combo(list).position, (Point{at.left, at.top + 240}));
    }
}

// What the lamp of each level sets; a 0 above the bottom lamp: the lamp does not react.
using LampValues = std::array<int, kLevels>;

constexpr LampValues kGeneralInclines{0, 2, 4, 6, 8, 10, 12, 14};
constexpr LampValues kSilverInclines{0, 1, 2, 3, 4, 5, 6, 0};

struct Setting {
    Model model;
    Unit unit;
    Mode mode;
    int speed_count;
    ItemList speed_head;  // the first speed items
    ItemList speed_tail;  // the last speed items
    LampValues speed_lamps;  // tenths
    int time_count;
    int time_default;
    int weight_count;
    int weight_last;
};

const Setting kSettings[] = {
    {QM20, MPH, General, 31, {"0.2", "0.5", "1"}, {"14.5", "15"}, {2, 20, 40, 60, 80, 95, 115, 135}, 80, 30, 381, 450},
    {QM5, MPH, General, 28, {"0.5", "1"}, {"13", "13.5", "13.8"}, {5, 20, 40, 60, 80, 95, 115, 135}, 80, 30, 381, 450},
    {R300, MPH, General, 24, {"0.5", "1"}, {"11.5", "12"}, {5, 20, 35, 50, 65, 80, 100, 115}, 95, 32, 331, 400},
    {QM20, KPH, General, 49, {"0.3", "0.5"}, {"23.5", "24"}, {3, 35, 65, 95, 125, 155, 190, 220}, 80, 30, 171, 200},
    {QM5, KPH, General, 44, {"0.8", "1", "1.5"}, {"22"}, {8, 35, 65, 95, 125, 155, 190, 220}, 80, 30, 171, 200},
    {R300, KPH, General, 40, {"0.8", "1"}, {"19.5", "20"}, {8, 30, 55, 80, 105, 130, 160, 185}, 95, 32, 151, 180},
    {QM20, MPH, Silver, 16, {"0.2", "0.5"}, {"7", "7.5"}, {2, 10, 20, 30, 40, 50, 60, 70}, 88, 30, 381, 450},
    {QM5, MPH, Silver, 14, {"0.5"}, {"6.5", "6.9"}, {5, 10, 20, 30, 40, 50, 60, 0}, 88, 30, 381, 450},
    {QM20, KPH, Silver, 25, {"0.3", "0.5"}, {"12"}, {3, 20, 35, 50, 65, 80, 100, 115}, 88, 30, 171, 200},
    {QM5, KPH, Silver, 22, {"0.8", "1"}, {"10.5", "11"}, {8, 20, 35, 50, 65, 80, 100, 0}, 88, 30, 171, 200},
};

std::string lit_up_to(int level) { return std::string(level + 1, '1') + std::string(kLevels - 1 - level, '0'); }

// Every item of one list; then every lamp of the grid, each clicked in a
// column lit to the top by a value off the lamps, so that a click on a lit
// lamp must still set that lamp's value; then the clicks that do nothing.
void check_grid(EditModel& m, Ctl grid, const LampValues& lamps, const std::string& unit)
{
    const bool speed = grid == Ctl::Image1;
    const Ctl list = speed ? Ctl::Combo_s : Ctl::Combo_i;
    const auto value = [&](int segment) -> int { return speed ? m.state().seg_s[segment] : m.state().seg_i[segment]; };
    const auto text = [speed](int v) { return speed ? program::tenths_text(v) : std::to_string(v); };
    const int top = m.combo({list, 0}).count() - 1;
    int lit = kLevels - 1;
    for (int item = top; item >= 0; --item) {
        m.choose({list, 3}, item);
        EXPECT_EQ(text(value(3)), selected_text(m, {list, 3}));
        // A value lights its column up to the highest reacting lamp that sets no more than it;
        // walked from the top, so that values out of order light the wrong lamps.
        while (lit > 0 && (lamps[lit] == 0 || lamps[lit] > value(3)))
            --lit;
        EXPECT_EQ(column(m, grid, 3), lit_up_to(lit)) << text(value(3));
    }
    for (int segment = 2; segment < 2 + kLevels; ++segment)
        m.choose({list, segment}, top);
    // The lamp of level n is clicked in segment n + 2.
    for (int level = 0; level < kLevels; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const int segment = level + 2;
        const int lamp = lamp_index(segment, level);
        // What a click did to the column is checked after the last click, with the columns it must have left alone.
        m.click_lamp(grid, lamp);
        if (level > 0 && lamps[level] == 0) {
            EXPECT_EQ(lamp_description(m, grid, lamp), "not lit; does not react to clicks");
            continue;
        }
        EXPECT_EQ(value(segment), lamps[level]);
        EXPECT_EQ(selected_text(m, {list, segment}), text(lamps[level]));
        EXPECT_EQ(lamp_description(m, grid, lamp), "lit; a click sets " + text(lamps[level]) + unit);
        if (level + 1 < kLevels && lamps[level + 1] != 0) {
            EXPECT_EQ(lamp_description(m, grid, lamp + 1), "not lit; a click sets " + text(lamps[level + 1]) + unit);
        }
    }
    // A hidden lamp does not react; the same lamp shown does.
    m.click_lamp(grid, lamp_index(19, 4));
    EXPECT_EQ(value(19), lamps[m.model() == R300 ? 0 : 4]);
    // While busy, neither a lamp nor the list changes the program.
    m.set_busy(1);
    m.click_lamp(grid, lamp_index(2, 5));
    m.choose({list, 2}, 1);
    m.set_busy(0);
    EXPECT_EQ(value(2), lamps[0]);
    // The keyboard's cursor stops at the edges and passes over lamps that do not react.
    using enum Direction;
    EXPECT_EQ(move_cursor(m, grid, 0, Up), 1);
    EXPECT_EQ(move_cursor(m, grid, 0, Right), 8);
    EXPECT_EQ(move_cursor(m, grid, 14, Left), 6);
    EXPECT_EQ(move_cursor(m, grid, 0, Down), 0);
    EXPECT_EQ(move_cursor(m, grid, 0, Left), 0);
    EXPECT_EQ(move_cursor(m, grid, 159, Right), 159);
    EXPECT_EQ(move_cursor(m, grid, 6, Up), lamps[7] != 0 ? 7 : 6);
    EXPECT_EQ(move_cursor(m, grid, lamp_index(15, 3), Right), lamp_index(m.model() == R300 ? 15 : 16, 3));
    // A cursor left on a lamp that no longer reacts settles below it.
    EXPECT_EQ(settle_cursor(m, grid, 7), lamps[7] != 0 ? 7 : 6);
    EXPECT_EQ(settle_cursor(m, grid, lamp_index(18, 2)), m.model() == R300 ? 0 : lamp_index(18, 2));
    EXPECT_EQ(lamp_name(grid, 159), std::string(speed ? "Speed" : "Incline") + ", segment 20, level 7");
    EXPECT_EQ(list_name({list, 3}), std::string(speed ? "Speed" : "Incline") + " of segment 4");
    // Each click changed its own column only; a lamp that does not react left the top value's.
    for (int level = 0; level < kLevels; ++level) {
        const bool reacts = level == 0 || lamps[level] != 0;
        EXPECT_EQ(column(m, grid, level + 2), lit_up_to(reacts ? level : level - 1));
    }
}

TEST(Settings, EachOffersItsListsAndLampsAndStartsFromItsDefaults)
{
    for (const Setting& c : kSettings) {
        const char* unit = c.unit == MPH ? " MPH" : " KPH";
        SCOPED_TRACE(std::string(kModelNames[static_cast<int>(c.model)]) + unit +
                     (c.mode == General ? " General" : " Silver"));
        EditModel m = started(c.model, c.unit, c.mode);
        for (int i = 0; i < kSegments; ++i) {
            EXPECT_EQ(m.combo({Ctl::Combo_s, i}).count(), c.speed_count);
            EXPECT_EQ(m.state().seg_s[i], c.speed_lamps[0]);
            EXPECT_EQ(m.combo({Ctl::Combo_i, i}).count(), c.mode == General ? 16 : 7);
            EXPECT_EQ(m.state().seg_i[i], 0);
        }
        const ItemList& speeds = *m.combo({Ctl::Combo_s, 3}).items;
        EXPECT_EQ(ItemList(speeds.begin(), speeds.begin() + std::ssize(c.speed_head)), c.speed_head);
        EXPECT_EQ(ItemList(speeds.end() - std::ssize(c.speed_tail), speeds.end()), c.speed_tail);
        const ComboState& time = m.combo({Ctl::Combo_min});
        EXPECT_EQ(time.count(), c.time_count);
        EXPECT_EQ(time.text(time.count() - 1), "99");
        // The value the time handler stores from its item is checked in the program file's bytes.
        EXPECT_EQ(selected_text(m, {Ctl::Combo_min}), std::to_string(c.time_default));
        const ComboState& weight = m.combo({Ctl::Combo_weight});
        EXPECT_EQ(weight.count(), c.weight_count);
        EXPECT_EQ(weight.text(weight.count() - 1), std::to_string(c.weight_last));
        EXPECT_EQ(selected_text(m, {Ctl::Combo_weight}), c.unit == MPH ? "154" : "70");
        EXPECT_EQ(m.state().set_weight, c.unit == MPH ? 154 : 70);
        EXPECT_EQ(m.frame_caption(Ctl::Frame1_Edit), c.unit == MPH ? "SPEED(MPH)" : "SPEED(KPH)");
        EXPECT_EQ(m.frame_caption(Ctl::Frame7_Edit), c.unit == MPH ? "Set_Weight(LBS)" : "Set_Weight(KG)");

        check_grid(m, Ctl::Image1, c.speed_lamps, unit);
        check_grid(m, Ctl::Image2, c.mode == General ? kGeneralInclines : kSilverInclines, " %");
        EXPECT_EQ(m.state().seg_s[20], 0);
        EXPECT_EQ(m.state().seg_i[20], 0);
    }
}

// Everything a user can see or save, for comparing two states.
std::string snapshot(const EditModel& m)
{
    std::string s = m.frame_caption(Ctl::Frame1_Edit) + m.frame_caption(Ctl::Frame7_Edit);
    auto add = [&s](auto... values) { ((s += std::to_string(values) + ','), ...); };
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
    add(static_cast<int>(m.model()), static_cast<int>(m.unit()), static_cast<int>(m.mode()));
    return s;
}

// Each change of model, unit or mode, made after editing, throws the program
// away, hidden segments too, without converting it: the editor is then as if
// started under the new settings. Anything else on those controls keeps it.
// Rows: the change (an option button, or the model list with the model's
// position), then the settings it leads to.
TEST(ProductSwitch, AChangeOfSettingsStartsAFreshProgram)
{
    EditModel m = started(QM20);
    for (auto [change, model, unit, mode] : {std::tuple{ControlRef{Ctl::Option_kph}, QM20, KPH, General},
                                             {{Ctl::Option_sil}, QM20, KPH, Silver},
                                             {{Ctl::Combo_type, 1}, QM5, KPH, Silver},
                                             {{Ctl::Combo_type, 2}, R300, KPH, General},  // "R300" has no Silver mode
                                             {{Ctl::Option_mph}, R300, MPH, General},
                                             {{Ctl::Combo_type, 0}, QM20, MPH, General},
                                             {{Ctl::Combo_type, 2}, R300, MPH, General}}) {  // the start-up layout
        SCOPED_TRACE(::testing::Message() << "to " << kModelNames[static_cast<int>(model)]
                                          << (unit == MPH ? " MPH " : " KPH ") << static_cast<int>(mode));
        for (int i : {4, 15, 19}) {
            m.choose({Ctl::Combo_s, i}, 10);
            m.choose({Ctl::Combo_i, i}, 5);
        }
        m.choose({Ctl::Combo_min}, 60);
        m.choose({Ctl::Combo_weight}, 100);
        // Re-choosing what is selected, or a greyed-out option, is no change: any
        // handler run would have thrown the edits away.
        const std::string edited = snapshot(m);
        m.choose({Ctl::Combo_type}, static_cast<int>(m.model()));
        m.click_option(m.unit() == MPH ? Ctl::Option_mph : Ctl::Option_kph);
        m.click_option(m.mode() == General && m.model() != R300 ? Ctl::Option_gen : Ctl::Option_sil);
        EXPECT_EQ(snapshot(m), edited);
        if (change.ctl == Ctl::Combo_type)
            m.choose(change, change.index);
        else
            m.click_option(change.ctl);
        // The edits differ from the defaults, so this also proves them thrown away.
        EXPECT_EQ(snapshot(m), snapshot(started(model, unit, mode)));
    }
}

}  // namespace
}  // namespace trevalo::editor
