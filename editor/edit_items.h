#pragma once

// The Edit tab's side of the product catalogue: the item texts of the values
// that program/catalogue.h offers as numbers, the lamp steps and which top
// lamps react to clicks. Constant data; nothing here touches a control.

#include "program/catalogue.h"
#include "program/settings.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::editor {

using program::kModelNames;  // the items of Combo_type; the position is the model's number
using program::Mode;
using program::Model;
using program::segments_shown;
using program::Unit;

// Combo_type's selected position, read as a model. Anything that is not
// "QM-20" or "QM-5" counts as "R300", as the default file names do.
Model model_from_index(int selected_index);

// The word that starts the names proposed by the file dialogs.
std::string_view file_word(Model model);

using ItemList = std::vector<std::string>;

// A list with the position selected after it is filled.
struct ListWithDefault {
    const ItemList* items;
    int default_index;
};

// Each function returns a list that lives as long as the program, so callers
// may compare lists by address: the same address means the same items.
// The items are the texts of program/catalogue.h's values, in its order.
const ItemList& speed_items(Model model, Unit unit, Mode mode);
const ItemList& incline_items(Mode mode);
ListWithDefault time_items(Model model, Mode mode);
ListWithDefault weight_items(Model model, Unit unit);

// The numbers the items of a catalogue list stand for: tenths for speeds,
// whole numbers otherwise. Empty for a list that is not the catalogue's.
std::span<const int> item_values(const ItemList& items);

struct TopLamps {
    bool speed_enabled;
    bool incline_enabled;
};
TopLamps top_lamps(Model model, Mode mode);

// Lamp steps: level = value / step, truncated.
int speed_step(Model model, Unit unit, Mode mode);
int incline_step(Mode mode);

// The list position that a click on a speed lamp of this level selects,
// before the QM-20 shift (see speed_item_for_level).
int speed_lamp_item(Model model, Unit unit, Mode mode, int level);

// The position that a click on a speed lamp finally selects: on "QM-20" every
// lamp above the bottom one moves on to the next item, so that each lamp means
// the same speed on "QM-20" as on "QM-5".
int speed_item_for_level(Model model, Unit unit, Mode mode, int level);

std::string speed_frame_caption(Unit unit);   // "SPEED(MPH)" / "SPEED(KPH)", translated
std::string weight_frame_caption(Unit unit);  // "Set_Weight(LBS)" / "Set_Weight(KG)", translated

}  // namespace trevalo::editor
