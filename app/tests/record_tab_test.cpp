#include "window_helpers.h"

#include "app/picture_box.h"
#include "app/record_tab.h"
#include "records/tests/record_file_builder.h"

#include <QAccessible>
#include <QAction>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>

#include <sys/stat.h>

namespace trevalo::app {
namespace {

using records::testing::RecordFile;
using records::testing::Sample;
using testing::cancel;
using testing::choose;
using testing::control;
using testing::element;
using testing::ShownWindow;
using testing::through_file_dialog;

const QString kColon = QString(QChar(0xFF1A));

// A workout of one sample per speed field, pulse 100.
RecordFile& add_record(RecordFile& file, const std::string& date, const std::string& unit,
                       const std::vector<std::string>& speeds)
{
    file.header(date).weight("160", unit);
    for (const std::string& speed : speeds) {
        Sample s;
        s.speed = speed;
        s.pulse = "100";
        file.sample(s);
    }
    return file;
}

class RecordPage : public ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(1);
    }

    QString write(const QString& name, const std::string& text) { return testing::write_file(folder, name, text); }

    // "Open File" answered with `fill`; returns the message that followed.
    QString open(const std::function<void(QFileDialog*)>& fill)
    {
        return through_file_dialog([this] { QTest::mouseClick(control(window, "Command_open"), Qt::LeftButton); },
                                   "CommonDialog1", fill)
            .message;
    }
    QString open(const QString& path) { return open(choose(path)); }

    // The level of the bar shown in a chart column.
    int bar(const char* array, int column)
    {
        const QImage shown = control<PictureBox>(window, element(array, column))->picture().toImage();
        const char* source = QByteArray(array) == "Image_s" ? "Image_seg_g" : "Image_seg_r";
        for (int level = 0; level <= 8; ++level)
            if (control<PictureBox>(window, element(source, level))->picture().toImage() == shown)
                return level;
        return -1;
    }

    QString caption(const char* name) { return control<QLabel>(window, name)->text(); }
    QString accessible(const char* name, QAccessible::Text text)
    {
        return QAccessible::queryAccessibleInterface(control(window, name))->text(text);
    }

    QTemporaryDir folder;
};

TEST_F(RecordPage, OpenFileShowsTheLastWorkoutThenAnyOther)
{
    RecordFile file;
    add_record(file, "2026/03/01 07:30", "LBS", {" 2.0", " 4.0"});
    add_record(file, "2026/03/02 18:05", " KG", {" 9.6", "20.8", " 0.8"});
    const QString path = write("R300_REC.cus", file.text());
    QString proposed;
    EXPECT_EQ(open([&](QFileDialog* dialog) {
                  proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                  EXPECT_EQ(dialog->nameFilters(), QStringList{"Record Files(*.cus)"});
                  choose(path)(dialog);
              }),
              "");
    EXPECT_EQ(proposed, "R300_REC");

    auto* dates = control<QComboBox>(window, "Combo_date");
    EXPECT_EQ(dates->count(), 2);
    EXPECT_EQ(dates->currentText(), "2026/03/02 18:05");
    EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 KG");
    EXPECT_EQ(caption("Label_time"), "Time(m:s) 0" + kColon + "00");
    EXPECT_EQ(caption("Label_statistics_4"), "Max pulse" + kColon + "100 bpm");
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title(), "SPEED(KPH)");
    EXPECT_EQ(caption("Label_record_s_7"), "21");
    EXPECT_EQ((std::vector{bar("Image_s", 0), bar("Image_s", 1), bar("Image_s", 2), bar("Image_s", 3)}),
              (std::vector{4, 8, 1, 0}));
    EXPECT_EQ(bar("Image_i", 0), 1);
    EXPECT_TRUE(control<QObject>(window, "Line1_2")->property("Visible").toBool());
    EXPECT_FALSE(control<QObject>(window, "Line1_3")->property("Visible").toBool());
    EXPECT_EQ(control<QObject>(window, "Line1_1")->property("Y2").toFloat(), 2760 - 120 * 7);
    EXPECT_FALSE(control(window, "HScroll1")->isVisible());
    testing::expect_texts_fit(window);

    // The imperial workout before it, chosen from the keyboard.
    QTest::keyClick(dates, Qt::Key_Up);
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title(), "SPEED(MPH)");
    EXPECT_EQ(caption("Label_record_s_7"), "14");
    EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 LBS");
    EXPECT_EQ(bar("Image_s", 1), 3);
    EXPECT_EQ(bar("Image_s", 2), 0);
    QTest::keyClick(dates, Qt::Key_Down);  // and the metric one after it
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title(), "SPEED(KPH)");
    EXPECT_EQ(caption("Label_record_s_1"), "3");
    EXPECT_EQ(caption("Label_record_i_1"), "2");
}

