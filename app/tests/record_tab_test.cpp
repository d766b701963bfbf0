// The Record tab: opening a record file, by its dialog or by a drop, choosing
// and walking its workouts, exporting them, and what a file that fails says.

#include "window_helpers.h"

#include "app/window/record_tab.h"

#include <QAccessible>
#include <QDateTimeEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableWidget>

#include <sys/stat.h>

namespace trevalo::app::testing {
namespace {

class RecordPage : public ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(1);
    }

    // "Open File" answered with `answer`; returns the message that followed.
    QString open(const Answer& answer)
    {
        return through_file_dialog(clicking(window, "Command_open"), "CommonDialog1", answer);
    }
    QString open(const QString& path) { return open(choose(path)); }

    const records::RecordView& view() const { return window.record_view(); }
    QComboBox* dates() { return control<QComboBox>(window, "Combo_date"); }

    // Drops these paths on the window; returns the message shown, if any.
    QString drop(const QStringList& paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.append(QUrl::fromLocalFile(p));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
        QString message;
        // The file opens after the drop is answered, from the event loop.
        answering([] { QCoreApplication::processEvents(); }, {read_message(&message)});
        return message;
    }
};

// The name proposed comes from the model chosen on the Edit tab.
TEST_F(RecordPage, OpenFileShowsTheLastWorkoutThenAnyOther)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    const QString path = write("QM5_REC.cus", workout("2026/03/01 07:30", "LBS", {" 2.0", " 4.0"}) +
                                                  workout("2026/03/02 18:05", " KG", {" 9.6", "20.8", " 0.8"}));
    EXPECT_EQ(open([&](QWidget* dialog) {
                  EXPECT_EQ(typed_name(dialog), "QM5_REC");
                  EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters(), QStringList{"Record Files(*.cus)"});
                  choose(path)(dialog);
              }),
              "");
    EXPECT_EQ(view().selected_date(), 1);
    expect_record_tab_shows_model(window);
    expect_texts_fit(window);

    QTest::keyClick(dates(), Qt::Key_Up);  // the imperial workout before it, chosen from the keyboard
    expect_record_tab_shows_model(window);
    EXPECT_EQ(open([&](QWidget* dialog) {  // cancelled, from where the file was chosen: nothing changes
                  EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->directory().absolutePath(), folder.path());
                  cancel(dialog);
              }),
              "");
    EXPECT_EQ(view().selected_date(), 0);
}

// A load long enough to show its progress, cancelled, leaves the workout
// shown before exactly as it was, at the samples it was scrolled to.
TEST_F(RecordPage, ALongWorkoutIsWalkedFromTheKeyboardAndACancelledLoadKeepsIt)
{
    std::vector<std::string> speeds(29, " 2.0");
    speeds.push_back("14.0");  // the last sample stands out
    open(write("long.cus", workout("2026/03/05 06:00", "LBS", speeds)));
    auto* scroll = control<QScrollBar>(window, "HScroll1");
    QTest::keyClick(scroll, Qt::Key_End);
    EXPECT_EQ(text(window, "Label_end"), "30");
    // What a screen reader is told of the last bar.
    const auto* bar = QAccessible::queryAccessibleInterface(control(window, "Image_s_19"));
    EXPECT_EQ(bar->text(QAccessible::Name) + "; " + bar->text(QAccessible::Description),
              "Speed, sample 30: 14 MPH; 8 of 8 lamps lit");
    expect_texts_fit(window);

    const QString before = control(window, "Image_p")->accessibleDescription();
    const QString big = write("big.cus", workout("2026/04/01 07:30", " KG", {" 9.6"}) + std::string(24 << 20, '\n'));
    auto* tab = window.findChild<RecordTab*>();
    tab->set_progress_delay(0);
    const Answer cancel_load = [](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "LoadProgress");
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    };
    EXPECT_EQ(answering([&] { tab->load(big); }, {cancel_load}), 1);
    EXPECT_EQ(text(window, "Combo_date"), "2026/03/05 06:00");
    EXPECT_EQ(text(window, "Label_end"), "30");
    EXPECT_EQ(control(window, "Image_p")->accessibleDescription(), before);
    expect_record_tab_shows_model(window);
    for (const auto& [key, value] : {std::pair{Qt::Key_Left, 9}, std::pair{Qt::Key_PageUp, 0}}) {
        QTest::keyClick(scroll, key);
        EXPECT_EQ(view().scroll().value, value);
        expect_record_tab_shows_model(window);
    }
}

