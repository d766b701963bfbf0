// SAVE and OPEN on the Edit tab, through their file dialogs.

#include "window_helpers.h"

#include "editor/edit_program.h"
#include "program_file/program_file.h"

#include <QDir>

namespace trevalo::app::testing {
namespace {

class Save : public ShownWindow {
protected:
    // What the program file module makes of what the editor holds.
    QByteArray program() const
    {
        const program_file::ProgramBytes bytes = program_file::program_bytes(editor::program_of(window.edit_model()));
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }
    QString save(const Answer& answer)
    {
        return through_file_dialog(clicking(window, "Command_save"), "CommonDialog2", answer);
    }
    // From the folder that SAVE used before.
    QString open(const QString& path)
    {
        return through_file_dialog(clicking(window, "Command_load"), "CommonDialog3", [&](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->directory().absolutePath(), folder.path());
            choose(path)(dialog);
        });
    }
};

TEST_F(Save, KeepingTheProposedNameWritesTheProgramWithTheExtensionAndConfirms)
{
    QTest::keyClick(control(window, "Combo_type"), Qt::Key_Up);  // "QM-5"
    click(window, "Image1_27");
    QTest::keyClick(control(window, "Combo_i_19"), Qt::Key_End);
    const QString path = folder.filePath("QM5.cus");
    const Answer keep_name = [&](QWidget* dialog) {
        EXPECT_EQ(typed_name(dialog), "QM5");
        EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters(), QStringList{"Edit Files(*.cus)"});
        qobject_cast<QFileDialog*>(dialog)->setDirectory(folder.path());
        static_cast<QDialog*>(dialog)->accept();
    };
    const Answer success = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        EXPECT_EQ(box->text(), "File Save As  " + QDir::toNativeSeparators(path) + " Success!");
        EXPECT_EQ((std::pair{box->windowTitle(), box->buttons().size()}), (std::pair{QString(), qsizetype(1)}));
        box->buttons().constFirst()->click();
    };
    EXPECT_EQ(answering(clicking(window, "Command_save"), {keep_name, success}), 2);
    EXPECT_EQ(contents(path), program());
}

// An overwrite is asked first, then the earlier file is replaced whole.
TEST_F(Save, ATypedExtensionIsKeptAndALongerFileIsReplacedWhole)
{
    const QString typed = folder.filePath("monday.prg");
    EXPECT_TRUE(save(choose(typed)).endsWith(QDir::toNativeSeparators(typed) + " Success!"));
    EXPECT_EQ(contents(typed), program());
    const QString longer = write("R300.cus", std::string(200, 'x'));
    const std::vector<Answer> overwrite{choose(longer), press(QMessageBox::Yes), press(QMessageBox::Ok)};
    EXPECT_EQ(answering(clicking(window, "Command_save"), overwrite), 3);
    EXPECT_EQ(contents(longer), program());
}

TEST_F(Save, AFailureOrACancelWritesNothingAndSaysNoSuccess)
{
    EXPECT_EQ(save(cancel), "");
    const QString path = folder.filePath("gone/R300.cus");
    const QString message = save(choose(path));
    EXPECT_TRUE(message.startsWith("The program was not saved.")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(message.endsWith("No such file or directory")) << message.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A saved program comes back after the settings threw it away; a file that
// is no program for these settings is refused and the editor keeps its own.
TEST_F(Save, OpenBringsASavedProgramBackAndRefusesWhatItCannotShow)
{
    click(window, "Image1_27");
    QTest::keyClick(control(window, "Combo_i_7"), Qt::Key_End);
    const QString path = folder.filePath("R300.cus");
    save(choose(path));
    const QByteArray saved = contents(path);
    click(window, "Option_kph");  // a new program in the other unit...
    click(window, "Option_mph");  // ...and back: the defaults
    ASSERT_NE(program(), saved);

    EXPECT_EQ(open(path), "");
    EXPECT_EQ(program(), saved);
    expect_edit_tab_shows_model(window);

    const QString message = open(write("short.cus", std::string(64, '\0')));
    EXPECT_TRUE(message.startsWith("The program was not opened.")) << message.toStdString();
    EXPECT_TRUE(message.contains("holds 64 bytes"));
    EXPECT_EQ(program(), saved);
}

}  // namespace
}  // namespace trevalo::app::testing
