// Whole programs brought into the Edit tab: Make Program from a recorded
// workout.

#include "window_helpers.h"

#include "records/tests/record_file_builder.h"

namespace trevalo::app::testing {
namespace {

using program::Program;

class ProgramCommands : public ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        QTest::keyClick(control(window, "Combo_type"), Qt::Key_Home);  // "QM-20", MPH, General
    }

    Program now() const { return editor::program_of(window.edit_model()); }
    QTabBar* tabs() const { return control<QTabBar>(window, "SSTab1_tabs"); }

    // Opens a record file and presses "Make Program…" on its last workout;
    // returns the message that followed, if one did.
    QString make(const std::string& records)
    {
        window.open_path(write("REC.cus", records));
        EXPECT_EQ(tabs()->currentIndex(), 1);
        EXPECT_TRUE(control(window, "Command_make")->isEnabled());
        QString message;
        answering(clicking(window, "Command_make"), {read_message(&message)});
        return message;
    }
};

// The per-minute workout becomes exactly its minutes, through the lists'
// handlers, as one step of the history.
TEST_F(ProgramCommands, MakeProgramFillsTheListsAsOneUndoStep)
{
    EXPECT_FALSE(control(window, "Command_make")->isEnabled());
    QTest::keyClick(control(window, element("Combo_s", 4)), Qt::Key_Down);  // an edit before, to undo to
    const Program before = now();

    EXPECT_EQ(make(records::testing::twenty_minutes(false, "150", "LBS")), "");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    Program expected = program::default_program({program::Model::QM20, program::Unit::MPH, program::Mode::General});
    for (std::size_t k = 0; k < 20; ++k) {
        expected.speed[k] = static_cast<std::uint8_t>(30 + 5 * k);
        expected.incline[k] = static_cast<std::uint8_t>(k % 16);
    }
    expected.minutes = 20;
    expected.weight = 150;
    EXPECT_EQ(now(), expected);
    EXPECT_TRUE(window.isWindowModified());
    expect_edit_tab_shows_model(window);
    EXPECT_EQ(text(window, "Label_sum_segment"), QString::fromUtf8("Segment\xEF\xBC\x9A" "1:00"));

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), before);
    expect_edit_tab_shows_model(window);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(now(), expected);
}

// What lies beyond the lists is said once; what cannot be resampled changes nothing.
TEST_F(ProgramCommands, MakeProgramSaysWhatItClampedAndRefusesWhatItCannotUse)
{
    records::testing::RecordFile fast;
    fast.header().weight("500", "LBS").samples(2, {.speed = "16.0"}).sample({.minutes = "10", .speed = "16.0"});
    const QString clamped = make(fast.text());
    EXPECT_TRUE(clamped.contains("Segments 1, 2, 3")) << clamped.toStdString();
    EXPECT_TRUE(clamped.contains("set to 15 MPH, the highest speed the QM-20 offers")) << clamped.toStdString();
    EXPECT_TRUE(clamped.contains("The workout lasts 10 minutes: the time is set to 20")) << clamped.toStdString();
    EXPECT_TRUE(clamped.contains("The weight of 500 LBS is set to 450 LBS")) << clamped.toStdString();
    EXPECT_EQ(now().speed[19], 150);
    expect_edit_tab_shows_model(window);

    const Program kept = now();
    const QString refused = make(records::testing::RecordFile().header().weight("150", "LBS").samples(1).text());
    EXPECT_TRUE(refused.startsWith("No program was made.")) << refused.toStdString();
    EXPECT_EQ(now(), kept);
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

}  // namespace
}  // namespace trevalo::app::testing
