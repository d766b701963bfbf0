#include "folders/dialog_folders.h"

#include "base/translation.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSettings>

namespace trevalo::folders {

namespace {

QString settings_key(FileKind kind)
{
    return QStringLiteral("dialog_folders/") + QLatin1String(kind.key.data(), static_cast<qsizetype>(kind.key.size()));
}

// Names on a FAT stick may come back in another case than they were written
// in, and a dialog proposes a name without the suffix the file got ("R300"
// for "R300.cus").
bool holds(const QString& root, const QString& name)
{
    if (name.isEmpty())
        return false;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden); it.hasNext();) {
        const QFileInfo file = it.nextFileInfo();
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0 ||
            file.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

DialogFolders::DialogFolders(QSettings& settings, std::function<QStringList()> media)
    : settings_(settings), media_(std::move(media))
{
}

QString DialogFolders::start_folder(FileKind kind, const QString& proposed_name) const
{
    const QString kept = settings_.value(settings_key(kind)).toString();
    if (!kept.isEmpty() && QFileInfo(kept).isDir())
        return kept;
    const QString stick = stick_for(proposed_name);
    return stick.isEmpty() ? QDir::homePath() : stick;
}

QString DialogFolders::stick_for(const QString& proposed_name) const
{
    const QStringList sticks = media_();
    for (const QString& root : sticks)
        if (holds(root, proposed_name))
            return root;
    return sticks.empty() ? QString() : sticks.front();
}

Result<QString> DialogFolders::remember_folder(FileKind kind, const QString& chosen_file)
{
    const QString folder = QFileInfo(chosen_file).absolutePath();
    settings_.setValue(settings_key(kind), folder);
    settings_.sync();
    if (settings_.status() != QSettings::NoError)
        return Result<QString>::failure(
            filled(translated("folders", "The folder %1 could not be kept for the next dialog in %2."),
                   QDir::toNativeSeparators(folder).toStdString(),
                   QDir::toNativeSeparators(settings_.fileName()).toStdString()));
    return folder;
}

}  // namespace trevalo::folders
