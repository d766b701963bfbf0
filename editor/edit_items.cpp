#include "editor/edit_items.h"

#include "base/translation.h"
#include "program/decimal_text.h"

#include <array>
#include <utility>

namespace trevalo::editor {

namespace {

ItemList texts(std::span<const int> values, std::string (*text)(int))
{
    ItemList items;
    for (int v : values)
        items.push_back(text(v));
    return items;
}

std::string whole_text(int value) { return std::to_string(value); }

// Each catalogue list's texts beside the numbers they stand for, made once.
struct Lists {
    struct Entry {
        ItemList items;
        std::span<const int> values;
    };
    std::array<Entry, 12> speed;
    std::array<Entry, 2> incline;
    std::array<Entry, 3> time;       // R300 General, QM General, Silver
    std::array<Entry, 4> weight;     // [unit][r300]

    Lists()
    {
        for (int u = 0; u < 2; ++u)
            for (int md = 0; md < 2; ++md)
                for (int m = 0; m < 3; ++m) {
                    const auto v = program::speeds(static_cast<Model>(m), static_cast<Unit>(u), static_cast<Mode>(md)).values;
                    speed[static_cast<std::size_t>((u * 2 + md) * 3 + m)] = {texts(v, program::tenths_text), v};
                }
        for (int md = 0; md < 2; ++md) {
            const auto v = program::inclines(static_cast<Mode>(md)).values;
            incline[static_cast<std::size_t>(md)] = {texts(v, whole_text), v};
        }
        const std::array<std::pair<Model, Mode>, 3> time_keys{
            {{Model::R300, Mode::General}, {Model::QM20, Mode::General}, {Model::QM20, Mode::Silver}}};
        for (std::size_t t = 0; t < time_keys.size(); ++t) {
            const auto v = program::times(time_keys[t].first, time_keys[t].second).values;
            time[t] = {texts(v, whole_text), v};
        }
        for (int u = 0; u < 2; ++u)
            for (int r300 = 0; r300 < 2; ++r300) {
                const auto v = program::weights(r300 ? Model::R300 : Model::QM20, static_cast<Unit>(u)).values;
                weight[static_cast<std::size_t>(u * 2 + r300)] = {texts(v, whole_text), v};
            }
    }

    template <typename F>
    void each(F f) const
    {
        for (const Entry& e : speed) f(e);
        for (const Entry& e : incline) f(e);
        for (const Entry& e : time) f(e);
        for (const Entry& e : weight) f(e);
    }
};

const Lists& lists()
{
    static const Lists all;
    return all;
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

const ItemList& speed_items(Model model, Unit unit, Mode mode)
{
    return lists().speed[static_cast<std::size_t>((ix(unit) * 2 + ix(mode)) * 3 + ix(model))].items;
}

const ItemList& incline_items(Mode mode) { return lists().incline[static_cast<std::size_t>(ix(mode))].items; }

ListWithDefault time_items(Model model, Mode mode)
{
    const int t = mode == Mode::Silver ? 2 : model == Model::R300 ? 0 : 1;
    return {&lists().time[static_cast<std::size_t>(t)].items, program::times(model, mode).default_index};
}

ListWithDefault weight_items(Model model, Unit unit)
{
    const int w = ix(unit) * 2 + (model == Model::R300 ? 1 : 0);
    return {&lists().weight[static_cast<std::size_t>(w)].items, program::weights(model, unit).default_index};
}

std::span<const int> item_values(const ItemList& items)
{
    std::span<const int> found;
    lists().each([&](const Lists::Entry& e) {
        if (&e.items == &items)
            found = e.values;
    });
    return found;
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

std::string speed_frame_caption(Unit unit)
{
    return unit == Unit::MPH ? translated("editor", "SPEED(MPH)") : translated("editor", "SPEED(KPH)");
}

std::string weight_frame_caption(Unit unit)
{
    return unit == Unit::MPH ? translated("editor", "Set_Weight(LBS)") : translated("editor", "Set_Weight(KG)");
}

}  // namespace trevalo::editor
