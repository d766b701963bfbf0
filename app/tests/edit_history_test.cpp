#include "window_helpers.h"

#include "program_file/program_state.h"

#include <QAction>
#include <QComboBox>

#include <random>

namespace trevalo::app {
namespace {

using testing::choose;
using testing::control;
using testing::element;
using testing::on_next_modal;
using testing::ShownWindow;

class History : public ShownWindow {
protected:
    program_file::EditSnapshot now() const { return program_file::snapshot(window.edit_model()); }
};

// Random edits of every kind a user makes, then undo all gives the start
// and redo all the end, settings and program alike.
TEST_F(History, UndoAllGivesTheStartAndRedoAllTheEnd)
{
    const program_file::EditSnapshot start = now();
    EXPECT_FALSE(window.isWindowModified());
    std::mt19937 random(7);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int step = 0; step < 16; ++step) {
        const int shown = editor::segments_shown(window.edit_model().model());
        switch (pick(5)) {
        case 0: QTest::keyClick(control(window, element("Combo_s", pick(shown))), Qt::Key_Down); break;
        case 1: QTest::keyClick(control(window, element("Combo_i", pick(shown))), Qt::Key_Down); break;
        case 2: QTest::mouseClick(control(window, element("Image1", 8 * pick(shown) + 1 + pick(3))), Qt::LeftButton); break;
        case 3: QTest::keyClick(control(window, "Combo_type"), pick(2) ? Qt::Key_Up : Qt::Key_Down); break;
        default: testing::click_option(window, pick(2) ? "Option_kph" : "Option_mph"); break;
        }
    }
    const program_file::EditSnapshot end = now();
    ASSERT_NE(end, start);
    EXPECT_TRUE(window.isWindowModified());

    auto* undo = window.findChild<QAction*>("Action_undo");
    auto* redo = window.findChild<QAction*>("Action_redo");
    ASSERT_TRUE(undo && redo);
    while (undo->isEnabled())
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), start);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(control<QComboBox>(window, "Combo_type")->currentText(), "R300");
    while (redo->isEnabled())
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(now(), end);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left to redo
    EXPECT_EQ(now(), end);
}

// Closing with unsaved work asks; only Discard, or a save that worked,
// lets the window close.
TEST_F(History, ClosingWithUnsavedWorkAsksEachWay)
{
    QTemporaryDir folder;
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    ASSERT_TRUE(window.isWindowModified());
    // Answers the question and, for Save, the save dialog: a path, or cancel.
    auto close_answering = [&](QMessageBox::StandardButton answer, const QString& save_to = {}) {
        on_next_modal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->objectName(), "CloseQuestion");
            if (answer == QMessageBox::Save)
                on_next_modal([&](QWidget* file_dialog) {
                    if (save_to.isEmpty())
                        return testing::cancel(qobject_cast<QFileDialog*>(file_dialog));
                    on_next_modal([](QWidget* message) { qobject_cast<QMessageBox*>(message)->accept(); });
                    choose(save_to)(qobject_cast<QFileDialog*>(file_dialog));
                });
            box->button(answer)->click();
        });
        window.close();
        return window.isVisible();
    };
    EXPECT_TRUE(close_answering(QMessageBox::Cancel));
    EXPECT_TRUE(close_answering(QMessageBox::Save));
    EXPECT_FALSE(close_answering(QMessageBox::Save, folder.filePath("kept.cus")));
    EXPECT_TRUE(QFile::exists(folder.filePath("kept.cus")));
    EXPECT_FALSE(window.isWindowModified());

    window.show();
    QTest::mouseClick(control(window, "Image1_28"), Qt::LeftButton);
    EXPECT_FALSE(close_answering(QMessageBox::Discard));
}

}  // namespace
}  // namespace trevalo::app
