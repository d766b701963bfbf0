#pragma once

// Every file dialog of the window starts where its kind of file was last
// opened or saved, else on the USB stick, else in the home folder
// (folders::DialogFolders), and what the user picks is remembered for the
// next dialog of that kind, in this run and the next.

#include "folders/file_kind.h"

class QFileDialog;
class QString;

namespace trevalo::app {

// Opens `dialog` in the folder for `kind` with `proposed` as the file name,
// runs it and, once accepted, remembers the folder of the file chosen.
// Gives what QDialog::exec gives.
int exec_in_kind_folder(QFileDialog& dialog, folders::FileKind kind, const QString& proposed);

}  // namespace trevalo::app
