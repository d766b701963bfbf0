#include "editor/edit_model.h"


#include <algorithm>
#include <cassert>

namespace trevalo::editor {

namespace {

const ItemList kModelItems(kModelNames.begin(), kModelNames.end());

// Every lamp level comes from catalogue values, which stay within a column;
// the clamp keeps a stray value from painting into the next column.
int column_level(int level) { return std::clamp(level, 0, kLevels - 1); }

// The number the selected item stands for, from the catalogue, not its text.
int selected_value(const ComboState& c)
{
    const std::span<const int> values = item_values(*c.items);
    return c.selected >= 0 && static_cast<std::size_t>(c.selected) < values.size()
               ? values[static_cast<std::size_t>(c.selected)]
               : 0;
}

}  // namespace

EditModel::EditModel()
{
    combo_type_.items = &kModelItems;
    option_gen_.value = true;
    option_mph_.value = true;
    for (int i = 0; i < kSegments; ++i) {
        label_seg_s_[i].caption = "Label1";
        label_seg_s_[i].centred = true;
        label_seg_i_[i].caption = "Label1";
        label_seg_i_[i].centred = true;
        label_s_[i].caption = "Label_s";
        label_s_[i].centred = true;
        label_i_[i].caption = "Label_i";
    }
    frame1_caption_ = speed_frame_caption(Unit::MPH);
    frame7_caption_ = weight_frame_caption(Unit::MPH);
}

// --- Start-up ---------------------------------------------------------------

void EditModel::Form_Load()
{
    for (int i = 0; i < kSegments; ++i) {
        for (Ctl c : {Ctl::Label_seg_s, Ctl::Label_seg_i}) {
            set_position({c, i}, segment_number_position(i));
            set_caption({c, i}, std::to_string(i + 1));
        }
    }
    for (int k = 0; k < kLamps; ++k) {
        const int segment = segment_of_lamp(k);
        for (Ctl grid : {Ctl::Image1, Ctl::Image2}) {
            set_lamp_picture(grid, k, Lamp::Grey);
            set_position({grid, k}, lamp_position(k));
            set_lamp_picture(grid, lamp_index(segment, 0),
                             grid == Ctl::Image1 ? Lamp::Green : Lamp::Red);
        }
    }
    place_selectors(10, kSegments);
    select({Ctl::Combo_type}, static_cast<int>(Model::R300));
    Apply_setting();
}

// --- User actions -----------------------------------------------------------

void EditModel::choose(ControlRef list, int index)
{
    const ComboState& c = combo(list);
    if (!c.visible || index < 0 || index >= c.count() || index == c.selected)
        return;
    select(list, index);
}

void EditModel::click_option(Ctl option)
{
    const OptionState& o = this->option(option);
    if (!o.enabled || o.value)
        return;
    set_option(option);
    switch (option) {
    case Ctl::Option_gen: Option_gen_Click(); break;
    case Ctl::Option_sil: Option_sil_Click(); break;
    case Ctl::Option_mph: Option_mph_Click(); break;
    case Ctl::Option_kph: Option_kph_Click(); break;
    default: assert(false && "not an option button");
    }
}

void EditModel::click_lamp(Ctl grid, int lamp)
{
    if (lamp < 0 || lamp >= kLamps)
        return;
    const LampState& l = this->lamp(grid, lamp);
    if (!l.visible || !l.enabled)
        return;
    if (grid == Ctl::Image1)
        Image1_Click(lamp);
    else
        Image2_Click(lamp);
}

void EditModel::select(ControlRef list, int index)
{
    ComboState& c = combo_mut(list);
    if (c.selected != index) {
        c.selected = index;
        changes_.mark(list, Selection);
    }
    run_click(list);
}

void EditModel::run_click(ControlRef list)
{
    switch (list.ctl) {
    case Ctl::Combo_type: Combo_type_Click(); break;
    case Ctl::Combo_min: Combo_min_Click(); break;
    case Ctl::Combo_weight: Combo_weight_Click(); break;
    case Ctl::Combo_s: Combo_s_Click(list.index); break;
    case Ctl::Combo_i: Combo_i_Click(list.index); break;
    default: assert(false && "not a list");
    }
}

// --- Settings ---------------------------------------------------------------

Model EditModel::model() const { return model_from_index(combo_type_.selected); }
Unit EditModel::unit() const { return option_mph_.value ? Unit::MPH : Unit::KPH; }
Mode EditModel::mode() const { return option_gen_.value ? Mode::General : Mode::Silver; }

void EditModel::Apply_setting()
{
    const Mode md = mode();
    const TopLamps top = top_lamps(model(), md);
    for (int i = 0; i < kSegments; ++i) {
        fill({Ctl::Combo_i, i}, incline_items(md));
        select({Ctl::Combo_i, i}, 0);
        set_lamp_enabled(Ctl::Image1, lamp_index(i, 7), top.speed_enabled);
        set_lamp_enabled(Ctl::Image2, lamp_index(i, 7), top.incline_enabled);
    }

    const ListWithDefault time = time_items(model(), md);
    fill({Ctl::Combo_min}, *time.items);
    select({Ctl::Combo_min}, time.default_index);

    const Unit u = unit();
    set_frame_caption(Ctl::Frame1_Edit, speed_frame_caption(u));
    set_frame_caption(Ctl::Frame7_Edit, weight_frame_caption(u));
    const ListWithDefault weight = weight_items(model(), u);
    fill({Ctl::Combo_weight}, *weight.items);
    select({Ctl::Combo_weight}, weight.default_index);

    // Speeds last: their handler reads model, unit and mode, now final.
    for (int i = 0; i < kSegments; ++i) {
        fill({Ctl::Combo_s, i}, speed_items(model(), u, md));
        select({Ctl::Combo_s, i}, 0);
    }
}

void EditModel::Option_gen_Click() { Apply_setting(); }
void EditModel::Option_sil_Click() { Apply_setting(); }
void EditModel::Option_mph_Click() { Apply_setting(); }
void EditModel::Option_kph_Click() { Apply_setting(); }

void EditModel::Combo_min_Click()
{
    state_.set_min = static_cast<std::uint8_t>(selected_value(combo_min_));
}

void EditModel::Combo_weight_Click()
{
    state_.set_weight = static_cast<std::int16_t>(selected_value(combo_weight_));
}

// --- Product switch ---------------------------------------------------------

void EditModel::Combo_type_Click()
{
    const bool r300 = combo_type_.selected == static_cast<int>(Model::R300);
    if (r300) {
        if (!option_gen_.value) {
            set_option(Ctl::Option_gen);
            Option_gen_Click();
        }
        set_option_enabled(Ctl::Option_sil, false);
    } else {
        set_option_enabled(Ctl::Option_sil, true);
    }
    // The selectors stand in two rows of half the segments shown.
    const int shown = segments_shown(model());
    for (int i = segments_shown(Model::R300); i < kSegments; ++i)
        show_segment(i, i < shown);
    place_selectors(shown / 2, shown);
    Apply_setting();
}

void EditModel::show_segment(int segment, bool shown)
{
    for (Ctl c : {Ctl::Label_s, Ctl::Label_i, Ctl::Label_seg_s, Ctl::Label_seg_i, Ctl::Combo_s,
                  Ctl::Combo_i})
        set_visible({c, segment}, shown);
    for (int level = 0; level < kLevels; ++level) {
        set_visible({Ctl::Image1, lamp_index(segment, level)}, shown);
        set_visible({Ctl::Image2, lamp_index(segment, level)}, shown);
    }
}

void EditModel::place_selectors(int per_row, int count)
{
    for (int i = 0; i < count; ++i) {
        const Point label = selector_label_position(i, per_row);
        const Point list = selector_list_position(i, per_row);
        set_caption({Ctl::Label_s, i}, std::to_string(i + 1));
        set_position({Ctl::Label_s, i}, label);
        set_position({Ctl::Combo_s, i}, list);
        set_caption({Ctl::Label_i, i}, std::to_string(i + 1));
        set_centred({Ctl::Label_i, i});
        set_position({Ctl::Label_i, i}, label);
        set_position({Ctl::Combo_i, i}, list);
    }
}

// --- Speed and incline editing ----------------------------------------------

void EditModel::paint_column(Ctl grid, int segment, int level, Lamp lit)
{
    level = column_level(level);
    for (int l = 0; l < kLevels; ++l)
        set_lamp_picture(grid, lamp_index(segment, l), l <= level ? lit : Lamp::Grey);
}

void EditModel::Image1_Click(int index)
{
    if (state_.busy)
        return;
    state_.busy = 1;
    state_.seg_no = static_cast<std::uint8_t>(segment_of_lamp(index));
    const int level = level_of_lamp(index);
    paint_column(Ctl::Image1, state_.seg_no, level, Lamp::Green);
    const ControlRef list{Ctl::Combo_s, state_.seg_no};
    select(list, speed_lamp_item(model(), unit(), mode(), level));
    if (combo_type_.selected == static_cast<int>(Model::QM20) && combo(list).selected > 0)
        select(list, combo(list).selected + 1);
    state_.seg_s[state_.seg_no] = static_cast<std::uint8_t>(selected_value(combo(list)));
    state_.busy = 0;
}

void EditModel::Combo_s_Click(int index)
{
    if (state_.busy)
        return;
    state_.busy = 1;
    state_.seg_no = static_cast<std::uint8_t>(index);
    state_.seg_s[index] = static_cast<std::uint8_t>(selected_value(combo_s_[index]));
    const int level = state_.seg_s[index] / speed_step(model(), unit(), mode());
    paint_column(Ctl::Image1, index, level, Lamp::Green);
    state_.busy = 0;
}

void EditModel::Image2_Click(int index)
{
    if (state_.busy)
        return;
    state_.busy = 1;
    state_.seg_no = static_cast<std::uint8_t>(segment_of_lamp(index));
    const int level = level_of_lamp(index);
    paint_column(Ctl::Image2, state_.seg_no, level, Lamp::Red);
    const int value = level * incline_step(mode());
    state_.seg_i[state_.seg_no] = static_cast<std::uint8_t>(value);
    select({Ctl::Combo_i, state_.seg_no}, value);
    state_.busy = 0;
}

void EditModel::Combo_i_Click(int index)
{
    if (state_.busy)
        return;
    state_.busy = 1;
    state_.seg_no = static_cast<std::uint8_t>(index);
    state_.seg_i[index] = static_cast<std::uint8_t>(selected_value(combo_i_[index]));
    paint_column(Ctl::Image2, index, state_.seg_i[index] / incline_step(mode()), Lamp::Red);
    state_.busy = 0;
}

// --- Control access ---------------------------------------------------------

ComboState& EditModel::combo_mut(ControlRef list)
{
    switch (list.ctl) {
    case Ctl::Combo_type: return combo_type_;
    case Ctl::Combo_min: return combo_min_;
    case Ctl::Combo_weight: return combo_weight_;
    case Ctl::Combo_s: return combo_s_[list.index];
    case Ctl::Combo_i: return combo_i_[list.index];
    default: break;
    }
    assert(false && "not a list");
    return combo_type_;
}

const ComboState& EditModel::combo(ControlRef list) const
{
    return const_cast<EditModel*>(this)->combo_mut(list);
}

LampState& EditModel::lamp_mut(Ctl grid, int lamp)
{
    assert(grid == Ctl::Image1 || grid == Ctl::Image2);
    return grid == Ctl::Image1 ? image1_[lamp] : image2_[lamp];
}

const LampState& EditModel::lamp(Ctl grid, int lamp) const
{
    return const_cast<EditModel*>(this)->lamp_mut(grid, lamp);
}

LabelState& EditModel::label_mut(ControlRef label)
{
    switch (label.ctl) {
    case Ctl::Label_s: return label_s_[label.index];
    case Ctl::Label_i: return label_i_[label.index];
    case Ctl::Label_seg_s: return label_seg_s_[label.index];
    case Ctl::Label_seg_i: return label_seg_i_[label.index];
    default: break;
    }
    assert(false && "not a label");
    return label_s_[0];
}

const LabelState& EditModel::label(ControlRef label) const
{
    return const_cast<EditModel*>(this)->label_mut(label);
}

OptionState& EditModel::option_mut(Ctl option)
{
    switch (option) {
    case Ctl::Option_gen: return option_gen_;
    case Ctl::Option_sil: return option_sil_;
    case Ctl::Option_mph: return option_mph_;
    case Ctl::Option_kph: return option_kph_;
    default: break;
    }
    assert(false && "not an option button");
    return option_gen_;
}

const OptionState& EditModel::option(Ctl option) const
{
    return const_cast<EditModel*>(this)->option_mut(option);
}

const std::string& EditModel::frame_caption(Ctl frame) const
{
    return frame == Ctl::Frame1_Edit ? frame1_caption_ : frame7_caption_;
}

// --- Setters that log what changed ------------------------------------------

// Items are shared catalogue lists: the same address is the same items, and a
// list refilled with what it already holds is no change to apply.
void EditModel::fill(ControlRef list, const ItemList& items)
{
    ComboState& c = combo_mut(list);
    if (c.items == &items)
        return;
    c.items = &items;
    c.selected = -1;
    changes_.mark(list, Items | Selection);
}

void EditModel::set_lamp_picture(Ctl grid, int lamp, Lamp picture)
{
    LampState& l = lamp_mut(grid, lamp);
    if (l.picture != picture) {
        l.picture = picture;
        changes_.mark({grid, lamp}, Picture);
    }
}

void EditModel::set_lamp_enabled(Ctl grid, int lamp, bool enabled)
{
    LampState& l = lamp_mut(grid, lamp);
    if (l.enabled != enabled) {
        l.enabled = enabled;
        changes_.mark({grid, lamp}, Enabled);
    }
}

EditModel::Placement EditModel::placement(ControlRef control)
{
    switch (control.ctl) {
    case Ctl::Combo_s:
    case Ctl::Combo_i: {
        ComboState& c = combo_mut(control);
        return {&c.visible, &c.position};
    }
    case Ctl::Image1:
    case Ctl::Image2: {
        LampState& l = lamp_mut(control.ctl, control.index);
        return {&l.visible, &l.position};
    }
    default: {
        LabelState& l = label_mut(control);
        return {&l.visible, &l.position};
    }
    }
}

void EditModel::set_visible(ControlRef control, bool visible)
{
    bool& current = *placement(control).visible;
    if (current != visible) {
        current = visible;
        changes_.mark(control, Visible);
    }
}

void EditModel::set_caption(ControlRef label, std::string caption)
{
    LabelState& l = label_mut(label);
    if (l.caption != caption) {
        l.caption = std::move(caption);
        changes_.mark(label, Caption);
    }
}

void EditModel::set_position(ControlRef control, Point position)
{
    Point& current = *placement(control).position;
    if (current != position) {
        current = position;
        changes_.mark(control, Position);
    }
}

void EditModel::set_centred(ControlRef label)
{
    LabelState& l = label_mut(label);
    if (!l.centred) {
        l.centred = true;
        changes_.mark(label, Alignment);
    }
}

void EditModel::set_frame_caption(Ctl frame, std::string_view caption)
{
    std::string& current = frame == Ctl::Frame1_Edit ? frame1_caption_ : frame7_caption_;
    if (current != caption) {
        current = caption;
        changes_.mark({frame}, Caption);
    }
}

void EditModel::set_option(Ctl option)
{
    const bool first_of_pair = option == Ctl::Option_gen || option == Ctl::Option_mph;
    const Ctl other = static_cast<Ctl>(static_cast<int>(option) + (first_of_pair ? 1 : -1));
    for (auto [ctl, value] : {std::pair{option, true}, std::pair{other, false}}) {
        OptionState& o = option_mut(ctl);
        if (o.value != value) {
            o.value = value;
            changes_.mark({ctl}, Value);
        }
    }
}

void EditModel::set_option_enabled(Ctl option, bool enabled)
{
    OptionState& o = option_mut(option);
    if (o.enabled != enabled) {
        o.enabled = enabled;
        changes_.mark({option}, Enabled);
    }
}

}  // namespace trevalo::editor
