#include "window_helpers.h"

#include "program_file/program_file.h"

#include <QDir>
#include <QLineEdit>

namespace trevalo::app {
namespace {

using testing::cancel;
using testing::choose;
using testing::control;
using testing::Outcome;
using testing::ShownWindow;
using testing::through_file_dialog;

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
    Outcome save(const std::function<void(QFileDialog*)>& fill)
    {
        return through_file_dialog([this] { QTest::mouseClick(control(window, "Command_save"), Qt::LeftButton); },
                                   "CommonDialog2", fill);
    }
    QTemporaryDir folder;
};

TEST_F(Save, KeepingTheProposedNameWritesTheProgramWithTheExtensionAndConfirms)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    QTest::keyClick(control(window, "Combo_i_19"), Qt::Key_End);

    QString proposed;
    const Outcome outcome = save([&](QFileDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Edit Files(*.cus)"});
        dialog->setDirectory(folder.path());
        static_cast<QDialog*>(dialog)->accept();
    });
    const QString path = folder.filePath("QM5.cus");
    EXPECT_EQ(proposed, "QM5");
    EXPECT_EQ(outcome.message, "File Save As  " + QDir::toNativeSeparators(path) + " Success!");
    EXPECT_EQ(outcome.title, "");
    EXPECT_EQ(outcome.buttons, 1);
    const QByteArray written = read(path);
    EXPECT_EQ(written, expected_bytes(window));
    EXPECT_EQ(written.size(), 65);
    EXPECT_EQ(written.at(24 + 3), 60);  // the lamp's 6 mph
    EXPECT_EQ(written.at(4 + 19), 15);  // the last incline
}

TEST_F(Save, ATypedExtensionIsKeptAndALongerFileIsReplacedWhole)
{
    const QString typed = folder.filePath("monday.prg");
    EXPECT_TRUE(save(choose(typed)).message.endsWith(QDir::toNativeSeparators(typed) + " Success!"));
    EXPECT_EQ(read(typed).size(), 65);

    const QString longer = testing::write_file(folder, "R300.cus", std::string(200, 'x'));
    save(choose(longer));  // the overwrite question is answered "Yes"
    EXPECT_EQ(read(longer), expected_bytes(window));
}

TEST_F(Save, AFolderThatDoesNotExistGivesAClearErrorAndNoSuccess)
{
    const QString path = folder.filePath("gone/R300.cus");
    const QString message = save(choose(path)).message;
    EXPECT_TRUE(message.startsWith("The program was not saved.")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(message.contains("Success"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Save, CancelWritesNothingAndSaysNothing)
{
    EXPECT_EQ(save(cancel).message, "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(save(choose(folder.filePath("next"))).message.endsWith(" Success!"));
}

// A saved program comes back after the settings threw it away; a file that
// is no program for these settings is refused and the editor keeps its own.
TEST_F(Save, OpenBringsASavedProgramBackAndRefusesWhatItCannotShow)
{
    QTest::mouseClick(control(window, "Image1_27"), Qt::LeftButton);
    QTest::keyClick(control(window, "Combo_i_7"), Qt::Key_End);
    const QString path = folder.filePath("R300.cus");
    save(choose(path));
    const QByteArray saved = read(path);
    testing::click_option(window, "Option_kph");  // a new program in the other unit...
    testing::click_option(window, "Option_mph");  // ...and back: the defaults
    ASSERT_NE(expected_bytes(window), saved);

    auto open = [this](const QString& file) {
        return through_file_dialog([this] { QTest::mouseClick(control(window, "Command_load"), Qt::LeftButton); },
                                   "CommonDialog3", choose(file))
            .message;
    };
    EXPECT_EQ(open(path), "");
    EXPECT_EQ(expected_bytes(window), saved);
    EXPECT_EQ(control<QComboBox>(window, "Combo_i_7")->currentText(), "15");

    const QString message = open(testing::write_file(folder, "short.cus", std::string(64, '\0')));
    EXPECT_TRUE(message.startsWith("The program was not opened.")) << message.toStdString();
    EXPECT_TRUE(message.contains("holds 64 bytes"));
    EXPECT_EQ(expected_bytes(window), saved);
}

}  // namespace
}  // namespace trevalo::app
