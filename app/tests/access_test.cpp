#include "window_helpers.h"

#include "app/picture_box.h"

#include <QAccessible>
#include <QComboBox>
#include <QScrollBar>

namespace trevalo::app {
namespace {

using testing::control;
using testing::element;
using testing::ShownWindow;

class Access : public ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString lit_levels(const char* grid, int segment)
    {
        const QImage lit = control<PictureBox>(window, grid == QByteArray("Image1") ? "Image_G" : "Image_R")
                               ->picture()
                               .toImage();
        QString levels;
        for (int level = 0; level < 8; ++level)
            levels += control<PictureBox>(window, element(grid, 8 * segment + level))->picture().toImage() == lit
                          ? '1'
                          : '0';
        return levels;
    }
};

QString accessible(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QString();
}

TEST_F(Access, TheSpeedGridWorksFromTheKeyboardAsWithTheMouse)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QWidget* grid = control(window, "Frame1_Edit");
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up})
        QTest::keyClick(grid, key);
    QWidget* mark = control(window, "Frame1_Edit_focus");
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->geometry().center(), control(window, "Image1_27")->geometry().center());
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_3")->currentText(), "6");
    EXPECT_EQ(lit_levels("Image1", 3), "11110000");
    EXPECT_EQ(accessible(grid, QAccessible::Description), "Speed, segment 4, level 3: lit; a click sets 6 MPH");
}

TEST_F(Access, TabGoesFromEachGridToItsListsAndPastHiddenSegments)
{
    QWidget* last_shown = control(window, "Combo_s_15");  // "R300": 16 segments
    last_shown->setFocus();
    QTest::keyClick(last_shown, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control(window, "Frame2_Edit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control(window, "Combo_i_0"));
    control(window, "Combo_i_15")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control(window, "Combo_type"));
}

TEST_F(Access, LampsTellWhatTheyAreAndUpdateAfterEditsAndSwitches)
{
    QWidget* lamp = control(window, "Image1_27");
    EXPECT_EQ(accessible(lamp, QAccessible::Name), "Speed, segment 4, level 3");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lamp)->role(), QAccessible::Button);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(window, "Image_s_0"))->role(), QAccessible::Graphic);
    EXPECT_EQ(accessible(lamp, QAccessible::Description), "not lit; a click sets 5 MPH");
    EXPECT_EQ(lamp->toolTip(), "5 MPH");
    QTest::mouseClick(lamp, Qt::LeftButton);
    EXPECT_EQ(accessible(lamp, QAccessible::Description), "lit; a click sets 5 MPH");
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Home);  // "QM-20"
    EXPECT_EQ(accessible(lamp, QAccessible::Description), "not lit; a click sets 6 MPH");
    EXPECT_EQ(lamp->toolTip(), "6 MPH");
    EXPECT_EQ(control(window, "Image2_29")->toolTip(), "10 %");
    EXPECT_EQ(accessible(control(window, "Combo_i_3"), QAccessible::Description), "Incline of segment 4");
    EXPECT_EQ(accessible(control(window, "Combo_i_3"), QAccessible::Value), "0");
}

}  // namespace
}  // namespace trevalo::app
