#include "window_helpers.h"

#include "records/tests/record_file_builder.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTabBar>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace trevalo::app {
namespace {

using testing::control;
using testing::on_next_modal;
using testing::ShownWindow;

class Drop : public ShownWindow {
protected:
    QString write(const QString& name, const std::string& text) { return testing::write_file(folder, name, text); }

    // Drops these paths on the window; returns the message shown, if any.
    QString drop(const QStringList& paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.append(QUrl::fromLocalFile(p));
        mime.setUrls(urls);
        const QPoint at(300, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QString message;
        QPointer<QTimer> waiting = on_next_modal([&](QWidget* box) {
            message = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->buttons().constFirst()->click();
        });
        QDropEvent drop_event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop_event);
        QCoreApplication::processEvents();  // the file opens after the drop is answered
        delete waiting.data();
        return message;
    }

    QTemporaryDir folder;
};

std::string one_workout()
{
    return records::testing::RecordFile().header("2026/05/01 08:00").weight("150", "LBS").samples(3).text();
}

TEST_F(Drop, AFileDroppedOpensOnTheRecordTab)
{
    EXPECT_EQ(drop({write("a.cus", one_workout())}), "");
    EXPECT_EQ(control<QTabBar>(window, "SSTab1_tabs")->currentIndex(), 1);
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->currentText(), "2026/05/01 08:00");
}

TEST_F(Drop, ABadFileSaysWhatTheOpenCommandSays)
{
    const QString message = drop({write("bad.cus", "2026/05/01 08:00\r\nabcLBS\r\n")});
    EXPECT_TRUE(message.contains("Line 2, weight: not a number.")) << message.toStdString();
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
}

TEST_F(Drop, SeveralFilesOrAFolderChangeNothing)
{
    drop({write("a.cus", one_workout())});
    control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(0);
    for (const QStringList& paths : {QStringList{write("b.cus", one_workout()), write("c.cus", one_workout())},
                                     QStringList{folder.path()}}) {
        const QString message = drop(paths);
        EXPECT_TRUE(message.startsWith("Drop one record file")) << message.toStdString();
        EXPECT_EQ(control<QTabBar>(window, "SSTab1_tabs")->currentIndex(), 0);
        EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
    }
    const QString fifo = folder.filePath("pipe.cus");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(drop({fifo}).contains("This is a named pipe"));
    EXPECT_EQ(control<QTabBar>(window, "SSTab1_tabs")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 1);
}

// A program file, told from a record file by its shape, opens on the Edit
// tab as OPEN does.
TEST_F(Drop, AProgramFileDroppedOpensOnTheEditTab)
{
    control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(1);
    std::string program(65, '\0');
    program[0] = static_cast<char>(180), program[2] = 82, program[3] = 45;  // 180 lb, 82 kg, 45 minutes
    for (int i = 0; i < 20; ++i)
        program[4 + i] = 3, program[24 + i] = 20, program[44 + i] = 32;  // incline 3, 2 mph, 3.2 km/h
    EXPECT_EQ(drop({write("R300.cus", program)}), "");
    EXPECT_EQ(control<QTabBar>(window, "SSTab1_tabs")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>(window, "Combo_weight")->currentText(), "180");
    EXPECT_EQ(control<QComboBox>(window, "Combo_s_15")->currentText(), "2");
    EXPECT_EQ(control<QComboBox>(window, "Combo_date")->count(), 0);
}

}  // namespace
}  // namespace trevalo::app
