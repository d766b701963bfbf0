#include "folders/dialog_folders.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace trevalo::folders {
namespace {

// Two sticks mounted by the test where desktops mount them. Each row has a
// settings file of its own, in which an earlier dialog of programs may have
// remembered its folder.
TEST(StartFolder, TheFolderLastUsedElseTheStickHoldingTheFileElseTheFirstElseHome)
{
    const QTemporaryDir base;
    const QString media = QStringLiteral("/run/media/trevalo-test-%1").arg(::getpid()), kept = base.filePath("kept");
    const QString a = media + "/A", b = media + "/B";
    const bool made = !QDir(QStringLiteral("/run/media")).exists();
    const auto unmount = qScopeGuard([&] {
        for (const QString& stick : {a, b})
            ::umount2(QFile::encodeName(stick).constData(), MNT_DETACH);
        QDir(made ? QStringLiteral("/run/media") : media).removeRecursively();
    });
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to mount tmpfs file systems under /run/media/";
    for (const QString& stick : {a, b}) {
        if (!QDir().mkpath(stick) || ::mount("tmpfs", QFile::encodeName(stick).constData(), "tmpfs", 0, "size=64k"))
            GTEST_SKIP() << "could not mount a tmpfs on " << stick.toStdString();
    }
    // Only like the proposed file; the proposed file, in another case, with its suffix.
    ASSERT_TRUE(QFile(a + "/R300.cus.bak").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(b + "/r300.CUS").open(QIODevice::WriteOnly));
    const QStringList sticks = removable_media();  // in mount order, no system disk
    ASSERT_TRUE(sticks.indexOf(a) + 1 == sticks.indexOf(b, 1) && !sticks.contains("/")) << sticks.join(' ').toStdString();

    for (const auto& [run, remembered, gone, on_sticks, kind, proposed, expected] : {
             std::tuple{"no stick", false, false, false, kProgramFiles, "R300", QDir::homePath()},
             {"the stick holding the file", false, false, true, kProgramFiles, "R300", b},
             // The folder of programs is not one of records.
             {"none holds it: the first", true, false, true, kRecordFiles, "R300_REC", sticks.front()},
             {"the folder last used", true, false, true, kProgramFiles, "R300", kept},
             {"the folder last used is gone", true, true, true, kProgramFiles, "R300", b},
         }) {
        const QString file = base.filePath(QLatin1String(run) + ".conf");
        QSettings earlier(file, QSettings::IniFormat), settings(file, QSettings::IniFormat);
        ASSERT_TRUE(QDir().mkpath(kept));
        ASSERT_TRUE(!remembered || DialogFolders(earlier).remember_folder(kProgramFiles, kept + "/R300.cus"));
        ASSERT_TRUE(!gone || QDir(kept).removeRecursively());
        const DialogFolders folders(settings, on_sticks ? &removable_media : +[] { return QStringList(); });
        EXPECT_EQ(folders.start_folder(kind, proposed), expected) << run;
    }
}

}  // namespace
}  // namespace trevalo::folders
