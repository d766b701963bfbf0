#include "window_helpers.h"

#include "app/picture_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

namespace trevalo::app {
namespace {

using testing::click_option;
using testing::control;
using testing::element;
using testing::ShownWindow;

using WindowSettings = ShownWindow;

QImage picture_of(const QWidget& window, const QString& name)
{
    return control<PictureBox>(window, name)->picture().toImage();
}

// The lit levels of one grid column as shown, bottom first.
QString shown_column(const QWidget& window, const char* grid, const char* lit_source, int segment)
{
    const QImage lit = picture_of(window, lit_source);
    QString levels;
    for (int level = 0; level < 8; ++level)
        levels += picture_of(window, element(grid, 8 * segment + level)) == lit ? '1' : '0';
    return levels;
}

TEST_F(WindowSettings, OpensWithTheR300DefaultsShown)
{
    EXPECT_EQ(control<QComboBox>(window, "Combo_type")->currentText(), "R300");
    EXPECT_TRUE(control<QRadioButton>(window, "Option_gen")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "Option_mph")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    EXPECT_EQ(control<QComboBox>(window, "Combo_min")->currentText(), "32");
    EXPECT_EQ(control<QComboBox>(window, "Combo_weight")->currentText(), "154");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_3")->currentText(), "0.5");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_3")->count(), 24);
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Edit")->title(), "SPEED(MPH)");
    for (int segment : {0, 15}) {
        EXPECT_EQ(shown_column(window, "Image1", "Image_G", segment), "10000000");
        EXPECT_EQ(shown_column(window, "Image2", "Image_R", segment), "10000000");
    }
    EXPECT_NE(picture_of(window, "Image1_1"), picture_of(window, "Image_G"));
    EXPECT_EQ(picture_of(window, "Image1_1"), picture_of(window, "Image_w"));
}

TEST_F(WindowSettings, ChoosingAModelByKeyboardReLaysTheSelectors)
{
    auto* type = control<QComboBox>(window, "Combo_type");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);  // "R300" -> "QM-5"
    EXPECT_EQ(type->currentText(), "QM-5");
    EXPECT_EQ(window.edit_model().model(), editor::Model::QM5);
    EXPECT_TRUE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    for (int i : {16, 19}) {
        EXPECT_TRUE(control(window, element("Combo_s", i))->isVisible());
        EXPECT_TRUE(control(window, element("Label_seg_i", i))->isVisible());
        EXPECT_TRUE(control(window, element("Image1", 8 * i + 7))->isVisible());
    }
    EXPECT_EQ(control(window, "Combo_s_8")->pos(), QPoint(16 + 48 * 8, 32));
    EXPECT_EQ(control(window, "Combo_s_10")->pos(), QPoint(16, 80));
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_19")->currentText(), "0.5");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_19")->itemText(27), "13.8");
    EXPECT_EQ(control<QComboBox>(window, "Combo_min")->currentText(), "30");

    QTest::keyClick(type, Qt::Key_Down);  // back to "R300"
    EXPECT_FALSE(control(window, "Combo_s_16")->isVisible());
    EXPECT_FALSE(control(window, "Image2_128")->isVisible());
    EXPECT_EQ(control(window, "Combo_s_8")->pos(), QPoint(16, 80));
    EXPECT_EQ(control<QComboBox>(window, "Combo_min")->currentText(), "32");
}

TEST_F(WindowSettings, UnitAndModeClicksRefillTheListsAndCaptions)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Home);  // "QM-20"
    click_option(window, "Option_kph");
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Edit")->title(), "SPEED(KPH)");
    EXPECT_EQ(control<QGroupBox>(window, "Frame7_Edit")->title(), "Set_Weight(KG)");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->count(), 49);
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->currentText(), "0.3");
    EXPECT_EQ(control<QComboBox>(window, "Combo_weight")->currentText(), "70");

    click_option(window, "Option_sil");
    EXPECT_TRUE(control<QRadioButton>(window, "Option_sil")->isChecked());
    EXPECT_EQ(control<QComboBox>(window, "Combo_i_0")->count(), 7);
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->count(), 25);
    EXPECT_TRUE(control(window, "Image1_7")->isEnabled());
    EXPECT_FALSE(control(window, "Image2_7")->isEnabled());
    // A disabled lamp still shows its picture as it is.
    EXPECT_EQ(picture_of(window, "Image2_7"), picture_of(window, "Image_w"));

    // "R300" takes the mode back to "General" and greys "Silver" out.
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_End);
    EXPECT_TRUE(control<QRadioButton>(window, "Option_gen")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(window, "Option_sil")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    EXPECT_TRUE(control(window, "Image2_7")->isEnabled());
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->currentText(), "0.8");
}

TEST_F(WindowSettings, ChoicesInTheTimeAndWeightListsReachTheProgram)
{
    auto* time = control<QComboBox>(window, "Combo_min");
    QTest::keyClick(time, Qt::Key_End);
    EXPECT_EQ(time->currentText(), "99");
    EXPECT_EQ(window.edit_model().state().set_min, 99);
    auto* weight = control<QComboBox>(window, "Combo_weight");
    QTest::keyClick(weight, Qt::Key_Down);
    EXPECT_EQ(window.edit_model().state().set_weight, 155);
}

}  // namespace
}  // namespace trevalo::app

namespace trevalo::app {
namespace {

using testing::control;
using testing::ShownWindow;

using WindowEditing = ShownWindow;

TEST_F(WindowEditing, ALampClickSelectsTheSpeedAndAListChoiceRepaintsTheColumn)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_3")->currentText(), "6");
    EXPECT_EQ(shown_column(window, "Image1", "Image_G", 3), "11110000");

    auto* list = control<QComboBox>(window, "Combo_s_3");
    QTest::keyClick(list, Qt::Key_End);  // "13.8"
    EXPECT_EQ(list->currentText(), "13.8");
    EXPECT_EQ(shown_column(window, "Image1", "Image_G", 3), "11111111");
    QTest::keyClick(list, Qt::Key_Home);  // "0.5"
    EXPECT_EQ(shown_column(window, "Image1", "Image_G", 3), "10000000");

    QTest::mouseClick(control(window, "Image2_29"), Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>(window, "Combo_i_3")->currentText(), "10");
    EXPECT_EQ(shown_column(window, "Image2", "Image_R", 3), "11111100");
    QTest::keyClick(control(window, "Combo_i_3"), Qt::Key_Down);  // "11": same lamps
    EXPECT_EQ(window.edit_model().state().seg_i[3], 11);
    EXPECT_EQ(shown_column(window, "Image2", "Image_R", 3), "11111100");
    EXPECT_EQ(shown_column(window, "Image2", "Image_R", 2), "10000000");
}

TEST_F(WindowEditing, DisabledTopLampsIgnoreClicks)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    testing::click_option(window, "Option_sil");
    QTest::mouseClick(control(window, "Image1_7"), Qt::LeftButton);
    QTest::mouseClick(control(window, "Image2_7"), Qt::LeftButton);
    EXPECT_EQ(shown_column(window, "Image1", "Image_G", 0), "10000000");
    EXPECT_EQ(shown_column(window, "Image2", "Image_R", 0), "10000000");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->currentText(), "0.5");
}

}  // namespace
}  // namespace trevalo::app
