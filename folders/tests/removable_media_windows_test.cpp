// On Windows a stick is a drive letter of a removable drive. The Wine prefix
// of the tests (scripts/wine_run.sh) has one, R:, a folder of the build's
// set up as a removable drive; C: is a fixed disk.

#include "folders/dialog_folders.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trevalo::folders {
namespace {

TEST(StartFolderOnWindows, TheRemovableDriveByItsLetterElseTheFolderLastUsed)
{
    const QStringList sticks = removable_media();
    if (!QDir(QStringLiteral("R:/")).exists())
        GTEST_SKIP() << "needs a removable drive R: (scripts/wine_run.sh makes one)";
    ASSERT_TRUE(sticks.contains(QStringLiteral("R:/")) && !sticks.contains(QStringLiteral("C:/")))
        << sticks.join(' ').toStdString();

    const QTemporaryDir base;
    const QString kept = base.filePath("kept");
    ASSERT_TRUE(QDir().mkpath(kept));
    for (const auto& [run, remembered, kind, expected] : {
             std::tuple{"the stick", false, kProgramFiles, QStringLiteral("R:/")},
             {"the folder last used, given with backslashes", true, kProgramFiles, kept},
             {"the folder of programs is not one of records", true, kRecordFiles, QStringLiteral("R:/")},
         }) {
        const QString file = base.filePath(QLatin1String(run) + ".ini");
        QSettings earlier(file, QSettings::IniFormat), settings(file, QSettings::IniFormat);
        ASSERT_TRUE(!remembered ||
                    DialogFolders(earlier).remember_folder(kProgramFiles, QDir::toNativeSeparators(kept + "/R300.cus")));
        EXPECT_EQ(DialogFolders(settings).start_folder(kind, "R300"), expected) << run;
    }
}

}  // namespace
}  // namespace trevalo::folders
