#pragma once

// Every message box the window shows after a command: a refusal, a note of
// what was adapted, and the outcome of every write. They all look alike: the
// tool's name as the title (the usual confirmation has none), one OK button,
// and an object name by which tests find them. Only the question before
// closing with unsaved changes is asked elsewhere: it has three answers.

#include "base/result.h"

#include <QString>

class QWidget;

namespace trevalo::app {

enum class Tone {
    Note,     // done, with something the user should know
    Refusal,  // not done, and why
};

void show_message(QWidget* parent, Tone tone, const QString& text, const char* name);

// A file that was not taken: what was not done ("The program was not
// opened."), the file, and why.
void refuse_file(QWidget* parent, const QString& not_done, const QString& path, const QString& why, const char* name);

// The usual confirmation that the file at `path` was written.
void confirm_written(QWidget* parent, const QString& path, const char* name);

// A write that failed: what was not done ("The workout was not exported."),
// the file, and the reason the files library gave.
void refuse_write(QWidget* parent, const QString& not_done, const QString& path, const Result<void>& failed,
                  const char* name);

// Either of the two above, whichever `written` calls for.
void report_write(QWidget* parent, const QString& not_done, const QString& path, const Result<void>& written,
                  const char* name);

}  // namespace trevalo::app
