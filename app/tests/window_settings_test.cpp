#include "window_helpers.h"

#include "app/picture_box.h"

#include <QGroupBox>

namespace trevalo::app {
namespace {

using testing::click_option;
using testing::control;
using testing::element;
using testing::ShownWindow;

// The lit levels of one grid column as shown, bottom first.
QString shown_column(const QWidget& window, const char* grid, int segment)
{
    const QImage lit = control<PictureBox>(window, grid == QByteArray("Image1") ? "Image_G" : "Image_R")
                           ->picture()
                           .toImage();
    QString levels;
    for (int level = 0; level < 8; ++level)
        levels += control<PictureBox>(window, element(grid, 8 * segment + level))->picture().toImage() == lit ? '1'
                                                                                                                : '0';
    return levels;
}

QString text(const QWidget& window, const char* list) { return control<QComboBox>(window, list)->currentText(); }

using WindowSettings = ShownWindow;

TEST_F(WindowSettings, OpensWithTheR300DefaultsShown)
{
    EXPECT_EQ(text(window, "Combo_type"), "R300");
    EXPECT_TRUE(control<QRadioButton>(window, "Option_gen")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "Option_mph")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    EXPECT_EQ((QStringList{text(window, "Combo_min"), text(window, "Combo_weight"), text(window, "Combo_s_3")}),
              (QStringList{"32", "154", "0.5"}));
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_3")->count(), 24);
    for (int segment : {0, 15}) {
        EXPECT_EQ(shown_column(window, "Image1", segment), "10000000");
        EXPECT_EQ(shown_column(window, "Image2", segment), "10000000");
    }
}

// A switch reaches every kind of control: lists, options, captions,
// positions, visibility and the enabled state of lamps.
TEST_F(WindowSettings, ModelUnitAndModeChoicesReachEveryControl)
{
    auto* type = control<QComboBox>(window, "Combo_type");
    QTest::keyClick(type, Qt::Key_Home);  // "QM-20", by keyboard
    EXPECT_TRUE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    EXPECT_TRUE(control(window, "Combo_s_19")->isVisible());
    EXPECT_TRUE(control(window, "Image2_159")->isVisible());
    EXPECT_EQ(control(window, "Combo_s_8")->pos(), QPoint(16 + 48 * 8, 32));
    EXPECT_EQ(text(window, "Combo_min"), "30");

    click_option(window, "Option_kph");
    click_option(window, "Option_sil");
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Edit")->title(), "SPEED(KPH)");
    EXPECT_EQ(control<QGroupBox>(window, "Frame7_Edit")->title(), "Set_Weight(KG)");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_0")->count(), 25);
    EXPECT_EQ(control<QComboBox>(window, "Combo_i_0")->count(), 7);
    EXPECT_EQ(text(window, "Combo_weight"), "70");
    EXPECT_FALSE(control(window, "Image2_7")->isEnabled());
    // A lamp that ignores clicks still shows its picture as it is.
    EXPECT_EQ(control<PictureBox>(window, "Image2_7")->picture().toImage(),
              control<PictureBox>(window, "Image_w")->picture().toImage());

    QTest::keyClick(type, Qt::Key_End);  // "R300" takes the mode back to "General"
    EXPECT_TRUE(control<QRadioButton>(window, "Option_gen")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(window, "Option_sil")->isEnabled());
    EXPECT_FALSE(control(window, "Combo_s_16")->isVisible());
    EXPECT_EQ(control(window, "Combo_s_8")->pos(), QPoint(16, 80));
    EXPECT_TRUE(control(window, "Image2_7")->isEnabled());
    EXPECT_EQ(text(window, "Combo_s_0"), "0.8");
}

TEST_F(WindowSettings, LampsAndListsEditTheProgramTogether)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    EXPECT_EQ(text(window, "Combo_s_3"), "6");
    EXPECT_EQ(shown_column(window, "Image1", 3), "11110000");
    QTest::keyClick(control(window, "Combo_s_3"), Qt::Key_End);  // "13.8"
    EXPECT_EQ(shown_column(window, "Image1", 3), "11111111");

    QTest::mouseClick(control(window, "Image2_29"), Qt::LeftButton);
    EXPECT_EQ(text(window, "Combo_i_3"), "10");
    QTest::keyClick(control(window, "Combo_i_3"), Qt::Key_Down);  // "11": the same lamps
    EXPECT_EQ(shown_column(window, "Image2", 3), "11111100");

    QTest::keyClick(control(window, "Combo_min"), Qt::Key_End);
    QTest::keyClick(control(window, "Combo_weight"), Qt::Key_Down);
    const editor::EditState& state = window.edit_model().state();
    EXPECT_EQ((std::vector<int>{state.seg_s[3], state.seg_i[3], state.set_min, state.set_weight}),
              (std::vector<int>{138, 11, 99, 155}));
}

}  // namespace
}  // namespace trevalo::app
