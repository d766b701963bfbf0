#include "editor/catalogue.h"

#include "editor/number_text.h"

namespace trevalo::editor {

namespace {

// A speed list: an optional first item off the step, a run in steps of half a
// unit, an optional last item off the step. All in tenths; 0 means "none".
struct SpeedRow {
    int first;
    int run_from;
    int run_to;
    int last;
};

// Indexed [unit][mode][model]. In "Silver" every model but "QM-20" gets the
// "QM-5" list; "R300" never runs in "Silver", the entry is there for safety.
constexpr SpeedRow kSpeedRows[2][2][3] = {
    // MPH
    {{{2, 5, 150, 0}, {0, 5, 135, 138}, {0, 5, 120, 0}},   // General
     {{2, 5, 75, 0}, {0, 5, 65, 69}, {0, 5, 65, 69}}},     // Silver
    // KPH
    {{{3, 5, 240, 0}, {8, 10, 220, 0}, {8, 10, 200, 0}},   // General
     {{3, 5, 120, 0}, {8, 10, 110, 0}, {8, 10, 110, 0}}},  // Silver
};

// Items come from whole tenths, never from adding 0.5 repeatedly.
ItemList make_speed_items(const SpeedRow& row)
{
    ItemList items;
    if (row.first)
        items.push_back(tenths_text(row.first));
    for (int tenths = row.run_from; tenths <= row.run_to; tenths += 5)
        items.push_back(tenths_text(tenths));
    if (row.last)
        items.push_back(tenths_text(row.last));
    return items;
}

ItemList make_whole_items(int from, int to)
{
    ItemList items;
    for (int n = from; n <= to; ++n)
        items.push_back(std::to_string(n));
    return items;
}

int ix(Model m) { return static_cast<int>(m); }
int ix(Unit u) { return static_cast<int>(u); }
int ix(Mode m) { return static_cast<int>(m); }

// The six setting groups of the speed lamps: mode, then (in "General" only)
// "R300" against the other two, then unit.
enum class SpeedGroup { GenR300, GenQm, Silver };

SpeedGroup speed_group(Model model, Mode mode)
{
    if (mode == Mode::Silver)
        return SpeedGroup::Silver;
    return model == Model::R300 ? SpeedGroup::GenR300 : SpeedGroup::GenQm;
}

// [group][unit][level]
constexpr int kSpeedLampItem[3][2][8] = {
    {{0, 3, 6, 9, 12, 15, 19, 22}, {0, 5, 10, 15, 20, 25, 31, 36}},   // General, R300
    {{0, 3, 7, 11, 15, 18, 22, 26}, {0, 6, 12, 18, 24, 30, 37, 43}},  // General, QM-20/QM-5
    {{0, 1, 3, 5, 7, 9, 11, 13}, {0, 3, 6, 9, 12, 15, 19, 22}},       // Silver
};

// [group][unit]
constexpr int kSpeedStep[3][2] = {{16, 26}, {19, 31}, {10, 16}};

}  // namespace

Model model_from_index(int selected_index)
{
    switch (selected_index) {
    case 0: return Model::QM20;
    case 1: return Model::QM5;
    default: return Model::R300;
    }
}

std::string_view file_word(Model model)
{
    switch (model) {
    case Model::QM20: return "QM20";
    case Model::QM5: return "QM5";
    case Model::R300: break;
    }
    return "R300";
}

int segments_shown(Model model) { return model == Model::R300 ? 16 : 20; }

const ItemList& speed_items(Model model, Unit unit, Mode mode)
{
    static const auto lists = [] {
        std::array<ItemList, 12> all;
        for (int u = 0; u < 2; ++u)
            for (int md = 0; md < 2; ++md)
                for (int m = 0; m < 3; ++m)
                    all[(u * 2 + md) * 3 + m] = make_speed_items(kSpeedRows[u][md][m]);
        return all;
    }();
    return lists[(ix(unit) * 2 + ix(mode)) * 3 + ix(model)];
}

const ItemList& incline_items(Mode mode)
{
    static const ItemList general = make_whole_items(0, 15);
    static const ItemList silver = make_whole_items(0, 6);
    return mode == Mode::General ? general : silver;
}

ListWithDefault time_items(Model model, Mode mode)
{
    static const ItemList r300 = make_whole_items(5, 99);
    static const ItemList qm = make_whole_items(20, 99);
    static const ItemList silver = make_whole_items(12, 99);
    if (mode == Mode::Silver)
        return {&silver, 18};
    if (model == Model::R300)
        return {&r300, 27};
    return {&qm, 10};
}

ListWithDefault weight_items(Model model, Unit unit)
{
    static const ItemList lbs_r300 = make_whole_items(70, 400);
    static const ItemList lbs_qm = make_whole_items(70, 450);
    static const ItemList kg_r300 = make_whole_items(30, 180);
    static const ItemList kg_qm = make_whole_items(30, 200);
    const bool r300 = model == Model::R300;
    if (unit == Unit::MPH)
        return {r300 ? &lbs_r300 : &lbs_qm, 84};
    return {r300 ? &kg_r300 : &kg_qm, 40};
}

TopLamps top_lamps(Model model, Mode mode)
{
    if (mode == Mode::General)
        return {true, true};
    return {model != Model::QM5, false};
}

int speed_step(Model model, Unit unit, Mode mode)
{
    return kSpeedStep[static_cast<int>(speed_group(model, mode))][ix(unit)];
}

int incline_step(Mode mode) { return mode == Mode::General ? 2 : 1; }

int speed_lamp_item(Model model, Unit unit, Mode mode, int level)
{
    return kSpeedLampItem[static_cast<int>(speed_group(model, mode))][ix(unit)][level];
}

int speed_item_for_level(Model model, Unit unit, Mode mode, int level)
{
    const int item = speed_lamp_item(model, unit, mode, level);
    return model == Model::QM20 && item > 0 ? item + 1 : item;
}

std::string_view speed_frame_caption(Unit unit)
{
    return unit == Unit::MPH ? "SPEED(MPH)" : "SPEED(KPH)";
}

std::string_view weight_frame_caption(Unit unit)
{
    return unit == Unit::MPH ? "Set_Weight(LBS)" : "Set_Weight(KG)";
}

}  // namespace trevalo::editor
