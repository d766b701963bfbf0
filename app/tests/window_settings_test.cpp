// The Edit tab's controls from the mouse and the keyboard: each action
// reaches the model, and what the model then holds reaches every control;
// undo and redo, and closing with unsaved work.

#include "window_helpers.h"

#include "editor/edit_program.h"

#include <QAccessible>

#include <random>

namespace trevalo::app::testing {
namespace {

// Active, so that the keyboard focus can move.
class WindowSettings : public ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString accessible(const char* name, QAccessible::Text kind)
    {
        return QAccessible::queryAccessibleInterface(control(window, name))->text(kind);
    }
    program::Program now() const { return editor::program_of(window.edit_model()); }
};
using Access = WindowSettings;
using EditHistory = WindowSettings;

TEST_F(WindowSettings, TheGridFromTheKeyboardAndTheListsEditTheProgramTogether)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QWidget* grid = control(window, "Frame1_Edit");
    grid->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up})
        QTest::keyClick(grid, key);
    QWidget* mark = control(window, "Frame1_Edit_focus");
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->geometry().center(), control(window, "Image1_27")->geometry().center());
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(text(window, "Combo_s_3"), "6");
    EXPECT_EQ(accessible("Frame1_Edit", QAccessible::Description),
              "Speed, segment 4, level 3: lit; a click sets 6 MPH");
    expect_edit_tab_shows_model(window);

    QTest::keyClick(control(window, "Combo_s_3"), Qt::Key_End);  // "13.8"
    click(window, "Image2_29");
    QTest::keyClick(control(window, "Combo_i_3"), Qt::Key_Down);  // from the lamp's 10
    QTest::keyClick(control(window, "Combo_min"), Qt::Key_End);
    QTest::keyClick(control(window, "Combo_weight"), Qt::Key_Down);
    const editor::EditState& state = window.edit_model().state();
    EXPECT_EQ((std::vector<int>{state.seg_s[3], state.seg_i[3], state.set_min, state.set_weight}),
              (std::vector<int>{138, 11, 99, 155}));
    expect_edit_tab_shows_model(window);
}

TEST_F(Access, TabGoesFromEachGridToItsListsAndPastHiddenSegments)
{
    // "R300": 16 segments of 20.
    const std::pair<const char*, const char*> steps[] = {
        {"Combo_s_15", "Frame2_Edit"}, {"Frame2_Edit", "Combo_i_0"}, {"Combo_i_15", "Combo_type"}};
    for (const auto& [from, to] : steps) {
        control(window, from)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(window, to)) << from;
    }
}

// The texts are the editor's; this is the way they reach a screen reader.
TEST_F(Access, LampsAndListsTellWhatTheyAre)
{
    EXPECT_EQ(accessible("Image1_27", QAccessible::Name), "Speed, segment 4, level 3");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(window, "Image1_27"))->role(), QAccessible::Button);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(window, "Image_s_0"))->role(), QAccessible::Graphic);
    EXPECT_EQ(accessible("Combo_i_3", QAccessible::Description), "Incline of segment 4");
    EXPECT_EQ(accessible("Combo_i_3", QAccessible::Value), "0");
}

