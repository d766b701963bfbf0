// Window tests drive the real widgets; they need an application object, and
// settings and a training history of their own: the folders a user's
// dialogs start in and the workouts they kept are not theirs to change.
// They speak the language the environment asks for, as the program does:
// the layout runs once per language.

#include "app/window/language.h"
#include "folders/settings_place.h"

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
    QSettings::setPath(trevalo::folders::settings_format(), QSettings::UserScope, settings.path());
    // The training history too: each run starts one of its own.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", data.path().toLocal8Bit());
    return RUN_ALL_TESTS();
}