// Whatever fails, the message says which file and why. A file read in part
// keeps the workouts read so far; a pipe (it would hold the window until
// some program wrote to it) or a device such as /dev/zero (it would fill the
// memory) is refused at once and the file shown before stays; a file gone
// before it is read clears the display. A file that opens shows on the
// Record tab, a program file (told by its shape) on the Edit tab; several
// files or a folder change nothing.
TEST_F(RecordPage, ADroppedFileOpensOnItsTabAndWhatFailsSaysWhereAndWhy)
{
    const QString fifo = folder.filePath("pipe.cus");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString bad = write("bad.cus", workout("2026/03/01 07:30", "LBS", {" 2.0"}) +
                                             workout("2026/03/02 07:30", "LBS", {" 2.0", " 3,0"}));
    const QString no_workouts = write("program.cus", std::string(65, '\x01'));  // 65 bytes, not a program
    const QString gone = folder.filePath("gone.cus");
    std::string program(65, '\0');
    program[0] = static_cast<char>(180), program[2] = 82, program[3] = 45;  // 180 lb, 82 kg, 45 minutes
    for (int i = 0; i < 20; ++i)
        program[4 + i] = 3, program[24 + i] = 20, program[44 + i] = 32;  // incline 3, 2 mph, 3.2 km/h
    const struct {
        QStringList paths;
        QString starts;  // the message, or its start; empty for none
        int from_tab;
        int tab;
        int workouts;
        int shown;
    } cases[] = {
        {{bad}, "The record file could not be read.\n\n" + bad + "\n\nLine 7, speed: not a number.", 0, 1, 2, -1},
        {{no_workouts}, "No workouts were found in\n" + no_workouts, 0, 1, 0, -1},
        {{fifo}, "The record file could not be opened.\n\n" + fifo + "\n\nThis is a named pipe", 0, 0, 1, 0},
        {{"/dev/zero"}, "The record file could not be opened.\n\n/dev/zero\n\nThis is a device", 0, 0, 1, 0},
        {{gone}, "The record file could not be opened.\n\n" + gone + "\n\nNo such file", 0, 0, 0, -1},
        // A regular file whose first page cannot be read: this process's memory.
        {{"/proc/self/mem"}, "The record file could not be read to its end.\n\n/proc/self/mem\n\nInput/output error",
         0, 1, 0, -1},
        {{write("b.cus", ""), write("c.cus", "")}, "Drop one record file", 0, 0, 1, 0},
        {{folder.path()}, "Drop one record file", 0, 0, 1, 0},
        {{write("R300.cus", program)}, "", 1, 0, 1, 0},
    };
    auto* tabs = control<QTabBar>(window, "SSTab1_tabs");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paths.join(' ').toStdString());
        EXPECT_EQ(drop({write("one.cus", workout("2026/03/01 07:30", "LBS", {" 2.0"}))}), "");
        tabs->setCurrentIndex(c.from_tab);
        const QString message = drop(c.paths);
        EXPECT_TRUE(c.starts.isEmpty() ? message.isEmpty() : message.startsWith(c.starts)) << message.toStdString();
        EXPECT_EQ(tabs->currentIndex(), c.tab);
        EXPECT_EQ((std::vector{dates()->count(), view().selected_date()}), (std::vector{c.workouts, c.shown}));
        expect_record_tab_shows_model(window);
        QTest::keyClick(dates(), Qt::Key_Down);  // what was read can be picked
        EXPECT_EQ(view().selected_date(), c.workouts > 0 ? 0 : -1);
        expect_record_tab_shows_model(window);
    }
    EXPECT_EQ(text(window, "Combo_weight"), "180");
    EXPECT_EQ(text(window, "Combo_s_15"), "2");
}

