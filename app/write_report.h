#pragma once

// What the user reads after a file was written: the usual confirmation, or
// what was not done, where, and the system's reason.

#include <QString>

class QWidget;

namespace trevalo::app {

// `not_done` opens a failure: "The workout was not exported."
void report_write(QWidget* parent, const QString& path, bool written, const QString& not_done,
                  const QString& reason);

}  // namespace trevalo::app
