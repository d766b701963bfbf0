// Whole programs into the Edit tab and out of it: Make Program from a
// recorded workout, IMPORT of workout files, EXPORT as a FIT workout.

#include "window_helpers.h"

#include "records/record_program.h"
#include "records/tests/record_file_builder.h"
#include "test_support/fit_files.h"
#include "folders/settings_place.h"

#include <QSettings>
#include <QSpinBox>

#include <sys/stat.h>

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
        QString message;
        answering(clicking(window, "Command_make"), {read_message(&message)});
        return message;
    }
};

// The workout becomes the program its model makes, through the lists'
// handlers, as one step of the history.
TEST_F(ProgramCommands, MakeProgramFillsTheListsAsOneUndoStep)
{
    EXPECT_FALSE(control(window, "Command_make")->isEnabled());
    QTest::keyClick(control(window, element("Combo_s", 4)), Qt::Key_Down);  // an edit before, to undo to
    const Program before = now();

    EXPECT_EQ(make(records::testing::twenty_minutes(false, "150", "LBS")), "");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    const Program expected = records::record_program(window.record_view().store(), 0, now().settings)->program;
    EXPECT_NE(expected, before);
    EXPECT_EQ(now(), expected);
    EXPECT_TRUE(window.isWindowModified());
    expect_edit_tab_shows_model(window);

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), before);
    expect_edit_tab_shows_model(window);
}

// What lies beyond the lists is said once; what cannot be resampled changes nothing.
TEST_F(ProgramCommands, MakeProgramSaysWhatItClampedAndRefusesWhatItCannotUse)
{
    records::testing::RecordFile fast;
    fast.header().weight("500", "LBS").samples(2, {.speed = "16.0"}).sample({.minutes = "10", .speed = "16.0"});
    const QString clamped = make(fast.text());
    EXPECT_TRUE(clamped.contains("set to 450 LBS")) << clamped.toStdString();  // the words are the model's
    EXPECT_EQ(now().speed[19], 150);
    expect_edit_tab_shows_model(window);

    const Program kept = now();
    const QString refused = make(records::testing::RecordFile().header().weight("150", "LBS").samples(1).text());
    EXPECT_TRUE(refused.startsWith("No program was made.")) << refused.toStdString();
    EXPECT_EQ(now(), kept);
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

// EXPORT writes the program as a FIT workout under the name typed; IMPORT
// of that file brings it back whole, as one step of the history.
TEST_F(ProgramCommands, ExportThenImportGivesTheProgramBack)
{
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(control(window, element("Combo_s", i)), Qt::Key_Down, Qt::NoModifier);
        for (int step = 0; step < i % 4; ++step)
            QTest::keyClick(control(window, element("Combo_i", i)), Qt::Key_Down);
    }
    const Program exported = now();
    const QString path = folder.filePath("Intervals");
    const auto named = [](const QString& proposed, const QStringList& filters, const QString& path) {
        return [=](QWidget* dialog) {
            EXPECT_EQ(typed_name(dialog), proposed);
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters(), filters);
            choose(path)(dialog);
        };
    };
    const QString saved = through_file_dialog(clicking(window, "Command_export_program"), "CommonDialog6",
                                              named("QM20", {"FIT workout (*.fit)"}, path));
    EXPECT_TRUE(saved.contains("Intervals.fit")) << saved.toStdString();
    EXPECT_EQ(contents(path + ".fit").mid(8, 4), ".FIT");

    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Down);  // "QM-5": a new program
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);    // "QM-20" again, at its defaults
    const Program before = now();
    ASSERT_NE(before, exported);
    const QString message = through_file_dialog(
        clicking(window, "Command_import"), "CommonDialog5",
        named("", {"Workouts (*.fit *.tcx *.zwo)", "FIT files (*.fit)", "TCX files (*.tcx)", "Zwift workouts (*.zwo)"},
              path + ".fit"));
    EXPECT_EQ(message, "");  // nothing was adapted
    EXPECT_EQ(now(), exported);
    EXPECT_TRUE(window.isWindowModified());
    expect_edit_tab_shows_model(window);
    window.findChild<QAction*>("Action_undo")->trigger();  // the dialogs took the window's focus
    EXPECT_EQ(now(), before);
}

