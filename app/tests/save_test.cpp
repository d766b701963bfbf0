#include "window_helpers.h"

#include "app/program_writer.h"
#include "app/save_command.h"
#include "program_file/program_file.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace trevalo::app {
namespace {

using testing::control;
using testing::on_next_modal;
using testing::ShownWindow;

QByteArray expected_bytes(const Form1& window)
{
    program_file::FileBuffers buffers;
    const editor::EditModel& m = window.edit_model();
    program_file::fill_buffers(m.state(), m.unit(), buffers);
    const program_file::ProgramBytes bytes = program_file::program_bytes(m.state(), buffers);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Save : public ShownWindow {
protected:
    // Presses "SAVE", lets `in_dialog` fill in the dialog, and returns what
    // the message box that follows said ("" when none came).
    QString save(std::function<void(QFileDialog*)> in_dialog, QString* title = nullptr)
    {
        QString message;
        std::vector<QPointer<QTimer>> waiting;
        waiting.push_back(on_next_modal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), "CommonDialog2");
            // The overwrite question, if any, is answered "Yes"; the box
            // after it is the command's own.
            std::function<void(QWidget*)> answer = [&](QWidget* box_widget) {
                auto* box = qobject_cast<QMessageBox*>(box_widget);
                ASSERT_NE(box, nullptr);
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                    waiting.push_back(on_next_modal(answer));
                    yes->click();
                    return;
                }
                message = box->text();
                if (title)
                    *title = box->windowTitle();
                EXPECT_EQ(box->buttons().size(), 1);
                box->buttons().constFirst()->click();
            };
            waiting.push_back(on_next_modal(answer));
            in_dialog(dialog);
        }));
        QTest::mouseClick(control(window, "Command_save"), Qt::LeftButton);
        // Whatever did not come is no longer awaited.
        for (const QPointer<QTimer>& timer : waiting)
            delete timer.data();
        return message;
    }

    QTemporaryDir folder;
};

TEST_F(Save, KeepingTheProposedNameWritesTheProgramWithTheExtensionAndConfirms)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    QTest::keyClick(control(window, "Combo_i_19"), Qt::Key_End);
    ASSERT_EQ(window.edit_model().state().seg_s[3], 60);

    QString proposed;
    QString title = "unset";
    const QString message = save(
        [&](QFileDialog* dialog) {
            proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            EXPECT_EQ(dialog->nameFilters(), QStringList{"Edit Files(*.cus)"});
            dialog->setDirectory(folder.path());
            static_cast<QDialog*>(dialog)->accept();
        },
        &title);
    const QString path = folder.filePath("QM5.cus");
    EXPECT_EQ(proposed, "QM5");
    EXPECT_EQ(message, "File Save As  " + QDir::toNativeSeparators(path) + " Success!");
    EXPECT_EQ(title, "");
    const QByteArray written = read(path);
    EXPECT_EQ(written.size(), 65);
    EXPECT_EQ(written, expected_bytes(window));
    EXPECT_EQ(written.at(24 + 3), 60);
    EXPECT_EQ(written.at(4 + 19), 15);
}

TEST_F(Save, ANameTypedWithAnExtensionIsKeptAsTyped)
{
    const QString path = folder.filePath("monday.prg");
    const QString message = save([&](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(message.endsWith(QDir::toNativeSeparators(path) + " Success!")) << message.toStdString();
    EXPECT_EQ(read(path).size(), 65);
}

TEST_F(Save, SavingOverALongerFileLeavesExactlyTheProgram)
{
    const QString path = folder.filePath("R300.cus");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200, 'x'));
    }
    save([&](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(read(path), expected_bytes(window));
}

TEST_F(Save, AFolderThatDoesNotExistGivesAClearErrorAndNoSuccess)
{
    const QString path = folder.filePath("gone/R300.cus");
    QString title;
    const QString message = save(
        [&](QFileDialog* dialog) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        },
        &title);
    EXPECT_FALSE(message.contains("Success")) << message.toStdString();
    EXPECT_TRUE(message.contains("not saved")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Save, CancelWritesNothingAndSaysNothing)
{
    const QString message = save([&](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        dialog->reject();
    });
    EXPECT_EQ(message, "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    // The next save works as usual.
    const QString next = save([&](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(next.endsWith(" Success!"));
}

// A device that refuses every write, as a full or removed stick does.
class FailingDevice : public QIODevice {
public:
    FailingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override
    {
        setErrorString("No space left on device");
        return -1;
    }
};

TEST(ProgramWriter, ReportsWhyAWriteFailed)
{
    FailingDevice device;
    QString error;
    EXPECT_FALSE(write_bytes(device, program_file::ProgramBytes{}, &error));
    EXPECT_EQ(error, "No space left on device");
}

TEST(ProgramWriter, AFailedSaveLeavesTheEarlierFileUntouched)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("QM20.cus");
    program_file::ProgramBytes first{};
    first.fill(7);
    QString error;
    ASSERT_TRUE(write_program_file(path, first, &error));
    // A file in place of the folder makes the next save fail.
    const QString blocked = path + "/inside.cus";
    EXPECT_FALSE(write_program_file(blocked, program_file::ProgramBytes{}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(read(path), QByteArray(65, 7));
}

}  // namespace
}  // namespace trevalo::app