TEST_F(RecordPage, TheScrollBarWalksALongWorkoutFromTheKeyboard)
{
    std::vector<std::string> speeds(29, " 2.0");
    speeds.push_back("14.0");  // the last sample stands out
    RecordFile file;
    open(write("long.cus", add_record(file, "2026/03/05 06:00", "LBS", speeds).text()));

    auto* scroll = control<QScrollBar>(window, "HScroll1");
    ASSERT_TRUE(scroll->isVisible());
    EXPECT_TRUE(control(window, "Label_end")->isVisible());
    EXPECT_EQ(scroll->maximum(), 10);
    QTest::keyClick(scroll, Qt::Key_End);
    EXPECT_EQ(caption("Label_start"), "11");
    EXPECT_EQ(caption("Label_end"), "30");
    EXPECT_EQ(bar("Image_s", 19), 8);
    testing::expect_texts_fit(window);
    EXPECT_EQ(accessible("Image_s_19", QAccessible::Name), "Speed, sample 30");
    EXPECT_EQ(accessible("Image_s_19", QAccessible::Description), "8 of 8 lamps lit");
    EXPECT_TRUE(accessible("Image_p", QAccessible::Description)
                    .startsWith("Samples 11 to 30, pulse in beats per minute: about 100, about 100"));
    QTest::keyClick(scroll, Qt::Key_Left);
    EXPECT_EQ(caption("Label_end"), "29");
    EXPECT_EQ(bar("Image_s", 19), 2);
    QTest::keyClick(scroll, Qt::Key_PageUp);
    EXPECT_EQ(caption("Label_end"), "20");
}

TEST_F(RecordPage, AShorterFileAfterALongerOneShowsEmptyBarsPastItsEnd)
{
    RecordFile longer, shorter;
    open(write("longer.cus", add_record(longer, "2026/03/05 06:00", "LBS", std::vector<std::string>(25, "10.0")).text()));
    ASSERT_EQ(bar("Image_s", 19), 6);
    open(write("shorter.cus", add_record(shorter, "2026/03/06 06:00", "LBS", {"10.0", "10.0"}).text()));
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
    EXPECT_EQ((std::vector{bar("Image_s", 1), bar("Image_s", 2), bar("Image_s", 19)}), (std::vector{6, 0, 0}));
    EXPECT_FALSE(control(window, "HScroll1")->isVisible());
}

TEST_F(RecordPage, AFileThatFailsSaysWhereAndKeepsTheWorkoutsReadSoFar)
{
    RecordFile file;
    add_record(file, "2026/03/01 07:30", "LBS", {" 2.0"});
    add_record(file, "2026/03/02 07:30", "LBS", {" 2.0", " 3,0"});
    const QString path = write("bad.cus", file.text());
    const QString message = open(path);
    EXPECT_TRUE(message.contains("Line 7, speed: not a number.")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path)));
    auto* dates = control<QComboBox>(window, "Combo_date");
    EXPECT_EQ(dates->count(), 2);
    EXPECT_EQ(dates->currentIndex(), -1);
    EXPECT_EQ(caption("Label_time"), "Time");
    EXPECT_EQ(caption("Label_statistics_3"), "Avg pulse");
    EXPECT_EQ(bar("Image_s", 0), 0);
    QTest::keyClick(dates, Qt::Key_Down);  // what was read can be picked
    EXPECT_EQ(bar("Image_s", 0), 2);

    EXPECT_EQ(open(cancel), "");  // cancelling changes nothing
    EXPECT_EQ(dates->count(), 2);

    EXPECT_TRUE(open(write("program.cus", std::string(65, '\x01'))).startsWith("No workouts were found"));
    EXPECT_EQ(dates->count(), 0);
}

TEST_F(RecordPage, AFileGoneBeforeItIsReadClearsTheDisplayAndSaysSo)
{
    RecordFile file;
    open(write("one.cus", add_record(file, "2026/03/01 07:30", "LBS", {" 2.0"}).text()));
    ASSERT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
    QString message;
    testing::on_next_modal([&](QWidget* box) {
        message = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
    });
    window.findChild<app::RecordTab*>()->load(folder.filePath("gone.cus"));
    EXPECT_TRUE(message.startsWith("The record file could not be opened.")) << message.toStdString();
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 0);
    EXPECT_EQ(caption("Label_weight"), "Weight");
}

