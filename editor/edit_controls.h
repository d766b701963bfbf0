#pragma once

// The Edit tab's controls as plain values: what each list holds and shows,
// what each lamp shows, where the movable controls stand. The window applies
// these values to its widgets; every change is logged so that the window
// updates only what an event changed.

#include "editor/edit_items.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::editor {

// Controls the editor changes at run time, by array name. Single controls are
// arrays of one element.
enum class Ctl : std::uint8_t {
    Combo_type,
    Combo_min,
    Combo_weight,
    Combo_s,
    Combo_i,
    Image1,
    Image2,
    Label_s,
    Label_i,
    Label_seg_s,
    Label_seg_i,
    Option_gen,
    Option_sil,
    Option_mph,
    Option_kph,
    Frame1_Edit,
    Frame7_Edit,
};
inline constexpr int kCtlKinds = static_cast<int>(Ctl::Frame7_Edit) + 1;

// Element counts, in Ctl order.
inline constexpr std::array<int, kCtlKinds> kCtlCount{1, 1, 1, 20, 20, 160, 160, 20, 20, 20, 20,
                                                      1, 1, 1, 1, 1, 1};

struct ControlRef {
    Ctl ctl;
    int index = 0;
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// Properties that can change, as bits.
enum Prop : std::uint16_t {
    Items = 1 << 0,
    Selection = 1 << 1,
    Picture = 1 << 2,
    Enabled = 1 << 3,
    Visible = 1 << 4,
    Position = 1 << 5,
    Caption = 1 << 6,
    Alignment = 1 << 7,
    Value = 1 << 8,
};

struct Change {
    ControlRef control;
    std::uint16_t props;  // Prop bits
};

struct Point {
    int left = 0;  // twips
    int top = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class Lamp : std::uint8_t { None, Green, Red, Grey };

struct ComboState {
    const ItemList* items = nullptr;  // nullptr: no items
    int selected = -1;
    Point position;
    bool visible = true;
    int count() const { return items ? static_cast<int>(items->size()) : 0; }
    const std::string& text(int i) const { return (*items)[static_cast<std::size_t>(i)]; }
};

struct LampState {
    Lamp picture = Lamp::None;
    bool enabled = true;
    bool visible = true;
    Point position;
};

struct LabelState {
    std::string caption;
    Point position;
    bool visible = true;
    bool centred = false;
};

struct OptionState {
    bool value = false;
    bool enabled = true;
};

// Collects which properties of which controls changed since the last take(),
// each control once, in the order of its first change.
class ChangeLog {
public:
    ChangeLog();
    void mark(ControlRef control, std::uint16_t props);
    std::vector<Change> take();

private:
    static int flat(ControlRef control);
    std::vector<int> position_in_list_;  // per flat control, -1 when unchanged
    std::vector<Change> list_;
};

}  // namespace trevalo::editor
