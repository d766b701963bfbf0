#include "app/commands/kind_folder_dialog.h"

#include "folders/dialog_folders.h"
#include "folders/settings_place.h"

#include <QFileDialog>
#include <QSettings>

namespace trevalo::app {

int exec_in_kind_folder(QFileDialog& dialog, folders::FileKind kind, const QString& proposed)
{
    // Read anew for every dialog: another window of the tool may have moved on.
    QSettings settings(folders::settings_format(), QSettings::UserScope, QStringLiteral("trevalo"),
                       QStringLiteral("trevalo"));
    folders::DialogFolders folders(settings);
    dialog.setDirectory(folders.start_folder(kind, proposed));
    dialog.selectFile(proposed);
    const int answer = dialog.exec();
    if (answer == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        // Only the next dialog's convenience is lost: not worth a message box.
        if (const Result<QString> kept = folders.remember_folder(kind, dialog.selectedFiles().constFirst()); !kept)
            qWarning("%s", kept.error().c_str());
    }
    return answer;
}

}  // namespace trevalo::app