// A pipe would hold the window until some program wrote to it, a device
// such as /dev/zero would fill the memory: each is refused at once, and the
// file shown before stays.
TEST_F(RecordPage, WhatIsNotARecordFileIsRefusedAtOnceAndChangesNothing)
{
    RecordFile file;
    open(write("one.cus", add_record(file, "2026/03/01 07:30", "LBS", {" 2.0"}).text()));
    const QString fifo = folder.filePath("pipe.cus");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        QString reason;
    } cases[] = {{fifo, "This is a named pipe"}, {"/dev/zero", "This is a device"}};
    for (const auto& c : cases) {
        const QString message = open(c.path);
        EXPECT_TRUE(message.startsWith("The record file could not be opened.")) << message.toStdString();
        EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
        EXPECT_EQ(control<QComboBox>(window, "Combo_date")->currentText(), "2026/03/01 07:30");
        EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 LBS");
    }
}

// A load long enough to show its progress, cancelled: the file shown before
// stays exactly as it was.
TEST_F(RecordPage, ACancelledLoadLeavesTheFileShownBefore)
{
    RecordFile small;
    open(write("one.cus", add_record(small, "2026/03/01 07:30", "LBS", std::vector<std::string>(25, " 4.0")).text()));
    QTest::keyClick(control(window, "HScroll1"), Qt::Key_End);
    const QString before = accessible("Image_p", QAccessible::Description);

    RecordFile large;
    add_record(large, "2026/04/01 07:30", " KG", {" 9.6"});
    const QString big = write("big.cus", large.text() + std::string(24 << 20, '\n'));
    auto* tab = window.findChild<app::RecordTab*>();
    tab->set_progress_delay(0);
    bool shown = false;
    testing::on_next_modal(
        [](QWidget* dialog) {
            EXPECT_EQ(dialog->objectName(), "LoadProgress");
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        },
        &shown);
    tab->load(big);
    EXPECT_TRUE(shown);
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->currentText(), "2026/03/01 07:30");
    EXPECT_EQ(caption("Label_end"), "25");
    EXPECT_EQ(accessible("Image_p", QAccessible::Description), before);
    EXPECT_EQ(bar("Image_s", 19), 3);
}

// The filter chosen or the suffix typed picks the format; the proposed name
// comes from the workout's date.
TEST_F(RecordPage, ExportWritesTheShownWorkoutInTheFormatAskedFor)
{
    RecordFile file;
    open(write("w.cus", add_record(file, "2026/03/01 07:30", "LBS", {" 2.0", " 4.0"}).text()));
    auto* button = control<QPushButton>(window, "Command_export");
    ASSERT_TRUE(button->isEnabled());
    const struct {
        QString typed;
        int filter;
        QString written;
        QByteArray starts;
    } cases[] = {
        {"run", 0, "run.fit", QByteArray("\x0e\x20", 2)},
        {"run2.tcx", 0, "run2.tcx", "<?xml"},
        {"samples", 2, "samples.csv", "elapsed_s,"},
    };
    for (const auto& c : cases) {
        QString proposed;
        const QString message = through_file_dialog(
            [&] { QTest::mouseClick(button, Qt::LeftButton); }, "CommonDialog4", [&](QFileDialog* dialog) {
                proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                for (int i = 0; i < c.filter; ++i)  // as a user picks it, with the keyboard
                    QTest::keyClick(types, Qt::Key_Down);
                choose(folder.filePath(c.typed))(dialog);
            }).message;
        EXPECT_EQ(proposed, "2026-03-01_0730");
        EXPECT_EQ(message, "File Save As  " + QDir::toNativeSeparators(folder.filePath(c.written)) + " Success!");
        QFile written(folder.filePath(c.written));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.written.toStdString();
        EXPECT_TRUE(written.readAll().startsWith(c.starts)) << c.written.toStdString();
    }
    const QString gone = folder.filePath("gone/run.fit");
    EXPECT_TRUE(through_file_dialog([&] { QTest::mouseClick(button, Qt::LeftButton); }, "CommonDialog4",
                                    choose(gone))
                    .message.startsWith("The workout was not exported."));
}