// The export's filter chosen or suffix typed picks the format, its proposed
// name comes from the workout's date; the charts' menu saves a picture. Each
// dialog starts in the folder its kind was saved in before, if any: all but
// the first export and the first picture.
TEST_F(RecordPage, ExportAndTheChartsMenuWriteWhatIsShown)
{
    QAction* charts = control(window, "Frame3_Record")->actions().value(0);
    ASSERT_NE(charts, nullptr);
    open(write("w.cus", workout("2026/03/01 07:30", "LBS", {"10.0", " 4.0"})));
    const struct {
        bool charts;
        QString typed;
        int filter;
        QString written;
        QByteArray starts;
        QString says;
    } cases[] = {
        {false, "run", 0, "run.fit", QByteArray("\x0e\x20", 2), "run.fit Success!"},
        {false, "run2.tcx", 0, "run2.tcx", "<?xml", "run2.tcx Success!"},
        {false, "samples", 2, "samples.csv", "elapsed_s,", "samples.csv Success!"},
        {false, "gone/run.fit", 0, "", "", "The workout was not exported."},
        {true, "monday", 0, "monday.png", "\x89PNG", ""},
        {true, "gone/charts.png", 0, "", "", "The charts were not saved."},
    };
    for (const auto& c : cases) {
        const Answer pick = [&](QWidget* dialog) {
            EXPECT_EQ(typed_name(dialog), c.charts ? "charts" : "2026-03-01_0730");
            const QString start = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
            EXPECT_NE(start == folder.path(), &c == &cases[0] || &c == &cases[4]) << start.toStdString();
            for (int i = 0; i < c.filter; ++i)  // as a user picks it, with the keyboard
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            choose(folder.filePath(c.typed))(dialog);
        };
        const QString message =
            c.charts ? through_file_dialog([&] { charts->trigger(); }, "ChartImageDialog", pick)
                     : through_file_dialog(clicking(window, "Command_export"), "CommonDialog4", pick);
        EXPECT_TRUE(c.says.isEmpty() ? message.isEmpty() : message.contains(c.says)) << message.toStdString();
        EXPECT_TRUE(contents(folder.filePath(c.written)).startsWith(c.starts)) << c.written.toStdString();
    }
    const QImage image(folder.filePath("monday.png"));
    const qreal ratio = window.devicePixelRatioF();
    EXPECT_EQ(image.size(), QSize(436 + 8 + 185, 28 + 3 * 192) * ratio);
    EXPECT_EQ(image.pixelColor(QPoint(28 + 10, 28 + 16 + 150) * ratio), QColor(0, 255, 0));  // first bar's bottom lamp
}

// A date line that is no date: the user is asked when the workout started;
// only an answer leads on to the file dialog.
TEST_F(RecordPage, ExportAsksForTheStartWhenTheDateLineIsNoDate)
{
    open(write("w.cus", workout("Morning run 0001", "LBS", {" 2.0"})));
    const Answer start = [&](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "StartTimeDialog");
        EXPECT_EQ(dialog->findChild<QDateTimeEdit*>("StartTimeEdit")->dateTime(),
                  QFileInfo(folder.filePath("w.cus")).lastModified());
        static_cast<QDialog*>(dialog)->accept();
    };
    EXPECT_EQ(answering(clicking(window, "Command_export"), {cancel}), 1);
    EXPECT_EQ(answering(clicking(window, "Command_export"), {start, cancel}), 2);
}

// The table lists every workout; a row shows its workout on the Record tab,
// a click on the whole-workout chart moves the samples shown there.
TEST_F(RecordPage, AllWorkoutsChoosesAWorkoutAndMovesItsSamples)
{
    open(write("w.cus", workout("2026/03/01 07:30", "LBS", std::vector<std::string>(60, " 4.0")) +
                            workout("2026/03/02 07:30", " KG", {" 9.6"})));
    click(window, "Command_workouts");
    auto* table = control<QTableWidget>(window, "Table_workouts");
    const QWidget& workouts = *table->window();
    ASSERT_TRUE(workouts.isVisible());
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_TRUE(text(workouts, "Label_totals").startsWith("2 workouts"));

    table->sortItems(8, Qt::DescendingOrder);  // the most samples first
    EXPECT_EQ(table->item(0, 0)->text(), "2026/03/01 07:30");
    table->setCurrentCell(0, 0);
    EXPECT_EQ(view().selected_date(), 0);
    QWidget* chart = control(workouts, "Chart_workout");
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() - 9, chart->height() / 2));
    EXPECT_EQ(view().scroll().value, 40);  // the last samples
    expect_record_tab_shows_model(window);
    QTest::keyClick(chart, Qt::Key_Home);
    EXPECT_EQ(text(window, "Label_end"), "20");

    QTest::keyClick(dates(), Qt::Key_Down);  // a choice on the Record tab reaches the table
    EXPECT_EQ(table->item(table->currentRow(), 0)->text(), "2026/03/02 07:30");

    const QString message = through_file_dialog(clicking(workouts, "Command_export_all"), "ExportAllDialog",
                                                 choose(folder.filePath("all")));
    EXPECT_TRUE(message.endsWith("all.csv Success!")) << message.toStdString();
    EXPECT_EQ(contents(folder.filePath("all.csv")).count('\n'), 3);
}

}  // namespace
}  // namespace trevalo::app::testing
