#pragma once

// Where a file dialog starts. A user goes back to where that kind of file was
// last opened or saved; before that, or once that folder is gone (the stick
// pulled out), the files are on the USB stick the treadmill reads; without
// one, in the home folder. Kept between runs in the settings given.

#include "base/result.h"
#include "folders/file_kind.h"
#include "folders/removable_media.h"

#include <QString>

#include <functional>

class QSettings;

namespace trevalo::folders {

class DialogFolders {
public:
    // `media` lists the sticks' root folders in mount order; tests give their own.
    explicit DialogFolders(QSettings& settings,
                           std::function<QStringList()> media = removable_media);

    // The folder to open a dialog of `kind` in. `proposed_name` is the name
    // the dialog proposes ("R300", "R300_REC.cus"): among several sticks, the
    // one holding that file, with or without a suffix, is meant.
    QString start_folder(FileKind kind, const QString& proposed_name) const;

    // Keeps the folder of `chosen_file` as the start of the next dialog of
    // `kind`. Gives the folder kept, or says why it could not be kept.
    Result<QString> remember_folder(FileKind kind, const QString& chosen_file);

private:
    QString stick_for(const QString& proposed_name) const;

    QSettings& settings_;
    std::function<QStringList()> media_;
};

}  // namespace trevalo::folders
