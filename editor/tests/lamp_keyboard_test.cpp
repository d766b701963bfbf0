#include "model_helpers.h"

#include "editor/lamp_keyboard.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

using testing::started;

struct Walk {
    Model model;
    Mode mode;
    Ctl grid;
    int from;
    Direction direction;
    int to;
};

TEST(LampCursor, MovesOverReachableLampsOnly)
{
    using D = Direction;
    for (const Walk& w : {
             Walk{Model::QM20, Mode::General, Ctl::Image1, 0, D::Right, 8},
             Walk{Model::QM20, Mode::General, Ctl::Image1, 0, D::Up, 1},
             Walk{Model::QM20, Mode::General, Ctl::Image1, 0, D::Down, 0},       // the bottom: stays
             Walk{Model::QM20, Mode::General, Ctl::Image1, 0, D::Left, 0},       // the first column: stays
             Walk{Model::QM20, Mode::General, Ctl::Image1, 159, D::Right, 159},  // the last column: stays
             Walk{Model::QM20, Mode::General, Ctl::Image1, 6, D::Up, 7},
             Walk{Model::R300, Mode::General, Ctl::Image1, lamp_index(15, 3), D::Right, lamp_index(15, 3)},
             Walk{Model::R300, Mode::General, Ctl::Image2, lamp_index(14, 3), D::Right, lamp_index(15, 3)},
             Walk{Model::QM20, Mode::Silver, Ctl::Image2, 6, D::Up, 6},   // top incline lamps ignore clicks
             Walk{Model::QM20, Mode::Silver, Ctl::Image1, 6, D::Up, 7},   // top speed lamps do not
             Walk{Model::QM5, Mode::Silver, Ctl::Image1, 6, D::Up, 6},
             Walk{Model::QM5, Mode::Silver, Ctl::Image1, 14, D::Left, 6},
         }) {
        const EditModel m = started(w.model, Unit::MPH, w.mode);
        EXPECT_EQ(move_cursor(m, w.grid, w.from, w.direction), w.to)
            << kModelNames[static_cast<int>(w.model)] << " from " << w.from;
    }
}

TEST(LampCursor, ACursorOnALampThatNoLongerReactsSettlesBelowIt)
{
    EditModel m = started(Model::QM20);
    EXPECT_EQ(settle_cursor(m, Ctl::Image2, 7), 7);
    m.click_option(Ctl::Option_sil);
    EXPECT_EQ(settle_cursor(m, Ctl::Image2, 7), 6);
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::R300));
    EXPECT_EQ(settle_cursor(m, Ctl::Image2, lamp_index(18, 2)), 0);
}

TEST(LampTexts, SayWhatALampIsAndWhatAClickSets)
{
    EditModel m = started(Model::QM5);
    EXPECT_EQ(lamp_name(Ctl::Image1, 27), "Speed, segment 4, level 3");
    EXPECT_EQ(lamp_description(m, Ctl::Image1, 27), "not lit; a click sets 6 MPH");
    m.click_lamp(Ctl::Image1, 27);
    EXPECT_EQ(lamp_description(m, Ctl::Image1, 27), "lit; a click sets 6 MPH");
    EXPECT_EQ(lamp_value(m, Ctl::Image2, 29), "10 %");

    m.click_option(Ctl::Option_kph);
    EXPECT_EQ(lamp_value(m, Ctl::Image1, 27), "9.5 KPH");
    m.click_option(Ctl::Option_sil);
    EXPECT_EQ(lamp_value(m, Ctl::Image2, 29), "5 %");
    EXPECT_EQ(lamp_description(m, Ctl::Image1, 7), "not lit; does not react to clicks");
    m.choose({Ctl::Combo_type}, static_cast<int>(Model::QM20));
    EXPECT_EQ(lamp_value(m, Ctl::Image1, 7), "11.5 KPH");
    EXPECT_EQ(list_name({Ctl::Combo_i, 3}), "Incline of segment 4");
}

}  // namespace
}  // namespace trevalo::editor
