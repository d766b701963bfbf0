#pragma once

// The language the window speaks: one of the tool's translations, chosen as
// the desktop chooses (the system's UI languages in order: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) or by --language, and Qt's own translation of its
// dialogs and buttons beside it. English needs no file: it is the source.

#include <QString>
#include <QStringList>

namespace trevalo::app {

// The codes of the translations, as their files are named ("de", "zh_CN").
const QStringList& translation_codes();

// The first of `ui_languages` ("de-DE", "zh-Hant-TW", "C") the tool has a
// translation for; English, "C" or "POSIX" before any such end the search
// with an empty code, which is English.
QString language_for(const QStringList& ui_languages);

// Installs the tool's translation `code` (empty: English) and Qt's, and
// makes the plain libraries' texts follow. False, with nothing installed,
// when there is no such translation.
bool install_language(const QString& code);

}  // namespace trevalo::app