// Random edits of every kind a user makes, then undo all gives the start
// and redo all the end, settings and program alike, on every control.
TEST_F(EditHistory, UndoAllGivesTheStartAndRedoAllTheEnd)
{
    const program::Program start = now();
    EXPECT_FALSE(window.isWindowModified());
    std::mt19937 random(7);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int step = 0; step < 16; ++step) {
        const int shown = editor::segments_shown(window.edit_model().model());
        switch (pick(5)) {
        case 0: QTest::keyClick(control(window, element("Combo_s", pick(shown))), Qt::Key_Down); break;
        case 1: QTest::keyClick(control(window, element("Combo_i", pick(shown))), Qt::Key_Down); break;
        case 2: click(window, element("Image1", 8 * pick(shown) + 1 + pick(3))); break;
        case 3: QTest::keyClick(control(window, "Combo_type"), pick(2) ? Qt::Key_Up : Qt::Key_Down); break;
        default: click(window, pick(2) ? "Option_kph" : "Option_mph"); break;
        }
    }
    const program::Program end = now();
    ASSERT_NE(end, start);
    EXPECT_TRUE(window.isWindowModified());

    // One press for each edit is enough: an edit is one step of the history,
    // and a press with nothing left to undo changes nothing.
    for (int step = 0; step < 16; ++step)
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), start);
    EXPECT_FALSE(window.isWindowModified());
    expect_edit_tab_shows_model(window);
    for (int step = 0; step < 16; ++step)
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(now(), end);
    expect_edit_tab_shows_model(window);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left to redo
    EXPECT_EQ(now(), end);
}

// Ctrl+S and Ctrl+O press the button of the tab shown, from wherever the
// focus is: its dialog, with its name proposed. The Record tab saves
// nothing. The buttons' tooltips name their keys.
TEST_F(WindowSettings, FileKeysPressTheButtonOfTheTabShownWhereverTheFocusIs)
{
    const struct {
        int tab;
        const char* focus;
        Qt::Key key;
        const char* button;  // none: no dialog at all
        QString dialog, proposed;
    } cases[] = {
        {0, "Combo_s_3", Qt::Key_S, "Command_save", "CommonDialog2", "R300"},
        {0, "Frame1_Edit", Qt::Key_O, "Command_load", "CommonDialog3", "R300"},
        {1, "Combo_date", Qt::Key_O, "Command_open", "CommonDialog1", "R300_REC"},
        {1, "HScroll1", Qt::Key_S, nullptr, "", ""},
    };
    for (const auto& c : cases) {
        control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(c.tab);
        window.activateWindow();  // back from the dialog before
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        control(window, c.focus)->setFocus();
        const Answer answer = [&](QWidget* shown) {
            EXPECT_EQ((std::vector{shown->objectName(), typed_name(shown), control(window, c.button)->toolTip().right(8)}),
                      (std::vector{c.dialog, c.proposed, QString(c.key == Qt::Key_S ? "(Ctrl+S)" : "(Ctrl+O)")}));
            cancel(shown);
        };
        const auto key = [&] { QTest::keyClick(QApplication::focusWidget(), c.key, Qt::ControlModifier); };
        EXPECT_EQ(answering(key, c.button ? std::vector{answer} : std::vector<Answer>{}), c.button ? 1 : 0) << c.focus;
    }
}

// Closing with unsaved work asks; only Discard, or a save that worked,
// lets the window close.
TEST_F(EditHistory, ClosingWithUnsavedWorkAsksEachWay)
{
    // True when the window stayed open: `button` answers the question, `then` the dialogs that follow it.
    const auto close = [&](QMessageBox::StandardButton button, std::vector<Answer> then) {
        then.insert(then.begin(), [button](QWidget* box) {
            EXPECT_EQ(box->objectName(), "CloseQuestion");
            press(button)(box);
        });
        EXPECT_EQ(answering([&] { window.close(); }, then), static_cast<int>(then.size()));
        return window.isVisible();
    };
    click(window, "Image1_27");
    QString saved;
    EXPECT_TRUE(close(QMessageBox::Cancel, {}));
    EXPECT_TRUE(close(QMessageBox::Save, {cancel}));
    EXPECT_FALSE(close(QMessageBox::Save, {choose(folder.filePath("kept.cus")), read_message(&saved)}));
    EXPECT_TRUE(saved.endsWith("kept.cus Success!"));
    EXPECT_FALSE(window.isWindowModified());

    window.show();
    click(window, "Image1_28");
    EXPECT_FALSE(close(QMessageBox::Discard, {}));
}

}  // namespace
}  // namespace trevalo::app::testing
