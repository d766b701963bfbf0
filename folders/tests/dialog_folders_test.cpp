#include "folders/dialog_folders.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace trevalo::folders {
namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Sticks as plain folders: the first holds a file that only looks like the
// proposed one, the second the proposed one in another case with a suffix.
class StartFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const QString& name : {a, b, kept})
            ASSERT_TRUE(QDir().mkpath(name));
        touch(a + "/R300.cus.bak");
        touch(b + "/r300.CUS");
    }
    QString folder(const char* name) const { return base.filePath(QLatin1String(name)); }

    QTemporaryDir base;
    const QString a = folder("media/a"), b = folder("media/b"), kept = folder("programs");
    QSettings settings{folder("trevalo.conf"), QSettings::IniFormat};
};

TEST_F(StartFolder, TheFolderLastUsedElseTheStickHoldingTheFileElseTheFirstElseHome)
{
    const std::vector<QString> none, both{a, b};
    const struct {
        const char* what;
        QString remembered;  // a file chosen in a dialog of programs before, if any
        bool gone;           // its folder removed since
        FileKind kind;
        std::vector<QString> sticks;
        QString proposed, expected;
    } cases[] = {
        {"no stick", {}, false, kProgramFiles, none, "R300", QDir::homePath()},
        {"the stick holding the file", {}, false, kProgramFiles, both, "R300", b},
        {"no stick holds it: the first", {}, false, kProgramFiles, both, "R300_REC.cus", a},
        {"nothing proposed: the first", {}, false, kExports, both, "", a},
        {"the folder last used", kept + "/R300.cus", false, kProgramFiles, both, "R300", kept},
        {"another kind's folder", kept + "/R300.cus", false, kRecordFiles, both, "R300", b},
        {"the folder last used is gone", kept + "/R300.cus", true, kProgramFiles, both, "R300", b},
    };
    for (const auto& c : cases) {
        settings.clear();
        DialogFolders folders(settings, [&c] { return c.sticks; });
        if (!c.remembered.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(kept));
            EXPECT_EQ(folders.remember_folder(kProgramFiles, c.remembered).value(), kept) << c.what;
        }
        if (c.gone) {
            ASSERT_TRUE(QDir(kept).removeRecursively());
        }
        EXPECT_EQ(folders.start_folder(c.kind, c.proposed), c.expected) << c.what;
    }
}

// The next run reads what this one kept; settings that cannot be written say so.
TEST_F(StartFolder, AFolderIsKeptBetweenRunsOrTheFailureSaysWhere)
{
    DialogFolders(settings).remember_folder(kChartPictures, kept + "/charts.png");
    QSettings next_run(settings.fileName(), QSettings::IniFormat);
    EXPECT_EQ(DialogFolders(next_run).start_folder(kChartPictures, "charts"), kept);

    QSettings unwritable(folder("media/a/R300.cus.bak/trevalo.conf"), QSettings::IniFormat);
    const Result<QString> kept_there = DialogFolders(unwritable).remember_folder(kExports, kept + "/run.fit");
    ASSERT_FALSE(kept_there);
    EXPECT_NE(kept_there.error().find(kept.toStdString()), std::string::npos) << kept_there.error();
    EXPECT_NE(kept_there.error().find("R300.cus.bak/trevalo.conf"), std::string::npos) << kept_there.error();
}

// File systems mounted under /run/media/ by this test count as sticks, in the
// order they were mounted; one mounted elsewhere does not.
TEST(RemovableMedia, TmpfsMountedUnderRunMediaAreTheSticks)
{
    const QString media = QStringLiteral("/run/media/trevalo-test-%1").arg(::getpid());
    QTemporaryDir elsewhere;
    const QString first = media + "/FIRST", second = media + "/SECOND", other = elsewhere.filePath("other");
    std::vector<QString> mounted;
    const bool made_run_media = !QDir(QStringLiteral("/run/media")).exists();
    const auto cleanup = qScopeGuard([&] {
        for (const QString& point : mounted)
            ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        QDir(media).removeRecursively();
        if (made_run_media)
            QDir().rmdir(QStringLiteral("/run/media"));
    });
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to mount tmpfs file systems under /run/media/";
    for (const QString& point : {first, second, other}) {
        if (!QDir().mkpath(point) ||
            ::mount("tmpfs", QFile::encodeName(point).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "could not mount a tmpfs on " << point.toStdString() << ": " << std::strerror(errno);
        mounted.push_back(point);
    }
    touch(second + "/R300.cus");

    const std::vector<QString> sticks = removable_media();
    const auto at = [&sticks](const QString& root) { return std::find(sticks.begin(), sticks.end(), root); };
    EXPECT_LT(at(first), at(second));
    EXPECT_NE(at(second), sticks.end());
    EXPECT_EQ(at(other), sticks.end());
    QSettings settings(elsewhere.filePath("trevalo.conf"), QSettings::IniFormat);
    EXPECT_EQ(DialogFolders(settings).start_folder(kProgramFiles, "R300"), second);
}

}  // namespace
}  // namespace trevalo::folders
