#include "window_helpers.h"

#include "app/line_layer.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QAbstractButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace trevalo::app {
namespace {

using testing::click_option;
using testing::control;
using testing::element;
using testing::expect_texts_fit;
using testing::ShownWindow;

using WindowLayout = ShownWindow;

struct Placed {
    QString name;
    QString parent;
    QPoint position;  // logical pixels inside the parent
    bool shown;       // on its page, for the default model
};

TEST_F(WindowLayout, EveryControlStandsAtItsTwipsPositionInItsFrameOrPage)
{
    const Placed table[] = {
        {"Frame1_Edit", "SSTab1_Edit", {8, 24}, true},
        {"Frame2_Edit", "SSTab1_Edit", {8, 336}, true},
        {"Frame4_Edit", "SSTab1_Edit", {8, 536}, true},
        {"Frame10_Edit", "SSTab1_Edit", {536, 24}, true},
        {"Frame5_Edit", "SSTab1_Edit", {536, 416}, true},
        {"Combo_type", "Frame10_Edit", {16, 24}, true},
        {"Option_sil", "Frame9_Edit", {16, 48}, true},
        {"Command_save", "Frame5_Edit", {16, 24}, true},
        {"Image1_27", "Frame1_Edit", {68, 96}, true},
        {"Image1_0", "Frame1_Edit", {8, 156}, true},
        {"Image2_159", "Frame2_Edit", {388, 16}, false},
        {"Label_seg_s_0", "Frame1_Edit", {10, 180}, true},
        {"Label_seg_i_19", "Frame2_Edit", {390, 180}, false},
        {"Label_s_8", "Frame3_Edit", {16, 64}, true},
        {"Combo_s_7", "Frame3_Edit", {352, 32}, true},
        {"Combo_i_15", "Frame4_Edit", {352, 80}, true},
        {"Combo_i_19", "Frame4_Edit", {16 + 48 * 9, 80}, false},
        {"Image_G", "SSTab1_Edit", {432, 80}, false},
        {"Image_O", "SSTab1_Edit", {432, 104}, false},
        {"Frame3_Record", "SSTab1_Record", {8, 408}, true},
        {"Image_s_19", "Frame1_Record", {408, 16}, true},
        {"Image_i_0", "Frame2_Record", {28, 16}, true},
        {"Image_p", "Frame3_Record", {28, 16}, true},
        {"Label_record_s_7", "Frame1_Record", {8, 30}, true},
        {"Label_record_p_9", "Frame3_Record", {4, 26}, true},
        {"Combo_date", "SSTab1_Record", {456, 32}, true},
        {"Label_weight", "Frame4_Record", {8, 128}, true},
        {"Command_open", "SSTab1_Record", {456, 240}, true},
        {"HScroll1", "SSTab1_Record", {32, 600}, false},
        {"Label_end", "SSTab1_Record", {416, 604}, false},
        {"Image_seg_r_8", "SSTab1_Record", {648, 408}, false},
    };
    for (const Placed& p : table) {
        SCOPED_TRACE(p.name.toStdString());
        QWidget* w = control(window, p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), p.parent);
        EXPECT_EQ(w->pos(), p.position);
        EXPECT_EQ(w->isVisibleTo(w->parentWidget()), p.shown);
    }
}

TEST_F(WindowLayout, OpensOnTheEditTabWithTheWholeTabControlInside)
{
    EXPECT_EQ(window.windowTitle(), "TREVALO USB AP v0.9[*]");  // "[*]" shows unsaved work
    QWidget* tabs = control(window, "SSTab1");
    EXPECT_TRUE(window.rect().contains(tabs->geometry()));
    EXPECT_EQ(tabs->geometry(), QRect(8, 8, 696, 659));
    EXPECT_TRUE(control(window, "SSTab1_Edit")->isVisible());
    EXPECT_FALSE(control(window, "SSTab1_Record")->isVisible());
    // Frames start just under the tabs.
    QWidget* bar = control(window, "SSTab1_tabs");
    EXPECT_LE(bar->height(), control(window, "Frame1_Edit")->y() + 8);
}

TEST_F(WindowLayout, StartUpWritesTheScalesAndHidesThePulseLine)
{
    struct Caption {
        QString name;
        QString text;
    };
    for (const Caption& c : {Caption{"Label_seg_s_15", "16"}, Caption{"Label_s_0", "1"}, Caption{"Label_i_12", "13"},
                             Caption{"Label_record_s_7", "14"}, Caption{"Label_record_i_0", "0"},
                             Caption{"Label_record_p_0", "40"}, Caption{"Label_record_p_9", "220"},
                             Caption{"Label_time", "Time"}, Caption{"Label_dist", "Distance"}})
        EXPECT_EQ(control<QLabel>(window, c.name)->text(), c.text);
    for (int k = 0; k < 20; ++k) {
        auto* line = control<QObject>(window, element("Line1", k));
        ASSERT_NE(line, nullptr);
        EXPECT_FALSE(line->property("Visible").toBool());
        EXPECT_EQ(line->property("BorderWidth").toInt(), 2);
    }
    EXPECT_EQ(control<QObject>(window, "Line1_3")->property("X2").toFloat(), 360.0f);
}

TEST_F(WindowLayout, ListsAreDropDownsWithoutTyping)
{
    for (QComboBox* list : window.findChildren<QComboBox*>())
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
}

TEST_F(WindowLayout, EveryTextFitsItsControlForEveryModelAndUnit)
{
    auto* type = control<QComboBox>(window, "Combo_type");
    for (int model = 0; model < 3; ++model) {
        QTest::keyClick(type, model == 0 ? Qt::Key_Home : Qt::Key_Down);
        ASSERT_EQ(type->currentIndex(), model);
        for (const char* unit : {"Option_kph", "Option_mph"}) {
            click_option(window, unit);
            ASSERT_TRUE(control<QRadioButton>(window, unit)->isChecked());
            expect_texts_fit(window);
        }
    }
}

}  // namespace
}  // namespace trevalo::app
