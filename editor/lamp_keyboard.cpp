#include "editor/lamp_keyboard.h"

#include "base/translation.h"

namespace trevalo::editor {

namespace {

bool reachable(const EditModel& model, Ctl grid, int lamp)
{
    const LampState& l = model.lamp(grid, lamp);
    return l.visible && l.enabled;
}

}  // namespace

int move_cursor(const EditModel& model, Ctl grid, int lamp, Direction direction)
{
    int segment = segment_of_lamp(lamp);
    int level = level_of_lamp(lamp);
    const int ds = direction == Direction::Left ? -1 : direction == Direction::Right ? 1 : 0;
    const int dl = direction == Direction::Down ? -1 : direction == Direction::Up ? 1 : 0;
    for (;;) {
        segment += ds;
        level += dl;
        if (segment < 0 || segment >= kSegments || level < 0 || level >= kLevels)
            return lamp;
        if (reachable(model, grid, lamp_index(segment, level)))
            return lamp_index(segment, level);
    }
}

int settle_cursor(const EditModel& model, Ctl grid, int lamp)
{
    for (int level = level_of_lamp(lamp); level >= 0; --level) {
        const int candidate = lamp_index(segment_of_lamp(lamp), level);
        if (reachable(model, grid, candidate))
            return candidate;
    }
    return 0;
}

std::string lamp_name(Ctl grid, int lamp)
{
    return filled(grid == Ctl::Image1 ? translated("editor", "Speed, segment %1, level %2")
                                      : translated("editor", "Incline, segment %1, level %2"),
                  segment_of_lamp(lamp) + 1, level_of_lamp(lamp));
}

std::string lamp_value(const EditModel& model, Ctl grid, int lamp)
{
    const int level = level_of_lamp(lamp);
    if (grid == Ctl::Image2)
        return std::to_string(level * incline_step(model.mode())) + " %";
    const ItemList& items = speed_items(model.model(), model.unit(), model.mode());
    const int item = speed_item_for_level(model.model(), model.unit(), model.mode(), level);
    if (item >= static_cast<int>(items.size()))
        return {};
    return filled(model.unit() == Unit::MPH ? translated("editor", "%1 MPH") : translated("editor", "%1 KPH"),
                  items[static_cast<std::size_t>(item)]);
}

std::string lamp_description(const EditModel& model, Ctl grid, int lamp)
{
    const LampState& l = model.lamp(grid, lamp);
    const bool lit = l.picture != Lamp::Grey && l.picture != Lamp::None;
    if (!l.enabled)
        return lit ? translated("editor", "lit; does not react to clicks")
                   : translated("editor", "not lit; does not react to clicks");
    return filled(lit ? translated("editor", "lit; a click sets %1") : translated("editor", "not lit; a click sets %1"),
                  lamp_value(model, grid, lamp));
}

std::string list_name(ControlRef list)
{
    switch (list.ctl) {
    case Ctl::Combo_s: return filled(translated("editor", "Speed of segment %1"), list.index + 1);
    case Ctl::Combo_i: return filled(translated("editor", "Incline of segment %1"), list.index + 1);
    case Ctl::Combo_type: return translated("editor", "Treadmill model");
    case Ctl::Combo_min: return translated("editor", "Workout time in minutes");
    case Ctl::Combo_weight: return translated("editor", "User weight");
    default: return {};
    }
}

}  // namespace trevalo::editor