// A date line that is no date: the user is asked when the workout started.
TEST_F(RecordPage, ExportAsksForTheStartWhenTheDateLineIsNoDate)
{
    RecordFile file;
    open(write("w.cus", add_record(file, "Morning run 0001", "LBS", {" 2.0"}).text()));
    for (bool accept : {false, true}) {
        bool asked = false;
        QPointer<QTimer> file_dialog;
        testing::on_next_modal([&](QWidget* dialog) {
            asked = dialog->objectName() == "StartTimeDialog";
            auto* edit = dialog->findChild<QDateTimeEdit*>("StartTimeEdit");
            EXPECT_EQ(edit->dateTime(), QFileInfo(folder.filePath("w.cus")).lastModified());
            if (!accept)
                return static_cast<QDialog*>(dialog)->reject();
            file_dialog = testing::on_next_modal([&](QWidget* save) { qobject_cast<QFileDialog*>(save)->reject(); });
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(control(window, "Command_export"), Qt::LeftButton);
        delete file_dialog.data();
        EXPECT_TRUE(asked);
    }
}

// The table lists every workout; a row shows its workout on the Record tab,
// a click on the whole-workout chart moves the samples shown there.
TEST_F(RecordPage, AllWorkoutsChoosesAWorkoutAndMovesItsSamples)
{
    RecordFile file;
    add_record(file, "2026/03/01 07:30", "LBS", std::vector<std::string>(60, " 4.0"));
    add_record(file, "2026/03/02 07:30", " KG", {" 9.6"});
    open(write("w.cus", file.text()));
    QTest::mouseClick(control(window, "Command_workouts"), Qt::LeftButton);
    auto* table = window.findChild<QTableWidget*>("Table_workouts");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->window()->isVisible());
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(control<QLabel>(*table->window(), "Label_totals")->text().left(10), "2 workouts");

    table->sortItems(8, Qt::DescendingOrder);  // the most samples first
    EXPECT_EQ(table->item(0, 0)->text(), "2026/03/01 07:30");
    table->setCurrentCell(0, 0);
    auto* dates = control<QComboBox>(window, "Combo_date");
    EXPECT_EQ(dates->currentIndex(), 0);
    EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 LBS");

    QWidget* chart = control(*table->window(), "Chart_workout");
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() - 9, chart->height() / 2));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll1")->value(), 40);  // the last samples
    EXPECT_EQ(caption("Label_end"), "60");
    QTest::keyClick(chart, Qt::Key_Home);
    EXPECT_EQ(caption("Label_end"), "20");

    QTest::keyClick(dates, Qt::Key_Down);  // a choice on the Record tab reaches the table
    EXPECT_EQ(table->item(table->currentRow(), 0)->text(), "2026/03/02 07:30");

    const QString message = through_file_dialog(
        [&] { QTest::mouseClick(control(*table->window(), "Command_export_all"), Qt::LeftButton); },
        "ExportAllDialog", choose(folder.filePath("all"))).message;
    EXPECT_TRUE(message.endsWith("all.csv Success!")) << message.toStdString();
    QFile csv(folder.filePath("all.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 3);
}

TEST_F(RecordPage, TheDialogProposesTheModelsRecordName)
{
    control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(0);
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QString proposed;
    open([&](QFileDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        cancel(dialog);
    });
    EXPECT_EQ(proposed, "QM5_REC");
}

TEST_F(RecordPage, TheChartsMenuSavesAPngOfTheChartsAndResults)
{
    auto* action = window.findChild<QAction*>("Action_save_charts");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8("Save Charts as Image\u2026"));
    EXPECT_FALSE(action->isEnabled());
    EXPECT_TRUE(control(window, "Frame3_Record")->actions().contains(action));

    RecordFile file;
    open(write("w.cus", add_record(file, "2026/03/05 06:00", "LBS", {"10.0", " 2.0"}).text()));
    ASSERT_TRUE(action->isEnabled());
    auto export_to = [&](const QString& path) {
        return through_file_dialog([&] { action->trigger(); }, "ChartImageDialog", choose(path)).message;
    };
    EXPECT_EQ(export_to(folder.filePath("monday")), "");
    const QImage image(folder.filePath("monday.png"));
    ASSERT_FALSE(image.isNull());
    const qreal ratio = window.devicePixelRatioF();
    EXPECT_EQ(image.size(), QSize(436 + 8 + 185, 28 + 3 * 192) * ratio);
    EXPECT_EQ(image.pixelColor(QPoint(28 + 10, 28 + 16 + 150) * ratio), QColor(0, 255, 0));  // first bar's bottom lamp

    const QString gone = folder.filePath("gone/charts.png");
    EXPECT_TRUE(export_to(gone).startsWith("The charts were not saved."));
    EXPECT_FALSE(QFile::exists(gone));
}

}  // namespace
}  // namespace trevalo::app
