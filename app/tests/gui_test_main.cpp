// Window tests drive the real widgets; they need an application object, and
// settings of their own: the folders a user's dialogs start in are not theirs
// to change. They speak the language the environment asks for, as the
// program does: the layout runs once per language.

#include "app/window/language.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trevalo::app::install_language(trevalo::app::language_for(QLocale::system().uiLanguages()));
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
