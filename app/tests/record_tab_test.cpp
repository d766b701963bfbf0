#include "window_helpers.h"

#include "app/line_layer.h"
#include "app/picture_box.h"
#include "app/record_tab.h"
#include "records/tests/record_file_builder.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>

namespace trevalo::app {
namespace {

using records::testing::RecordFile;
using records::testing::Sample;
using testing::control;
using testing::element;
using testing::on_next_modal;
using testing::ShownWindow;

const QString kColon = QString(QChar(0xFF1A));

// A record of `speeds.size()` samples with these speed fields.
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

    QString write(const QString& name, const std::string& text)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }

    // Presses "Open File", picks `path` in the dialog; returns the text of
    // the message that followed, if any. `proposed` receives the name the
    // dialog offered.
    QString open(const QString& path, QString* proposed = nullptr)
    {
        QString message;
        std::vector<QPointer<QTimer>> waiting;
        waiting.push_back(on_next_modal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), "CommonDialog1");
            EXPECT_EQ(dialog->nameFilters(), QStringList{"Record Files(*.cus)"});
            if (proposed)
                *proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            waiting.push_back(on_next_modal([&](QWidget* box) {
                message = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
            }));
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            }
        }));
        QTest::mouseClick(control(window, "Command_open"), Qt::LeftButton);
        for (const QPointer<QTimer>& timer : waiting)
            delete timer.data();
        return message;
    }

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

    QTemporaryDir folder;
};

TEST_F(RecordPage, OpenFileShowsTheLastWorkoutOfTheFile)
{
    RecordFile file;
    add_record(file, "2026/03/01 07:30", "LBS", {" 2.0", " 4.0"});
    add_record(file, "2026/03/02 18:05", " KG", {" 9.6", "20.8", " 0.8"});
    QString proposed;
    EXPECT_EQ(open(write("R300_REC.cus", file.text()), &proposed), "");
    EXPECT_EQ(proposed, "R300_REC");

    auto* dates = control<QComboBox>(window, "Combo_date");
    EXPECT_EQ(dates->count(), 2);
    EXPECT_EQ(dates->currentText(), "2026/03/02 18:05");
    EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 KG");
    EXPECT_EQ(caption("Label_time"), "Time(m:s) 0" + kColon + "00");
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title(), "SPEED(KPH)");
    EXPECT_EQ(caption("Label_record_s_7"), "21");
    EXPECT_EQ(bar("Image_s", 0), 4);
    EXPECT_EQ(bar("Image_s", 1), 8);
    EXPECT_EQ(bar("Image_s", 2), 1);
    EXPECT_EQ(bar("Image_s", 3), 0);
    EXPECT_EQ(bar("Image_i", 0), 1);
    EXPECT_TRUE(control<QObject>(window, "Line1_2")->property("Visible").toBool());
    EXPECT_FALSE(control<QObject>(window, "Line1_3")->property("Visible").toBool());
    EXPECT_EQ(control<QObject>(window, "Line1_1")->property("Y2").toFloat(), 2760 - 120 * 7);
    EXPECT_FALSE(control(window, "HScroll1")->isVisible());
    testing::expect_texts_fit(window);

    // A metric record, then the imperial one before it.
    QTest::keyClick(dates, Qt::Key_Up);
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title(), "SPEED(MPH)");
    EXPECT_EQ(caption("Label_record_s_7"), "14");
    EXPECT_EQ(caption("Label_record_i_7"), "14");
    EXPECT_EQ(caption("Label_weight"), "Weight" + kColon + "160 LBS");
    EXPECT_EQ(bar("Image_s", 1), 3);
    EXPECT_EQ(bar("Image_s", 2), 0);
}

TEST_F(RecordPage, TheScrollBarReachesTheEndOfALongWorkout)
{
    std::vector<std::string> speeds(29, " 2.0");
    speeds.push_back("14.0");  // the last sample stands out
    RecordFile file;
    add_record(file, "2026/03/05 06:00", "LBS", speeds);
    EXPECT_EQ(open(write("long.cus", file.text())), "");

    auto* scroll = control<QScrollBar>(window, "HScroll1");
    ASSERT_TRUE(scroll->isVisible());
    EXPECT_TRUE(control(window, "Label_end")->isVisible());
    EXPECT_EQ(scroll->maximum(), 10);
    EXPECT_EQ(bar("Image_s", 19), 2);
    scroll->setFocus();
    QTest::keyClick(scroll, Qt::Key_End);
    EXPECT_EQ(scroll->value(), 10);
    EXPECT_EQ(caption("Label_start"), "11");
    EXPECT_EQ(caption("Label_end"), "30");
    EXPECT_EQ(bar("Image_s", 19), 8);
    testing::expect_texts_fit(window);
    QWidget* last_bar = control(window, "Image_s_19");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(last_bar)->text(QAccessible::Name), "Speed, sample 30");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(last_bar)->text(QAccessible::Description), "8 of 8 lamps lit");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(control(window, "Image_p"))
                    ->text(QAccessible::Description)
                    .startsWith("Samples 11 to 30, pulse in beats per minute: about 100, about 100"));
    QTest::keyClick(scroll, Qt::Key_Left);  // one sample back
    EXPECT_EQ(caption("Label_end"), "29");
    EXPECT_EQ(bar("Image_s", 19), 2);
    QTest::keyClick(scroll, Qt::Key_Right);
    EXPECT_EQ(caption("Label_end"), "30");
    QTest::keyClick(scroll, Qt::Key_PageUp);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(caption("Label_end"), "20");
    EXPECT_EQ(bar("Image_s", 19), 2);
    EXPECT_EQ(bar("Image_s", 0), 2);
}