// A Zwift run without a pace of its own asks for one, per mile on an MPH tab,
// and remembers it; what cannot be imported says why and changes nothing.
TEST_F(ProgramCommands, ImportAsksForAMissingPaceAndRefusesWhatItCannotRead)
{
    QSettings(folders::settings_format(), QSettings::UserScope, "trevalo", "trevalo").remove("import");
    const QString zwo = write("run.zwo", "<workout_file><sportType>run</sportType><workout>"
                                         "<SteadyState Duration=\"1800\" Power=\"1\"/>"
                                         "<SteadyState Duration=\"1\" Power=\"0.5\"/></workout></workout_file>");
    const auto pace = [](int minutes, int seconds) {
        return [=](QWidget* dialog) {
            EXPECT_EQ(dialog->objectName(), "ThresholdDialog");
            dialog->findChild<QSpinBox*>("Spin_threshold_min")->setValue(minutes);
            dialog->findChild<QSpinBox*>("Spin_threshold_sec")->setValue(seconds);
            qobject_cast<QDialog*>(dialog)->accept();
        };
    };
    QString message;
    answering(clicking(window, "Command_import"), {choose(zwo), pace(8, 0), read_message(&message)});
    EXPECT_EQ(now().speed[0], 75);  // 7.5 mph: a mile in 8 minutes
    EXPECT_TRUE(message.contains("neighbours: SteadyState 2.")) << message.toStdString();  // its one second
    int remembered = 0;
    answering(clicking(window, "Command_import"), {choose(zwo), [&](QWidget* dialog) {
                                                       remembered = dialog->findChild<QSpinBox*>("Spin_threshold_min")
                                                                        ->value();
                                                       cancel(dialog);
                                                   }});
    EXPECT_EQ(remembered, 8);

    // A pipe would hold the window until some program wrote to it; /dev/zero never ends.
    const QString fifo = folder.filePath("pipe.fit");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Program kept = now();
    for (const auto& [path, why] :
         {std::pair{write("bike.zwo", "<workout_file><sportType>bike</sportType><workout/></workout_file>"), "cycling"},
          {write("text.fit", "no FIT file at all"), "FIT"}, {fifo, "named pipe"}, {"/dev/zero", "device"}}) {
        const QString refused = through_file_dialog(clicking(window, "Command_import"), "CommonDialog5", choose(path));
        EXPECT_TRUE(refused.startsWith("The workout was not imported.")) << refused.toStdString();
        EXPECT_TRUE(refused.contains(why)) << refused.toStdString();
        EXPECT_EQ(now(), kept);
    }
}

// A watch's run given from outside (the command line, the file manager, a
// drop) goes to IMPORT by its bytes whatever its name, and says how long the
// timer ran; a hill session asks once for its steady pace and climbs its
// slope. What each reader makes of such files is the readers' tables' concern.
TEST_F(ProgramCommands, ImportsAWatchsRunFromOutsideAndAHillSessionAtItsPace)
{
    std::vector<test_support::Record> run;
    for (int t = 0; t <= 1200; t += 10)
        run.push_back({.time = 1000 + t, .speed = 3000});  // 6.71 mph
    const QString fit = write("QM20_REC.cus", test_support::activity_file(run));
    const QString zwo = write("hills.zwo", "<workout_file><sportType>run</sportType><workout>"
                                           "<SteadyState Duration=\"1200\" Slope=\"4\"/></workout></workout_file>");
    QSettings(folders::settings_format(), QSettings::UserScope, "trevalo", "trevalo").remove("import");
    const auto pace = [](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "SteadyPaceDialog");
        dialog->findChild<QSpinBox*>("Spin_pace_min")->setValue(8);
        dialog->findChild<QSpinBox*>("Spin_pace_sec")->setValue(0);
        qobject_cast<QDialog*>(dialog)->accept();
    };
    QString message;
    answering([&] { window.open_path(fit); }, {read_message(&message)});
    EXPECT_TRUE(message.contains("The run lasted 20:00 by the watch's timer.")) << message.toStdString();
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ((std::vector<int>{now().minutes, now().speed[0], now().speed[19]}), (std::vector<int>{20, 65, 65}));
    answering(clicking(window, "Command_import"), {choose(zwo), pace, read_message(&message)});
    EXPECT_EQ((std::vector<int>{now().minutes, now().speed[0], now().incline[0]}), (std::vector<int>{20, 75, 4}));
}

}  // namespace
}  // namespace trevalo::app::testing
