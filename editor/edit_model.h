#pragma once

// The Edit tab: the program being composed, the controls that show it, and
// the handlers, named after the events that run them.
//
// The toolkit convention that the handler chains are built on lives here and
// not in the widgets: selecting a list item from code runs that list's
// handler, exactly as a user's choice does, and selecting an option button
// from code runs its click handler when the selection changes. The window
// forwards user actions (choose, click_option, click_lamp), then applies
// take_changes() to its widgets.

#include "editor/edit_controls.h"
#include "editor/edit_items.h"
#include "editor/edit_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::editor {

// The program being composed. Index 20 of both arrays exists and stays 0.
struct EditState {
    std::uint8_t set_min = 0;
    std::uint8_t seg_no = 0;
    std::array<std::uint8_t, 21> seg_i{};
    std::array<std::uint8_t, 21> seg_s{};  // tenths of the unit shown
    std::int16_t set_weight = 0;           // pounds with "MPH", kilograms with "KPH"
    std::uint8_t busy = 0;
};

class EditModel {
public:
    EditModel();

    // The Edit tab's part of start-up: numbers under the grids, the grids in
    // their first state, the selectors, the default model, the defaults.
    void Form_Load();

    // --- What a user does ---------------------------------------------------
    // Choosing the item that is already selected is no change and runs nothing,
    // so re-choosing the model does not throw the program away.
    void choose(ControlRef list, int index);
    // Clicking the option that is already selected is no change either.
    void click_option(Ctl option);
    // Hidden and disabled lamps do not react.
    void click_lamp(Ctl grid, int lamp);

    // --- Handlers -----------------------------------------------------------
    void Apply_setting();
    void Combo_type_Click();
    void Combo_min_Click();
    void Combo_weight_Click();
    void Combo_s_Click(int index);
    void Combo_i_Click(int index);
    void Image1_Click(int index);
    void Image2_Click(int index);
    void Option_gen_Click();
    void Option_sil_Click();
    void Option_mph_Click();
    void Option_kph_Click();

    // Selecting from code: sets the selected item and runs the list's handler.
    void select(ControlRef list, int index);

    // --- Reading ------------------------------------------------------------
    const EditState& state() const { return state_; }
    Model model() const;
    Unit unit() const;
    Mode mode() const;

    const ComboState& combo(ControlRef list) const;
    const LampState& lamp(Ctl grid, int lamp) const;
    const LabelState& label(ControlRef label) const;
    const OptionState& option(Ctl option) const;
    const std::string& frame_caption(Ctl frame) const;

    std::vector<Change> take_changes() { return changes_.take(); }

    // The re-entrancy flag is part of the state; exposed so that its guard can
    // be exercised from outside a handler.
    void set_busy(std::uint8_t busy) { state_.busy = busy; }

private:
    ComboState& combo_mut(ControlRef list);
    LampState& lamp_mut(Ctl grid, int lamp);
    LabelState& label_mut(ControlRef label);
    OptionState& option_mut(Ctl option);

    // Where a movable control's visibility and position are kept.
    struct Placement {
        bool* visible;
        Point* position;
    };
    Placement placement(ControlRef control);

    void run_click(ControlRef list);
    void fill(ControlRef list, const ItemList& items);
    void set_lamp_picture(Ctl grid, int lamp, Lamp picture);
    void set_lamp_enabled(Ctl grid, int lamp, bool enabled);
    void set_visible(ControlRef control, bool visible);
    void set_caption(ControlRef label, std::string caption);
    void set_position(ControlRef control, Point position);
    void set_centred(ControlRef label);
    void set_frame_caption(Ctl frame, std::string_view caption);
    // Selects one option of its pair and deselects the other.
    void set_option(Ctl option);
    void set_option_enabled(Ctl option, bool enabled);

    void paint_column(Ctl grid, int segment, int level, Lamp lit);
    void show_segment(int segment, bool shown);
    void place_selectors(int per_row, int count);

    EditState state_;
    ComboState combo_type_, combo_min_, combo_weight_;
    std::array<ComboState, kSegments> combo_s_, combo_i_;
    std::array<LampState, kLamps> image1_, image2_;
    std::array<LabelState, kSegments> label_s_, label_i_, label_seg_s_, label_seg_i_;
    OptionState option_gen_, option_sil_, option_mph_, option_kph_;
    std::string frame1_caption_, frame7_caption_;
    ChangeLog changes_;
};

}  // namespace trevalo::editor