TEST_F(RecordPage, AShorterFileAfterALongerOneShowsEmptyBarsPastItsEnd)
{
    RecordFile longer;
    add_record(longer, "2026/03/05 06:00", "LBS", std::vector<std::string>(25, "10.0"));
    open(write("longer.cus", longer.text()));
    ASSERT_EQ(bar("Image_s", 19), 6);
    RecordFile shorter;
    add_record(shorter, "2026/03/06 06:00", "LBS", {"10.0", "10.0"});
    open(write("shorter.cus", shorter.text()));
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
    EXPECT_EQ(bar("Image_s", 1), 6);
    EXPECT_EQ(bar("Image_s", 2), 0);
    EXPECT_EQ(bar("Image_s", 19), 0);
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
    EXPECT_EQ(bar("Image_s", 0), 0);

    // Cancelling the next dialog changes nothing.
    EXPECT_EQ(open(QString()), "");
    EXPECT_EQ(dates->count(), 2);

}

TEST_F(RecordPage, AFileGoneBeforeItIsReadClearsTheDisplayAndSaysSo)
{
    RecordFile file;
    add_record(file, "2026/03/01 07:30", "LBS", {" 2.0"});
    open(write("one.cus", file.text()));
    ASSERT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);

    QString message;
    on_next_modal([&](QWidget* box) {
        message = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
    });
    window.findChild<app::RecordTab*>()->load(folder.filePath("gone.cus"));
    EXPECT_TRUE(message.startsWith("The record file could not be opened.")) << message.toStdString();
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 0);
    EXPECT_EQ(caption("Label_weight"), "Weight");
    EXPECT_EQ(bar("Image_s", 0), 0);
}

TEST_F(RecordPage, AFileWithoutWorkoutsSaysSo)
{
    const QString message = open(write("program.cus", std::string(65, '\x01')));
    EXPECT_TRUE(message.startsWith("No workouts were found")) << message.toStdString();
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 0);
}

TEST_F(RecordPage, TheDialogProposesTheModelsRecordName)
{
    control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(0);
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(1);
    QString proposed;
    open(QString(), &proposed);
    EXPECT_EQ(proposed, "QM5_REC");
}

}  // namespace
}  // namespace trevalo::app

namespace trevalo::app {
namespace {

class ChartImage : public RecordPage {
protected:
    // Triggers "Save Charts as Image…", answers its dialog with `path` and
    // returns the message that followed, if any.
    QString export_to(const QString& path)
    {
        QString message;
        std::vector<QPointer<QTimer>> waiting;
        waiting.push_back(on_next_modal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), "ChartImageDialog");
            waiting.push_back(on_next_modal([&](QWidget* box) {
                message = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
            }));
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }));
        window.findChild<QAction*>("Action_save_charts")->trigger();
        for (const QPointer<QTimer>& timer : waiting)
            delete timer.data();
        return message;
    }
};

TEST_F(ChartImage, TheChartsMenuWritesAPngOfTheChartsAndResults)
{
    auto* action = window.findChild<QAction*>("Action_save_charts");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8("Save Charts as Image\u2026"));
    EXPECT_FALSE(action->isEnabled());
    EXPECT_TRUE(control(window, "Frame3_Record")->actions().contains(action));

    RecordFile file;
    add_record(file, "2026/03/05 06:00", "LBS", {"10.0", " 2.0"});
    open(write("w.cus", file.text()));
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(export_to(folder.filePath("monday")), "");
    const QImage image(folder.filePath("monday.png"));
    ASSERT_FALSE(image.isNull());
    const qreal ratio = window.devicePixelRatioF();
    EXPECT_EQ(image.size(), QSize(436 + 8 + 185, 28 + 3 * 192) * ratio);
    // The first speed bar, six lamps lit: its lowest lamp is green.
    const QPoint lamp = (QPoint(28 + 10, 28 + 16 + 150) * ratio);
    EXPECT_EQ(image.pixelColor(lamp), QColor(0, 255, 0));
}

TEST_F(ChartImage, AnExportThatFailsSaysSo)
{
    RecordFile file;
    add_record(file, "2026/03/05 06:00", "LBS", {"10.0"});
    open(write("w.cus", file.text()));
    const QString path = folder.filePath("gone/charts.png");
    const QString message = export_to(path);
    EXPECT_TRUE(message.startsWith("The charts were not saved.")) << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace trevalo::app
